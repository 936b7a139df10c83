// Kestrel: the desktop program.

#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/QtMessageSink.h"
#include "app/QtTranslations.h"
#include "app/StartupCheck.h"
#include "app/StartupSequence.h"
#include "platform/ErrorReporter.h"
#include "platform/Version.h"
#include "store/BundledTableOffer.h"

int main(int argc, char** argv) {
    using namespace kestrel;
    // "--version" prints what kestrel-cli version prints, "--help" the usage; a file name opens
    // that document.
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--version") {
            std::printf("Kestrel %s\n", VersionText().toUtf8().constData());
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            std::printf("usage: kestrel [FILE.tpd | FILE.tpj]\n"
                        "       kestrel --version | --help\n");
            return 0;
        }
    }
    QApplication app(argc, argv);
    InstallQtTranslations(app);
    // Lets the desktop match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kestrel.Kestrel"));
    auto sink = std::make_shared<QtMessageSink>();
    auto prompt = std::make_shared<QtUserPrompt>();
    SetMessageSink(sink);
    SetUserPrompt(prompt);

    const ProgramPaths paths = ProgramPaths::FromExecutable();
    const QString missing = StartupCheck(paths);
    if (!missing.isEmpty()) {
        ShowMessage(MessageIcon::Error, QStringLiteral("Kestrel"), missing);
        return 1;
    }
    // An upgraded installed copy offers its newer team tables; the user's copies stay unless the
    // user takes them. The command-line tool never asks and keeps the user's copies.
    if (!paths.InstalledSysData().isEmpty()) {
        BundledTableOffer(paths.InstalledSysData(), paths).AskUser(*prompt);
    }
    const std::unique_ptr<MainWindow> window = OpenMainWindow(paths, CurrentClock());
    sink->SetParent(window.get());
    prompt->SetParent(window.get());
    const QStringList args = app.arguments();
    if (args.size() == 2) {
        window->Commands().OpenFile(args.at(1));
    }
    return app.exec();
}
