#pragma once

#include <cstdint>

namespace kestrel {

// Colours of the results panel as model values; the widgets map them to brushes. The page grid
// uses pure primaries: a class that missed red, a hit blue, a user-cancelled team yellow, an
// unknown or officially cancelled team white, a paid grade green. Texts are black or blue.
enum class ResultColor { White, Red, Blue, Yellow, Green, Black };

// 0xAARRGGBB of each colour (opaque).
constexpr uint32_t ResultColorRgb(ResultColor colour) {
    switch (colour) {
    case ResultColor::White:
        return 0xFFFFFFFFu;
    case ResultColor::Red:
        return 0xFFFF0000u;
    case ResultColor::Blue:
        return 0xFF0000FFu;
    case ResultColor::Yellow:
        return 0xFFFFFF00u;
    case ResultColor::Green:
        return 0xFF00FF00u;
    case ResultColor::Black:
        return 0xFF000000u;
    }
    return 0xFF000000u;
}

} // namespace kestrel
