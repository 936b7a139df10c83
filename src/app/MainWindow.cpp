#include "app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/BatchWindow.h"
#include "app/FileDialogPdfChooser.h"
#include "app/PrintDialog.h"
#include "app/UserVoteRateDialog.h"
#include "app/frmTeamName.h"
#include "core/clsToto.h"
#include "platform/ErrorReporter.h"
#include "platform/Version.h"
#include "store/TotoSettings.h"
#include "ui/WindowPlacement.h"
#include "workflow/ControllerRoundRecords.h"
#include "workflow/HelpLinks.h"
#include "workflow/RoundTexts.h"
#include "workflow/SearchPanels.h"

namespace kestrel {

namespace {

const QString kTitle = QStringLiteral("Kestrel");
// Tabs whose pages arrive with later features show only this.
const QString kNotYet = QStringLiteral("このページは準備中です。");

// The installation's operator addresses; the progress lines are added per download.
AcquisitionContext WindowAcquisition(const ProgramPaths& paths, const TotoSettings& settings) {
    return AcquisitionContext::ForRun(paths, settings);
}

QGroupBox* Framed(const QString& title, QWidget* content) {
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(content, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addStretch(1);
    return box;
}

} // namespace

MainWindow::MainWindow(ProgramPaths paths, std::shared_ptr<Clock> clock, QWidget* parent)
    : MainWindow(paths, std::move(clock), TotoSettings::Load(paths), parent) {}

MainWindow::MainWindow(ProgramPaths paths, std::shared_ptr<Clock> clock, TotoSettings settings,
                       QWidget* parent)
    : QMainWindow(parent), m_paths(std::move(paths)), m_clock(std::move(clock)),
      m_settings(std::move(settings)), m_teams(m_paths),
      m_round(std::make_shared<ControllerRoundRecords>(WindowAcquisition(m_paths, m_settings))),
      m_search(new SearchRunner(m_clock, this)),
      m_download(new DownloadRunner(WindowAcquisition(m_paths, m_settings), this, this)),
      m_commands(new DocumentCommands(m_doc, m_paths, m_count, this)) {
    m_ini = KestrelIni::Load(m_paths);
    m_multi.Initialize();
    m_commands->SetHooks({[this] { return CloseCheck(); }, [this] { CollectDocument(); },
                          [this](DocumentCommands::Change change) { ShowDocument(change); },
                          [this] { return m_band->ResultAll()->isChecked(); },
                          [this] { return HasUnsavedWork(); }, [this] { MarkEdited(); },
                          [this] { MarkClean(); }});
    m_expectation = new ExpectationCommands(
        m_doc, m_meisai, m_paths, WindowAcquisition(m_paths, m_settings), m_clock,
        [this](QDialog& d) { return RunModal(d); }, this);
    m_commands->SetRefreshedHook([this] { m_expectation->Refresh(); });
    connect(m_expectation, &ExpectationCommands::WatchLine, this,
            [this](const QString& line) { statusBar()->showMessage(line); });
    BuildMenus();
    setCentralWidget(BuildCentral());
    m_band->DownloadMessage()->setChecked(m_ini.DownloadMessage);
    m_band->ResultAll()->setChecked(m_ini.ResultAll);
    connect(m_band->ResultAll(), &QCheckBox::toggled, this, [this] {
        m_commands->ResetResults();
        m_commands->Refresh();
    });
    ProgramPaths::EnsureFolder(m_paths.UserData());
    setWindowTitle(WindowCaption(m_doc));
    connect(m_search, &SearchRunner::Finished, this, &MainWindow::OnSearchFinished);
    connect(&m_tick, &QTimer::timeout, this, &MainWindow::RefreshRoundTexts);
    m_tick.start(1000);
    ConnectRound();
    ConnectDownloads();
    ConnectUserDefined();
    m_round.Initialize();
    m_round.SetKaisaikai(m_ini.Kaisaikai);
    MarkClean();
    // Edits in the panels are seen after the input that made them (see eventFilter).
    qApp->installEventFilter(this);
    resize(1280, 880);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    // A batch searches with this window's search driver: it ends before the driver goes.
    delete m_batchWindow;
    m_batchWindow = nullptr;
    m_search->Stop();
    m_search->Wait();
    m_download->Wait();
    // The log view observes the search runner's log; the runner, an older child, would be
    // deleted first, so the view goes now.
    delete m_logView;
    m_logView = nullptr;
}

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    QAction* newDocument = file->addAction(QStringLiteral("新規作成(&N)"));
    newDocument->setShortcut(QKeySequence::New);
    connect(newDocument, &QAction::triggered, m_commands, &DocumentCommands::NewDocument);
    m_commands->AddFileEntries(file);
    file->addSeparator();
    // Printing needs singles; the whole menu bar is off while a search runs.
    m_printAction = file->addAction(QStringLiteral("印刷(&P)..."));
    m_printAction->setShortcut(QKeySequence::Print);
    m_printAction->setEnabled(false);
    connect(m_printAction, &QAction::triggered, this, &MainWindow::PrintCommand);
    connect(file, &QMenu::aboutToShow, this,
            [this] { m_printAction->setEnabled(!m_searching && m_doc.Record.SingleCount() > 0); });
    file->addSeparator();
    connect(file->addAction(QStringLiteral("終了(&X)")), &QAction::triggered, this,
            &QWidget::close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    m_commands->AddEditEntries(edit);

    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    m_percentAction = view->addAction(QStringLiteral("シングル構成を％で表示"));
    m_percentAction->setCheckable(true);
    connect(m_percentAction, &QAction::toggled, this, [this](bool on) {
        m_count.SetPercent(on);
        m_commands->Refresh();
    });

    QMenu* tools = menuBar()->addMenu(QStringLiteral("ツール(&T)"));
    connect(tools->addAction(QStringLiteral("連続実行")), &QAction::triggered, this,
            &MainWindow::ShowBatchWindow);
    m_expectation->AddToolEntries(tools);

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    m_manualAction = help->addAction(QStringLiteral("オンラインマニュアル(&O)"));
    connect(m_manualAction, &QAction::triggered, this,
            [this] { OpenUrl(HelpLinks::Manual(m_download->MakerFolder())); });
    connect(help->addAction(QStringLiteral("バージョン情報(&A)...")), &QAction::triggered, this,
            &MainWindow::ShowVersion);
    m_menus = {file, edit, view, tools, help};
}

// The round band, the panels and the tabs scroll as one frame, so every control can be reached
// on a 1280x720 screen; the search buttons stay below it in view.
QWidget* MainWindow::BuildCentral() {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 0);
    m_band = new RoundBand;
    layout->addWidget(m_band);
    layout->addWidget(BuildPanels());
    layout->addWidget(BuildTabs(), 1);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 6);
    column->addWidget(scroll, 1);
    column->addWidget(BuildButtons());
    return central;
}

