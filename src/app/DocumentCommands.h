#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <array>
#include <functional>
#include <memory>

#include "app/FileDialogs.h"
#include "platform/ProgramPaths.h"
#include "platform/UserPrompt.h"
#include "results/clsTResult.h"
#include "ui/ResultsPanel.h"
#include "ui/SingleListPanel.h"
#include "workflow/SingleListPage.h"
#include "workflow/WorkingDocument.h"

namespace kestrel {

// The main window's document, CSV, clipboard and list commands, and the two tabs they show: the
// single list (シングル) and the results panel (結果). Every command first runs the window's close
// check, so nothing starts while a search runs or a document is being written. Paths come from
// the injected file dialogs and questions go through the injected prompt, so tests answer both.
// A file that fails to open leaves the current document as it was: loads work on a copy.
class DocumentCommands : public QObject {
    Q_OBJECT
public:
    // What a command replaced in the document, for the window to show.
    enum class Change { Whole, Conditions, List };
    struct Hooks {
        std::function<bool()> closeCheck;     // false refuses the command
        std::function<void()> collect;        // window state into the document before a save
        std::function<void(Change)> show;     // the document into the window after a change
        std::function<bool()> showAllResults; // "常に全ての結果を表示する"
        std::function<bool()> changed;        // the window holds work not saved yet
        std::function<void()> edited;         // a command changed the single list
        std::function<void()> saved;          // the document was written as a data file
    };
    // The question before a command drops changed work.
    static const QString kSaveChangesAsk; // "変更を保存しますか？"
    // Sort keys of "シングル並べ替え(&S)".
    enum class SortKind { Money, Ninki, Mark, Grade, Expected };

    DocumentCommands(WorkingDocument& doc, ProgramPaths paths, clsTCount& count, QWidget* window);

    void SetHooks(Hooks hooks) { m_hooks = std::move(hooks); }
    // Called after every refresh of the list panels.
    void SetRefreshedHook(std::function<void()> hook) { m_refreshed = std::move(hook); }
    void SetDialogs(std::shared_ptr<FileDialogs> dialogs) { m_dialogs = std::move(dialogs); }
    void SetPrompt(std::shared_ptr<UserPrompt> prompt) { m_prompt = std::move(prompt); }

    // Menu entries, appended to the window's menus.
    void AddFileEntries(QMenu* file);
    void AddEditEntries(QMenu* edit);
    // The two tabs (created once, owned by the caller's tab widget).
    SingleListPanel* SinglePanel();
    ResultsPanel* ResultPanel();
    // Redraws the list view and the results panel from the document and shows the single frame
    // in the count panel. The results panel keeps what the player revealed and marked; it takes
    // the round's result afresh only after ResetResults (a new document or list from a file or
    // the clipboard, another round): editing, sorting or switching tabs keeps the reveal.
    void Refresh();
    // The round, its result or "常に全ての結果を表示する" changed, or another document came in:
    // the next refresh sets the results panel up anew.
    void ResetResults() { m_resultsStale = true; }
    // Before a command drops the document: true to go on. Changed work asks "変更を保存しますか？"
    // first; Yes saves through the save command (a save that does not happen keeps everything),
    // No drops the work, Cancel keeps it.
    bool ConfirmDrop();
    // Disables the tabs while a search runs.
    void SetEnabled(bool enabled);

    // The commands.
    void NewDocument();
    bool OpenDocument();
    bool SaveDocument();
    bool SaveDocumentAs();
    bool OpenConditions();
    bool SaveConditions();
    // Loads a file named on the command line as the open commands load it: a condition file
    // (.tpj) loads its conditions, any other file the whole document.
    bool OpenFile(const QString& path);
    bool CsvOpenCommand();
    bool CsvSaveCommand();
    bool CsvAddCommand();
    bool CsvDelCommand();
    bool CopyToClipboard(int kind);
    bool ImportFromClipboard();
    void RemoveRepeatsCommand();
    void SelectAll(bool selected);
    bool AddSingleCommand();
    bool DeleteSelectedCommand();
    void Sort(SortKind kind, int k);
    QAction* AscendingAction() const { return m_ascending; }
    // Shows the estimated-prize sort entries of grades 1..maxGrade only.
    void SetMaxGrade(int maxGrade);

    SingleListPage& Page() { return m_page; }
    clsTResult& Results() { return m_result; }

private:
    bool Allowed() const;
    QString AskOpen(const QString& title, const QString& filter, const QString& name,
                    const QString& ext);
    QString AskSave(const QString& title, const QString& filter, const QString& name,
                    const QString& ext);
    bool LoadDocument(const QString& path, bool blnData);
    bool SaveTo(const QString& path, bool blnData);
    void ListChanged(bool toLastPage = false);
    void Edited();
    void OnListClicked(Qt::MouseButton button, int col, int row);
    void AddSortEntries(QMenu* menu);
    UserPrompt& Prompt() const;

    WorkingDocument& m_doc;
    ProgramPaths m_paths;
    clsTCount& m_count;
    QWidget* m_window;
    Hooks m_hooks;
    std::function<void()> m_refreshed;
    std::shared_ptr<FileDialogs> m_dialogs;
    std::shared_ptr<UserPrompt> m_prompt;
    SingleListPage m_page;
    clsTResult m_result;
    SingleListPanel* m_singlePanel = nullptr;
    ResultsPanel* m_resultPanel = nullptr;
    QAction* m_ascending = nullptr;
    bool m_resultsStale = true;
    std::array<QAction*, 3> m_moneySort{};
};

} // namespace kestrel
