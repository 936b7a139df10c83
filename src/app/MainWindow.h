#pragma once

#include <QAction>
#include <QDialog>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <vector>

#include "app/DocumentCommands.h"
#include "app/DownloadRunner.h"
#include "app/ExpectationCommands.h"
#include "app/PdfPathChooser.h"
#include "app/RoundBand.h"
#include "app/SearchRunner.h"
#include "core/clsTCount.h"
#include "core/clsTMeisai.h"
#include "core/clsTMulti.h"
#include "platform/Clock.h"
#include "platform/ProgramPaths.h"
#include "store/TotoSettings.h"
#include "store/clsTotoData.h"
#include "ui/ConditionTab.h"
#include "ui/CountGridView.h"
#include "ui/MeisaiView.h"
#include "ui/MessageLogView.h"
#include "ui/MultiGridView.h"
#include "ui/MultiPanel.h"
#include "ui/SearchSettingsPage.h"
#include "ui/VoteStatusView.h"
#include "workflow/KestrelIni.h"
#include "workflow/WorkingDocument.h"
#include "workflow/clsTMain.h"

namespace kestrel {

class BatchWindow;

// The main window: the round band, the multi, the vote-status, count and summary panels, the
// tabs (条件, 圧縮, シングル, 結果, メッセージ) and the search buttons. It holds the working
// document; the search runs on a worker thread, and while it runs every menu and every other
// command is disabled and closing is refused.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Search button caption states.
    enum class SearchCaption { Start = 0, Pause = 1, Resume = 2 };
    // Tab order.
    enum Tab { TabJouken = 0, TabAsshuku, TabSingle, TabResult, TabMessage };

