#include "workflow/BatchRun.h"

namespace kestrel {

const QString BatchRun::kStateRunning = QStringLiteral("実行中");
const QString BatchRun::kStateDone = QStringLiteral("成功");
const QString BatchRun::kStateFailed = QStringLiteral("失敗");
namespace {

const QString kSaveFailedReason = QStringLiteral("ファイルの保存に失敗しました。");

} // namespace

const QString BatchRun::kBusyText =
    QStringLiteral("現在処理を実行中です。連続実行処理を終了させて下さい。");

bool BatchRun::AddFile(const QString& path) {
    for (const Row& row : m_rows) {
        if (row.Path.compare(path, Qt::CaseInsensitive) == 0) {
            return false;
        }
    }
    m_rows.push_back(Row{path, QString(), QString()});
    return true;
}

int BatchRun::AddDialogResult(const QString& result) {
    const QStringList parts = result.split(QChar(0), Qt::SkipEmptyParts);
    if (parts.size() <= 1) {
        return (!parts.isEmpty() && AddFile(parts.first())) ? 1 : 0;
    }
    int added = 0;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        added += AddFile(parts.first() + QStringLiteral("\\") + parts[i]) ? 1 : 0;
    }
    return added;
}

void BatchRun::RemoveRows(const std::vector<bool>& selected) {
    std::vector<Row> kept;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (i >= selected.size() || !selected[i]) {
            kept.push_back(m_rows[i]);
        }
    }
    m_rows = std::move(kept);
}

void BatchRun::SetState(int row, const QString& state) {
    m_rows[static_cast<size_t>(row)].State = state;
    if (m_observer) {
        m_observer(row);
    }
}

bool BatchRun::Run(WorkingDocument& doc, SearchDriver& driver, const ProgramPaths& paths,
                   RunControl& control) {
    m_running = true;
    bool loaded = false;
    m_driver = &driver;
    m_control = &control;
    for (int i = 0; i < static_cast<int>(m_rows.size()) && m_running.load(); ++i) {
        if (!m_rows[static_cast<size_t>(i)].State.isEmpty()) {
            continue;
        }
        // A cancel from here on reaches this row's search through the stop flag.
        control.Reset();
        SetState(i, kStateRunning);
        const QString path = m_rows[static_cast<size_t>(i)].Path;
        QString reason;
        if (!FileLoadTPD(doc, paths, path, true, false, nullptr, &reason)) {
            m_rows[static_cast<size_t>(i)].Reason = reason;
            SetState(i, kStateFailed);
            continue;
        }
        loaded = true;
        if (!driver.Search(doc, control) || !driver.ResultUsable()) {
            // Stopped before the search had a list to keep (a cancelled reduction, or an engine
            // stopped before it settled on any): the file keeps what it held, and the row stays
            // open for the next run.
            SetState(i, QString());
        } else {
            const bool saved = FileSaveTPD(doc, path, true);
            if (!saved) {
                m_rows[static_cast<size_t>(i)].Reason = kSaveFailedReason;
            }
            SetState(i, saved ? kStateDone : kStateFailed);
        }
        if (!m_running.load()) {
            break;
        }
    }
    m_driver = nullptr;
    m_control = nullptr;
    m_running = false;
    return loaded;
}

void BatchRun::Cancel() {
    if (!m_running.exchange(false)) {
        return;
    }
    if (RunControl* control = m_control.load()) {
        control->stop = true;
    }
    if (SearchDriver* driver = m_driver.load()) {
        driver->Stop();
    }
}

} // namespace kestrel
