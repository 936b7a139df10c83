#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <atomic>
#include <memory>

#include "app/DownloadProgressWindow.h"
#include "net/AcquisitionContext.h"
#include "workflow/RoundDownload.h"

namespace kestrel {

// Runs one download command at a time on a worker thread with a fresh progress window, and hands
// the outcome back on the user-interface thread. Messages and questions the controllers raise on
// the worker reach the user through the process-wide sink and prompt, which show them on the
// user-interface thread.
class DownloadRunner : public QObject {
    Q_OBJECT
public:
    DownloadRunner(AcquisitionContext context, QWidget* window, QObject* parent = nullptr);
    ~DownloadRunner() override;

    // The maker's download folder for the team-name table.
    void SetMakerFolder(const QString& folder) { m_makerFolder = folder; }
    const QString& MakerFolder() const { return m_makerFolder; }

    // Starts a download of the round's record; false when one is already running.
    bool Start(DownloadKind kind, int32_t round, const QString& group, bool ask);
    // Starts the team-name table update; false when a download is already running.
    bool StartTeamNames(bool ask);
    bool Running() const { return m_watcher.isRunning(); }
    // Stops the running download (the "中止" of the progress window): the transfer ends at once,
    // nothing is saved and no failure is reported.
    void Stop();
    // Closing the window while a download runs: asks whether to stop it; on Yes stops it and
    // closes the window once the worker has returned. False when the user keeps the download.
    bool OfferStopAndClose();
    // Blocks until the worker has returned.
    void Wait() { m_watcher.waitForFinished(); }

    DownloadProgressWindow* ProgressWindow() const { return m_window; }

signals:
    void Finished(const kestrel::DownloadOutcome& outcome);

private:
    AcquisitionContext NewRun();
    void OnFinished();

    AcquisitionContext m_context;
    QPointer<QWidget> m_parentWindow;
    QString m_makerFolder;
    QFutureWatcher<DownloadOutcome> m_watcher;
    DownloadProgressWindow* m_window = nullptr;
    std::shared_ptr<std::atomic<bool>> m_stop;
    bool m_closeWhenDone = false;
};

} // namespace kestrel
