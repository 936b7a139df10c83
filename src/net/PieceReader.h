#pragma once

#include <QString>
#include <QStringList>

namespace kestrel {

// Read access to the text pieces of a page. A piece asked for past the end reads as empty and
// marks the page as cut short, which the parsers report as an unexpected error.
class PieceReader {
public:
    explicit PieceReader(const QStringList& pieces) : m_pieces(pieces) {}

    qsizetype Size() const { return m_pieces.size(); }
    const QString& At(qsizetype index);
    bool CutShort() const { return m_cutShort; }

private:
    const QStringList& m_pieces;
    QString m_empty;
    bool m_cutShort = false;
};

} // namespace kestrel
