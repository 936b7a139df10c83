#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "core/ResultRecord.h"
#include "core/ScheduleRecord.h"
#include "core/UserVoteRateModel.h"
#include "documents/DocumentRecord.h"
#include "platform/ProgramPaths.h"
#include "platform/RunControl.h"
#include "platform/UserPrompt.h"

namespace kestrel {

// The state every main-window command works on, as one value. Record holds what a data file
// stores: round and group, mark table, conditions, search settings, the compressed result, the
// single list with its frame, the report (the message-log lines, each ended by CR LF) and the
// vote status in use. Beside it the round's schedule and result, the document's path and the
// saving flag and edit lock of the single list.
struct WorkingDocument {
    DocumentRecord Record;
    ScheduleRecord Schedule;
    ResultRecord Result;
    QString FilePath; // empty for a new document
    bool Saving = false;
    bool EditLock = false;
    // Price of one single for the expected-value figures (configuration, never stored).
    double TicketPrice = 100.0;
};

// Texts the document and list commands show.
struct WorkingDocumentTexts {
    static const QString kNoRepeats;      // "重複したシングルは存在しません"
    static const QString kRepeatsRemoved; // "重複したシングルを消去しました"
    static const QString kAddSingleTitle; // "シングルを追加"
    static const QString kAddSingleAsk; // "シングルを１口追加します。よろしいですか？"
    static const QString kDeleteTitle; // "選択シングルを削除"
    static const QString kDeleteNone; // "削除対象のシングルが選択されていません"
    static const QString kDeleteAsk; // "選択シングルを削除します。よろしいですか？"
    static const QString kEditLocked; // "編集がロックされています。編集のロックを解除しますか？"
    static const QString kImported; // "口取り込みしました"
};

// " Fernhollow  Kestrel", followed by " - [<file name>]" when the document has a path. Work not
// saved yet (changed) shows "*" after the file name, or after the caption of a new document.
QString WindowCaption(const WorkingDocument& doc, bool changed = false);
// The default data-file name "KST-" + round as "000" + group + ".tpd".
QString DefaultDocumentName(const WorkingDocument& doc);

// The report as list lines and back (blank lines are not kept).
QStringList ReportLines(const DocumentRecord& record);
QString ReportText(const QStringList& lines);

// Groups "J1" and "J2" of the three condition kinds take the teams of the document's schedule,
// by the league lists of the team-name tables in paths.
void AssignJ1J2Groups(WorkingDocument& doc, const ProgramPaths& paths);
// New document: clears the multi, the conditions (the payout check boxes' availability stays),
// the search settings, the compressed result, the single list and its frame, the report and the
// path. Round, group and the round's records stay; groups "J1" and "J2" take the teams of the
// round's schedule (leagues from the team-name tables of paths). The player's odds of the round
// come back from their per-round file.
void NewDocument(WorkingDocument& doc, const ProgramPaths& paths);
// Round change: takes the round and reads its stored schedule, vote status and result from the
// stores (a missing file gives an empty record); the group is always empty. Groups "J1" and "J2"
// of the conditions take the teams of the new schedule.
void SetKaisaikai(WorkingDocument& doc, const ProgramPaths& paths, int32_t round);
// Recomputes the frame of the single list (saving flag on meanwhile).
void UpdateSingleFrame(WorkingDocument& doc);

// Opens a data file (blnData) or condition file into the document. The file is read over a new
// document (or over default conditions) and replaces the document (or its conditions) only when
// it reads: a wrong kind of file or one that does not read changes nothing. blnMessages false
// suppresses this function's own boxes (batch runs). On failure reason (when given) receives the
// box's text: the message, then a line naming the file, the line number and the key or block at
// fault.
bool FileLoadTPD(WorkingDocument& doc, const ProgramPaths& paths, const QString& path, bool blnData,
                 bool blnMessages, RunControl* control = nullptr, QString* reason = nullptr);
// Writes the document (blnData) or its conditions; a data-file save makes path the document's.
bool FileSaveTPD(WorkingDocument& doc, const QString& path, bool blnData, bool blnReport = true,
                 RunControl* control = nullptr);

// "重複シングル削除": keeps each single at its first occurrence and reports the counts. True when
// something was removed.
bool RemoveRepeats(WorkingDocument& doc);
// "シングルを追加": after a Yes appends the single 0. True when appended.
bool AddSingle(WorkingDocument& doc, UserPrompt& prompt);
// "選択シングルを削除": removes the entries whose flag is set (after a Yes). True when removed.
bool DeleteSingles(WorkingDocument& doc, const std::vector<bool>& selected, UserPrompt& prompt);
// A click on goal class goalClass of slot index slot of entry index: that slot of the single
// becomes the class; a locked list asks first and a Yes unlocks it. True when changed.
bool EditCell(WorkingDocument& doc, int index, int slot, int goalClass, UserPrompt& prompt);

// " 投票率（ユーザー定義）": the editor starts from the document's vote rates, one row per team of
// its schedule.
void LoadUserVoteRates(const WorkingDocument& doc, UserVoteRateModel& rates);
// The confirmed user-defined rates become the document's vote status: round and group of the
// document, no as-of time (which the status text shows as user-defined), count = value and
// rate = value / 100.
void SetUserVoteRates(WorkingDocument& doc, const UserVoteRateModel& rates);

// "CSV 開く": the file's singles become a new document's list; a round in the file name selects
// that round. A file that does not read changes nothing.
bool CsvOpen(WorkingDocument& doc, const ProgramPaths& paths, const QString& path,
             RunControl* control = nullptr);
// "現在のシングルに追加" / "現在のシングルから削除", with the frame recomputed.
bool CsvAdd(WorkingDocument& doc, const QString& path, RunControl* control = nullptr);
bool CsvDel(WorkingDocument& doc, const QString& path, RunControl* control = nullptr);
// "クリップボードから取り込み": the singles of the text replace the list and the count is
// reported; text without any single changes nothing and returns false.
bool ClipImport(WorkingDocument& doc, const QString& text);

} // namespace kestrel
