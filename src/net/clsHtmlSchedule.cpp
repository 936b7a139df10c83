#include "net/clsHtmlSchedule.h"

#include "net/PageRequest.h"
#include "net/PieceReader.h"
#include "net/clsHtmlToto.h"
#include "platform/Clock.h"
#include "store/clsTotoData.h"

namespace kestrel {

namespace {

const char16_t* const kProgress = u"回 開催情報取得中 (オフィシャル)";
const char16_t* const kNotShown = u"ご指定のくじ情報は表示できません。";
const char16_t* const kRoundCancelled = u"くじは中止となりました。";
const char16_t* const kProcedure = u"GetSchedule";
constexpr int kMaxMatchPiece = 14;
constexpr int kMatches = 3;

QString HeaderText(const QString& group) {
    return group.isEmpty() ? QStringLiteral("totoGOAL3くじ情報")
                           : QStringLiteral("totoGOAL3-") + group + QStringLiteral("組くじ情報");
}

// One parse over the pieces after the header.
class ScheduleScan {
public:
    ScheduleScan(PieceReader& reader, ScheduleRecord& record, clsTotoData& teams, int32_t round)
        : m_reader(reader), m_record(record), m_teams(teams), m_round(round),
          m_year(CurrentClock()->Now().Year()) {}

    // False when the scan hit an unexpected error (already described by ErrorText).
    bool Run(qsizetype from) {
        for (qsizetype i = from; i < m_reader.Size();) {
            i = Step(i);
            if (m_stop) {
                return false;
            }
        }
        return true;
    }
    bool Failed() const { return m_failed; }

private:
    qsizetype Step(qsizetype i) {
        const QString piece = m_reader.At(i);
        if (piece == QString::fromUtf16(kRoundCancelled)) {
            m_record.State = HoldState::Cancelled;
            return i + 1;
        }
        if (piece == QStringLiteral("販売開始日")) {
            m_record.SaleStart = clsHtmlToto::StringToDateEx(m_reader.At(i + 1));
            if (m_record.SaleStart.HasDate()) {
                m_year = m_record.SaleStart.Year();
            }
            return i + 2;
        }
        if (piece == QStringLiteral("販売終了日")) {
            m_record.SaleEnd = clsHtmlToto::StringToDateEx2(m_reader.At(i + 1));
            return i + 2;
        }
        if (DateOf(piece) != nullptr) {
            *DateOf(piece) = clsHtmlToto::StringToDateEx(m_reader.At(i + 1));
            return i + 2;
        }
        const int match = clsHtmlToto::SmallNumber(piece, kMaxMatchPiece);
        if (match == 0) {
            return i + 1;
        }
        if (match > kMatches) {
            m_stop = true;
            return i + 1;
        }
        ReadMatch(match, i);
        return i + 7;
    }

    DateTime* DateOf(const QString& piece) {
        if (piece == QStringLiteral("結果発表日")) {
            return &m_record.ResultDate;
        }
        if (piece == QStringLiteral("払戻開始日")) {
            return &m_record.PayStart;
        }
        if (piece == QStringLiteral("払戻期限")) {
            return &m_record.PayEnd;
        }
        return nullptr;
    }

    void ReadMatch(int match, qsizetype i) {
        ScheduleSlot& home = m_record.Slots[2 * match - 2];
        ScheduleSlot& away = m_record.Slots[2 * match - 1];
        const DateTime date = clsHtmlToto::MonthDayDate(m_year, m_reader.At(i + 1));
        const DateTime time = clsHtmlToto::StringToDate(m_reader.At(i + 2)).TimePart();
        for (ScheduleSlot* slot : {&home, &away}) {
            slot->GameDate = date;
            slot->GameTime = time;
            slot->Stadium = m_reader.At(i + 3);
        }
        home.Team = m_teams.GetShortTeamName(m_reader.At(i + 4), m_round);
        const QString state = m_reader.At(i + 5);
        const QString stored = state == QLatin1String("VS") ? state : QStringLiteral("中止");
        home.State = stored;
        away.State = stored;
        away.Team = m_teams.GetShortTeamName(m_reader.At(i + 6), m_round);
        if (home.Team.isEmpty() || away.Team.isEmpty() || state != stored) {
            m_failed = true;
        }
    }

    PieceReader& m_reader;
    ScheduleRecord& m_record;
    clsTotoData& m_teams;
    int32_t m_round;
    int m_year;
    bool m_failed = false;
    bool m_stop = false;
};

} // namespace

clsHtmlSchedule::clsHtmlSchedule(ProgramPaths paths, const TotoSettings& settings)
    : m_paths(std::move(paths)), m_scheduleUrl(settings.totoOfficialScheduleUrl) {}

QString clsHtmlSchedule::PageUrl(int32_t round) const {
    return m_scheduleUrl + PageRequest::RoundText(round);
}

bool clsHtmlSchedule::GetSchedule(int32_t round, const QString& group) {
    m_record = ScheduleRecord();
    m_unpublished = false;
    const QStringList pieces = PageRequest::Fetch(
        m_get, PageUrl(round), PageRequest::ProgressMessage(round, QString::fromUtf16(kProgress)));
    if (pieces.isEmpty()) {
        return false;
    }
    return ParsePieces(pieces, round, group);
}

bool clsHtmlSchedule::ParsePieces(const QStringList& pieces, int32_t round, const QString& group) {
    m_record = ScheduleRecord();
    m_unpublished = false;
    m_unknownTeam.clear();
    ScheduleRecord record;
    record.Kumi = group;
    PieceReader reader(pieces);
    const QString check = HeaderText(group);
    qsizetype i = 0;
    bool header = false;
    for (; i < reader.Size() && !header; ++i) {
        if (reader.At(i) == QString::fromUtf16(kNotShown)) {
            break;
        }
        header = clsHtmlToto::GetKaisaikai(reader.At(i), record.Kaisaikai, check);
    }
    if (!header) {
        m_unpublished = true;
        return false;
    }
    // The tables are read for every page, so a name the user has just added is known at once.
    clsTotoData teams(m_paths);
    ScheduleScan scan(reader, record, teams, round);
    const bool completed = scan.Run(i);
    m_unknownTeam = teams.LastUnknownTeamName();
    if (!completed || reader.CutShort()) {
        m_error.ReportUnexpected(QString::fromUtf16(kProcedure), PageRequest::IndexErrorText(),
                                 PageRequest::kIndexErrorNumber);
        return false;
    }
    if (scan.Failed()) {
        return false;
    }
    m_record = record;
    return true;
}

} // namespace kestrel
