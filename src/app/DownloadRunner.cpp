#include "app/DownloadRunner.h"

#include <QtConcurrent/QtConcurrentRun>

#include "net/clsFernhollowDownload.h"

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

// Each run gets its own progress lines and window, so earlier lines never show again.
AcquisitionContext DownloadRunner::NewRun() {
    delete m_window;
    AcquisitionContext context = m_context;
    context.Progress = std::make_shared<WinInetProgress>();
    m_window = new DownloadProgressWindow(context.Progress, m_parentWindow.data());
    m_window->show();
    return context;
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
}

} // namespace kestrel
