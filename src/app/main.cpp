// Kestrel: the desktop program.

#include <QApplication>
#include <memory>

#include "app/LoadingWindow.h"
#include "app/MainWindow.h"
#include "app/QtMessageSink.h"
#include "app/StartupCheck.h"
#include "core/clsToto.h"
#include "platform/ErrorReporter.h"
#include "store/TotoSettings.h"

int main(int argc, char** argv) {
    using namespace kestrel;
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
    return app.exec();
}
