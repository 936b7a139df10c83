#pragma once

#include <QString>
#include <QStringView>

#include "platform/RunControl.h"
#include "documents/DocumentRecord.h"
#include "documents/TpdParseError.h"

namespace kestrel {

// Reads the text of a data or condition file into a document record. Keys missing from the text
// keep the record's values, unknown keys are skipped, keys are compared exactly. The record is
// changed only when the whole text was read.
class TpdTextReader {
public:
    // Largest "SingleCount" accepted; the list is allocated from it.
    static constexpr int32_t kMaxSingleCount = 1'000'000;

    explicit TpdTextReader(const RunControl* control);

    bool Read(QStringView text, DocumentRecord& document);
    const TpdParseError& Error() const { return m_error; }

private:
    enum class Block { None, Single, Sakugen, Vote };

    bool TakeLine(QStringView line);
    bool TakeOutside(QStringView line);
    bool TakeKey(const QString& key, QStringView value);
    bool TakeGroup(const QString& key, QStringView value, TpdParseError& error);
    bool TakeVoteTime(QStringView value, TpdParseError& error);
    bool TakeSingleCount(QStringView value);
    bool TakeSingle(QStringView line);
    bool EndVoteBlock();
    bool Fail(const TpdParseError& error);

    const RunControl* m_control;
    DocumentRecord m_doc;
    Block m_block = Block::None;
    QString m_collected;
    size_t m_position = 0;    // next index of the single list
    bool m_countSeen = false; // "SingleCount" sized the list
    size_t m_filled = 0;      // singles stored by the last "<SingleData>" block
    int m_line = 0;
    TpdParseError m_error;
};

} // namespace kestrel
