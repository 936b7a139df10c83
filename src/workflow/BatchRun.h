#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <vector>

#include "platform/ProgramPaths.h"
#include "platform/RunControl.h"
#include "workflow/SearchDriver.h"
#include "workflow/WorkingDocument.h"

namespace kestrel {

// The batch run ("連続実行"): a list of data files, each loaded into the working document,
// searched exactly as the search button does and saved back into the same file. Rows keep their
// state text; a row that already has one is not run again. A row whose search was stopped before
// it had a list to keep is not saved and keeps an empty state, so the next run takes it again.
//
// Run may run on a worker thread; Cancel may be called from any thread.
class BatchRun {
public:
    static const QString kStateRunning; // "実行中"
    static const QString kStateDone;    // "成功"
    static const QString kStateFailed;  // "失敗"
    // Closing the window while a batch runs is refused with this warning.
    static const QString kBusyText; // "現在処理を実行中です。連続実行処理を終了させて下さい。"

    struct Row {
        QString Path;
        QString State;  // empty: not run yet
        QString Reason; // why a failed row failed (empty otherwise)
    };
    // Called after a row's state changed (on the running thread).
    using RowObserver = std::function<void(int row)>;

    // Appends the file unless the list holds the same path (letter case ignored). True when
    // appended.
    bool AddFile(const QString& path);
    // A multiple selection of the file dialog: a folder followed by names, NUL-separated; or one
    // full path. Returns the number appended.
    int AddDialogResult(const QString& result);
    // Removes the rows whose flag is set.
    void RemoveRows(const std::vector<bool>& selected);

    // Runs every row whose state is empty, first to last, until Cancel. True when a document was
    // loaded: the document is then the last one loaded; otherwise it is left as it was.
    bool Run(WorkingDocument& doc, SearchDriver& driver, const ProgramPaths& paths,
             RunControl& control);
    // "実行中止": clears the running flag and stops the search in progress.
    void Cancel();
    bool Running() const { return m_running.load(); }

    const std::vector<Row>& Rows() const { return m_rows; }
    void SetRowObserver(RowObserver observer) { m_observer = std::move(observer); }

private:
    void SetState(int row, const QString& state);

    std::vector<Row> m_rows;
    std::atomic<bool> m_running{false};
    std::atomic<SearchDriver*> m_driver{nullptr};
    std::atomic<RunControl*> m_control{nullptr};
    RowObserver m_observer;
};

} // namespace kestrel
