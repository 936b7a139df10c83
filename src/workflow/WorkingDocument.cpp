#include "workflow/WorkingDocument.h"

#include <QDir>
#include <QFileInfo>
#include <array>

#include "core/SingleListCsv.h"
#include "core/clsTNumber.h"
#include "core/clsTSingleFrame.h"
#include "documents/clsTClipImport.h"
#include "documents/clsTFileCSV.h"
#include "documents/clsTFileTPD.h"
#include "platform/ErrorReporter.h"
#include "platform/VbFormat.h"
#include "platform/Version.h"
#include "store/PlayerOddsStore.h"
#include "store/clsTotoData.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"

namespace kestrel {

const QString WorkingDocumentTexts::kNoRepeats = QStringLiteral("重複したシングルは存在しません");
const QString WorkingDocumentTexts::kRepeatsRemoved =
    QStringLiteral("重複したシングルを消去しました");
const QString WorkingDocumentTexts::kAddSingleTitle = QStringLiteral("シングルを追加");
const QString WorkingDocumentTexts::kAddSingleAsk =
    QStringLiteral("シングルを１口追加します。よろしいですか？");
const QString WorkingDocumentTexts::kDeleteTitle = QStringLiteral("選択シングルを削除");
const QString WorkingDocumentTexts::kDeleteNone =
    QStringLiteral("削除対象のシングルが選択されていません");
const QString WorkingDocumentTexts::kDeleteAsk =
    QStringLiteral("選択シングルを削除します。よろしいですか？");
const QString WorkingDocumentTexts::kEditLocked =
    QStringLiteral("編集がロックされています。編集のロックを解除しますか？");
const QString WorkingDocumentTexts::kImported = QStringLiteral("口取り込みしました");

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString Product() {
    return QString::fromLatin1(kProductName);
}

void Inform(const QString& text, const QString& title = Product()) {
    ShowMessage(MessageIcon::Information, title, text);
}

// The single list view asks with the question icon; a Yes goes on. Questions that delete or
// unlock preselect No, so Enter changes nothing.
bool AskYes(UserPrompt& prompt, const QString& title, const QString& text,
            PromptAnswer preselected = PromptAnswer::Yes) {
    return prompt.Ask(title, text, PromptButtons::YesNo, preselected) == PromptAnswer::Yes;
}

// Older documents carry no vote block: the round's archived final figures stand in when the
// stored as-of time names one.
void TakeArchivedVote(WorkingDocument& doc, const ProgramPaths& paths) {
    const DateTime asOf = doc.Record.VoteTime;
    if (!asOf.HasDate()) {
        return;
    }
    clsXmlVote store(paths);
    if (store.XmlLoad(store.GetArchiveFileName(doc.Record.Kaisaikai, asOf))) {
        doc.Record.Vote = store.Vote();
    }
}

} // namespace

QString WindowCaption(const WorkingDocument& doc, bool changed) {
    const QString mark = changed ? QStringLiteral("*") : QString();
    QString caption = QStringLiteral(" Fernhollow  ") + Product();
    if (doc.FilePath.isEmpty()) {
        return changed ? caption + QStringLiteral(" ") + mark : caption;
    }
    return caption + QStringLiteral(" - [") + QFileInfo(doc.FilePath).fileName() + mark +
           QStringLiteral("]");
}

QString DefaultDocumentName(const WorkingDocument& doc) {
    return QStringLiteral("KST-") +
           VbFormat::Format(int64_t{doc.Record.Kaisaikai}, QStringLiteral("000")) +
           doc.Record.Kumi + QStringLiteral(".tpd");
}

QStringList ReportLines(const DocumentRecord& record) {
    QStringList lines;
    for (const QString& line : record.SakugenMessage.split(kCrLf)) {
        if (!line.trimmed().isEmpty()) {
            lines << line;
        }
    }
    return lines;
}

QString ReportText(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        if (!line.trimmed().isEmpty()) {
            text += line + kCrLf;
        }
    }
    return text;
}

