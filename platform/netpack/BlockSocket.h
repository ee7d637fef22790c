#pragma once
// A blocking TCP client socket with an optional TLS layer, status and
// monitor hooks, and buffered reads. Every failure sets LastError (a Windows
// Sockets number) and LastErrorDesc, reports HR_Error through OnStatus and,
// with RaiseExcept, raises ESynapseError; without it the call returns a
// failure value and the caller tests LastError().
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace netpack {

enum class THookSocketReason {
    HR_ResolvingBegin,
    HR_ResolvingEnd,
    HR_SocketCreate,
    HR_SocketClose,
    HR_Connect,
    HR_ReadCount,
    HR_WriteCount,
    HR_Error,
};

class TTCPBlockSocket;
// Value: "host:port" for connect, "<code>,<description>" for errors, the byte
// count for read and write counts, empty otherwise.
using THookSocketStatus = std::function<void(TTCPBlockSocket& sender, THookSocketReason reason, const std::string& value)>;
// Called for every buffer sent (writing true) or received from the network,
// right after it moved and before the reader gets it.
using THookMonitor = std::function<void(TTCPBlockSocket& sender, bool writing, const void* buffer, int length)>;

class TTCPBlockSocket {
public:
    // Size of the socket's send and receive buffers and of each read.
    static constexpr int kBufferSize = 65536;

    TTCPBlockSocket();
    ~TTCPBlockSocket();
    TTCPBlockSocket(const TTCPBlockSocket&) = delete;
    TTCPBlockSocket& operator=(const TTCPBlockSocket&) = delete;

    THookSocketStatus OnStatus;
    THookMonitor OnMonitor;
    bool RaiseExcept = false;
    // Limit for a connection attempt in ms (0: the system's own).
    int ConnectionTimeout = 0;

    int LastError() const { return lastError_; }
    const std::string& LastErrorDesc() const { return lastErrorDesc_; }

    // Resolves and connects; closes any earlier connection first.
    bool Connect(const std::string& host, const std::string& port);
    // Starts TLS on the connection: SNI with `serverName`, certificate chain
    // and host name verified. Error 10091 when no TLS library could be loaded.
    bool SSLDoConnect(const std::string& serverName);
    bool IsConnected() const;

    bool SendBuffer(const void* buffer, std::size_t length);
    bool SendString(std::string_view bytes) { return SendBuffer(bytes.data(), bytes.size()); }

    // Reads up to `length` bytes, waiting at most `timeoutMs` for the first
    // one: bytes already buffered first, else one read from the network
    // (which raises OnMonitor). Returns 0 with LastError() 0 when the peer
    // closed the connection in order; 0 with an error (10060 for the wait)
    // otherwise.
    std::size_t RecvBufferSome(void* buffer, std::size_t length, int timeoutMs);
    // Reads a line up to CR LF (or LF), without the break. An over-long line
    // (more than maxLength bytes) is error 10022; a close before the break is
    // error 10053. `ok` tells whether a whole line arrived.
    std::string RecvLine(int timeoutMs, std::size_t maxLength, bool& ok);

    // Closes the connection (and TLS); safe to call from inside a hook and
    // more than once. Reports HR_SocketClose when a connection was open.
    void CloseSocket();

    // Records an error as every failure does: LastError, HR_Error and, with
    // RaiseExcept, ESynapseError. Also for the layers above (HTTP framing).
    void RaiseError(int code, const std::string& description);
    void ResetLastError();

private:
    struct State;
    std::unique_ptr<State> state_;
    int lastError_ = 0;
    std::string lastErrorDesc_;
};

} // namespace netpack
