// Kestrel: the desktop program.

#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/LoadingWindow.h"
#include "app/MainWindow.h"
#include "app/QtMessageSink.h"
#include "app/StartupCheck.h"
#include "core/clsToto.h"
#include "platform/ErrorReporter.h"
#include "platform/Version.h"
#include "store/TotoSettings.h"

int main(int argc, char** argv) {
    using namespace kestrel;
    // "--version" prints what kestrel-cli version prints; a file name opens that document.
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--version") {
            std::printf("Kestrel %s\n", VersionText().toUtf8().constData());
            return 0;
        }
    }
    QApplication app(argc, argv);
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
    TotoSettings::Load(paths);
    [[maybe_unused]] const clsToto toto; // the lottery constants, created once at start-up

    LoadingWindow loading;
    loading.show();
    loading.repaint();
    MainWindow window(paths, CurrentClock());
    sink->SetParent(&window);
    prompt->SetParent(&window);
    window.show();
    loading.close();
    const QStringList args = app.arguments();
    if (args.size() == 2) {
        window.Commands().OpenFile(args.at(1));
    }
    return app.exec();
}