QWidget* MainWindow::BuildPanels() {
    m_multiPanel = new MultiPanel(m_multi);
    m_multiGrid = m_multiPanel->Grid();
    m_votePanel = new VoteStatusView;
    m_countGrid = new CountGridView(m_count);
    m_meisaiGrid = new MeisaiView(m_meisai);
    m_count.SetClickHandler([this](int, int, int, int) {
        m_percentAction->blockSignals(true);
        m_percentAction->setChecked(m_count.Percent());
        m_percentAction->blockSignals(false);
    });
    m_meisai.Clear();
    auto* panels = new QWidget;
    auto* row = new QHBoxLayout(panels);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(Framed(QStringLiteral("マルチ"), m_multiPanel));
    row->addWidget(Framed(QStringLiteral("投票状況"), m_votePanel));
    row->addWidget(Framed(QStringLiteral("シングル構成"), m_countGrid));
    row->addWidget(Framed(QStringLiteral("明細"), m_meisaiGrid));
    row->addStretch(1);
    return panels;
}

QWidget* MainWindow::Placeholder(const QString& text) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    label->setEnabled(false);
    return label;
}

QWidget* MainWindow::BuildTabs() {
    m_tabs = new QTabWidget;
    m_settingsPage = new SearchSettingsPage;
    m_logView = new MessageLogView(m_search->Log());
    m_conditionTab = new ConditionTab;
    ConnectConditions();
    m_tabs->addTab(m_conditionTab, QStringLiteral("条件"));
    m_tabs->addTab(m_settingsPage, QStringLiteral("圧縮"));
    m_tabs->addTab(m_commands->SinglePanel(), QStringLiteral("シングル"));
    m_tabs->addTab(m_commands->ResultPanel(), QStringLiteral("結果"));
    m_tabs->addTab(m_logView, QStringLiteral("メッセージ"));
    m_tabs->setCurrentIndex(TabJouken);
    return m_tabs;
}

