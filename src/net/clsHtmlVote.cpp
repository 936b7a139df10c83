#include "net/clsHtmlVote.h"

#include <array>

#include "net/PageRequest.h"
#include "net/PieceReader.h"
#include "net/PieceScan.h"
#include "net/clsHtmlToto.h"

namespace kestrel {

namespace {

const char16_t* const kProgress = u"回 投票状況情報取得中 (オフィシャル)";
const char16_t* const kNotShown = u"ご指定の投票状況は表示できません。";
const char16_t* const kProcedure = u"GetVote";
constexpr int kMaxSlotPiece = 13;
constexpr int kSlots = 6;

// One parse of a vote-status page.
class VoteScan : public PieceScan {
public:
    VoteScan(PieceReader& reader, VoteRecord& record) : PieceScan(reader), m_record(record) {}

    bool AsOfFound() const { return m_asOfFound; }
    bool Final() const { return m_final; }

private:
    qsizetype Step(qsizetype i) override {
        const QString& piece = m_reader.At(i);
        if (!m_header) {
            if (piece == QString::fromUtf16(kNotShown)) {
                m_stop = true;
                return i;
            }
            m_header = clsHtmlToto::Kaisaikai(piece, m_record.Kaisaikai);
            if (!m_header) {
                return i + 1;
            }
        }
        if (!m_asOfFound) {
            DateTime asOf;
            if (clsHtmlToto::GetStringToDateNow(piece, asOf, m_final)) {
                m_asOfFound = true;
                m_record.AsOf = asOf;
                m_year = asOf.Year();
            }
            return i + 1;
        }
        return Labelled(i);
    }

    qsizetype Labelled(qsizetype i) {
        const QString& piece = m_reader.At(i);
        if (std::array<Money, 3>* values = TripleOf(piece)) {
            return Amounts(i, *values);
        }
        if (piece == QStringLiteral("販売期間")) {
            clsHtmlToto::DateString2(m_reader.At(i + 1), m_record.SaleStart, m_record.SaleEnd);
            return i + 2;
        }
        if (DateTime* date = AnnouncedDateOf(m_record, piece)) {
            *date = clsHtmlToto::StringToDateEx(m_reader.At(i + 1));
            return i + 2;
        }
        return MatchRow(i);
    }

    std::array<Money, 3>* TripleOf(const QString& piece) {
        if (piece == QStringLiteral("売上金額")) {
            return &m_record.Sales;
        }
        if (piece == QStringLiteral("投票口数")) {
            return &m_record.Votes;
        }
        if (piece == QStringLiteral("投票枚数")) {
            return &m_record.Tickets;
        }
        return nullptr;
    }

    qsizetype MatchRow(qsizetype i) {
        if (clsHtmlToto::IsDatePiece(m_reader.At(i))) {
            m_date = clsHtmlToto::MonthDayDate(m_year, m_reader.At(i));
            m_time = clsHtmlToto::StringToDate(m_reader.At(i + 1)).TimePart();
            i += 2;
        }
        QString piece = m_reader.At(i);
        if (piece.contains(QStringLiteral("中止"))) {
            piece.remove(0, 2);
        }
        const int slot = RowNumber(piece, kMaxSlotPiece, kSlots);
        if (slot == 0) {
            return i + 1;
        }
        VoteSlot& s = m_record.Slots[slot - 1];
        s.GameDate = m_date;
        s.GameTime = m_time;
        s.Team = m_reader.At(i + 1);
        for (int goal = 0; goal < 4; ++goal) {
            GoalVote& v = s.Votes[goal];
            if (!clsHtmlToto::GetValue2(m_reader.At(i + 3 + goal), v.Count, v.Rate)) {
                m_failed = true;
                m_stop = true;
                return i;
            }
        }
        return i + 7;
    }

    VoteRecord& m_record;
    bool m_header = false;
    bool m_asOfFound = false;
    bool m_final = false;
    int m_year = 0;
    DateTime m_date;
    DateTime m_time;
};

} // namespace

clsHtmlVote::clsHtmlVote(const TotoSettings& settings)
    : PageParser(QStringLiteral("clsHtmlVote")), m_voteUrl(settings.totoOfficialVoteUrl),
      m_goal3Suffix(settings.totoOfficialTotoGoal3Url),
      m_groupASuffix(settings.totoOfficialMiniTotoAUrl),
      m_groupBSuffix(settings.totoOfficialMiniTotoBUrl) {}

QString clsHtmlVote::PageUrl(int32_t round, const QString& group) const {
    QString url = m_voteUrl + PageRequest::RoundText(round) + m_goal3Suffix;
    if (group == QLatin1String("A")) {
        url += m_groupASuffix;
    } else if (group == QLatin1String("B")) {
        url += m_groupBSuffix;
    }
    return url;
}

bool clsHtmlVote::GetVote(int32_t round, const QString& group, bool& final) {
    final = false;
    const QStringList pieces = FetchPage(PageUrl(round, group), round, kProgress);
    return !pieces.isEmpty() && ParsePieces(pieces, group, final);
}

bool clsHtmlVote::ParsePieces(const QStringList& pieces, const QString& group, bool& final) {
    VoteRecord record = StartRecord(group);
    final = false;
    PieceReader reader(pieces);
    VoteScan scan(reader, record);
    scan.Run(0);
    // A page fails only after its as-of time, so a page without one is not published.
    if (!Usable(scan, kProcedure)) {
        return false;
    }
    if (!scan.AsOfFound()) {
        m_unpublished = true;
        return false;
    }
    final = scan.Final();
    if (final) {
        record.AsOf = record.SaleEnd;
    }
    m_record = record;
    return true;
}

} // namespace kestrel
