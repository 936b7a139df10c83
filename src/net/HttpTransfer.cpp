#include "net/HttpTransfer.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "net/WinInetProgress.h"

namespace kestrel {

namespace {

const char* const kUserAgent = "Fernhollow WinInet";
constexpr int kCancelPollMs = 50;

QNetworkRequest MakeRequest(const QString& url, const HttpOptions& options) {
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::UserAgentHeader, options.UserAgent.isEmpty()
                                                            ? QString::fromLatin1(kUserAgent)
                                                            : options.UserAgent);
    request.setRawHeader("Accept-Language", "ja-JP");
    // Always ask the server again, never a cache.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    // The decoded size of a compressed body is held to the program's own cap, chunk by chunk.
    request.setDecompressedSafetyCheckThreshold(-1);
    return request;
}

void StartIfSet(QTimer& timer, int ms) {
    if (ms > 0) {
        timer.start(ms);
    }
}

// "host:port" (an "http://" in front is allowed); an empty or unreadable text gives no proxy.
bool MakeProxy(const QString& text, QNetworkProxy& proxy) {
    const QUrl url = QUrl::fromUserInput(text);
    if (!url.isValid() || url.host().isEmpty()) {
        return false;
    }
    proxy =
        QNetworkProxy(QNetworkProxy::HttpProxy, url.host(), static_cast<quint16>(url.port(8080)));
    return true;
}

} // namespace

HttpTransfer::HttpTransfer(QString url, QString proxy, HttpOptions options,
                           WinInetProgress* progress)
    : m_url(std::move(url)), m_proxy(std::move(proxy)), m_options(std::move(options)),
      m_progress(progress) {
    for (QTimer* timer : {&m_connectTimer, &m_receiveTimer, &m_deadlineTimer}) {
        timer->setSingleShot(true);
    }
    connect(&m_connectTimer, &QTimer::timeout, this, &HttpTransfer::OnConnectTimeout);
    connect(&m_receiveTimer, &QTimer::timeout, this, &HttpTransfer::OnReceiveTimeout);
    connect(&m_deadlineTimer, &QTimer::timeout, this, &HttpTransfer::OnDeadline);
    connect(&m_cancelTimer, &QTimer::timeout, this, &HttpTransfer::OnCancelPoll);
}

HttpTransfer::~HttpTransfer() {
    if (m_reply != nullptr) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
    delete m_manager;
}

void HttpTransfer::Start() {
    m_manager = new QNetworkAccessManager;
    if (m_options.Cancel != nullptr) {
        m_cancelTimer.start(kCancelPollMs);
    }
    StartIfSet(m_deadlineTimer, m_options.DeadlineMs);
    if (!m_proxy.isEmpty()) {
        QNetworkProxy proxy;
        if (!MakeProxy(m_proxy, proxy)) {
            Fail(HttpFailure::Connect);
            return;
        }
        m_manager->setProxy(proxy);
    }
    m_body.reserve(kGrowBytes);
    m_reply = m_manager->get(MakeRequest(m_url, m_options));
    // Keeps Qt from buffering (and decompressing) more than a few chunks ahead of the size check.
    m_reply->setReadBufferSize(16 * kChunkBytes);
    connect(m_reply, &QNetworkReply::requestSent, this, &HttpTransfer::OnConnected);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &HttpTransfer::OnMetaData);
    connect(m_reply, &QIODevice::readyRead, this, &HttpTransfer::OnReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &HttpTransfer::OnFinished);
    StartIfSet(m_connectTimer, m_options.ConnectTimeoutMs);
    OnCancelPoll();
}

QByteArray HttpTransfer::TakeBody() {
    QByteArray body = std::move(m_body);
    m_body = QByteArray();
    return body;
}

// The request is on its way: the connection stands, and from now on the server has the receive
// time-out for its answer.
void HttpTransfer::OnConnected() {
    if (m_done || m_requestSent) {
        return;
    }
    m_requestSent = true;
    m_connectTimer.stop();
    StartIfSet(m_receiveTimer, m_options.ReceiveTimeoutMs);
}

