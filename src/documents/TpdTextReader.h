#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include "documents/DocumentRecord.h"
#include "documents/TpdParseError.h"
#include "platform/RunControl.h"

namespace kestrel {

// Reads the text of a data or condition file into a document record. Keys missing from the text
// keep the record's values, unknown keys are skipped, keys are compared exactly. The record is
// changed only when the whole text was read. A data file of the current data version always
// ends with the vote block, so one that stops earlier was cut short and is refused; compression
// settings outside their input ranges are refused too (they would make a search run forever).
class TpdTextReader {
public:
    // Largest "SingleCount" accepted; the list is allocated from it.
    static constexpr int32_t kMaxSingleCount = 1'000'000;

    explicit TpdTextReader(const RunControl* control);

    bool Read(QStringView text, DocumentRecord& document);
    const TpdParseError& Error() const { return m_error; }

private:
    enum class Block { None, Single, Sakugen, Vote, Odds };

    bool TakeLine(QStringView line);
    bool TakeOutside(QStringView line);
    bool TakeKey(const QString& key, QStringView value);
    bool TakeGroup(const QString& key, QStringView value, TpdParseError& error);
    bool TakeVoteTime(QStringView value, TpdParseError& error);
    bool TakeSingleCount(QStringView value);
    bool TakeSingle(QStringView line);
    bool EndVoteBlock();
    bool EndOddsBlock();
    bool CheckComplete();
    bool Fail(const TpdParseError& error);

    const RunControl* m_control;
    DocumentRecord m_doc;
    Block m_block = Block::None;
    QString m_collected;
    size_t m_position = 0;    // next index of the single list
    bool m_countSeen = false; // "SingleCount" sized the list
    size_t m_filled = 0;      // singles stored by the last "<SingleData>" block
    int m_line = 0;
    QString m_key;                  // key or block line being read, for the error
    QHash<QString, int> m_keyLines; // line of each key read
    int32_t m_dataVersion = 0;      // "DataVersion" of the text (0: none)
    bool m_dataFile = false;        // "DataType" names a data file
    bool m_singleBlock = false;     // a "<SingleData>" block was closed
    bool m_voteClosed = false;      // the closing vote line was read
    TpdParseError m_error;
};

} // namespace kestrel
