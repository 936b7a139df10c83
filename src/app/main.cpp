// Kestrel: the desktop program.

#include <QApplication>
#include <QMainWindow>

#include "platform/Version.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kestrel ") + kestrel::VersionText());
    window.resize(1024, 720);
    window.show();
    return app.exec();
}
