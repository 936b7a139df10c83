#pragma once

#include <QString>
#include <QtGlobal>
#include <atomic>
#include <memory>

namespace kestrel {

// Settings of one HTTP client, in milliseconds or counts; 0 leaves the stack's default in place.
struct HttpOptions {
    // A response larger than this ends the read and counts as a failure, so a hostile or broken
    // server cannot make the program hold an unbounded body in memory. It bounds the decoded
    // body: a compressed answer fails as soon as its decoded size passes it.
    static constexpr qint64 kMaxResponseBytes = 16LL * 1024 * 1024;
    // A whole page, from the request to its last byte, may take this long; a server that keeps
    // the transfer alive with a trickle of bytes cannot hold a download open for ever.
    static constexpr int kDefaultDeadlineMs = 120000;

    // Until the connection stands (TCP and, for HTTPS, the handshake).
    int ConnectTimeoutMs = 15000;
    // Once connected: the longest wait for the answer or for the next bytes of the body.
    int ReceiveTimeoutMs = 30000;
    int SendTimeoutMs = 0;
    int ConnectRetries = 0;
    int DeadlineMs = kDefaultDeadlineMs;
    qint64 MaxResponseBytes = kMaxResponseBytes;
    // The user agent sent; empty sends the program's usual one.
    QString UserAgent;
    // Set (from any thread) to end the transfer at once; nothing received is kept.
    std::shared_ptr<const std::atomic<bool>> Cancel;
};

// Why the last request gave no usable page.
enum class HttpFailure {
    None,
    Connect,        // refused, unreachable, or the connection broke
    ConnectTimeout, // no connection within the connect time-out
    ReceiveTimeout, // connected, but no answer or no further bytes within the receive time-out
    Deadline,       // the whole page took longer than the deadline
    TooLarge,       // the (decoded) body passed the size cap
    Cancelled,      // stopped by the cancel flag
    HttpStatus,     // the server answered with an error status (4xx, 5xx)
};

} // namespace kestrel
