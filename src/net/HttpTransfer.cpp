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
    // Qt has no separate receive time-out: the transfer time-out aborts a request that stays
    // without progress for that long.
    if (options.ReceiveTimeoutMs > 0) {
        request.setTransferTimeout(options.ReceiveTimeoutMs);
    }
    return request;
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
    : m_url(std::move(url)), m_proxy(std::move(proxy)), m_options(options), m_progress(progress) {
    m_connectTimer.setSingleShot(true);
    connect(&m_connectTimer, &QTimer::timeout, this, &HttpTransfer::OnConnectTimeout);
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
    if (!m_proxy.isEmpty()) {
        QNetworkProxy proxy;
        if (!MakeProxy(m_proxy, proxy)) {
            Fail(true);
            return;
        }
        m_manager->setProxy(proxy);
    }
    m_body.reserve(kGrowBytes);
    m_reply = m_manager->get(MakeRequest(m_url, m_options));
    // Keeps Qt from buffering more than a few chunks ahead of the size check.
    m_reply->setReadBufferSize(16 * kChunkBytes);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &HttpTransfer::OnMetaData);
    connect(m_reply, &QIODevice::readyRead, this, &HttpTransfer::OnReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &HttpTransfer::OnFinished);
    if (m_options.ConnectTimeoutMs > 0) {
        m_connectTimer.start(m_options.ConnectTimeoutMs);
    }
}

QByteArray HttpTransfer::TakeBody() {
    QByteArray body = std::move(m_body);
    m_body = QByteArray();
    return body;
}

void HttpTransfer::OnMetaData() {
    if (!m_requestSent && m_progress != nullptr) {
        m_progress->AddLine(QStringLiteral("受信中 "));
    }
    m_requestSent = true;
    m_connectTimer.stop();
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > m_options.MaxResponseBytes) {
        Fail(false);
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
        if (m_body.size() + n > m_options.MaxResponseBytes) {
            Fail(false);
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
// looks at); any failure of the connection or the transfer itself loses the whole body, so a cut
// page is never taken for a complete one.
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
    return statusError && m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
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
        Fail(!m_requestSent);
        return;
    }
    m_succeeded = true;
    Finish();
}

void HttpTransfer::OnConnectTimeout() {
    if (!m_requestSent) {
        Fail(true);
    }
}

void HttpTransfer::Fail(bool connectStage) {
    if (m_done) {
        return;
    }
    m_connectFailed = connectStage;
    m_succeeded = false;
    m_body = QByteArray();
    Finish();
}

void HttpTransfer::Finish() {
    m_done = true;
    m_connectTimer.stop();
    if (m_reply != nullptr) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
    emit Finished();
}

} // namespace kestrel
