#include "app/DownloadProgressWindow.h"

#include <QPointer>
#include <QTextCursor>
#include <QVBoxLayout>

namespace kestrel {

DownloadProgressWindow::DownloadProgressWindow(std::shared_ptr<WinInetProgress> progress,
                                               QWidget* parent)
    : QDialog(parent), m_progress(std::move(progress)), m_text(new QPlainTextEdit),
      m_stop(new QPushButton(QStringLiteral("中止"))) {
    setWindowTitle(QString::fromUtf16(WinInetProgress::kCaption));
    setModal(false);
    m_text->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_stop, 0, Qt::AlignRight);
    resize(420, 180);
    connect(m_stop, &QPushButton::clicked, this, [this] {
        m_stop->setEnabled(false);
        if (m_stopAction) {
            m_stopAction();
        }
    });
    QPointer<DownloadProgressWindow> self(this);
    const std::shared_ptr<std::atomic<bool>> queued = m_queued;
    m_progress->SetListener([self, queued] {
        if (!queued->exchange(true)) {
            QMetaObject::invokeMethod(self, "Redraw", Qt::QueuedConnection);
        }
    });
}

DownloadProgressWindow::~DownloadProgressWindow() {
    m_progress->SetListener(nullptr);
}

void DownloadProgressWindow::Redraw() {
    m_queued->store(false);
    const bool empty = m_seenLines == 0;
    const WinInetProgress::Delta delta = m_progress->Since(m_seenLines, m_seenLast);
    QString added = delta.tail;
    for (qsizetype i = 0; i < delta.lines.size(); ++i) {
        if (!(empty && i == 0)) {
            added += QLatin1Char('\n');
        }
        added += delta.lines.at(i);
    }
    if (added.isEmpty()) {
        return;
    }
    QTextCursor cursor(m_text->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(added);
    m_text->moveCursor(QTextCursor::End);
}

} // namespace kestrel
