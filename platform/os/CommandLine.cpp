#include "platform/os/CommandLine.h"

namespace os {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
} // namespace

std::vector<std::string> SplitCommandLine(std::string_view s)
{
    std::vector<std::string> args;
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    if (i == s.size()) return args;

    std::string program;
    if (s[i] == '"') {
        const size_t close = s.find('"', i + 1);
        program = std::string(s.substr(i + 1, close == std::string_view::npos ? std::string_view::npos : close - i - 1));
        i = close == std::string_view::npos ? s.size() : close + 1;
    } else {
        while (i < s.size() && !IsBlank(s[i])) program += s[i++];
    }
    args.push_back(program);

    for (;;) {
        while (i < s.size() && IsBlank(s[i])) ++i;
        if (i == s.size()) break;
        std::string arg;
        bool quoted = false;
        while (i < s.size() && (quoted || !IsBlank(s[i]))) {
            if (s[i] == '\\') {
                size_t n = 0;
                while (i < s.size() && s[i] == '\\') ++n, ++i;
                if (i < s.size() && s[i] == '"') {
                    arg.append(n / 2, '\\');
                    if (n % 2 == 1) {
                        arg += '"';
                        ++i;
                    }
                } else {
                    arg.append(n, '\\');
                }
            } else if (s[i] == '"') {
                // Two quotes inside a quoted part stand for one.
                if (quoted && i + 1 < s.size() && s[i + 1] == '"') {
                    arg += '"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                arg += s[i++];
            }
        }
        args.push_back(arg);
    }
    return args;
}

} // namespace os
