#include "net/PieceReader.h"

namespace kestrel {

const QString& PieceReader::At(qsizetype index) {
    if (index < 0 || index >= m_pieces.size()) {
        m_cutShort = true;
        return m_empty;
    }
    return m_pieces.at(index);
}

} // namespace kestrel
