#pragma once
// The system's proxy settings for a protocol.
#include <string>
#include <string_view>

namespace netpack {

struct TProxySetting {
    std::string Host;
    std::string Port;
    std::string Bypass;
    int ResultCode = 0;
    bool Autodetected = false;
};

// Windows: the LAN proxy server list of the Internet settings (WinINet's
// InternetQueryOptionA), whether or not proxy use is switched on. Host: the
// http_proxy / https_proxy environment variables. Empty Host and Port when
// nothing is configured. An empty protocol counts as "http".
TProxySetting GetProxySetting(std::string_view protocol);

// The rule for a server list such as "http=p1:8080 https=p2:3128" or
// "p3:80": the entry "<protocol>=..." (without regard to case), else the
// last entry without "="; Host before ":", Port after it, both trimmed.
// Entries are separated by blanks or commas.
TProxySetting ParseProxyList(std::string_view list, std::string_view protocol);

} // namespace netpack
