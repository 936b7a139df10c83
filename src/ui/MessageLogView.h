#pragma once

#include <QListWidget>
#include <QProgressBar>
#include <QWidget>
#include <atomic>

#include "platform/clsTMsg.h"

namespace kestrel {

// The report list and the progress bar of a message log. The log may be written from a worker
// thread: its observer only posts one queued refresh at a time, and the refresh reads the lines
// and the progress on this widget's thread. New lines are appended and the last line is selected
// so that it stays in view.
class MessageLogView : public QWidget {
    Q_OBJECT
public:
    explicit MessageLogView(clsTMsg& log, QWidget* parent = nullptr);
    ~MessageLogView() override;

    QListWidget* List() const { return m_list; }
    QProgressBar* Progress() const { return m_progress; }
    // Reads the log now (also done after every change of the log).
    void Refresh();
    // Selects the last line of the report.
    void SelectLast();

private:
    void Post();
    void RefreshLines();

    clsTMsg& m_log;
    QListWidget* m_list;
    QProgressBar* m_progress;
    std::atomic<bool> m_pending{false};
};

} // namespace kestrel
