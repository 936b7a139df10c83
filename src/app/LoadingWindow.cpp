#include "app/LoadingWindow.h"

#include <QLabel>
#include <QVBoxLayout>

#include "platform/Version.h"

namespace kestrel {

LoadingWindow::LoadingWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    auto* title = new QLabel(QStringLiteral("Fernhollow  Kestrel  ") + VersionText(), this);
    QFont big = title->font();
    big.setPointSize(16);
    big.setBold(true);
    title->setFont(big);
    auto* text = new QLabel(QStringLiteral("起動しています..."), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->addWidget(title, 0, Qt::AlignCenter);
    layout->addWidget(text, 0, Qt::AlignCenter);
    setStyleSheet(QStringLiteral("background: #ffffe0;"));
}

} // namespace kestrel
