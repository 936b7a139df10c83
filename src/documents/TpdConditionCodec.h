#pragma once

#include <QString>
#include <QStringView>

#include "documents/TpdParseError.h"
#include "reduction/ConditionGroup.h"
#include "reduction/ConditionKind.h"
#include "reduction/ConditionSet.h"
#include "reduction/TenshoGrid.h"

namespace kestrel {

// The document-file values of a count-condition group ("Honmei.N", "Ninki.N", "Mark.N") and of
// the score grid ("Tensho"). A value read replaces the whole group or grid; on failure the target
// stays as it was.
class TpdConditionCodec {
public:
    // Enabled|Flag|RowCount|BaseCount|GameFlg|MarkFlg|PlusFlg rows...|Cells|RowNotes
    static QString Group(const ConditionGroup& group);
    static bool ToGroup(QStringView text, ConditionKind kind, ConditionGroup& group,
                        TpdParseError& error);

    // Enabled|Cols|Rows|Cells
    static QString Tensho(const TenshoGrid& grid);
    static bool ToTensho(QStringView text, TenshoGrid& grid, TpdParseError& error);

    // Flag|MinPercent ("1|120"); a negative minimum is out of range.
    static QString HaitouEv(const HaitouEvCondition& condition);
    static bool ToHaitouEv(QStringView text, HaitouEvCondition& condition, TpdParseError& error);
};

} // namespace kestrel
