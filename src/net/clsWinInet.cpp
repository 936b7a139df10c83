#include "net/clsWinInet.h"

#include <QEventLoop>
#include <QNetworkInterface>
#include <QStringDecoder>
#include <QThread>
#include <memory>

#include "net/HttpTransfer.h"
#include "net/WinInetProgress.h"
#include "platform/TextCodec.h"

namespace kestrel {

clsWinInet::clsWinInet() = default;

bool clsWinInet::Connection() const {
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& i : interfaces) {
        const auto flags = i.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) &&
            flags.testFlag(QNetworkInterface::IsRunning)) {
            return true;
        }
    }
    return false;
}

void clsWinInet::SetProgressClose(bool value) {
    m_progressClose = value;
    if (value) {
        CloseProgressWindow();
    }
}

void clsWinInet::CloseProgressWindow() {
    if (m_progress != nullptr && m_progress->IsOpen()) {
        m_progress->Close();
    }
}

bool clsWinInet::RunOnce(const QString& url, const QString& proxy, QByteArray& body,
                         bool& connectFailed) {
    bool succeeded = false;
    WinInetProgress* progress = m_progressOpen ? m_progress.get() : nullptr;
    const HttpOptions options = m_options;
    // The transfer and the event loop it needs live on this thread only.
    std::unique_ptr<QThread> thread(QThread::create([&] {
        HttpTransfer transfer(url, proxy, options, progress);
        QEventLoop loop;
        QObject::connect(&transfer, &HttpTransfer::Finished, &loop, &QEventLoop::quit,
                         Qt::QueuedConnection);
        transfer.Start();
        loop.exec();
        succeeded = transfer.Succeeded();
        connectFailed = transfer.ConnectFailed();
        m_lastFailure = transfer.Failure();
        m_lastStatus = transfer.Status();
        body = transfer.TakeBody();
    }));
    thread->start();
    thread->wait();
    return succeeded;
}

qint64 clsWinInet::GetHttpData(const QString& url, QByteArray& bytes, const QString& proxy) {
    bytes.clear();
    m_lastFailure = HttpFailure::None;
    m_lastStatus = 0;
    if (url.isEmpty()) {
        return 0;
    }
    WinInetProgress* progress = m_progressOpen ? m_progress.get() : nullptr;
    if (progress != nullptr) {
        progress->Open();
        if (!m_progressMessage.isEmpty()) {
            progress->AddLine(m_progressMessage);
        }
        progress->AddLine(QStringLiteral("[コネクション開始]"));
        progress->AddLine(url);
    }
    bool succeeded = false;
    for (int attempt = 0; attempt <= std::max(0, m_options.ConnectRetries); ++attempt) {
        bool connectFailed = false;
        succeeded = RunOnce(url, proxy, bytes, connectFailed);
        if (succeeded || !connectFailed || Cancelled()) {
            break;
        }
    }
    if (!succeeded) {
        bytes.clear();
    }
    if (progress != nullptr) {
        progress->AddLine(QStringLiteral("[コネクション終了]"));
    }
    if (m_progressOpen && m_progressClose) {
        CloseProgressWindow();
    }
    return bytes.size();
}

bool clsWinInet::Cancelled() const {
    return m_options.Cancel != nullptr && m_options.Cancel->load();
}

QString clsWinInet::FailureReason() const {
    return FailureReason(m_lastFailure, m_lastStatus, m_options);
}

QString clsWinInet::FailureReason(HttpFailure failure, int status, const HttpOptions& options) {
    const auto seconds = [](int ms) { return QString::number((ms + 999) / 1000); };
    switch (failure) {
    case HttpFailure::HttpStatus:
        return QStringLiteral("原因：サーバーがエラーを返しました (%1)").arg(status);
    case HttpFailure::Deadline:
        return QStringLiteral("原因：制限時間 (%1 秒) を過ぎました")
            .arg(seconds(options.DeadlineMs));
    case HttpFailure::ReceiveTimeout:
        return QStringLiteral("原因：サーバーが %1 秒以上応答しません")
            .arg(seconds(options.ReceiveTimeoutMs));
    case HttpFailure::TooLarge:
        return QStringLiteral("原因：データが大きすぎます (%1 MiB 超)")
            .arg(options.MaxResponseBytes / (1024 * 1024));
    default:
        return QString();
    }
}

QString clsWinInet::GetHttpDataString(const QString& url, const QString& proxy, int codeNumber) {
    if (codeNumber != kCodeShiftJis && codeNumber != kCodeUtf8) {
        m_error.Report(QStringLiteral("GetHttpDataString"),
                       QStringLiteral("コード番号が異常です（") + QString::number(codeNumber) +
                           QStringLiteral("）"));
        return QString();
    }
    QByteArray bytes;
    if (GetHttpData(url, bytes, proxy) == 0) {
        return QString();
    }
    if (codeNumber == kCodeShiftJis) {
        bool ok = false;
        const QString text = TextCodec::DecodeCp932(bytes, &ok);
        return ok ? text : QString();
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    return decoder.hasError() ? QString() : text;
}

} // namespace kestrel
