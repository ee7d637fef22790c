#pragma once
// Backend part of DateTime: the local clock and the user's date and time
// formats.
#include <string>

#include "platform/rtl/DateTime.h"

namespace rtl::backend {

DateTimeParts LocalNow();
std::string ShortDateText(const DateTimeParts& parts);
std::string LongTimeText(const DateTimeParts& parts);

} // namespace rtl::backend