    // Reads the operator settings (totoSettings.ini) itself.
    MainWindow(ProgramPaths paths, std::shared_ptr<Clock> clock, QWidget* parent = nullptr);
    // Takes the operator settings the start-up has read.
    MainWindow(ProgramPaths paths, std::shared_ptr<Clock> clock, TotoSettings settings,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    const WorkingDocument& Document() const { return m_doc; }
    clsTMain& RoundSelector() { return m_round; }
    clsTMulti& Multi() { return m_multi; }
    clsTCount& CountPanel() { return m_count; }
    clsTMeisai& MeisaiPanel() { return m_meisai; }
    SearchRunner& Search() { return *m_search; }
    DownloadRunner& Downloads() { return *m_download; }
    bool Downloading() const { return m_downloading; }
    bool Searching() const { return m_searching; }
    // A batch run of the batch window works in this window's place.
    bool BatchRunning() const;
    // Whether the window holds work not saved yet: an edit of the single list (a list command,
    // a search, user-defined vote rates) or a multi, conditions or search settings that differ
    // from those last loaded or saved.
    bool HasUnsavedWork() const;

    RoundBand* Band() const { return m_band; }
    MultiGridView* MultiGrid() const { return m_multiGrid; }
    VoteStatusView* VotePanel() const { return m_votePanel; }
    CountGridView* CountGrid() const { return m_countGrid; }
    MeisaiView* MeisaiGrid() const { return m_meisaiGrid; }
    SearchSettingsPage* SettingsPage() const { return m_settingsPage; }
    ConditionTab* ConditionPages() const { return m_conditionTab; }
    MessageLogView* LogView() const { return m_logView; }
    QTabWidget* Tabs() const { return m_tabs; }
    QPushButton* SearchButton() const { return m_searchButton; }
    QPushButton* StopButton() const { return m_stopButton; }
    // The menus of the menu bar, left to right.
    const std::vector<QMenu*>& Menus() const { return m_menus; }
    QAction* PercentAction() const { return m_percentAction; }
    DocumentCommands& Commands() { return *m_commands; }
    ExpectationCommands& Expectation() { return *m_expectation; }
    // Shows the batch-run window (created on first use); while a batch runs it only comes to the
    // front.
    BatchWindow* ShowBatchWindow();
    QAction* PrintAction() const { return m_printAction; }
    // Where a print to the PDF entry goes; the file dialog unless replaced.
    void SetPdfPathChooser(std::shared_ptr<PdfPathChooser> chooser) { m_pdfChooser = chooser; }
    // Runs the window's own modal dialogs (vote rates, team names) and returns their result;
    // exec() unless replaced, so tests drive the dialogs without a modal loop.
    using ModalRunner = std::function<int(QDialog&)>;
    void SetModalRunner(ModalRunner runner) { m_modalRunner = std::move(runner); }
    // Opens an address in the system browser; QDesktopServices unless replaced.
    using UrlOpener = std::function<bool(const QUrl&)>;
    void SetUrlOpener(UrlOpener opener) { m_urlOpener = std::move(opener); }
    QAction* ManualAction() const { return m_manualAction; }

    // The close check: false with the busy message while a search runs, false silently while a
    // document is being saved.
    bool CloseCheck();
    // Recomputes the round texts for the clock's current time (the countdown ticks each second).
    void RefreshRoundTexts();

public slots:
    void OnSearchButton();
    void OnStopButton();
    // "投票率": the user-defined vote rates replace the document's vote status.
    void OnUserVoteRates();
    // "海外チーム名" of the frame "ユーザー定義": the add-team dialog.
    void OnTeamNames();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the player edits in the panels; compared with the state last loaded or saved.
    struct EditState {
        MarkTable multi{};
        ConditionSet conditions;
        EngineSettings settings;
        bool operator==(const EditState&) const = default;
    };

    void BuildMenus();
    QWidget* BuildCentral();
    QWidget* BuildPanels();
    QWidget* BuildTabs();
    QWidget* BuildButtons();
    QWidget* Placeholder(const QString& text);
    void ConnectRound();
    void ConnectConditions();
    void OnKaisaikaiChange(int32_t round, const QString& kumi);
    void ShowGradeControls(int32_t round);
    void ShowFirstTabs();
    void ConnectDownloads();
    void RefreshDownloads();
    void OnDownloadButton(DownloadKind kind);
    void OnDownloadFinished(const DownloadOutcome& outcome);
    void StartSearch();
    void OnSearchFinished(const WorkingDocument& doc);
    void SetCaption(SearchCaption caption);
    void SetCommandsEnabled(bool enabled);
    void ShowDocument(DocumentCommands::Change change);
    void ShowReport();
    void CollectDocument();
    EditState CollectEdits() const;
    void MarkEdited();
    void MarkClean();
    void UpdateCaption();
    bool BatchMayStart();
    void OnBatchStarted();
    void OnBatchFinished(const WorkingDocument& doc, bool loaded);
    void ShowVersion();
    void PrintCommand();
    void ConnectUserDefined();
    int RunModal(QDialog& dialog);
    void OpenUrl(const QUrl& url);

    ProgramPaths m_paths;
    std::shared_ptr<Clock> m_clock;
    TotoSettings m_settings;
    KestrelIni m_ini;
    clsTotoData m_teams;
    WorkingDocument m_doc;
    clsTMulti m_multi;
    clsTCount m_count;
    clsTMeisai m_meisai;
    clsTMain m_round;
    SearchRunner* m_search;
    DownloadRunner* m_download;
    bool m_downloading = false;
    DocumentCommands* m_commands;
    ExpectationCommands* m_expectation = nullptr;
    BatchWindow* m_batchWindow = nullptr;
    bool m_searching = false;
    bool m_batching = false;
    bool m_paused = false;
    EditState m_baseline;
    bool m_listEdited = false;
    bool m_captionPending = false;
    SearchCaption m_caption = SearchCaption::Start;

    RoundBand* m_band = nullptr;
    MultiPanel* m_multiPanel = nullptr;
    MultiGridView* m_multiGrid = nullptr;
    VoteStatusView* m_votePanel = nullptr;
    CountGridView* m_countGrid = nullptr;
    MeisaiView* m_meisaiGrid = nullptr;
    SearchSettingsPage* m_settingsPage = nullptr;
    ConditionTab* m_conditionTab = nullptr;
    MessageLogView* m_logView = nullptr;
    QTabWidget* m_tabs = nullptr;
    QPushButton* m_searchButton = nullptr;
    QPushButton* m_stopButton = nullptr;
    std::vector<QMenu*> m_menus;
    QAction* m_percentAction = nullptr;
    QAction* m_printAction = nullptr;
    QAction* m_manualAction = nullptr;
    std::shared_ptr<PdfPathChooser> m_pdfChooser;
    ModalRunner m_modalRunner;
    UrlOpener m_urlOpener;
    QTimer m_tick;
};

} // namespace kestrel
