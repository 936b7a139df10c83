#pragma once

#include <QString>
#include <span>

#include "reduction/ConditionKind.h"

namespace kestrel {

// The fixed captions of the condition pages: group labels, base-item titles and row labels.
class ConditionLabels {
public:
    // "全て", "J1", "J2", "A".."Z" for groups 0..28; empty outside.
    static QString GroupLabel(int group);
    // Number of base items (and rows) of a kind: 6 for Honmei, 4 for Ninki and Mark.
    static int BaseCount(ConditionKind kind);
    // "◎", "1番", "[0]", ... (empty outside the kind's items).
    static QString ShortTitle(ConditionKind kind, int item);
    // "本命◎", "1番人気", "0点", ... (empty outside the kind's items).
    static QString LongTitle(ConditionKind kind, int item);
    // One ticked item: its long title; otherwise the short titles of the ticked items in item
    // order joined by "+" (empty when nothing is ticked).
    static QString RowLabel(ConditionKind kind, std::span<const bool> plusFlg);
    // The kind's label in the run report: "本命", "人気", "得点".
    static QString KindLabel(ConditionKind kind);
};

} // namespace kestrel
