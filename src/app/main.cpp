// Kestrel: the desktop program.

#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <memory>

#include "app/LoadingWindow.h"
#include "app/MainWindow.h"
#include "app/QtMessageSink.h"
#include "app/QtTranslations.h"
#include "app/StartupCheck.h"
#include "core/clsToto.h"
#include "platform/ErrorReporter.h"
#include "platform/Version.h"
#include "store/BundledTableOffer.h"
#include "store/TotoSettings.h"

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
    TotoSettings::Load(paths);
    [[maybe_unused]] const clsToto toto; // the lottery constants, created once at start-up

    LoadingWindow loading;
    loading.show();
    loading.repaint();
    MainWindow window(paths, CurrentClock());
    sink->SetParent(&window);
    prompt->SetParent(&window);
    // The panels scroll, so a smaller screen gets a smaller window with every control in reach.
    window.resize(window.size().boundedTo(window.screen()->availableGeometry().size()));
    window.show();
    loading.close();
    const QStringList args = app.arguments();
    if (args.size() == 2) {
        window.Commands().OpenFile(args.at(1));
    }
    return app.exec();
}
