#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "core/LotteryConstants.h"
#include "core/clsToto.h"
#include "results/ResultColor.h"
#include "results/clsTMultiResult.h"

namespace kestrel {

// Hit values per team slot and goal class, derived from the result marks: 0 for a class that
// missed, else the mark (1..4); a team without any mark has 4 in every class.
using ResultHitValues = ResultMarks;

// One single of the page: its six goal classes and its grade.
struct GradedSingle {
    std::array<uint8_t, kSlotCount> Classes{};
    uint8_t Grade = 0;
};

// The page of singles in the results panel: ten columns, each a single's goal class digits on
// the colour of their hit value (0 red, 1 or 2 blue, 3 yellow, 4 white) and its grade digit on
// green for a paid grade, white otherwise. Blank columns are white and empty. Also the four
// legend images imgResult 0..3.
class clsTResultGrid {
public:
    static constexpr int kColumns = 10;
    static constexpr int kLegendImages = 4;

    clsTResultGrid();

    void SetRedrawHandler(std::function<void()> handler) { m_redraw = std::move(handler); }

    // Every column blank.
    void Clear();
    // Column 0..9 blank.
    void SetClear(int column);
    // Column 0..9 shows the single with the colours of the hit values and the round's paid
    // grades.
    void SetValue(int column, const GradedSingle& single, const ResultHitValues& hits,
                  int32_t lngKaisaikai);
    void Refresh() const;
    void SetColorImage(int image, ResultColor colour);

    bool IsBlank(int column) const { return m_columns[column].Blank; }
    // Goal class digit of team slot index t, empty for a blank column.
    QString ClassText(int column, int t) const;
    ResultColor ClassBack(int column, int t) const { return m_columns[column].Backs[t]; }
    QString GradeText(int column) const;
    ResultColor GradeBack(int column) const { return m_columns[column].GradeBack; }
    ResultColor LegendColor(int image) const { return m_legend[image]; }

    // Background of a goal class digit by its hit value.
    static ResultColor HitColor(uint8_t hitValue);

private:
    struct Column {
        bool Blank = true;
        GradedSingle Single;
        std::array<ResultColor, kSlotCount> Backs{};
        ResultColor GradeBack = ResultColor::White;
    };

    std::array<Column, kColumns> m_columns{};
    std::array<ResultColor, kLegendImages> m_legend{};
    std::function<void()> m_redraw;
    clsToto m_toto;
};

} // namespace kestrel
