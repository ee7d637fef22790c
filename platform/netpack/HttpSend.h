#pragma once
// One HTTP/1.0 request per call over a TTCPBlockSocket: request line and
// headers, the body from Document, the response's status, headers and body
// (by Content-Length, chunked, or until the server closes). No redirects are
// followed. Proxies: absolute-form request line for http, CONNECT for https.
#include <cstdint>
#include <string>

#include "platform/netpack/BlockSocket.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/StringList.h"

namespace netpack {

class THTTPSend {
public:
    // Longest status or header line, and the most header lines, we accept.
    static constexpr std::size_t kMaxHeaderLine = 16384;
    static constexpr int kMaxHeaderLines = 256;

    THTTPSend();
    virtual ~THTTPSend();
    THTTPSend(const THTTPSend&) = delete;
    THTTPSend& operator=(const THTTPSend&) = delete;

    // Sends Document (when not empty) with MimeType and reads the response.
    // True when a response was read, whatever its status; false after a
    // socket failure when Sock().RaiseExcept is off.
    virtual bool HTTPMethod(const std::string& method, const std::string& url);

    // Empties Document and Headers, MimeType back to "text/html".
    void Clear();

    // The request body before the call, the response body after it
    // (positioned at its start) unless a body sink is set.
    rtl::TMemoryStream& Document() { return document_; }
    // After the call: the status line, then the header lines.
    rtl::TStringList& Headers() { return headers_; }
    TTCPBlockSocket& Sock() { return sock_; }

    // Response bodies go to `sink` as they arrive instead of to Document, so
    // a large download never sits in memory; nullptr for Document again.
    void SetBodySink(rtl::TStream* sink) { bodySink_ = sink; }
    // Body bytes of the current response delivered so far (to Document or
    // the sink), not counting the buffer being read.
    std::int64_t BodyBytesReceived() const { return bodyReceived_; }

    int ResultCode = 0;
    std::string ResultString;
    std::string MimeType = "text/html";
    std::string UserAgent = "Mozilla/5.0 (compatible; Synapse)";
    std::string Protocol = "1.0";
    bool KeepAlive = true;
    int Timeout = 90000; // ms for each wait for data from the server
    std::string ProxyHost;
    std::string ProxyPort = "8080";
    std::string ProxyUser, ProxyPass;
    // 0 until a response body of known length is being read; then its
    // Content-Length, or for a chunked body the size of the current chunk.
    std::int64_t DownloadSize = 0;

private:
    TTCPBlockSocket sock_;
    rtl::TMemoryStream document_;
    rtl::TStringList headers_;
    rtl::TStream* bodySink_ = nullptr;
    std::int64_t bodyReceived_ = 0;
};

} // namespace netpack
