#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "net/HttpOptions.h"
#include "platform/ErrorReporter.h"

namespace kestrel {

class WinInetProgress;

// One HTTP GET at a time, with the program's user agent, the single request header
// "Accept-Language: ja-JP", a reload from the server (no cache), the connect and receive
// time-outs, chunked reading with progress lines, and HTTPS with the certificate checks on.
//
// Threads: every request runs on a thread of its own that this class starts and ends; that
// thread runs the event loop the network stack needs, and the calling thread only waits for it
// to end. So a call works from any thread and never spins an event loop on the caller's thread:
// the window calls it from a worker, the command line from its main thread. The process needs a
// QCoreApplication (or QApplication).
class clsWinInet {
public:
    static constexpr int kCodeShiftJis = 0;
    static constexpr int kCodeUtf8 = 8;

    clsWinInet();

    // True when some network interface is up, so a connection can be attempted (the loopback
    // interface counts: a page may be served from this machine).
    bool Connection() const;

    bool ProgressOpen() const { return m_progressOpen; }
    void SetProgressOpen(bool value) { m_progressOpen = value; }
    bool ProgressClose() const { return m_progressClose; }
    // Setting it to true also closes the progress window at once.
    void SetProgressClose(bool value);
    const QString& ProgressDialogMessage() const { return m_progressMessage; }
    void SetProgressDialogMessage(const QString& text) { m_progressMessage = text; }
    // The progress window's lines; none by default (nothing is shown).
    void SetProgress(std::shared_ptr<WinInetProgress> progress) { m_progress = progress; }
    const std::shared_ptr<WinInetProgress>& Progress() const { return m_progress; }

    // Time-outs in whole seconds (stored in milliseconds); 0 keeps the default of the stack.
    void SetConnectTimeout(int seconds) { m_options.ConnectTimeoutMs = seconds * 1000; }
    void SetReceiveTimeout(int seconds) { m_options.ReceiveTimeoutMs = seconds * 1000; }
    // Qt has no separate send time-out; the receive time-out covers a stalled send as well.
    void SetSendTimeout(int seconds) { m_options.SendTimeoutMs = seconds * 1000; }
    void SetConnectRetries(int count) { m_options.ConnectRetries = count; }
    const HttpOptions& Options() const { return m_options; }
    void SetOptions(const HttpOptions& options) { m_options = options; }

    // The body of the page: its byte count, 0 when nothing usable arrived (bytes is then
    // empty). A failed connection or transfer, a time-out and a body above the size cap all
    // give 0; a page the server sent with an error status is returned as sent.
    qint64 GetHttpData(const QString& url, QByteArray& bytes, const QString& proxy);
    // Why the last request gave no usable page (None after a good page), and the HTTP status of
    // its answer (0 when none arrived). A page sent with an error status is returned as sent and
    // reported here as HttpStatus.
    HttpFailure LastFailure() const { return m_lastFailure; }
    int LastStatus() const { return m_lastStatus; }
    // The second line of a download failure message for the last request ("原因：..."), or empty
    // when the request did not fail in a way worth naming.
    QString FailureReason() const;
    // The same for a given failure and status, with the time limits of the options.
    static QString FailureReason(HttpFailure failure, int status, const HttpOptions& options);

    // The body decoded by code number 0 (Shift_JIS, code page 932) or 8 (UTF-8); empty when no
    // bytes arrived or they are not valid in that encoding.
    QString GetHttpDataString(const QString& url, const QString& proxy, int codeNumber);

private:
    bool RunOnce(const QString& url, const QString& proxy, QByteArray& body, bool& connectFailed);
    bool Cancelled() const;
    void CloseProgressWindow();

    HttpOptions m_options;
    HttpFailure m_lastFailure = HttpFailure::None;
    int m_lastStatus = 0;
    bool m_progressOpen = true;
    bool m_progressClose = true;
    QString m_progressMessage;
    std::shared_ptr<WinInetProgress> m_progress;
    ErrorReporter m_error{QStringLiteral("clsWinInet")};
};

} // namespace kestrel
