#include "results/clsTResult.h"

#include <QFile>
#include <algorithm>

#include "platform/TextFile.h"
#include "platform/VbFormat.h"
#include "results/clsTSingleSort.h"

namespace kestrel {

namespace {

const char* const kCountMismatch = "シングル数が一致しません";
const char* const kReadFailed = "ファイルの読込に失敗しました。";
const char* const kSaveFailed = "ファイルの保存に失敗しました。";
const char* const kDeleteFailed = "ファイルの削除に失敗しました。";
// What the runtime says when a number indexes past a table, and when an unbound object is used.
const char* const kOutOfRange = "インデックスが有効範囲にありません。";
constexpr int kOutOfRangeNumber = 9;
const char* const kNotBound = "オブジェクト変数または With ブロック変数が設定されていません。";
constexpr int kNotBoundNumber = 91;

QString Crlf() {
    return QStringLiteral("\r\n");
}

} // namespace

clsTResult::clsTResult(ProgramPaths paths)
    : m_paths(std::move(paths)), m_error(QStringLiteral("clsTResult")) {
    m_multi.SetChangeHandler([this](bool click) { OnMarkChange(click); });
    BuildHits();
}

void clsTResult::Initialize(clsTCount* summary) {
    m_summary = summary;
    m_grid.SetColorImage(0, ResultColor::Blue);
    m_grid.SetColorImage(1, ResultColor::Yellow);
    m_grid.SetColorImage(2, ResultColor::Red);
    m_grid.SetColorImage(3, ResultColor::Green);
    m_grade.Clear(m_kaisaikai);
    m_kakutei.Clear();
    m_initialized = true;
}

void clsTResult::SetResultData(int32_t lngKaisaikai, const QString& strKumi,
                               const ResultRecord& result, bool blnShowAll) {
    if (!m_initialized) {
        m_error.ReportUnexpected(QStringLiteral("SetResultData"), QString::fromUtf8(kNotBound),
                                 kNotBoundNumber);
        return;
    }
    m_kaisaikai = lngKaisaikai;
    m_kumi = strKumi;
    m_result = result;
    m_reveal = 0;
    m_tempFailedPath.clear(); // a new round setting reports a bad file again, once
    Rebuild(blnShowAll ? Reveal::All : Reveal::None);
}

bool clsTResult::SetSingle(const std::vector<int32_t>& lngSingle, const RunControl* control) {
    const int64_t count = static_cast<int64_t>(lngSingle.size());
    const bool progress = control != nullptr && count >= kProgressFrom;
    bool valid = true;
    for (int64_t i = 0; i < count; ++i) {
        const int32_t no = lngSingle[static_cast<size_t>(i)];
        if (no < 0 || no >= kSingleCount) {
            valid = false;
            break;
        }
        if (progress && i % kProgressStep == 0) {
            control->Progress(static_cast<int>(i), static_cast<int>(count - 1));
        }
    }
    if (valid) {
        m_singles = lngSingle;
    } else {
        m_error.ReportUnexpected(QStringLiteral("SetSingle_Sub"), QString::fromUtf8(kOutOfRange),
                                 kOutOfRangeNumber);
        m_singles.clear();
    }
    m_lastPage = m_singles.empty() ? 0 : static_cast<int>((m_singles.size() - 1) / kPageSize);
    Grade(true);
    ShowPage(0);
    return valid;
}

void clsTResult::SetNextData() {
    Rebuild(Reveal::Next);
}

void clsTResult::SetAlltData() {
    Rebuild(Reveal::All);
}

bool clsTResult::GradeSort(std::vector<int32_t>& lngSingle, bool blnAscending) {
    if (lngSingle.size() != m_grades.size()) {
        m_error.Report(QStringLiteral("GradeSort_Sub"), QString::fromUtf8(kCountMismatch));
        return false;
    }
    clsTSingleSort::GradeSort(lngSingle, m_grades, blnAscending);
    return true;
}

void clsTResult::SetPopup(int index) {
    m_multi.SetPopup(index);
}

void clsTResult::MarkLeftClick(int t, int c) {
    if (t < 0 || t >= kSlotCount) {
        return;
    }
    const int official = HasOfficialResult() ? m_result.Slots[t].Result : -1;
    m_multi.LeftClick(t, c, official);
}

QStringList clsTResult::MarkRightClick(int t) {
    return m_multi.RightClick(t);
}

void clsTResult::Clear() {
    // The marks go, so no team of the official result is revealed any more.
    m_reveal = 0;
    m_singles.clear();
    m_grades.clear();
    m_lastPage = 0;
    m_multi.Clear();
    m_counts.fill(0);
    BuildHits();
    m_grade.Clear(m_kaisaikai);
    m_kakutei.Clear();
    ShowPage(0);
}

void clsTResult::PrevPage() {
    ShowPage(m_page - 1);
}

void clsTResult::NextPage() {
    ShowPage(m_page + 1);
}

QString clsTResult::PageLabel() const {
    return QString::number(m_page + 1) + QStringLiteral("／") + QString::number(m_lastPage + 1);
}

QString clsTResult::SingleCountText() const {
    return VbFormat::Format(SingleCount(), QStringLiteral("#,##0"));
}

QString clsTResult::ResultTempPath() const {
    return ResultTempPath(m_paths, m_kaisaikai, m_kumi);
}

QString clsTResult::ResultTempPath(const ProgramPaths& paths, int32_t lngKaisaikai,
                                   const QString& strKumi) {
    // The group names a file in SysData/Temp; one that could reach another folder names none.
    if (strKumi.contains(QLatin1Char('/')) || strKumi.contains(QLatin1Char('\\')) ||
        strKumi.contains(QLatin1Char(':')) || strKumi.contains(QLatin1String(".."))) {
        return {};
    }
    QString name = QStringLiteral("Kestrel_Result_") +
                   VbFormat::Format(static_cast<int64_t>(lngKaisaikai), QStringLiteral("000"));
    if (!strKumi.isEmpty()) {
        name += QStringLiteral("_") + strKumi;
    }
    return paths.Temp() + QStringLiteral("/") + name + QStringLiteral(".dat");
}

void clsTResult::Rebuild(Reveal mode) {
    ResultMarks marks{};
    const QString path = ResultTempPath();
    if (!path.isEmpty() && QFile::exists(path)) {
        if (HasOfficialResult()) {
            if (!QFile::remove(path)) {
                m_error.Report(QStringLiteral("LoadResultTemp"),
                               QString::fromUtf8(kDeleteFailed) + Crlf() + path);
            }
        } else {
            LoadResultTemp(path, marks);
        }
    }
    if (HasOfficialResult()) {
        int shown = 0;
        if (mode == Reveal::Next) {
            m_reveal = std::min(m_reveal + 1, kSlotCount);
            shown = m_reveal;
        } else if (mode == Reveal::All) {
            m_reveal = kSlotCount;
            shown = kSlotCount;
        }
        for (int t = 0; t < shown; ++t) {
            const uint8_t c = m_result.Slots[t].Result;
            if (c < kGoalClassCount) {
                marks[t][c] = kResultOfficial;
            } else if (c == kVoidClass) {
                marks[t].fill(kResultOfficialVoid);
            }
        }
    }
    m_multi.SetValue(marks);
}

void clsTResult::LoadResultTemp(const QString& path, ResultMarks& marks) const {
    const QString procedure = QStringLiteral("LoadResultTemp");
    const QString failure = QString::fromUtf8(kReadFailed) + Crlf() + path;
    const auto fail = [&] {
        if (m_tempFailedPath != path) {
            m_error.Report(procedure, failure);
        }
        m_tempFailedPath = path;
    };
    QString text;
    if (!TextFile::Read(path, text)) {
        fail();
        return;
    }
    // Only the first six lines and their first four fields are looked at, so a huge file costs
    // no more than its text.
    QStringView rest(text);
    for (int t = 0; t < kSlotCount; ++t) {
        if (rest.isEmpty()) {
            fail();
            return;
        }
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != QLatin1Char('\r') &&
               rest[end] != QLatin1Char('\n')) {
            ++end;
        }
        QStringView line = rest.first(end);
        rest = rest.sliced(end);
        if (rest.startsWith(u"\r\n")) {
            rest = rest.sliced(2);
        } else if (!rest.isEmpty()) {
            rest = rest.sliced(1);
        }
        for (int c = 0; c < kGoalClassCount; ++c) {
            const qsizetype comma = line.indexOf(QLatin1Char(','));
            const QStringView field = comma < 0 ? line : line.first(comma);
            const bool present = !line.isEmpty() || comma >= 0 || c == 0;
            line = comma < 0 ? QStringView() : line.sliced(comma + 1);
            bool ok = false;
            const int value = present ? field.trimmed().toInt(&ok) : -1;
            if (!ok || value < kResultNone || value > kResultOfficialVoid) {
                fail();
                return;
            }
            marks[t][c] = static_cast<uint8_t>(value);
        }
    }
    m_tempFailedPath.clear();
}