void HttpTransfer::OnMetaData() {
    if (m_done) {
        return;
    }
    if (!m_answerStarted && m_progress != nullptr) {
        m_progress->AddLine(QStringLiteral("受信中 "));
    }
    m_answerStarted = true;
    OnConnected();
    StartIfSet(m_receiveTimer, m_options.ReceiveTimeoutMs);
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    m_status = status.isValid() ? status.toInt() : 0;
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > m_options.MaxResponseBytes) {
        Fail(HttpFailure::TooLarge);
    }
}

void HttpTransfer::OnReadyRead() {
    if (m_done || !m_reply->isOpen()) {
        return;
    }
    char chunk[kChunkBytes];
    for (;;) {
        const qint64 n = m_reply->read(chunk, kChunkBytes);
        if (n <= 0) {
            return;
        }
        StartIfSet(m_receiveTimer, m_options.ReceiveTimeoutMs);
        if (m_body.size() + n > m_options.MaxResponseBytes) {
            Fail(HttpFailure::TooLarge);
            return;
        }
        if (m_body.capacity() - m_body.size() < kChunkBytes) {
            m_body.reserve(m_body.capacity() + kGrowBytes);
        }
        m_body.append(chunk, static_cast<qsizetype>(n));
        if (m_progress != nullptr) {
            m_progress->Append(QStringLiteral("."));
        }
    }
}

// A server that answered with an error status still sent a page (its text is what the caller
// looks at, and the status is reported); any failure of the connection or the transfer itself loses
// the whole body, so a cut page is never taken for a complete one.
bool HttpTransfer::AnsweredByServer() const {
    const QNetworkReply::NetworkError error = m_reply->error();
    if (error == QNetworkReply::NoError) {
        return true;
    }
    const bool statusError = (error >= QNetworkReply::ContentAccessDenied &&
                              error <= QNetworkReply::UnknownContentError) ||
                             (error >= QNetworkReply::InternalServerError &&
                              error <= QNetworkReply::UnknownServerError) ||
                             error == QNetworkReply::ProtocolInvalidOperationError;
    // A content error under a good status (a compressed body that does not decode) is a broken
    // transfer, not an error page.
    return statusError &&
           m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() >= 400;
}

void HttpTransfer::OnFinished() {
    if (m_done) {
        return;
    }
    OnReadyRead();
    if (m_done) {
        return;
    }
    if (!AnsweredByServer()) {
        Fail(HttpFailure::Connect);
        return;
    }
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    m_status = status.isValid() ? status.toInt() : 0;
    m_failure = m_status >= 400 ? HttpFailure::HttpStatus : HttpFailure::None;
    m_succeeded = true;
    Finish();
}

void HttpTransfer::OnConnectTimeout() {
    if (!m_requestSent) {
        Fail(HttpFailure::ConnectTimeout);
    }
}

void HttpTransfer::OnReceiveTimeout() {
    Fail(HttpFailure::ReceiveTimeout);
}

void HttpTransfer::OnDeadline() {
    Fail(HttpFailure::Deadline);
}

void HttpTransfer::OnCancelPoll() {
    if (m_options.Cancel != nullptr && m_options.Cancel->load()) {
        Fail(HttpFailure::Cancelled);
    }
}

void HttpTransfer::Fail(HttpFailure failure) {
    if (m_done) {
        return;
    }
    m_failure = failure;
    m_connectFailed = !m_requestSent &&
                      (failure == HttpFailure::Connect || failure == HttpFailure::ConnectTimeout);
    m_succeeded = false;
    m_body = QByteArray();
    Finish();
}

void HttpTransfer::Finish() {
    m_done = true;
    for (QTimer* timer : {&m_connectTimer, &m_receiveTimer, &m_deadlineTimer, &m_cancelTimer}) {
        timer->stop();
    }
    if (m_reply != nullptr) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
    emit Finished();
}

} // namespace kestrel
