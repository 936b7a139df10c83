#include "app/DocumentCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>

#include "documents/clsTClipboard.h"
#include "documents/clsTFileCSV.h"
#include "platform/ErrorReporter.h"
#include "platform/Version.h"
#include "results/clsTSingleSort.h"

namespace kestrel {

namespace {

const QString kOpenTitle = QStringLiteral("ファイルを開く");
const QString kSaveTitle = QStringLiteral("名前を付けて保存");
const QString kDataFilter = QStringLiteral("データファイル(*.tpd)");
const QString kConditionFilter = QStringLiteral("条件ファイル(*.tpj)");
const QString kCsvFilter = QStringLiteral("CSVファイル(*.csv)");
const QString kConditionName = QStringLiteral("条件");

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

const QString DocumentCommands::kSaveChangesAsk = QStringLiteral("変更を保存しますか？");

DocumentCommands::DocumentCommands(WorkingDocument& doc, ProgramPaths paths, clsTCount& count,
                                   QWidget* window)
    : QObject(window), m_doc(doc), m_paths(std::move(paths)), m_count(count), m_window(window),
      m_dialogs(std::make_shared<QtFileDialogs>(window)), m_result(m_paths) {
    m_page.SetList(&m_doc.Record.Singles);
    m_result.Initialize(&m_count);
}

UserPrompt& DocumentCommands::Prompt() const {
    return m_prompt ? *m_prompt : *CurrentUserPrompt();
}

bool DocumentCommands::Allowed() const {
    return !m_hooks.closeCheck || m_hooks.closeCheck();
}

void DocumentCommands::AddFileEntries(QMenu* file) {
    QAction* open = file->addAction(QStringLiteral("開く(&O)..."));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &DocumentCommands::OpenDocument);
    QAction* save = file->addAction(QStringLiteral("上書き保存(&S)"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &DocumentCommands::SaveDocument);
    connect(file->addAction(QStringLiteral("名前を付けて保存(&A)...")), &QAction::triggered, this,
            &DocumentCommands::SaveDocumentAs);
    file->addSeparator();
    QMenu* conditions = file->addMenu(QStringLiteral("条件 ファイル"));
    connect(conditions->addAction(QStringLiteral("開く(&O)...")), &QAction::triggered, this,
            &DocumentCommands::OpenConditions);
    connect(conditions->addAction(QStringLiteral("保存(&S)...")), &QAction::triggered, this,
            &DocumentCommands::SaveConditions);
    QMenu* csv = file->addMenu(QStringLiteral("CSV ファイル(&C)"));
    connect(csv->addAction(QStringLiteral("開く(&O)...")), &QAction::triggered, this,
            &DocumentCommands::CsvOpenCommand);
    connect(csv->addAction(QStringLiteral("保存(&S)...")), &QAction::triggered, this,
            &DocumentCommands::CsvSaveCommand);
    connect(csv->addAction(QStringLiteral("現在のシングルに追加(&A)...")), &QAction::triggered,
            this, &DocumentCommands::CsvAddCommand);
    connect(csv->addAction(QStringLiteral("現在のシングルから削除(&D)...")), &QAction::triggered,
            this, &DocumentCommands::CsvDelCommand);
}

void DocumentCommands::AddSortEntries(QMenu* menu) {
    const QString money[] = {QStringLiteral("１等推定金額"), QStringLiteral("２等推定金額"),
                             QStringLiteral("３等推定金額")};
    for (int k = 0; k < 3; ++k) {
        m_moneySort[static_cast<size_t>(k)] = menu->addAction(money[k]);
        connect(m_moneySort[static_cast<size_t>(k)], &QAction::triggered, this,
                [this, k] { Sort(SortKind::Money, k); });
    }
    menu->addSeparator();
    const QString ninki[] = {QStringLiteral("１番人気"), QStringLiteral("２番人気"),
                             QStringLiteral("３番人気"), QStringLiteral("４番人気")};
    for (int k = 0; k < 4; ++k) {
        connect(menu->addAction(ninki[k]), &QAction::triggered, this,
                [this, k] { Sort(SortKind::Ninki, k); });
    }
    menu->addSeparator();
    const QString marks[] = {QStringLiteral("０点"), QStringLiteral("１点"), QStringLiteral("２点"),
                             QStringLiteral("３点以上")};
    for (int k = 0; k < 4; ++k) {
        connect(menu->addAction(marks[k]), &QAction::triggered, this,
                [this, k] { Sort(SortKind::Mark, k); });
    }
    menu->addSeparator();
    connect(menu->addAction(QStringLiteral("当せん数")), &QAction::triggered, this,
            [this] { Sort(SortKind::Grade, 0); });
    connect(menu->addAction(QStringLiteral("期待値")), &QAction::triggered, this,
            [this] { Sort(SortKind::Expected, 0); });
    menu->addSeparator();
    m_ascending = menu->addAction(QStringLiteral("昇順で並べ替える"));
    m_ascending->setCheckable(true);
}

void DocumentCommands::AddEditEntries(QMenu* edit) {
    AddSortEntries(edit->addMenu(QStringLiteral("シングル並べ替え(&S)")));
    connect(edit->addAction(QStringLiteral("重複シングル削除")), &QAction::triggered, this,
            &DocumentCommands::RemoveRepeatsCommand);
    edit->addSeparator();
    connect(edit->addAction(QStringLiteral("全てのシングルを選択")), &QAction::triggered, this,
            [this] { SelectAll(true); });
    connect(edit->addAction(QStringLiteral("全てのシングル選択を解除")), &QAction::triggered, this,
            [this] { SelectAll(false); });
    connect(edit->addAction(QStringLiteral("シングルを追加")), &QAction::triggered, this,
            &DocumentCommands::AddSingleCommand);
    connect(edit->addAction(QStringLiteral("選択シングルを削除")), &QAction::triggered, this,
            &DocumentCommands::DeleteSelectedCommand);
    edit->addSeparator();
    QMenu* copy = edit->addMenu(QStringLiteral("クリップボードにコピー"));
    const std::pair<QString, int> layouts[] = {
        {QStringLiteral("予想（条件無し）"), clsTClipboard::kSheet},
        {QStringLiteral("予想（条件有り）"), clsTClipboard::kSheetWithConditions},
        {QStringLiteral("買い目（１口が行）"), clsTClipboard::kNumberedList},
        {QStringLiteral("買い目（１口が列）"), clsTClipboard::kSlotRows}};
    for (const auto& [caption, kind] : layouts) {
        const int k = kind;
        connect(copy->addAction(caption), &QAction::triggered, this,
                [this, k] { CopyToClipboard(k); });
    }
    QMenu* import = edit->addMenu(QStringLiteral("クリップボードから取り込み"));
    for (const QString& caption :
         {QStringLiteral("買い目（１口が行）"), QStringLiteral("買い目（１口が列）")}) {
        connect(import->addAction(caption), &QAction::triggered, this,
                &DocumentCommands::ImportFromClipboard);
    }
}

void DocumentCommands::SetMaxGrade(int maxGrade) {
    for (size_t k = 0; k < m_moneySort.size(); ++k) {
        if (m_moneySort[k] != nullptr) {
            m_moneySort[k]->setVisible(static_cast<int>(k) < maxGrade);
        }
    }
}

SingleListPanel* DocumentCommands::SinglePanel() {
    if (m_singlePanel == nullptr) {
        m_singlePanel = new SingleListPanel(m_page);
        connect(m_singlePanel->View(), &GridView::CellClicked, this,
                [this](Qt::MouseButton button, Qt::KeyboardModifiers, int col, int row) {
                    OnListClicked(button, col, row);
                });
        connect(m_singlePanel->EditLock(), &QCheckBox::toggled, this,
                [this](bool on) { m_doc.EditLock = on; });
    }
    return m_singlePanel;
}

ResultsPanel* DocumentCommands::ResultPanel() {
    if (m_resultPanel == nullptr) {
        m_resultPanel = new ResultsPanel(m_result);
    }
    return m_resultPanel;
}

void DocumentCommands::SetEnabled(bool enabled) {
    for (QWidget* panel :
         {static_cast<QWidget*>(m_singlePanel), static_cast<QWidget*>(m_resultPanel)}) {
        if (panel != nullptr) {
            panel->setEnabled(enabled);
        }
    }
}

void DocumentCommands::Refresh() {
    m_page.SetList(&m_doc.Record.Singles);
    m_page.SetVote(m_doc.Record.Vote, m_doc.Record.Odds, m_doc.TicketPrice);
    m_page.SetTeams(m_doc.Schedule);
    if (m_resultsStale) {
        const bool showAll = m_hooks.showAllResults && m_hooks.showAllResults();
        m_result.SetResultData(m_doc.Record.Kaisaikai, m_doc.Record.Kumi, m_doc.Result, showAll);
        m_resultsStale = false;
    }
    m_doc.Saving = true;
    m_result.SetSingle(m_doc.Record.Singles);
    m_doc.Saving = false;
    m_count.SetValue(m_doc.Record.SingleFrame);
    if (m_singlePanel != nullptr) {
        m_singlePanel->EditLock()->setChecked(m_doc.EditLock);
        m_singlePanel->Refresh();
    }
    if (m_resultPanel != nullptr) {
        m_resultPanel->Refresh();
    }
    if (m_refreshed) {
        m_refreshed();
    }
}

void DocumentCommands::Edited() {
    if (m_hooks.edited) {
        m_hooks.edited();
    }
}

bool DocumentCommands::ConfirmDrop() {
    if (!m_hooks.changed || !m_hooks.changed()) {
        return true;
    }
    switch (Prompt().Ask(QString::fromUtf8(kProductName), kSaveChangesAsk,
                         PromptButtons::YesNoCancel)) {
    case PromptAnswer::Yes:
    case PromptAnswer::Ok:
        return SaveDocument();
    case PromptAnswer::No:
        return true;
    case PromptAnswer::Cancel:
        break;
    }
    return false;
}

void DocumentCommands::ListChanged(bool toLastPage) {
    Edited();
    m_page.Sync();
    if (toLastPage) {
        m_page.ShowLastPage();
    }
    Refresh();
}

QString DocumentCommands::AskOpen(const QString& title, const QString& filter, const QString& name,
                                  const QString& ext) {
    return ExtensionCheck(m_dialogs->OpenFile(title, filter, m_paths.UserData(), name), ext);
}

QString DocumentCommands::AskSave(const QString& title, const QString& filter, const QString& name,
                                  const QString& ext) {
    return ExtensionCheck(m_dialogs->SaveFile(title, filter, m_paths.UserData(), name), ext);
}

void DocumentCommands::NewDocument() {
    if (!Allowed() || !ConfirmDrop()) {
        return;
    }
    kestrel::NewDocument(m_doc, m_paths);
    m_page.Reset();
    if (m_hooks.show) {
        m_hooks.show(Change::Whole);
    }
    Refresh();
}

bool DocumentCommands::LoadDocument(const QString& path, bool blnData) {
    WorkingDocument copy = m_doc;
    bool ok = false;
    {
        WaitCursor wait;
        ok = FileLoadTPD(copy, m_paths, path, blnData, true);
    }
    if (!ok) {
        return false;
    }
    m_doc = std::move(copy);
    m_page.Reset();
    if (m_hooks.show) {
        m_hooks.show(blnData ? Change::Whole : Change::Conditions);
    }
    Refresh();
    return true;
}

bool DocumentCommands::SaveTo(const QString& path, bool blnData) {
    if (m_hooks.collect) {
        m_hooks.collect();
    }
    WaitCursor wait;
    const bool ok = FileSaveTPD(m_doc, path, blnData);
    if (ok && blnData && m_hooks.saved) {
        m_hooks.saved();
    }
    return ok;
}

bool DocumentCommands::OpenDocument() {
    if (!Allowed() || !ConfirmDrop()) {
        return false;
    }
    const QString path =
        AskOpen(kOpenTitle, kDataFilter, DefaultDocumentName(m_doc), QStringLiteral("tpd"));
    return !path.isEmpty() && LoadDocument(path, true);
}

bool DocumentCommands::SaveDocument() {
    if (!Allowed()) {
        return false;
    }
    if (m_doc.FilePath.isEmpty()) {
        return SaveDocumentAs();
    }
    return SaveTo(m_doc.FilePath, true);
}

bool DocumentCommands::SaveDocumentAs() {
    if (!Allowed()) {
        return false;
    }
    const QString path =
        AskSave(kSaveTitle, kDataFilter, DefaultDocumentName(m_doc), QStringLiteral("tpd"));
    return !path.isEmpty() && SaveTo(path, true);
}

bool DocumentCommands::OpenConditions() {
    if (!Allowed()) {
        return false;
    }
    const QString path = AskOpen(kOpenTitle, kConditionFilter, QString(), QStringLiteral("tpj"));
    return !path.isEmpty() && LoadDocument(path, false);
}

bool DocumentCommands::OpenFile(const QString& path) {
    const bool blnData = !path.endsWith(QLatin1String(".tpj"), Qt::CaseInsensitive);
    if (!Allowed() || (blnData && !ConfirmDrop())) {
        return false;
    }
    return LoadDocument(QFileInfo(path).absoluteFilePath(), blnData);
}

bool DocumentCommands::SaveConditions() {
    if (!Allowed()) {
        return false;
    }
    const QString path =
        AskSave(kSaveTitle, kConditionFilter, kConditionName, QStringLiteral("tpj"));
    return !path.isEmpty() && SaveTo(path, false);
}

bool DocumentCommands::CsvOpenCommand() {
    if (!Allowed() || !ConfirmDrop()) {
        return false;
    }
    const QString path = AskOpen(kOpenTitle, kCsvFilter, QString(), QStringLiteral("csv"));
    if (path.isEmpty()) {
        return false;
    }
    WorkingDocument copy = m_doc;
    {
        WaitCursor wait;
        if (!CsvOpen(copy, m_paths, path)) {
            return false;
        }
    }
    m_doc = std::move(copy);
    m_page.Reset();
    if (m_hooks.show) {
        m_hooks.show(Change::Whole);
    }
    Refresh();
    return true;
}

bool DocumentCommands::CsvSaveCommand() {
    if (!Allowed()) {
        return false;
    }
    const QString path =
        AskSave(kSaveTitle, kCsvFilter,
                clsTFileCSV::GetCsvFileName(m_doc.Record.Kaisaikai, m_doc.Record.Kumi),
                QStringLiteral("csv"));
    if (path.isEmpty()) {
        return false;
    }
    WaitCursor wait;
    m_doc.Saving = true;
    const bool ok = clsTFileCSV().CsvSave(path, m_doc.Record.Singles);
    m_doc.Saving = false;
    return ok;
}

bool DocumentCommands::CsvAddCommand() {
    if (!Allowed()) {
        return false;
    }
    const QString path = AskOpen(QStringLiteral("現在のシングルに追加"), kCsvFilter, QString(),
                                 QStringLiteral("csv"));
    if (path.isEmpty()) {
        return false;
    }
    bool ok = false;
    {
        WaitCursor wait;
        ok = CsvAdd(m_doc, path);
    }
    if (ok) {
        ResetResults();
        ListChanged();
    }
    return ok;
}

bool DocumentCommands::CsvDelCommand() {
    if (!Allowed()) {
        return false;
    }
    const QString path = AskOpen(QStringLiteral("現在のシングルから削除"), kCsvFilter, QString(),
                                 QStringLiteral("csv"));
    if (path.isEmpty()) {
        return false;
    }
    bool ok = false;
    {
        WaitCursor wait;
        ok = CsvDel(m_doc, path);
    }
    if (ok) {
        ResetResults();
        m_page.Reset();
        ListChanged();
    }
    return ok;
}

bool DocumentCommands::CopyToClipboard(int kind) {
    if (!Allowed()) {
        return false;
    }
    if (m_hooks.collect) {
        m_hooks.collect();
    }
    const QString text = clsTClipboard().GetText(kind, m_doc.Record, m_doc.Schedule);
    if (text.isEmpty()) {
        return false;
    }
    QGuiApplication::clipboard()->setText(text);
    ShowMessage(MessageIcon::Information, QString::fromUtf8(kProductName),
                clsTClipboard::kCopiedText);
    return true;
}

bool DocumentCommands::ImportFromClipboard() {
    if (!Allowed()) {
        return false;
    }
    if (!ClipImport(m_doc, QGuiApplication::clipboard()->text())) {
        return false;
    }
    ResetResults();
    m_page.Reset();
    ListChanged();
    return true;
}

void DocumentCommands::RemoveRepeatsCommand() {
    if (!Allowed()) {
        return;
    }
    bool removed = false;
    {
        WaitCursor wait;
        removed = RemoveRepeats(m_doc);
    }
    if (removed) {
        m_page.Reset();
        ListChanged();
    }
}

void DocumentCommands::SelectAll(bool selected) {
    if (!Allowed()) {
        return;
    }
    m_page.SelectAll(selected);
    Refresh();
}

bool DocumentCommands::AddSingleCommand() {
    if (!Allowed() || !AddSingle(m_doc, Prompt())) {
        return false;
    }
    ListChanged(true);
    return true;
}

bool DocumentCommands::DeleteSelectedCommand() {
    if (!Allowed()) {
        return false;
    }
    m_page.Sync();
    if (!DeleteSingles(m_doc, m_page.Selection(), Prompt())) {
        return false;
    }
    const int page = m_page.Page();
    m_page.SelectAll(false);
    m_page.SetPage(page);
    ListChanged();
    return true;
}

void DocumentCommands::OnListClicked(Qt::MouseButton button, int col, int row) {
    if (button != Qt::LeftButton || row < 2 || !Allowed()) {
        return;
    }
    const int index = m_page.EntryAt(row);
    if (index < 0) {
        AddSingleCommand();
        return;
    }
    int slot = 0;
    int goalClass = 0;
    if (col == 1) {
        m_page.ToggleSelected(index);
    } else if (SingleListPage::ClassAt(col, slot, goalClass) &&
               EditCell(m_doc, index, slot, goalClass, Prompt())) {
        Edited();
    }
    Refresh();
}

void DocumentCommands::Sort(SortKind kind, int k) {
    if (!Allowed() || m_doc.Record.Singles.empty()) {
        return;
    }
    const bool ascending = m_ascending != nullptr && m_ascending->isChecked();
    WaitCursor wait;
    std::vector<int32_t>& list = m_doc.Record.Singles;
    if (kind == SortKind::Grade) {
        // By the grades as the panel shows them: what the player revealed or marked stays.
        m_result.SetSingle(list);
        m_result.GradeSort(list, ascending);
    } else if (kind == SortKind::Expected) {
        Refresh();
        clsTSingleSort::ExpectedSort(list, m_page.Summary().Expectation(), ascending);
    } else {
        clsTSingleSort sort;
        sort.SetVote(m_doc.Record.Vote);
        if (kind == SortKind::Money) {
            sort.MoneySort(list, k, ascending);
        } else if (kind == SortKind::Ninki) {
            sort.NinkiSort(list, k, ascending);
        } else {
            sort.MarkSort(list, k, ascending);
        }
    }
    m_page.SelectAll(false);
    Edited();
    Refresh();
}

} // namespace kestrel
