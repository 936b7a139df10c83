#include "net/PieceScan.h"

namespace kestrel {

void PieceScan::Run(qsizetype from) {
    for (qsizetype i = from; i < m_reader.Size() && !m_stop;) {
        i = Step(i);
    }
}

int PieceScan::RowNumber(const QString& piece, int maxPiece, int rows) {
    const int number = clsHtmlToto::SmallNumber(piece, maxPiece);
    if (number > rows) {
        m_unexpected = true;
        m_stop = true;
        return 0;
    }
    return number;
}

} // namespace kestrel
