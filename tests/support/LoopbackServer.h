#pragma once

// A small HTTP/1.1 server on 127.0.0.1 (a free port) for the network tests: each path answers as
// its route says (a page, an error page, silence, a huge body, a closed connection, a late
// answer, a body that trickles in byte by byte). It runs on
// a thread of its own, one connection at a time, and stops when destroyed.

#include <QByteArray>
#include <QString>
#include <atomic>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

namespace kestrel::test {

class LoopbackServer {
public:
    enum class Mode {
        Page,        // status line, headers, the body
        Silent,      // accepts and never answers
        CloseAtOnce, // accepts and closes without a byte
        Endless,     // a body without length that goes on until the client gives up
        Trickle,     // the body one byte every trickleMs
    };
    struct Route {
        Route(Mode m = Mode::Page, int s = 200, QByteArray b = QByteArray(), bool length = true)
            : mode(m), status(s), body(std::move(b)), withLength(length) {}
        Mode mode = Mode::Page;
        int status = 200;
        QByteArray body;
        bool withLength = true;
        int delayMs = 0;    // silence before the status line
        int trickleMs = 0;  // Trickle: the pause between two bytes of the body
        QByteArray headers; // further header lines, each ending in CR LF
    };

    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    quint16 Port() const { return m_port; }
    // "http://127.0.0.1:<port>" + path.
    QString Url(const QString& path) const;
    void SetRoute(const QByteArray& pathAndQuery, Route route);
    void SetPage(const QByteArray& pathAndQuery, const QByteArray& body, int status = 200);
    // Request heads received so far (request line and headers).
    std::vector<QByteArray> Requests() const;
    int RequestCount() const;

    // A port on 127.0.0.1 where nothing listens (connections are refused).
    static quint16 ClosedPort();

private:
    void Serve();
    void Handle(int client);
    void Answer(int client, const Route& route);

    int m_listener = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::map<QByteArray, Route> m_routes;
    std::vector<QByteArray> m_requests;
    std::thread m_thread;
};

namespace loopback_detail {

inline constexpr int kPollMs = 20;
// Upper bound of one connection, so a test never hangs on the server.
inline constexpr auto kConnectionLimit = std::chrono::seconds(20);

inline sockaddr_in Loopback(quint16 port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}

inline quint16 BoundPort(int fd) {
    sockaddr_in a{};
    socklen_t len = sizeof(a);
    getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    return ntohs(a.sin_port);
}

// True when the client has closed its side (or the connection broke).
inline bool ClientGone(int fd) {
    pollfd p{fd, POLLIN, 0};
    char byte;
    return poll(&p, 1, 0) > 0 && recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) <= 0;
}

// Waits, unless the server stops or the client goes away first; false then.
inline bool Pause(const std::atomic<bool>& stop, int client, int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!stop && !ClientGone(client) && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(ms, kPollMs)));
    }
    return !stop && !ClientGone(client);
}

inline bool SendAll(int fd, const QByteArray& data) {
    qsizetype sent = 0;
    while (sent < data.size()) {
        const ssize_t n = send(fd, data.constData() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            return false;
        }
        sent += n;
    }
    return true;
}

} // namespace loopback_detail

inline LoopbackServer::LoopbackServer() {
    m_listener = socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
    const sockaddr_in a = loopback_detail::Loopback(0);
    bind(m_listener, reinterpret_cast<const sockaddr*>(&a), sizeof(a));
    listen(m_listener, 8);
    m_port = loopback_detail::BoundPort(m_listener);
    m_thread = std::thread([this] { Serve(); });
}

inline LoopbackServer::~LoopbackServer() {
    m_stop = true;
    m_thread.join();
    close(m_listener);
}

inline QString LoopbackServer::Url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path);
}

inline void LoopbackServer::SetRoute(const QByteArray& pathAndQuery, Route route) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_routes[pathAndQuery] = std::move(route);
}

