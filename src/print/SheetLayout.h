#pragma once

namespace kestrel {

// Mark positions of the totoGOAL3 mark sheet, in millimetres, X to the right and Y downwards
// from the top-left corner of the sheet area, before the printer offsets are applied.
struct SheetLayout {
    static constexpr double kPitchX = 3.5;
    static constexpr double kPitchY = 5.0;
    static constexpr double kOriginX = 23.5;
    static constexpr double kOriginY = 3.0 + 3.5 / 2;
    static constexpr double kMarkWidth = 1.0;
    static constexpr double kMarkHeight = 3.5;
    // The single area starts this many X pitches right of the origin.
    static constexpr int kSingleColumnOffset = 10;
    // Round-number digit columns (tens, units) and the first digit row, in pitches.
    static constexpr int kRoundTensColumn = 2;
    static constexpr int kRoundUnitsColumn = 3;
    static constexpr int kRoundFirstRow = 3;
    // Group marks ("A" then "B") and their row, in pitches.
    static constexpr int kGroupColumn = 6;
    static constexpr int kGroupRow = 6;
    // Match-card text column, in pitches.
    static constexpr int kMatchCardColumn = 4;
    static constexpr double kMarginTextX = 3.0;
    static constexpr double kSheetWidth = 203.0;
    static constexpr double kSheetHeight = 82.5;
    static constexpr double kLandscapeShiftY = 127.5;
    // A4 paper in portrait.
    static constexpr double kPaperWidth = 210.0;
    static constexpr double kPaperHeight = 297.0;
    static constexpr int kColumnsPerSheet = 10;
    static constexpr double kMatchCardFontSize = 6;
    static constexpr double kMarginTextFontSize = 9;

    // Centre of the mark of goal value v (0..3) of team t (1..6) in sheet column k (1..10).
    static constexpr double SingleX(int k, int v) {
        return kOriginX + (kSingleColumnOffset + (k - 1) * 4 + v) * kPitchX;
    }
    static constexpr double TeamY(int t) { return kOriginY + (t - 1) * kPitchY; }
    // Centre of the round-number mark of digit d (0..9) in a digit column.
    static constexpr double RoundDigitY(int d) { return kOriginY + (kRoundFirstRow + d) * kPitchY; }
    static constexpr double ColumnX(int pitches) { return kOriginX + pitches * kPitchX; }
};

} // namespace kestrel
