#include "app/SearchRunner.h"

#include <QtConcurrent/QtConcurrent>

namespace kestrel {

SearchRunner::SearchRunner(std::shared_ptr<Clock> clock, QObject* parent)
    : QObject(parent), m_driver(std::move(clock)) {
    connect(&m_watcher, &QFutureWatcher<WorkingDocument>::finished, this,
            [this] { emit Finished(m_watcher.result()); });
}

SearchRunner::~SearchRunner() {
    Stop();
    Wait();
}

bool SearchRunner::Start(const WorkingDocument& doc) {
    if (Running()) {
        return false;
    }
    m_control.Reset();
    m_watcher.setFuture(QtConcurrent::run([this, doc] {
        WorkingDocument searched = doc;
        m_driver.Search(searched, m_control);
        return searched;
    }));
    return true;
}

bool SearchRunner::Running() const {
    return m_watcher.isRunning() || m_driver.Running();
}

void SearchRunner::Pause(bool paused) {
    m_driver.Pause(paused);
}

void SearchRunner::Stop() {
    m_control.stop = true;
    m_driver.Stop();
}

void SearchRunner::Wait() {
    m_watcher.waitForFinished();
}

} // namespace kestrel
