#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace kestrel {

// A colour as red, green and blue 0..255; the geometry stays free of Qt Gui.
struct PrintColor {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    constexpr bool operator==(const PrintColor&) const = default;
};

inline constexpr PrintColor kPrintBlack{0, 0, 0};
inline constexpr PrintColor kPrintRed{255, 0, 0};
inline constexpr PrintColor kPrintBlue{0, 0, 255};
inline constexpr PrintColor kPrintLightBlue{200, 200, 255};

// One drawing step on a sheet, in millimetres from the top-left corner of the paper's drawable
// area, margins and the landscape shift already applied.
//   FilledRect / OutlineRect: x, y is the top-left corner, w, h the size.
//   Line: from (x, y) to (x2, y2).
//   Text: starts at x and is centred vertically on y, in the named font at size points.
struct PrintPrimitive {
    enum class Kind { FilledRect, OutlineRect, Line, Text };

    Kind kind = Kind::FilledRect;
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
    double x2 = 0;
    double y2 = 0;
    PrintColor color = kPrintBlack;
    QString text;
    QString font;
    double size = 0;
};

// One printed page: its page number and what is drawn on it. endsJob tells that the print job
// ends after this page (one job per page unless all pages go as one job).
struct SheetPage {
    int number = 0;
    std::vector<PrintPrimitive> items;
    bool endsJob = false;
};

} // namespace kestrel
