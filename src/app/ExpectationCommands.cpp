#include "app/ExpectationCommands.h"

#include <QMetaObject>
#include <vector>

#include "app/PlayerOddsDialog.h"
#include "app/VoteHistoryWindow.h"
#include "core/ExpectedValue.h"
#include "core/PlayerOddsModel.h"
#include "core/VoteHistorySeries.h"
#include "net/VoteWatch.h"
#include "platform/ErrorReporter.h"
#include "store/ExpectationSettings.h"
#include "store/PlayerOddsStore.h"
#include "store/VoteHistoryStore.h"

namespace kestrel {

const QString ExpectationCommands::kOddsCaption = QStringLiteral("わたしの予想確率...");
const QString ExpectationCommands::kWatchCaption = QStringLiteral("投票状況を自動更新");
const QString ExpectationCommands::kChartCaption = QStringLiteral("投票状況の推移...");

namespace {

const char* const kOddsSaveFailed = "予想確率を保存できませんでした。";
const char* const kNoRound = "開催回が選択されていません。";

} // namespace

ExpectationCommands::ExpectationCommands(WorkingDocument& doc, clsTMeisai& meisai,
                                         ProgramPaths paths, AcquisitionContext acquisition,
                                         std::shared_ptr<Clock> clock, ModalRunner modal,
                                         QWidget* window)
    : QObject(window), m_doc(doc), m_meisai(meisai), m_paths(std::move(paths)),
      m_acquisition(std::move(acquisition)), m_clock(std::move(clock)), m_modal(std::move(modal)),
      m_window(window) {
    const ExpectationSettings settings = ExpectationSettings::Load(m_paths);
    m_doc.TicketPrice = settings.TicketPrice;
    m_everyMinutes = settings.WatchEveryMinutes;
}

ExpectationCommands::~ExpectationCommands() {
    StopWatch();
}

void ExpectationCommands::AddToolEntries(QMenu* tools) {
    tools->addSeparator();
    m_oddsAction = tools->addAction(kOddsCaption);
    connect(m_oddsAction, &QAction::triggered, this, &ExpectationCommands::OddsCommand);
    m_watchAction = tools->addAction(kWatchCaption);
    m_watchAction->setCheckable(true);
    connect(m_watchAction, &QAction::toggled, this, &ExpectationCommands::SetWatching);
    m_chartAction = tools->addAction(kChartCaption);
    connect(m_chartAction, &QAction::triggered, this, &ExpectationCommands::ShowChart);
}

void ExpectationCommands::Refresh() {
    DocumentRecord& record = m_doc.Record;
    if (record.Kaisaikai != m_oddsRound) {
        m_oddsRound = record.Kaisaikai;
        if (!record.Odds) {
            record.Odds = PlayerOddsStore(m_paths).Load(record.Kaisaikai);
        }
    }
    std::optional<double> expected;
    if (!record.Singles.empty() && record.Vote.Kaisaikai != 0) {
        auto ev = std::make_unique<ExpectedValue>();
        ev->Set(record.Vote, record.Odds ? *record.Odds : PlayerOdds::FromVote(record.Vote),
                m_doc.TicketPrice);
        expected = ev->ForList(record.Singles).ReturnPercent;
    }
    m_meisai.SetExpected(expected);
    UpdateChart();
}

void ExpectationCommands::OddsCommand() {
    std::array<QString, kSlotCount> teams;
    for (int t = 0; t < kSlotCount; ++t) {
        teams[t] = m_doc.Schedule.Slots[t].Team;
    }
    PlayerOddsModel model;
    model.Load(m_doc.Record.Odds ? *m_doc.Record.Odds : PlayerOdds::FromVote(m_doc.Record.Vote),
               teams);
    PlayerOddsDialog dialog(model, m_doc.Record.Vote, m_window);
    if ((m_modal ? m_modal(dialog) : dialog.exec()) != QDialog::Accepted) {
        return;
    }
    SetOdds(dialog.Model().Result());
}

void ExpectationCommands::SetOdds(const PlayerOdds& odds) {
    m_doc.Record.Odds = odds;
    QString error;
    if (!PlayerOddsStore(m_paths).Save(m_doc.Record.Kaisaikai, odds, &error)) {
        ShowMessage(MessageIcon::Warning, PlayerOddsModel::kTitle,
                    QString::fromUtf8(kOddsSaveFailed) + QStringLiteral("\n") + error);
    }
    Refresh();
}

void ExpectationCommands::SetWatching(bool on) {
    if (!on) {
        StopWatch();
        return;
    }
    if (Watching()) {
        return;
    }
    if (m_doc.Record.Kaisaikai < 1) {
        ShowMessage(MessageIcon::Warning, kWatchCaption, QString::fromUtf8(kNoRound));
        const QSignalBlocker block(m_watchAction);
        m_watchAction->setChecked(false);
        return;
    }
    VoteWatchOptions options;
    options.Round = m_doc.Record.Kaisaikai;
    options.Group = m_doc.Record.Kumi;
    options.EveryMinutes = m_everyMinutes;
    options.UntilClose = true;
    m_stop = false;
    m_thread = std::thread([this, options] {
        VoteWatch watch(m_acquisition, m_clock);
        watch.SetLineSink([this](const QString& line) {
            QMetaObject::invokeMethod(
                this, [this, line] { emit WatchLine(line); }, Qt::QueuedConnection);
        });
        watch.SetSnapshotSink([this](const VoteSnapshot&) {
            QMetaObject::invokeMethod(
                this, [this] { UpdateChart(); }, Qt::QueuedConnection);
        });
        watch.Run(options, m_stop);
        QMetaObject::invokeMethod(
            this, [this] { OnWatchEnded(); }, Qt::QueuedConnection);
    });
}

void ExpectationCommands::StopWatch() {
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void ExpectationCommands::OnWatchEnded() {
    StopWatch();
    if (m_watchAction != nullptr) {
        const QSignalBlocker block(m_watchAction);
        m_watchAction->setChecked(false);
    }
}

VoteHistoryWindow* ExpectationCommands::ShowChart() {
    if (m_chart == nullptr) {
        m_chart = new VoteHistoryWindow(m_window);
    }
    m_chart->show();
    m_chart->raise();
    UpdateChart();
    return m_chart;
}

void ExpectationCommands::UpdateChart() {
    if (m_chart == nullptr || !m_chart->isVisible()) {
        return;
    }
    std::vector<VoteSnapshot> snapshots;
    QString error;
    if (!VoteHistoryStore(m_paths).Load(m_doc.Record.Kaisaikai, snapshots, &error)) {
        ShowMessage(MessageIcon::Warning, VoteHistoryWindow::kTitle, error);
        snapshots.clear();
    }
    m_chart->SetSeries(m_doc.Record.Kaisaikai,
                       VoteHistorySeries::Build(snapshots, m_doc.Record.Singles, m_doc.Record.Odds,
                                                m_doc.TicketPrice));
}

} // namespace kestrel
