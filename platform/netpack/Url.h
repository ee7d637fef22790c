#pragma once
// Splitting a URL into what a request needs.
#include <string>
#include <string_view>

namespace netpack {

struct TUrlParts {
    std::string Protocol; // lower case: "http" when the URL has no "://"
    std::string User, Password;
    std::string Host;
    std::string Port;     // "80" / "443" when the URL gives none
    std::string Path;     // starts with "/"; "/" when empty
    std::string Params;   // after "?", without it
    // The request target: Path plus "?" and Params when there are any.
    std::string Target() const { return Params.empty() ? Path : Path + "?" + Params; }
};

TUrlParts ParseURL(std::string_view url);

} // namespace netpack