void AssignJ1J2Groups(WorkingDocument& doc, const ProgramPaths& paths) {
    const clsTotoData teams(paths);
    doc.Record.Conditions.AssignJ1J2(doc.Schedule, teams);
}

void NewDocument(WorkingDocument& doc, const ProgramPaths& paths) {
    DocumentRecord fresh;
    fresh.Kaisaikai = doc.Record.Kaisaikai;
    fresh.Kumi = doc.Record.Kumi;
    fresh.VoteTime = doc.Record.VoteTime;
    fresh.Vote = doc.Record.Vote;
    fresh.Conditions.Haitou.Enabled = doc.Record.Conditions.Haitou.Enabled;
    fresh.Odds = PlayerOddsStore(paths).Load(fresh.Kaisaikai);
    doc.Record = std::move(fresh);
    doc.FilePath.clear();
    AssignJ1J2Groups(doc, paths);
}

void SetKaisaikai(WorkingDocument& doc, const ProgramPaths& paths, int32_t round) {
    const QString group;
    clsXmlSchedule schedule(paths);
    clsXmlVote vote(paths);
    clsXmlResult result(paths);
    doc.Schedule = schedule.XmlLoad(schedule.GetFileName(round, group)) ? schedule.Schedule()
                                                                        : ScheduleRecord();
    doc.Record.Vote = vote.XmlLoad(vote.GetFileName(round, group)) ? vote.Vote() : VoteRecord();
    doc.Result =
        result.XmlLoad(result.GetFileName(round, group)) ? result.Result() : ResultRecord();
    doc.Record.Kaisaikai = round;
    doc.Record.Kumi = group;
    doc.Record.VoteTime = doc.Record.Vote.AsOf;
    AssignJ1J2Groups(doc, paths);
}

void UpdateSingleFrame(WorkingDocument& doc) {
    doc.Saving = true;
    clsTSingleFrame().GetSingleFrame(doc.Record.Singles, doc.Record.SingleFrame);
    doc.Saving = false;
}

bool FileLoadTPD(WorkingDocument& doc, const ProgramPaths& paths, const QString& path, bool blnData,
                 bool blnMessages, RunControl* control, QString* reason) {
    clsTFileTPD file(control);
    int32_t dataVersion = 0;
    const auto wrongKind = [&] {
        if (reason) {
            *reason = clsTFileTPD::kWrongTypeText;
        }
        if (blnMessages) {
            ShowMessage(MessageIcon::Warning, clsTFileTPD::kWrongTypeTitle,
                        clsTFileTPD::kWrongTypeText);
        }
        return false;
    };
    // The program's own message, then a line naming the file, line and key at fault.
    const auto loadFailed = [&] {
        const QString text = clsTFileTPD::kLoadFailedText + QLatin1Char('\n') +
                             file.LastError().Where(QDir::toNativeSeparators(path));
        if (reason) {
            *reason = text;
        }
        if (blnMessages) {
            ShowMessage(MessageIcon::Warning, Product(), text);
        }
        return false;
    };
    if (!file.DataTypeCheck(path, blnData, dataVersion)) {
        // A file that could not be read at all (missing, too big, not Shift_JIS) is a failed
        // load, not a file of another kind.
        return file.LastError().description.isEmpty() ? wrongKind() : loadFailed();
    }
    // The file is read into a reset copy, and the document takes it only when the whole file
    // read: a broken file never costs the user the unsaved work in the window.
    WorkingDocument loaded = doc;
    if (blnData) {
        NewDocument(loaded, paths);
    } else {
        loaded.Record.Conditions.Clear();
        AssignJ1J2Groups(loaded, paths);
    }
    DocumentRecord copy = loaded.Record;
    // A vote block is the only source of the copy's vote status; an older file takes the round's.
    copy.Vote = VoteRecord();
    copy.VoteTime = DateTime();
    doc.Saving = true;
    const bool ok = file.Load(path, copy);
    doc.Saving = false;
    if (!ok) {
        return loadFailed();
    }
    if (!blnData) {
        doc.Record.Conditions = copy.Conditions;
        return true;
    }
    SetKaisaikai(loaded, paths, copy.Kaisaikai);
    const VoteRecord stored = loaded.Record.Vote;
    loaded.Record = std::move(copy);
    if (dataVersion < clsTFileTPD::kFirstVoteBlockVersion) {
        loaded.Record.Vote = stored;
        TakeArchivedVote(loaded, paths);
    }
    if (!loaded.Record.Vote.AsOf.IsZero()) {
        loaded.Record.VoteTime = loaded.Record.Vote.AsOf;
    }
    loaded.FilePath = path;
    doc = std::move(loaded);
    return true;
}

