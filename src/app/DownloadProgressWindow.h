#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <memory>

#include "net/WinInetProgress.h"

namespace kestrel {

// The progress window of a download ("インターネット接続"): draws the lines of the progress model.
// The model is written on the download's worker thread; every change is queued to this window's
// thread, which redraws from a snapshot of the lines.
class DownloadProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit DownloadProgressWindow(std::shared_ptr<WinInetProgress> progress,
                                    QWidget* parent = nullptr);
    ~DownloadProgressWindow() override;

    QString Text() const { return m_text->toPlainText(); }

public slots:
    void Redraw();

private:
    std::shared_ptr<WinInetProgress> m_progress;
    QPlainTextEdit* m_text;
};

} // namespace kestrel