void clsTResult::SaveResultTemp() const {
    const QString path = ResultTempPath();
    if (path.isEmpty()) {
        return;
    }
    QStringList lines;
    const ResultMarks& marks = m_multi.Value();
    for (int t = 0; t < kSlotCount; ++t) {
        QStringList fields;
        for (int c = 0; c < kGoalClassCount; ++c) {
            fields << QString::number(marks[t][c]);
        }
        lines << fields.join(QLatin1Char(','));
    }
    if (!TextFile::WriteLines(path, lines)) {
        m_error.Report(QStringLiteral("SaveResultTemp"),
                       QString::fromUtf8(kSaveFailed) + Crlf() + path);
    }
}

void clsTResult::OnMarkChange(bool click) {
    Grade(FullResult());
    ShowPage(m_page);
    if (click && !HasOfficialResult() && m_kaisaikai >= kSaveTempFrom) {
        SaveResultTemp();
    }
}

void clsTResult::BuildHits() {
    const ResultMarks& marks = m_multi.Value();
    for (int t = 0; t < kSlotCount; ++t) {
        bool empty = true;
        for (int c = 0; c < kGoalClassCount; ++c) {
            empty = empty && marks[t][c] == kResultNone;
        }
        for (int c = 0; c < kGoalClassCount; ++c) {
            m_hits[t][c] = empty ? kResultOfficialVoid : marks[t][c];
        }
    }
    // Grade of every single: 7 - number of slots whose class is a hit.
    for (int32_t no = 0; no < kSingleCount; ++no) {
        int hits = 0;
        for (int t = 0; t < kSlotCount; ++t) {
            hits += m_hits[t][clsTNumber::Digit(no, t)] != kResultNone ? 1 : 0;
        }
        m_gradeOf[no] = static_cast<uint8_t>(7 - hits);
    }
}

