#pragma once
// Socket failures, numbered as Windows Sockets numbers them on every target
// (callers match "10060" and "Connection reset by peer" in the message).
#include <cstdint>
#include <string>

#include "platform/rtl/Exceptions.h"

namespace netpack {

// The numbers the program and its tests rely on.
inline constexpr int kWsaInterrupted = 10004;      // WSAEINTR
inline constexpr int kWsaInvalidArgument = 10022;  // WSAEINVAL
inline constexpr int kWsaNetUnreachable = 10051;   // WSAENETUNREACH
inline constexpr int kWsaConnAborted = 10053;      // WSAECONNABORTED
inline constexpr int kWsaConnReset = 10054;        // WSAECONNRESET
inline constexpr int kWsaNotConnected = 10057;     // WSAENOTCONN
inline constexpr int kWsaTimedOut = 10060;         // WSAETIMEDOUT
inline constexpr int kWsaConnRefused = 10061;      // WSAECONNREFUSED
inline constexpr int kWsaHostUnreachable = 10065;  // WSAEHOSTUNREACH
inline constexpr int kWsaSysNotReady = 10091;      // WSASYSNOTREADY: used for "no TLS library"
inline constexpr int kWsaHostNotFound = 11001;     // WSAHOST_NOT_FOUND
inline constexpr int kWsaTryAgain = 11002;         // WSATRY_AGAIN

// The fixed English description of a socket error number ("Connection reset
// by peer" for 10054), the same on both targets.
std::string SocketErrorText(int code);

class ESynapseError : public rtl::Exception {
public:
    // Message: "Synapse TCP/IP Socket error <code>: <description>".
    ESynapseError(int code, std::string description);
    int ErrorCode;
    std::string ErrorMessage;
};

} // namespace netpack