QWidget* MainWindow::BuildButtons() {
    m_searchButton = new QPushButton(SearchDriver::kCaptionStart);
    m_stopButton = new QPushButton(QStringLiteral("検索終了"));
    for (QPushButton* button : {m_searchButton, m_stopButton}) {
        button->setMinimumSize(120, 34);
        QFont f = button->font();
        f.setPointSize(11);
        button->setFont(f);
    }
    m_stopButton->setEnabled(false);
    m_searchButton->setShortcut(QKeySequence::Find);
    m_searchButton->setToolTip(m_searchButton->shortcut().toString(QKeySequence::NativeText));
    connect(m_searchButton, &QPushButton::clicked, this, &MainWindow::OnSearchButton);
    connect(m_stopButton, &QPushButton::clicked, this, &MainWindow::OnStopButton);
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 6, 0);
    row->addStretch(1);
    row->addWidget(m_searchButton);
    row->addWidget(m_stopButton);
    return bar;
}

void MainWindow::ConnectRound() {
    m_round.SetKaisaikaiChange(
        [this](int32_t round, const QString& kumi) { OnKaisaikaiChange(round, kumi); });
    connect(m_band->RoundBox(), &QSpinBox::valueChanged, this,
            [this](int value) { m_round.SetKaisaikai(value); });
    connect(m_band->GroupBox(), &QComboBox::activated, this,
            [this](int index) { m_round.SetKumiIndex(index); });
}

void MainWindow::ConnectConditions() {
    connect(m_conditionTab, &ConditionTab::TaishoChanged, this,
            [this] { m_multi.SetTaishou(m_conditionTab->Taisho()); });
    m_conditionTab->SetEngineSource([this](clsTX1& engine) {
        MarkTable marks{};
        m_multi.GetValue(marks);
        engine.SetValue(marks);
        engine.SetVote(m_doc.Record.Vote);
    });
}

void MainWindow::OnKaisaikaiChange(int32_t round, const QString& kumi) {
    m_doc.Record.Kaisaikai = round;
    m_doc.Record.Kumi = kumi;
    m_doc.Schedule = m_round.Schedule();
    m_doc.Record.Vote = m_round.Vote();
    m_doc.Record.VoteTime = m_round.Vote().AsOf;
    m_doc.Result = m_round.Result();
    AssignJ1J2Groups(m_doc, m_paths);
    // The panels' J1 and J2 teams follow the round; so does the state they are compared with, so
    // that a round change alone is no unsaved edit.
    m_baseline.conditions.AssignJ1J2(m_doc.Schedule, ConditionSet::Leagues(m_teams));
    if (m_band->RoundBox()->value() != round) {
        const QSignalBlocker block(m_band->RoundBox());
        m_band->RoundBox()->setValue(round);
    }
    m_multi.SetVote(m_doc.Record.Vote);
    m_votePanel->SetRecords(m_doc.Schedule, m_doc.Record.Vote);
    m_conditionTab->AssignJ1J2(m_doc.Schedule, ConditionSet::Leagues(m_teams));
    m_multiPanel->SetTeams(m_doc.Schedule);
    ShowGradeControls(round);
    RefreshRoundTexts();
    m_commands->ResetResults();
    m_commands->Refresh();
    RefreshDownloads();
}

