#include "net/clsHtmlResult.h"

#include <array>

#include "core/LotteryConstants.h"
#include "net/PageRequest.h"
#include "net/PieceReader.h"
#include "net/PieceScan.h"
#include "net/ResultDates.h"
#include "net/clsHtmlToto.h"
#include "platform/Clock.h"

namespace kestrel {

namespace {

const char16_t* const kProgress = u"回 結果情報取得中 (オフィシャル)";
const char16_t* const kWhat = u"くじ結果";
const char16_t* const kNotShown = u"ご指定のくじ結果は表示できません。";
const char16_t* const kProcedure = u"GetResult";
constexpr int kMaxSlotPiece = 13;
constexpr int kSlots = 6;

// A byte read from a page text; false when the text is not a whole number in 0..255.
bool ReadByte(const QString& text, uint8_t& value) {
    bool ok = false;
    const uint number = text.toUInt(&ok);
    if (!ok || number > 255) {
        return false;
    }
    value = static_cast<uint8_t>(number);
    return true;
}

// One parse over the pieces after the header.
class ResultScan : public PieceScan {
public:
    ResultScan(PieceReader& reader, ResultRecord& record)
        : PieceScan(reader), m_record(record), m_year(CurrentClock()->Now().Year()) {}

    // A slot number or a piece past the end (index), or a number that does not read (type).
    bool NumberError() const { return m_numberError && !m_reader.CutShort(); }

private:
    qsizetype Step(qsizetype i) override {
        const QString& piece = m_reader.At(i);
        if (std::array<Money, kGradeCount>* values = GradesOf(piece)) {
            return Amounts(i, *values);
        }
        if (piece == QStringLiteral("販売期間")) {
            return SalePeriod(i);
        }
        if (piece == QStringLiteral("払戻日")) {
            return Dates<2>(i, {u"払戻開始日", u"払戻期限"},
                            {&m_record.PayStart, &m_record.PayEnd});
        }
        if (piece == QStringLiteral("返還日")) {
            return Dates<3>(i, {u"返還確定日", u"返還開始日", u"返還期限"},
                            {&m_record.ResultDate, &m_record.PayStart, &m_record.PayEnd});
        }
        return MatchRow(i);
    }

    std::array<Money, kGradeCount>* GradesOf(const QString& piece) {
        if (piece == QStringLiteral("当せん金")) {
            return &m_record.Prize;
        }
        if (piece == QStringLiteral("当せん口数")) {
            return &m_record.Winners;
        }
        if (piece == QStringLiteral("次回への繰越金")) {
            return &m_record.CarryOver;
        }
        return nullptr;
    }

    qsizetype SalePeriod(qsizetype i) {
        if (m_reader.At(i + 1) != QStringLiteral("販売開始日") ||
            m_reader.At(i + 2) != QStringLiteral("販売終了日") ||
            m_reader.At(i + 3) != QStringLiteral("結果発表日")) {
            return i + 1;
        }
        m_record.SaleStart = clsHtmlToto::StringToDateEx(m_reader.At(i + 4));
        m_record.SaleEnd = clsHtmlToto::StringToDateEx(m_reader.At(i + 5));
        m_record.ResultDate = clsHtmlToto::StringToDateEx(m_reader.At(i + 6));
        return i + 7;
    }

    // A label followed by its column heads and then their values; the last block of the page.
    template <size_t N>
    qsizetype Dates(qsizetype i, const std::array<const char16_t*, N>& heads,
                    const std::array<DateTime*, N>& fields) {
        for (size_t k = 0; k < N; ++k) {
            if (m_reader.At(i + 1 + k) != QString::fromUtf16(heads[k])) {
                return i + 1;
            }
        }
        for (size_t k = 0; k < N; ++k) {
            *fields[k] = clsHtmlToto::StringToDateEx(m_reader.At(i + 1 + N + k));
        }
        m_stop = true;
        return i;
    }

    qsizetype MatchRow(qsizetype i) {
        const QString& piece = m_reader.At(i);
        if (clsHtmlToto::IsDatePiece(piece)) {
            m_date = clsHtmlToto::MonthDayDate(m_year, piece);
            if (m_date.IsZero()) {
                m_date = clsHtmlToto::MonthDayDate(2000, piece); // 2/29 outside a leap year
            }
            m_stadium = m_reader.At(i + 1);
            return i + 2;
        }
        const int slot = clsHtmlToto::SmallNumber(piece, kMaxSlotPiece);
        if (slot == 0 || m_date.IsZero() || m_stadium.isEmpty()) {
            return i + 1;
        }
        if (m_sixthDone) {
            m_failed = true;
            m_stop = true;
            return i;
        }
        if (slot > kSlots) {
            m_unexpected = true;
            m_stop = true;
            return i;
        }
        ReadSlot(slot, i);
        return i + 4;
    }

    void ReadSlot(int slot, qsizetype i) {
        ResultSlot& s = m_record.Slots[slot - 1];
        s.GameDate = m_date;
        s.Stadium = m_stadium;
        s.Team = m_reader.At(i + 1);
        const QString goals = m_reader.At(i + 2);
        const QString goalClass = m_reader.At(i + 3);
        const bool isVoid = goals == QStringLiteral("中止");
        s.Goals = 0;
        if (!isVoid && !ReadByte(goals, s.Goals)) {
            m_unexpected = m_numberError = m_stop = true;
        }
        if (isVoid || goalClass == QStringLiteral("中止")) {
            s.Result = kVoidClass;
        } else if (!ReadByte(goalClass, s.Result)) {
            m_unexpected = m_numberError = m_stop = true;
        }
        s.HomeAway = slot % 2 == 1 ? QStringLiteral("ホーム") : QStringLiteral("アウェイ");
        m_sixthDone = m_sixthDone || slot == kSlots;
    }

    ResultRecord& m_record;
    int m_year;
    DateTime m_date;
    QString m_stadium;
    bool m_sixthDone = false;
    bool m_numberError = false;
};

} // namespace

clsHtmlResult::clsHtmlResult(const TotoSettings& settings)
    : PageParser(QStringLiteral("clsHtmlResult")), m_resultUrl(settings.totoOfficialResultUrl) {}

QString clsHtmlResult::PageUrl(int32_t round) const {
    return m_resultUrl + PageRequest::RoundText(round);
}

bool clsHtmlResult::GetResult(int32_t round, const QString& group) {
    const QStringList pieces = FetchPage(PageUrl(round), round, kProgress);
    return !pieces.isEmpty() && ParsePieces(pieces, group);
}

bool clsHtmlResult::ParsePieces(const QStringList& pieces, const QString& group) {
    ResultRecord record = StartRecord(group);
    PieceReader reader(pieces);
    qsizetype next = 0;
    if (!FindHeader(reader, group, kWhat, kNotShown, record.Kaisaikai, next)) {
        return false;
    }
    ResultScan scan(reader, record);
    scan.Run(next);
    if (!Usable(scan, kProcedure, scan.NumberError())) {
        return false;
    }
    ResultDates::Complete(record);
    m_record = record;
    return true;
}

} // namespace kestrel