bool FileSaveTPD(WorkingDocument& doc, const QString& path, bool blnData, bool blnReport,
                 RunControl* control) {
    DocumentRecord record = doc.Record;
    if (!record.Vote.AsOf.IsZero()) {
        record.VoteTime = record.Vote.AsOf;
    }
    doc.Saving = true;
    const bool ok = clsTFileTPD(control).Save(path, blnData, record, blnReport);
    doc.Saving = false;
    if (ok && blnData) {
        doc.FilePath = path;
    }
    return ok;
}

bool RemoveRepeats(WorkingDocument& doc) {
    std::array<bool, kSingleCount> seen{};
    std::vector<int32_t> kept;
    const std::vector<int32_t>& singles = doc.Record.Singles;
    kept.reserve(singles.size());
    for (const int32_t no : singles) {
        const bool valid = no >= 0 && no < kSingleCount;
        if (valid && seen[static_cast<size_t>(no)]) {
            continue;
        }
        if (valid) {
            seen[static_cast<size_t>(no)] = true;
        }
        kept.push_back(no);
    }
    if (kept.size() == singles.size()) {
        Inform(WorkingDocumentTexts::kNoRepeats);
        return false;
    }
    const auto before = static_cast<int64_t>(singles.size());
    const auto after = static_cast<int64_t>(kept.size());
    doc.Record.Singles = std::move(kept);
    UpdateSingleFrame(doc);
    Inform(WorkingDocumentTexts::kRepeatsRemoved + kCrLf + QStringLiteral("シングル総数：") +
           VbFormat::Format(before, QStringLiteral("#,##0")) + QStringLiteral(" → ") +
           VbFormat::Format(after, QStringLiteral("#,##0")));
    return true;
}

bool AddSingle(WorkingDocument& doc, UserPrompt& prompt) {
    if (!AskYes(prompt, WorkingDocumentTexts::kAddSingleTitle,
                WorkingDocumentTexts::kAddSingleAsk)) {
        return false;
    }
    doc.Record.Singles.push_back(0);
    for (int t = 0; t < kSlotCount; ++t) {
        ++doc.Record.SingleFrame[0][static_cast<size_t>(t)];
    }
    return true;
}

bool DeleteSingles(WorkingDocument& doc, const std::vector<bool>& selected, UserPrompt& prompt) {
    std::vector<int32_t>& singles = doc.Record.Singles;
    bool any = false;
    for (size_t i = 0; i < singles.size() && i < selected.size(); ++i) {
        any = any || selected[i];
    }
    if (!any) {
        Inform(WorkingDocumentTexts::kDeleteNone, WorkingDocumentTexts::kDeleteTitle);
        return false;
    }
    if (!AskYes(prompt, WorkingDocumentTexts::kDeleteTitle, WorkingDocumentTexts::kDeleteAsk,
                PromptAnswer::No)) {
        return false;
    }
    std::vector<int32_t> kept;
    kept.reserve(singles.size());
    for (size_t i = 0; i < singles.size(); ++i) {
        if (i >= selected.size() || !selected[i]) {
            kept.push_back(singles[i]);
        }
    }
    singles = std::move(kept);
    UpdateSingleFrame(doc);
    return true;
}

