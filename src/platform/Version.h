#pragma once

#include <QString>

namespace kestrel {

// The program version, defined once; everything that prints it reads it from here.
inline constexpr const char* kProductName = "Kestrel";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

// "1.00", or "1.00.3" when the revision is above 0.
QString VersionText();

} // namespace kestrel
