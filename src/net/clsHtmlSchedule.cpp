#include "net/clsHtmlSchedule.h"

#include "net/PageRequest.h"
#include "net/PieceReader.h"
#include "net/PieceScan.h"
#include "net/clsHtmlToto.h"
#include "platform/Clock.h"
#include "store/clsTotoData.h"

namespace kestrel {

namespace {

const char16_t* const kProgress = u"回 開催情報取得中 (オフィシャル)";
const char16_t* const kWhat = u"くじ情報";
const char16_t* const kNotShown = u"ご指定のくじ情報は表示できません。";
const char16_t* const kRoundCancelled = u"くじは中止となりました。";
const char16_t* const kProcedure = u"GetSchedule";
constexpr int kMaxMatchPiece = 14;
constexpr int kMatches = 3;

// One parse over the pieces after the header.
class ScheduleScan : public PieceScan {
public:
    ScheduleScan(PieceReader& reader, ScheduleRecord& record, clsTotoData& teams, int32_t round)
        : PieceScan(reader), m_record(record), m_teams(teams), m_round(round),
          m_year(CurrentClock()->Now().Year()) {}

private:
    qsizetype Step(qsizetype i) override {
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
        if (DateTime* date = AnnouncedDateOf(m_record, piece)) {
            *date = clsHtmlToto::StringToDateEx(m_reader.At(i + 1));
            return i + 2;
        }
        const int match = RowNumber(piece, kMaxMatchPiece, kMatches);
        if (match == 0) {
            return i + 1;
        }
        // A page holds one row per match. More rows are as unexpected as a fourth match, and
        // must not make thousands of team look-ups (each unknown name is a warning box).
        if (++m_rows > kMatches) {
            m_unexpected = true;
            m_stop = true;
            return i + 1;
        }
        ReadMatch(match, i);
        return i + 7;
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

    ScheduleRecord& m_record;
    clsTotoData& m_teams;
    int32_t m_round;
    int m_year;
    int m_rows = 0;
};

} // namespace

clsHtmlSchedule::clsHtmlSchedule(ProgramPaths paths, const TotoSettings& settings)
    : PageParser(QStringLiteral("clsHtmlSchedule")), m_paths(std::move(paths)),
      m_scheduleUrl(settings.totoOfficialScheduleUrl) {}

QString clsHtmlSchedule::PageUrl(int32_t round) const {
    return m_scheduleUrl + PageRequest::RoundText(round);
}

bool clsHtmlSchedule::GetSchedule(int32_t round, const QString& group) {
    const QStringList pieces = FetchPage(PageUrl(round), round, kProgress);
    return !pieces.isEmpty() && ParsePieces(pieces, round, group);
}

bool clsHtmlSchedule::ParsePieces(const QStringList& pieces, int32_t round, const QString& group) {
    ScheduleRecord record = StartRecord(group);
    m_unknownTeam.clear();
    PieceReader reader(pieces);
    qsizetype next = 0;
    if (!FindHeader(reader, group, kWhat, kNotShown, record.Kaisaikai, next)) {
        return false;
    }
    // The tables are read for every page, so a name the user has just added is known at once.
    clsTotoData teams(m_paths);
    ScheduleScan scan(reader, record, teams, round);
    scan.Run(next);
    m_unknownTeam = teams.LastUnknownTeamName();
    if (!Usable(scan, kProcedure)) {
        return false;
    }
    m_record = record;
    return true;
}

} // namespace kestrel