// Prize-grade controls of grades the round does not have are hidden.
void MainWindow::ShowGradeControls(int32_t round) {
    const int maxGrade = clsToto().GetMaxGrade(round);
    m_conditionTab->SetMaxGrade(maxGrade);
    m_commands->SetMaxGrade(maxGrade);
}

void MainWindow::RefreshRoundTexts() {
    m_band->ShowTexts(RoundTexts::Make(m_doc.Record.Kaisaikai, m_doc.Record.Kumi, m_doc.Schedule,
                                       m_doc.Record.Vote, m_clock->Now()));
}

bool MainWindow::CloseCheck() {
    if (m_downloading) {
        return false;
    }
    if (m_searching || m_search->Running() || BatchRunning()) {
        ShowMessage(MessageIcon::Warning, kTitle, SearchDriver::kBusyText);
        return false;
    }
    return !m_doc.Saving;
}

void MainWindow::OnSearchButton() {
    if (!m_searching) {
        StartSearch();
        return;
    }
    m_paused = !m_paused;
    m_search->Pause(m_paused);
    SetCaption(m_paused ? SearchCaption::Resume : SearchCaption::Pause);
}

void MainWindow::OnStopButton() {
    if (m_searching) {
        m_paused = false;
        m_search->Stop();
    }
}

void MainWindow::StartSearch() {
    if (!CloseCheck()) {
        return;
    }
    m_paused = false;
    m_doc.Record.Settings = m_settingsPage->Settings();
    m_multi.GetValue(m_doc.Record.Multi);
    m_conditionTab->Collect(m_doc.Record.Conditions);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_searching = true;
    SetCommandsEnabled(false);
    m_searchButton->setEnabled(false);
    m_stopButton->setEnabled(true);
    if (SearchDriver::Pausable(m_doc.Record.Settings.MsEngine)) {
        SetCaption(SearchCaption::Pause);
        m_searchButton->setEnabled(true);
    }
    m_tabs->setCurrentIndex(TabMessage);
    ClearSearchPanels(m_count, m_meisai);
    m_search->Start(m_doc);
}

void MainWindow::OnSearchFinished(const WorkingDocument& doc) {
    m_doc = doc;
    m_listEdited = true;
    ShowSearchPanels(m_doc.Record, m_count, m_meisai);
    m_logView->Refresh();
    m_logView->SelectLast();
    m_searching = false;
    m_paused = false;
    SetCaption(SearchCaption::Start);
    m_searchButton->setEnabled(true);
    m_stopButton->setEnabled(false);
    SetCommandsEnabled(true);
    m_commands->Refresh();
    UpdateCaption();
    QApplication::restoreOverrideCursor();
}

void MainWindow::SetCaption(SearchCaption caption) {
    m_caption = caption;
    switch (caption) {
    case SearchCaption::Start:
        m_searchButton->setText(SearchDriver::kCaptionStart);
        break;
    case SearchCaption::Pause:
        m_searchButton->setText(SearchDriver::kCaptionPause);
        break;
    case SearchCaption::Resume:
        m_searchButton->setText(SearchDriver::kCaptionResume);
        break;
    }
    // A new caption replaces the button's shortcut by its mnemonic (none): Find is set again.
    m_searchButton->setShortcut(QKeySequence::Find);
}

void MainWindow::SetCommandsEnabled(bool enabled) {
    for (QMenu* menu : m_menus) {
        menu->menuAction()->setEnabled(enabled);
    }
    m_band->setEnabled(enabled);
    m_multiGrid->setEnabled(enabled);
    m_countGrid->setEnabled(enabled);
    m_settingsPage->setEnabled(enabled);
    m_conditionTab->setEnabled(enabled);
    m_commands->SetEnabled(enabled);
}

