#include "app/DownloadRunner.h"

#include <QtConcurrent/QtConcurrentRun>

#include "net/clsFernhollowDownload.h"
#include "platform/UserPrompt.h"

namespace kestrel {

DownloadRunner::DownloadRunner(AcquisitionContext context, QWidget* window, QObject* parent)
    : QObject(parent), m_context(std::move(context)), m_parentWindow(window),
      m_makerFolder(QString::fromLatin1(clsFernhollowDownload::kDefaultDownloadFolder)) {
    connect(&m_watcher, &QFutureWatcher<DownloadOutcome>::finished, this,
            &DownloadRunner::OnFinished);
}

DownloadRunner::~DownloadRunner() {
    m_watcher.waitForFinished();
    delete m_window;
}

// Each run gets its own progress lines, window and stop flag, so earlier lines never show again
// and a stop never reaches the next run.
AcquisitionContext DownloadRunner::NewRun() {
    delete m_window;
    AcquisitionContext context = m_context;
    context.Progress = std::make_shared<WinInetProgress>();
    m_stop = std::make_shared<std::atomic<bool>>(false);
    context.Http.Cancel = m_stop;
    m_window = new DownloadProgressWindow(context.Progress, m_parentWindow.data());
    m_window->SetStopAction([this] { Stop(); });
    m_window->show();
    return context;
}

void DownloadRunner::Stop() {
    if (m_stop != nullptr && Running()) {
        m_stop->store(true);
    }
}

bool DownloadRunner::OfferStopAndClose() {
    if (!Running()) {
        // The worker has returned and its outcome is on the way: close right after it.
        m_closeWhenDone = true;
        return true;
    }
    const PromptAnswer answer = CurrentUserPrompt()->Ask(
        QString::fromUtf16(WinInetProgress::kCaption),
        QStringLiteral("ダウンロード中です。ダウンロードを中止して終了しますか？"),
        PromptButtons::YesNo);
    if (answer != PromptAnswer::Yes) {
        return false;
    }
    m_closeWhenDone = true;
    Stop();
    return true;
}

bool DownloadRunner::Start(DownloadKind kind, int32_t round, const QString& group, bool ask) {
    if (Running()) {
        return false;
    }
    const AcquisitionContext context = NewRun();
    m_watcher.setFuture(QtConcurrent::run([context, kind, round, group, ask] {
        return RoundDownload::Run(context, kind, round, group, ask);
    }));
    return true;
}

bool DownloadRunner::StartTeamNames(bool ask) {
    if (Running()) {
        return false;
    }
    const AcquisitionContext context = NewRun();
    const QString folder = m_makerFolder;
    m_watcher.setFuture(QtConcurrent::run(
        [context, folder, ask] { return RoundDownload::RunTeamNames(context, folder, ask); }));
    return true;
}

void DownloadRunner::OnFinished() {
    m_window->hide();
    emit Finished(m_watcher.result());
    if (m_closeWhenDone && m_parentWindow != nullptr) {
        m_closeWhenDone = false;
        QMetaObject::invokeMethod(m_parentWindow.data(), &QWidget::close, Qt::QueuedConnection);
    }
}

} // namespace kestrel
