#pragma once

#include <QString>
#include <array>
#include <cstddef>

#include "net/PieceReader.h"
#include "net/clsHtmlToto.h"
#include "platform/DateTime.h"
#include "platform/Money.h"

namespace kestrel {

// One pass over the text pieces of an operator page. Each step reads the piece at hand with the
// pieces that belong to it and returns where the next step starts; a step may end the pass.
class PieceScan {
public:
    virtual ~PieceScan() = default;

    // Steps from the piece at from until the pieces are used up or a step ends the pass.
    void Run(qsizetype from);
    // The page was read but gives no usable record.
    bool Failed() const { return m_failed; }
    // A row number out of range, a piece past the end or a number that does not read.
    bool Unexpected() const { return m_unexpected || m_reader.CutShort(); }

protected:
    explicit PieceScan(PieceReader& reader) : m_reader(reader) {}

    virtual qsizetype Step(qsizetype i) = 0;

    // The row number in a piece (one of "1" to maxPiece); 0 for any other piece. A number past
    // rows is an unexpected error that ends the pass.
    int RowNumber(const QString& piece, int maxPiece, int rows);

    // The N pieces after the label at i, through StringToCurrency; the next step starts after
    // them.
    template <size_t N> qsizetype Amounts(qsizetype i, std::array<Money, N>& values) {
        for (size_t k = 0; k < N; ++k) {
            values[k] =
                clsHtmlToto::StringToCurrency(m_reader.At(i + 1 + static_cast<qsizetype>(k)));
        }
        return i + 1 + static_cast<qsizetype>(N);
    }

    // The field a label of the announcement and payout dates names ("結果発表日", "払戻開始日",
    // "払戻期限"); nullptr for any other piece.
    template <typename Record>
    static DateTime* AnnouncedDateOf(Record& record, const QString& piece) {
        if (piece == QStringLiteral("結果発表日")) {
            return &record.ResultDate;
        }
        if (piece == QStringLiteral("払戻開始日")) {
            return &record.PayStart;
        }
        if (piece == QStringLiteral("払戻期限")) {
            return &record.PayEnd;
        }
        return nullptr;
    }

    PieceReader& m_reader;
    bool m_failed = false;
    bool m_unexpected = false;
    bool m_stop = false;
};

} // namespace kestrel
