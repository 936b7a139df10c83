#pragma once

#include <QAction>
#include <QFutureWatcher>
#include <QMainWindow>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "app/FileDialogs.h"
#include "platform/ProgramPaths.h"
#include "platform/RunControl.h"
#include "workflow/BatchRun.h"
#include "workflow/SearchDriver.h"
#include "workflow/WorkingDocument.h"

namespace kestrel {

// The batch-run window "連続実行": a list of data files with their states and the menu commands
// "ファイルを追加(&A)", "ファイルを削除(&D)", "実行開始(&S)", "実行中止(&E)" and "終了(&X)". The
// batch runs on a worker thread (load, search, save per file, as the command-line batch does) with
// the main window's search driver, so the two never search at once and the main window's message
// tab shows the batch's reports; the rows show each state as it changes. Closing is refused while
// a batch runs.
class BatchWindow : public QMainWindow {
    Q_OBJECT
public:
    // Which side may start a batch: false refuses "実行開始(&S)" (the main window is busy, or the
    // user kept its unsaved work).
    using StartCheck = std::function<bool()>;

    BatchWindow(ProgramPaths paths, SearchDriver& driver, std::shared_ptr<FileDialogs> dialogs,
                QWidget* parent = nullptr);
    ~BatchWindow() override;

    void SetDialogs(std::shared_ptr<FileDialogs> dialogs) { m_dialogs = std::move(dialogs); }
    void SetStartCheck(StartCheck check) { m_startCheck = std::move(check); }
    bool Running() const { return m_batch.Running() || m_watcher.isRunning(); }
    QTreeWidget* List() const { return m_list; }
    QAction* AddAction() const { return m_add; }
    QAction* RemoveAction() const { return m_remove; }
    QAction* StartAction() const { return m_start; }
    QAction* StopAction() const { return m_stop; }
    QAction* CloseAction() const { return m_close; }

signals:
    // A batch is about to run.
    void Started();
    // The batch ended; when loaded is true the document is the last one it loaded.
    void Finished(const kestrel::WorkingDocument& doc, bool loaded);

public slots:
    void AddFiles();
    void RemoveFiles();
    void Start();
    void Stop();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void ShowRows();
    void SetRunning(bool running);
    void OnFinished();

    // What a batch run hands back: the last document loaded, if any.
    struct Outcome {
        WorkingDocument doc;
        bool loaded = false;
    };

    ProgramPaths m_paths;
    std::shared_ptr<FileDialogs> m_dialogs;
    SearchDriver& m_driver;
    StartCheck m_startCheck;
    BatchRun m_batch;
    RunControl m_control;
    QFutureWatcher<Outcome> m_watcher;
    QTreeWidget* m_list = nullptr;
    QAction* m_add = nullptr;
    QAction* m_remove = nullptr;
    QAction* m_start = nullptr;
    QAction* m_stop = nullptr;
    QAction* m_close = nullptr;
};

} // namespace kestrel
