#include "platform/os/Paths.h"

namespace os {

const char PathDelimiter = '/';
bool IsPathDelimiter(char c) { return c == '/'; }

} // namespace os
