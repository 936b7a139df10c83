#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <atomic>
#include <functional>
#include <memory>

#include "net/WinInetProgress.h"

namespace kestrel {

// The progress window of a download ("インターネット接続"): shows the lines of the progress model
// and offers "中止", which stops the transfer. The model is written on the download's worker
// thread; a change is queued to this window's thread once (changes that arrive meanwhile ride
// along), and only what is new is appended, so a long page's dots cost no more than their
// characters.
class DownloadProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit DownloadProgressWindow(std::shared_ptr<WinInetProgress> progress,
                                    QWidget* parent = nullptr);
    ~DownloadProgressWindow() override;

    QString Text() const { return m_text->toPlainText(); }
    QPushButton* StopButton() const { return m_stop; }
    // What "中止" does.
    void SetStopAction(std::function<void()> stop) { m_stopAction = std::move(stop); }

public slots:
    void Redraw();

private:
    std::shared_ptr<WinInetProgress> m_progress;
    QPlainTextEdit* m_text;
    QPushButton* m_stop;
    std::function<void()> m_stopAction;
    std::shared_ptr<std::atomic<bool>> m_queued = std::make_shared<std::atomic<bool>>(false);
    qsizetype m_seenLines = 0;
    qsizetype m_seenLast = 0;
};

} // namespace kestrel
