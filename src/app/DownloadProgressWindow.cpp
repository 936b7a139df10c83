#include "app/DownloadProgressWindow.h"

#include <QPointer>
#include <QVBoxLayout>

namespace kestrel {

DownloadProgressWindow::DownloadProgressWindow(std::shared_ptr<WinInetProgress> progress,
                                               QWidget* parent)
    : QDialog(parent), m_progress(std::move(progress)), m_text(new QPlainTextEdit) {
    setWindowTitle(QString::fromUtf16(WinInetProgress::kCaption));
    setModal(false);
    m_text->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    resize(420, 160);
    QPointer<DownloadProgressWindow> self(this);
    m_progress->SetListener(
        [self] { QMetaObject::invokeMethod(self, "Redraw", Qt::QueuedConnection); });
}

DownloadProgressWindow::~DownloadProgressWindow() {
    m_progress->SetListener(nullptr);
}

void DownloadProgressWindow::Redraw() {
    m_text->setPlainText(m_progress->Lines().join(QLatin1Char('\n')));
}

} // namespace kestrel
