#pragma once

#include <QString>
#include <array>

#include "reduction/ConditionGroup.h"
#include "reduction/ConditionKind.h"
#include "reduction/clsTX1.h"
#include "results/clsTKouseiBunseki.h"

namespace kestrel {

// The composition analysis window ("構成分析") without its widgets: the caption and the grid of
// how the singles of the whole multi spread over the count values 0..6 of one condition row.
class KouseiBunsekiModel {
public:
    // Caption until SetTitle replaces it.
    static QString DefaultTitle() { return QStringLiteral("構成分析"); }

    void SetTitle(const QString& text) { m_title = text; }
    const QString& Title() const { return m_title; }
    // Shows the seven counts.
    void SetValue(const KouseiCounts& counts);
    // Rows 0 .. n - 1 black, the rest red (count values that cannot occur).
    void SetMarkMax(int n);
    const clsTKouseiBunseki& Grid() const { return m_grid; }

    // What opening the window from a row title does: the counts of the row over the engine's
    // multi, the caption " " + kind label + " - " + the row's label, and the impossible count
    // values in red.
    void Open(const clsTX1& engine, ConditionKind kind, int row, const ConditionGroup& group);

    // " " + kind label + " - " + row label; kinds 1, 2, 3 are "本命", "人気", "得点".
    static QString MakeTitle(int kind, const QString& rowLabel);
    static QString KindLabel(int kind);
    // The n the main window passes to SetMarkMax: counted teams + 1, or 0 when none is counted.
    static int MarkMaxFor(const std::array<bool, kSlotCount>& gameFlg);

private:
    QString m_title = DefaultTitle();
    clsTKouseiBunseki m_grid;
};

} // namespace kestrel
