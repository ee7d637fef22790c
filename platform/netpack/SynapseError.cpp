#include "platform/netpack/SynapseError.h"

namespace netpack {

std::string SocketErrorText(int code)
{
    switch (code) {
    case 0: return "OK";
    case kWsaInterrupted: return "Interrupted system call";
    case 10009: return "Bad file number";
    case 10013: return "Permission denied";
    case 10014: return "Bad address";
    case kWsaInvalidArgument: return "Invalid argument";
    case 10024: return "Too many open files";
    case 10035: return "Operation would block";
    case 10036: return "Operation now in progress";
    case 10037: return "Operation already in progress";
    case 10038: return "Socket operation on nonsocket";
    case 10039: return "Destination address required";
    case 10040: return "Message too long";
    case 10047: return "Address family not supported by protocol family";
    case 10048: return "Address already in use";
    case 10049: return "Can't assign requested address";
    case 10050: return "Network is down";
    case kWsaNetUnreachable: return "Network is unreachable";
    case 10052: return "Network dropped connection on reset";
    case kWsaConnAborted: return "Software caused connection abort";
    case kWsaConnReset: return "Connection reset by peer";
    case 10055: return "No buffer space available";
    case 10056: return "Socket is already connected";
    case kWsaNotConnected: return "Socket is not connected";
    case 10058: return "Can't send after socket shutdown";
    case kWsaTimedOut: return "Connection timed out";
    case kWsaConnRefused: return "Connection refused";
    case 10064: return "Host is down";
    case kWsaHostUnreachable: return "No route to host";
    case kWsaSysNotReady: return "Network subsystem is unusable";
    case 10093: return "Winsock not initialized";
    case kWsaHostNotFound: return "Host not found";
    case kWsaTryAgain: return "Non-authoritative host not found";
    case 11003: return "Non-recoverable error";
    case 11004: return "Valid name, no data record of requested type";
    default: return "Other Winsock error (" + std::to_string(code) + ")";
    }
}

ESynapseError::ESynapseError(int code, std::string description)
    : rtl::Exception("Synapse TCP/IP Socket error " + std::to_string(code) + ": " + description),
      ErrorCode(code),
      ErrorMessage(std::move(description))
{
}

} // namespace netpack
