#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <memory>

#include "platform/Clock.h"
#include "platform/RunControl.h"
#include "workflow/SearchDriver.h"
#include "workflow/WorkingDocument.h"

namespace kestrel {

// Runs the search of a document copy on a worker thread and hands the searched document back on
// the user-interface thread. Pause and stop only set flags that the running work reads.
class SearchRunner : public QObject {
    Q_OBJECT
public:
    explicit SearchRunner(std::shared_ptr<Clock> clock, QObject* parent = nullptr);
    ~SearchRunner() override;

    // Starts a search on a copy of the document; false when one is already running.
    bool Start(const WorkingDocument& doc);
    bool Running() const;
    void Pause(bool paused);
    void Stop();
    // Blocks until the worker has returned (used when the program ends).
    void Wait();

    clsTMsg& Log() { return m_driver.Reduction().Log(); }
    SearchDriver& Driver() { return m_driver; }

signals:
    void Finished(const kestrel::WorkingDocument& doc);

private:
    SearchDriver m_driver;
    RunControl m_control;
    QFutureWatcher<WorkingDocument> m_watcher;
};

} // namespace kestrel
