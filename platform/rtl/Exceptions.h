#pragma once
// The program's one exception hierarchy. Every error carries a user-readable
// message that outer layers may extend in place before rethrowing with
// `throw;`, so the error keeps its class on the way up.
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <utility>

namespace rtl {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }

    std::string Message;
};

// An operating-system call failed; ErrorCode is the system's own number.
class EOSError : public Exception {
public:
    EOSError(std::string message, std::uint32_t errorCode)
        : Exception(std::move(message)), ErrorCode(errorCode) {}
    std::uint32_t ErrorCode;
};

class EConvertError : public Exception {
    using Exception::Exception;
};

// File input/output failed while reading or writing a file already open.
class EInOutError : public Exception {
public:
    EInOutError(std::string message, std::uint32_t errorCode)
        : Exception(std::move(message)), ErrorCode(errorCode) {}
    std::uint32_t ErrorCode;
};

class ERegistryException : public Exception {
    using Exception::Exception;
};

// A file could not be created or opened ("Cannot create file ...").
class EFCreateError : public Exception {
    using Exception::Exception;
};
class EFOpenError : public Exception {
    using Exception::Exception;
};

// Runs `body`; an Exception that leaves it gets `prefix` in front of its
// message and is rethrown as the same object.
template <class Body>
decltype(auto) WithErrorPrefix(std::string_view prefix, Body&& body)
{
    try {
        return std::forward<Body>(body)();
    } catch (Exception& e) {
        e.Message.insert(0, prefix);
        throw;
    }
}

} // namespace rtl