void MainWindow::CollectDocument() {
    m_multi.GetValue(m_doc.Record.Multi);
    m_doc.Record.Settings = m_settingsPage->Settings();
    m_conditionTab->Collect(m_doc.Record.Conditions);
}

void MainWindow::ShowDocument(DocumentCommands::Change change) {
    if (change == DocumentCommands::Change::Conditions) {
        m_conditionTab->Spread(m_doc.Record.Conditions);
        m_conditionTab->setCurrentIndex(ConditionTab::PageHaitou);
        m_tabs->setCurrentIndex(TabJouken);
        UpdateCaption();
        return;
    }
    // The round change comes first, so the document's own conditions (its J1 and J2 teams
    // included) are spread over what it assigned.
    if (m_round.Kaisaikai() != m_doc.Record.Kaisaikai) {
        // The round selector reloads the round's records; the document keeps its own vote.
        const WorkingDocument loaded = m_doc;
        m_round.SetKaisaikai(loaded.Record.Kaisaikai);
        m_doc = loaded;
    }
    // The round selector holds the document's vote status, so the reloads after a schedule or
    // result download keep it.
    m_round.SetVote(m_doc.Record.Vote);
    m_commands->ResetResults();
    m_multi.SetVote(m_doc.Record.Vote);
    m_votePanel->SetRecords(m_doc.Schedule, m_doc.Record.Vote);
    m_multi.SetValue(m_doc.Record.Multi);
    m_settingsPage->SetSettings(m_doc.Record.Settings);
    m_conditionTab->Spread(m_doc.Record.Conditions);
    ShowReport();
    ShowSearchPanels(m_doc.Record, m_count, m_meisai);
    if (m_doc.FilePath.isEmpty() && m_doc.Record.Singles.empty()) {
        ShowFirstTabs();
    }
    m_multiPanel->SetTeams(m_doc.Schedule);
    MarkClean();
    RefreshRoundTexts();
}

void MainWindow::ShowReport() {
    m_search->Log().Cls();
    for (const QString& line : ReportLines(m_doc.Record)) {
        m_search->Log().Msg(line, true, false);
    }
    m_logView->Refresh();
}

MainWindow::EditState MainWindow::CollectEdits() const {
    EditState state;
    m_multi.GetValue(state.multi);
    m_conditionTab->Collect(state.conditions);
    state.settings = m_settingsPage->Settings();
    return state;
}

bool MainWindow::HasUnsavedWork() const {
    return m_listEdited || CollectEdits() != m_baseline;
}

void MainWindow::MarkEdited() {
    m_listEdited = true;
    UpdateCaption();
}

// The document was loaded or saved: what the panels hold now is the saved state.
void MainWindow::MarkClean() {
    m_listEdited = false;
    m_baseline = CollectEdits();
    UpdateCaption();
}

void MainWindow::UpdateCaption() {
    m_captionPending = false;
    setWindowTitle(WindowCaption(m_doc, HasUnsavedWork()));
}