inline void LoopbackServer::SetPage(const QByteArray& pathAndQuery, const QByteArray& body,
                                    int status) {
    Route route;
    route.status = status;
    route.body = body;
    SetRoute(pathAndQuery, route);
}

inline std::vector<QByteArray> LoopbackServer::Requests() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests;
}

inline int LoopbackServer::RequestCount() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(m_requests.size());
}

inline quint16 LoopbackServer::ClosedPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in a = loopback_detail::Loopback(0);
    bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof(a));
    const quint16 port = loopback_detail::BoundPort(fd);
    close(fd);
    return port;
}

inline void LoopbackServer::Serve() {
    while (!m_stop) {
        pollfd p{m_listener, POLLIN, 0};
        if (poll(&p, 1, loopback_detail::kPollMs) <= 0) {
            continue;
        }
        const int client = accept(m_listener, nullptr, nullptr);
        if (client >= 0) {
            Handle(client);
            close(client);
        }
    }
}

inline void LoopbackServer::Handle(int client) {
    QByteArray head;
    const auto deadline = std::chrono::steady_clock::now() + loopback_detail::kConnectionLimit;
    while (!m_stop && !head.contains("\r\n\r\n") && std::chrono::steady_clock::now() < deadline) {
        pollfd p{client, POLLIN, 0};
        if (poll(&p, 1, loopback_detail::kPollMs) <= 0) {
            continue;
        }
        char buffer[4096];
        const ssize_t n = recv(client, buffer, sizeof(buffer), 0);
        if (n <= 0) {
            return;
        }
        head.append(buffer, n);
    }
    const QByteArray requestLine = head.left(head.indexOf("\r\n"));
    const QByteArray path = requestLine.split(' ').value(1);
    Route route;
    route.status = 404;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requests.push_back(head);
        const auto found = m_routes.find(path);
        if (found != m_routes.end()) {
            route = found->second;
        }
    }
    Answer(client, route);
}

inline void LoopbackServer::Answer(int client, const Route& route) {
    const auto deadline = std::chrono::steady_clock::now() + loopback_detail::kConnectionLimit;
    if (route.mode == Mode::CloseAtOnce) {
        return;
    }
    if (route.mode == Mode::Silent) {
        // Holds the connection until the client gives up (or the test ends).
        while (!m_stop && std::chrono::steady_clock::now() < deadline) {
            pollfd p{client, POLLIN, 0};
            char byte;
            if (poll(&p, 1, loopback_detail::kPollMs) > 0 && recv(client, &byte, 1, 0) <= 0) {
                return;
            }
        }
        return;
    }
    if (!loopback_detail::Pause(m_stop, client, route.delayMs)) {
        return;
    }
    QByteArray head =
        "HTTP/1.1 " + QByteArray::number(route.status) + (route.status == 200 ? " OK" : " Error") +
        "\r\nContent-Type: text/html; charset=UTF-8\r\nConnection: close\r\n" + route.headers;
    if ((route.mode == Mode::Page || route.mode == Mode::Trickle) && route.withLength) {
        head += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n";
    }
    head += "\r\n";
    if (!loopback_detail::SendAll(client, head)) {
        return;
    }
    if (route.mode == Mode::Page) {
        loopback_detail::SendAll(client, route.body);
        return;
    }
    if (route.mode == Mode::Trickle) {
        for (qsizetype i = 0; i < route.body.size() && std::chrono::steady_clock::now() < deadline;
             ++i) {
            if (!loopback_detail::SendAll(client, route.body.mid(i, 1)) ||
                !loopback_detail::Pause(m_stop, client, route.trickleMs)) {
                return;
            }
        }
        return;
    }
    const QByteArray block(64 * 1024, 'x');
    while (!m_stop && std::chrono::steady_clock::now() < deadline &&
           loopback_detail::SendAll(client, block)) {
    }
}

} // namespace kestrel::test
