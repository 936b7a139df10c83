#pragma once

#include <QString>
#include <QtGlobal>

namespace kestrel {

// Settings of one HTTP client, in milliseconds or counts; 0 leaves the stack's default in place.
struct HttpOptions {
    // A response larger than this ends the read and counts as a failure, so a hostile or broken
    // server cannot make the program hold an unbounded body in memory.
    static constexpr qint64 kMaxResponseBytes = 16LL * 1024 * 1024;

    int ConnectTimeoutMs = 15000;
    int ReceiveTimeoutMs = 30000;
    int SendTimeoutMs = 0;
    int ConnectRetries = 0;
    qint64 MaxResponseBytes = kMaxResponseBytes;
    // The user agent sent; empty sends the program's usual one.
    QString UserAgent;
};

} // namespace kestrel