// A click or key in any window may have edited the multi, a condition page or the search
// settings (dialogs such as the combination condition included): the caption is brought up to
// date once the input has been handled.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease) && !m_captionPending &&
        !m_searching) {
        m_captionPending = true;
        QMetaObject::invokeMethod(this, &MainWindow::UpdateCaption, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::BatchRunning() const {
    return m_batching || (m_batchWindow != nullptr && m_batchWindow->Running());
}

// A new document starts on the first tab of every tab group (the main tabs, the condition pages,
// the groups of each count page, the pages of the search settings).
void MainWindow::ShowFirstTabs() {
    for (QTabWidget* tabs : centralWidget()->findChildren<QTabWidget*>()) {
        tabs->setCurrentIndex(0);
    }
    for (QTabBar* bar : centralWidget()->findChildren<QTabBar*>()) {
        bar->setCurrentIndex(0);
    }
}

BatchWindow* MainWindow::ShowBatchWindow() {
    if (!BatchRunning() && !CloseCheck()) {
        return nullptr;
    }
    if (m_batchWindow == nullptr) {
        m_batchWindow = new BatchWindow(m_paths, m_search->Driver(), nullptr, this);
        m_batchWindow->SetStartCheck([this] { return BatchMayStart(); });
        connect(m_batchWindow, &BatchWindow::Started, this, &MainWindow::OnBatchStarted);
        connect(m_batchWindow, &BatchWindow::Finished, this, &MainWindow::OnBatchFinished);
    }
    if (!m_batchWindow->isVisible()) {
        CentreOver(m_batchWindow, this);
    }
    m_batchWindow->show();
    m_batchWindow->raise();
    m_batchWindow->activateWindow();
    return m_batchWindow;
}

// A batch replaces the document with the last one it loads: it starts only while this window is
// idle, and once changed work is saved or given up.
bool MainWindow::BatchMayStart() {
    return CloseCheck() && m_commands->ConfirmDrop();
}

// The batch works in this window's place: the window comes to the front and is locked as during
// a search, and its message tab shows each document's report and progress.
void MainWindow::OnBatchStarted() {
    m_batching = true;
    SetCommandsEnabled(false);
    m_searchButton->setEnabled(false);
    m_stopButton->setEnabled(false);
    m_tabs->setCurrentIndex(TabMessage);
    ClearSearchPanels(m_count, m_meisai);
    raise();
    activateWindow();
}

void MainWindow::OnBatchFinished(const WorkingDocument& doc, bool loaded) {
    m_batching = false;
    SetCommandsEnabled(true);
    m_searchButton->setEnabled(true);
    m_logView->Refresh();
    if (!loaded) {
        // Nothing was loaded: the window keeps its own document, report and panels.
        ShowReport();
        ShowSearchPanels(m_doc.Record, m_count, m_meisai);
        m_commands->Refresh();
        return;
    }
    m_doc = doc;
    m_commands->Page().Reset();
    ShowDocument(DocumentCommands::Change::Whole);
    m_commands->Refresh();
}

void MainWindow::PrintCommand() {
    if (m_searching || m_doc.Record.SingleCount() == 0) {
        return;
    }
    if (!m_pdfChooser) {
        m_pdfChooser = std::make_shared<FileDialogPdfChooser>(m_paths.UserData());
    }
    PrintDialog::ShowForm(this, m_paths, m_doc.Record.Singles, m_doc.Record.Kaisaikai,
                          m_doc.Record.Kumi, QFileInfo(m_doc.FilePath).fileName(), m_pdfChooser);
}

void MainWindow::ShowVersion() {
    ShowMessage(MessageIcon::Information, QStringLiteral("バージョン情報"),
                QStringLiteral("Fernhollow  Kestrel  Version ") + VersionText());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_downloading) {
        // Offers to stop the download; the window closes once the worker has returned.
        m_download->OfferStopAndClose();
        event->ignore();
        return;
    }
    if (!CloseCheck() || !m_commands->ConfirmDrop()) {
        event->ignore();
        return;
    }
    m_ini.Kaisaikai = m_round.Kaisaikai();
    m_ini.DownloadMessage = m_band->DownloadMessage()->isChecked();
    m_ini.ResultAll = m_band->ResultAll()->isChecked();
    m_ini.Save(m_paths);
    event->accept();
}

void MainWindow::ConnectDownloads() {
    connect(m_band->ScheduleButton(), &QPushButton::clicked, this,
            [this] { OnDownloadButton(DownloadKind::Schedule); });
    connect(m_band->VoteButton(), &QPushButton::clicked, this,
            [this] { OnDownloadButton(DownloadKind::Vote); });
    connect(m_band->ResultButton(), &QPushButton::clicked, this,
            [this] { OnDownloadButton(DownloadKind::Result); });
    connect(m_band->MakerButton(), &QPushButton::clicked, this,
            [this] { OnDownloadButton(DownloadKind::TeamNames); });
    connect(m_download, &DownloadRunner::Finished, this, &MainWindow::OnDownloadFinished);
}

void MainWindow::RefreshDownloads() {
    m_band->SetDownloads(!m_round.CheckScheduleFile(), !m_round.CheckVoteFile(),
                         !m_round.CheckResultFile());
}

// A download runs on a worker while every command waits, as during a search.
void MainWindow::OnDownloadButton(DownloadKind kind) {
    if (!CloseCheck()) {
        return;
    }
    const bool ask = m_band->DownloadMessage()->isChecked();
    bool started = false;
    if (kind == DownloadKind::TeamNames) {
        started = m_download->StartTeamNames(ask);
    } else if (m_doc.Record.Kaisaikai == 0) {
        ShowMessage(MessageIcon::Information, kTitle, QStringLiteral("開催回を設定して下さい"));
    } else if (!m_round.NotHeld()) {
        started = m_download->Start(kind, m_round.Kaisaikai(), m_round.Kumi(), ask);
    }
    if (!started) {
        RefreshDownloads();
        return;
    }
    m_downloading = true;
    SetCommandsEnabled(false);
    m_searchButton->setEnabled(false);
}

void MainWindow::OnDownloadFinished(const DownloadOutcome& outcome) {
    m_downloading = false;
    SetCommandsEnabled(true);
    m_searchButton->setEnabled(true);
    if (!outcome.UnknownTeamName.isEmpty()) {
        m_teams.SetLastUnknownTeamName(outcome.UnknownTeamName);
    }
    m_round.ApplyDownload(outcome);
    RefreshDownloads();
}

void MainWindow::ConnectUserDefined() {
    connect(m_band->VoteRateButton(), &QPushButton::clicked, this, &MainWindow::OnUserVoteRates);
    connect(m_band->TeamNameButton(), &QPushButton::clicked, this, &MainWindow::OnTeamNames);
    connect(m_band->ScheduleLink(), &QLabel::linkActivated, this,
            [this] { OpenUrl(HelpLinks::SaleSchedule(m_settings)); });
}

int MainWindow::RunModal(QDialog& dialog) {
    return m_modalRunner ? m_modalRunner(dialog) : dialog.exec();
}

void MainWindow::OnUserVoteRates() {
    if (!CloseCheck()) {
        return;
    }
    UserVoteRateModel rates;
    LoadUserVoteRates(m_doc, rates);
    UserVoteRateDialog dialog(rates, this);
    if (RunModal(dialog) != QDialog::Accepted) {
        return;
    }
    SetUserVoteRates(m_doc, dialog.Model());
    m_listEdited = true;
    // The round selector holds it too, so a reload that keeps the vote status keeps these rates.
    m_round.SetVote(m_doc.Record.Vote);
    m_multi.SetVote(m_doc.Record.Vote);
    m_votePanel->SetRecords(m_doc.Schedule, m_doc.Record.Vote);
    RefreshRoundTexts();
    m_commands->Refresh();
    UpdateCaption();
}

void MainWindow::OnTeamNames() {
    if (!CloseCheck()) {
        return;
    }
    // The page parsers read the tables afresh for every page, so an added name is used from the
    // next download on.
    frmTeamName dialog(m_teams, this);
    RunModal(dialog);
}

void MainWindow::OpenUrl(const QUrl& url) {
    const bool opened = m_urlOpener ? m_urlOpener(url) : QDesktopServices::openUrl(url);
    if (!opened) {
        ErrorReporter(QStringLiteral("frmMain"))
            .Report(QStringLiteral("OpenUrl"),
                    QStringLiteral("ブラウザを起動できません。\r\n") + url.toString());
    }
}

} // namespace kestrel