bool EditCell(WorkingDocument& doc, int index, int slot, int goalClass, UserPrompt& prompt) {
    std::vector<int32_t>& singles = doc.Record.Singles;
    if (index < 0 || index >= static_cast<int>(singles.size()) || slot < 0 || slot >= kSlotCount ||
        goalClass < 0 || goalClass >= kGoalClassCount) {
        return false;
    }
    const int32_t old = singles[static_cast<size_t>(index)];
    if (old < 0 || old >= kSingleCount) {
        return false;
    }
    if (doc.EditLock) {
        if (!AskYes(prompt, Product(), WorkingDocumentTexts::kEditLocked, PromptAnswer::No)) {
            return false;
        }
        doc.EditLock = false;
    }
    const clsTNumber number;
    clsTNumber::ByteKousei kousei{};
    number.NoToByte(old, kousei);
    const int oldClass = kousei[static_cast<size_t>(slot)];
    kousei[static_cast<size_t>(slot)] = static_cast<uint8_t>(goalClass);
    int32_t no = 0;
    number.ByteToNo(kousei, no);
    singles[static_cast<size_t>(index)] = no;
    --doc.Record.SingleFrame[static_cast<size_t>(oldClass)][static_cast<size_t>(slot)];
    ++doc.Record.SingleFrame[static_cast<size_t>(goalClass)][static_cast<size_t>(slot)];
    return true;
}

void LoadUserVoteRates(const WorkingDocument& doc, UserVoteRateModel& rates) {
    std::array<QString, kSlotCount> teams;
    for (int t = 0; t < kSlotCount; ++t) {
        teams[t] = doc.Schedule.Slots[t].Team;
    }
    rates.Load(doc.Record.Vote, teams);
}

void SetUserVoteRates(WorkingDocument& doc, const UserVoteRateModel& rates) {
    VoteRecord owner;
    owner.Kaisaikai = doc.Record.Kaisaikai;
    owner.Kumi = doc.Record.Kumi;
    doc.Record.Vote = rates.Result(owner);
    doc.Record.VoteTime = DateTime();
}

bool CsvOpen(WorkingDocument& doc, const ProgramPaths& paths, const QString& path,
             RunControl* control) {
    std::vector<int32_t> singles;
    if (!clsTFileCSV(control).CsvLoad(path, singles)) {
        return false;
    }
    NewDocument(doc, paths);
    doc.Record.Singles = std::move(singles);
    UpdateSingleFrame(doc);
    const int32_t round = clsTFileCSV::GetKaisaikai(path);
    if (round > 0) {
        SetKaisaikai(doc, paths, round);
    }
    return true;
}

bool CsvAdd(WorkingDocument& doc, const QString& path, RunControl* control) {
    if (!clsTFileCSV(control).CsvAdd(path, doc.Record.Singles)) {
        return false;
    }
    UpdateSingleFrame(doc);
    return true;
}

bool CsvDel(WorkingDocument& doc, const QString& path, RunControl* control) {
    if (!clsTFileCSV(control).CsvDel(path, doc.Record.Singles)) {
        return false;
    }
    UpdateSingleFrame(doc);
    return true;
}

bool ClipImport(WorkingDocument& doc, const QString& text) {
    std::vector<int32_t> singles = clsTClipImport::Import(text);
    if (singles.empty()) {
        return false;
    }
    // A list no data file could hold is refused before it replaces anything.
    if (singles.size() > size_t{SingleListCsv::kMaxSingles}) {
        ShowMessage(MessageIcon::Warning, Product(), SingleListCsv::TooManyText(singles.size()));
        return false;
    }
    const auto count = static_cast<int64_t>(singles.size());
    doc.Record.Singles = std::move(singles);
    UpdateSingleFrame(doc);
    Inform(QString::number(count) + WorkingDocumentTexts::kImported);
    return true;
}

} // namespace kestrel
