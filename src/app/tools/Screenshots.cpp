// Takes the README screenshots of the main window on the demo round: before a search and after
// a fast second-grade search of a multi marked by vote order, the print dialog over the searched
// list, the single list and the results tab of that search (three teams revealed), the batch
// window after running two copies of the document, the user-defined vote-rate and add-team
// dialogs, and the window sized for a 1366x768 screen. Run under a real X server (the screenshots
// script uses Xvfb) so that the fonts are the ones a user sees.
//
//   kestrel-screenshots OUTPUT_FOLDER [expectation]
//
// With "expectation" only the pictures of the player's odds and expected values are taken.

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMenu>
#include <QTimer>
#include <cstdio>

#include "ConditionScreenshots.h"
#include "ExpectationScreenshots.h"
#include "app/BatchWindow.h"
#include "app/MainWindow.h"
#include "app/PrintDialog.h"
#include "app/QtTranslations.h"
#include "app/UserVoteRateDialog.h"
#include "app/frmTeamName.h"
#include "platform/ErrorReporter.h"

namespace {

using namespace kestrel;

// Lets the window lay out and paint before it is grabbed.
void Settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Grab(QWidget& window, const QString& path) {
    Settle(500);
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

void MarkByVoteOrder(MainWindow& window) {
    window.MultiGrid()->SetMenuChooser([](QMenu& menu) -> QAction* {
        for (QAction* action : menu.actions()) {
            if (action->text() == QStringLiteral("全て投票率順でマーク")) {
                return action;
            }
        }
        return nullptr;
    });
    window.Multi().MouseClick(clsTMulti::Button::Right, 1, 1);
    // Keep the three most voted classes of every slot (◎ ○ ▲), a triple per slot.
    MarkTable marks;
    window.Multi().GetValue(marks);
    for (auto& goalClass : marks) {
        for (int32_t& mark : goalClass) {
            mark = (mark == kMarkHonmei || mark == kMarkTaikou || mark == kMarkAna) ? mark : 0;
        }
    }
    window.Multi().SetValue(marks);
}

// Answers the batch window's file dialog with fixed paths.
class FixedDialogs : public FileDialogs {
public:
    explicit FixedDialogs(QStringList paths) : m_paths(std::move(paths)) {}
    QString OpenFile(const QString&, const QString&, const QString&, const QString&) override {
        return QString();
    }
    QStringList OpenFiles(const QString&, const QString&, const QString&) override {
        return m_paths;
    }
    QString SaveFile(const QString&, const QString&, const QString&, const QString&) override {
        return QString();
    }

private:
    QStringList m_paths;
};

bool GrabTabs(MainWindow& window, const QString& out) {
    window.Tabs()->setCurrentIndex(MainWindow::TabSingle);
    if (!Grab(window, out + QStringLiteral("/main-singles.png"))) {
        return false;
    }
    window.Tabs()->setCurrentIndex(MainWindow::TabResult);
    for (int i = 0; i < 3; ++i) {
        window.Commands().ResultPanel()->NextButton()->click();
    }
    return Grab(window, out + QStringLiteral("/main-results.png"));
}

bool GrabBatch(MainWindow& window, const QString& out) {
    QStringList paths;
    for (const QString& name : {QStringLiteral("KST-1555.tpd"), QStringLiteral("KST-1555-2.tpd")}) {
        WorkingDocument doc = window.Document();
        const QString path = ProgramPaths::FromExecutable().UserData() + QStringLiteral("/") + name;
        if (!FileSaveTPD(doc, path, true)) {
            return false;
        }
        paths << path;
    }
    // The searched list is not kept: the batch replaces it without saving.
    window.Commands().SetPrompt(std::make_shared<FixedPrompt>(PromptAnswer::No));
    BatchWindow* batch = window.ShowBatchWindow();
    batch->SetDialogs(std::make_shared<FixedDialogs>(paths));
    batch->AddFiles();
    batch->Start();
    while (batch->Running()) {
        Settle(200);
    }
    return Grab(*batch, out + QStringLiteral("/batch-window.png"));
}

// The vote-rate dialog on the round's published rates, and the add-team dialog offering a name
// a schedule page could not translate.
bool GrabUserDefined(MainWindow& window, const QString& out) {
    UserVoteRateModel rates;
    LoadUserVoteRates(window.Document(), rates);
    UserVoteRateDialog voteRates(rates, &window);
    voteRates.show();
    const bool voteOk = Grab(voteRates, out + QStringLiteral("/vote-rate-dialog.png"));
    voteRates.hide();
    clsTotoData teams(ProgramPaths::FromExecutable());
    teams.SetLastUnknownTeamName(QStringLiteral("ＦＣ北摂"));
    frmTeamName teamName(teams, &window);
    teamName.show();
    const bool teamOk = Grab(teamName, out + QStringLiteral("/team-name-dialog.png"));
    teamName.hide();
    return voteOk && teamOk;
}

// The window on a 1366x768 screen (a 40-pixel panel below it): the panels scroll, the search
// buttons stay in view.
bool GrabSmallScreen(MainWindow& window, const QString& out) {
    window.Tabs()->setCurrentIndex(MainWindow::TabJouken);
    window.resize(1366, 728);
    return Grab(window, out + QStringLiteral("/main-1366x768.png"));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallQtTranslations(app);
    const bool expectationOnly =
        argc == 3 && QLatin1String(argv[2]) == QLatin1String("expectation");
    if (argc != 2 && !expectationOnly) {
        std::fprintf(stderr, "usage: kestrel-screenshots OUTPUT_FOLDER [expectation]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    MainWindow window(ProgramPaths::FromExecutable(), CurrentClock());
    // Tall enough that the scrolling frame shows every page whole.
    window.resize(1280, 960);
    window.show();
    MarkByVoteOrder(window);
    window.Tabs()->setCurrentIndex(MainWindow::TabAsshuku);
    window.SettingsPage()->Methods()->button(1)->click();
    if (!Grab(window, out + QStringLiteral("/main-before-search.png"))) {
        return 1;
    }
    QEventLoop done;
    QObject::connect(&window.Search(), &SearchRunner::Finished, &done, &QEventLoop::quit,
                     Qt::QueuedConnection);
    window.OnSearchButton();
    done.exec();
    if (expectationOnly) {
        return TakeExpectationScreenshots(window, out, Grab) ? 0 : 1;
    }
    if (!Grab(window, out + QStringLiteral("/main-after-search.png"))) {
        return 1;
    }
    // The print dialog over the searched list, on default settings and the PDF entry.
    const DocumentRecord& record = window.Document().Record;
    PrintDialogModel model(PrinterSettings{}, {PrintDialog::PdfEntry()}, PrintDialog::PdfEntry(),
                           record.Singles, record.Kaisaikai, record.Kumi, QString());
    PrintDialog dialog(ProgramPaths::FromExecutable(), std::move(model), nullptr, &window);
    dialog.Option(0)->setChecked(true);
    dialog.Option(2)->setChecked(true);
    dialog.show();
    const bool dialogOk = Grab(dialog, out + QStringLiteral("/print-dialog.png"));
    dialog.hide();
    const bool ok = dialogOk && GrabUserDefined(window, out) &&
                    TakeConditionScreenshots(window, out, Grab) && GrabTabs(window, out) &&
                    GrabBatch(window, out) && GrabSmallScreen(window, out) &&
                    TakeExpectationScreenshots(window, out, Grab);
    return ok ? 0 : 1;
}