void clsTResult::Grade(bool payouts) {
    BuildHits();
    m_counts.fill(0);
    const size_t count = m_singles.size();
    m_grades.resize(count);
    std::array<int64_t, 8> tally{};
    const int32_t* singles = m_singles.data();
    uint8_t* grades = m_grades.data();
    for (size_t i = 0; i < count; ++i) {
        const uint8_t g = m_gradeOf[static_cast<size_t>(singles[i])];
        grades[i] = g;
        ++tally[g];
    }
    for (int g = 1; g <= 7; ++g) {
        m_counts[g - 1] = tally[g];
    }
    m_grade.SetValue(m_counts, m_kaisaikai);
    if (payouts) {
        if (AllTeamsOfficial()) {
            m_kakutei.SetResult(m_result);
            m_kakutei.SetValue(m_counts);
        } else {
            m_kakutei.Clear();
        }
    }
    if (m_summary != nullptr) {
        m_summary->SetVisible(m_multi.VisibleTable());
        m_summary->Refresh();
    }
}

bool clsTResult::AllTeamsOfficial() const {
    const ResultMarks& marks = m_multi.Value();
    for (int t = 0; t < kSlotCount; ++t) {
        bool official = false;
        for (int c = 0; c < kGoalClassCount; ++c) {
            official =
                official || marks[t][c] == kResultOfficial || marks[t][c] == kResultOfficialVoid;
        }
        if (!official) {
            return false;
        }
    }
    return true;
}

void clsTResult::ShowPage(int page) {
    m_page = std::clamp(page, 0, m_lastPage);
    for (int j = 0; j < clsTResultGrid::kColumns; ++j) {
        const size_t index = static_cast<size_t>(m_page) * kPageSize + static_cast<size_t>(j);
        if (index >= m_singles.size()) {
            m_grid.SetClear(j);
            continue;
        }
        GradedSingle single;
        for (int t = 0; t < kSlotCount; ++t) {
            single.Classes[t] = static_cast<uint8_t>(clsTNumber::Digit(m_singles[index], t));
        }
        single.Grade = m_grades[index];
        m_grid.SetValue(j, single, m_hits, m_kaisaikai);
    }
    m_grid.Refresh();
    if (m_redraw) {
        m_redraw();
    }
}

} // namespace kestrel
