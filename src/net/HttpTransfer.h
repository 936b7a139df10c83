#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include "net/HttpOptions.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace kestrel {

class WinInetProgress;

// One GET on the thread that runs it: the request headers of the program, the connect time-out
// (until the request is on its way), the receive time-out (from then on, between answers), the
// deadline of the whole page, the cancel flag, chunked reading with a progress dot per chunk,
// and the size cap of the (decoded) body. Lives and runs entirely on the transfer thread of
// clsWinInet.
class HttpTransfer : public QObject {
    Q_OBJECT

public:
    static constexpr int kChunkBytes = 1024;
    static constexpr int kGrowBytes = 32767;

    HttpTransfer(QString url, QString proxy, HttpOptions options, WinInetProgress* progress);
    ~HttpTransfer() override;

    // Sends the request; Finished is emitted once, when the answer is complete or failed.
    void Start();

    bool Succeeded() const { return m_succeeded; }
    // True when the failure happened before the request reached the server (worth a retry).
    bool ConnectFailed() const { return m_connectFailed; }
    HttpFailure Failure() const { return m_failure; }
    // The HTTP status of the answer (0 when none arrived).
    int Status() const { return m_status; }
    QByteArray TakeBody();

signals:
    void Finished();

private:
    void OnReadyRead();
    void OnMetaData();
    void OnFinished();
    void OnConnected();
    void OnConnectTimeout();
    void OnReceiveTimeout();
    void OnDeadline();
    void OnCancelPoll();
    void Fail(HttpFailure failure);
    void Finish();
    bool AnsweredByServer() const;

    QString m_url;
    QString m_proxy;
    HttpOptions m_options;
    WinInetProgress* m_progress;
    QNetworkAccessManager* m_manager = nullptr;
    QNetworkReply* m_reply = nullptr;
    QTimer m_connectTimer;
    QTimer m_receiveTimer;
    QTimer m_deadlineTimer;
    QTimer m_cancelTimer;
    QByteArray m_body;
    bool m_requestSent = false;
    bool m_answerStarted = false;
    bool m_done = false;
    bool m_succeeded = false;
    bool m_connectFailed = false;
    HttpFailure m_failure = HttpFailure::None;
    int m_status = 0;
};

} // namespace kestrel
