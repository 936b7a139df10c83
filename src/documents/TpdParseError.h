#pragma once

#include <QString>

namespace kestrel {

// Why a document text could not be read: the description and number the error reporter shows
// (number 0: a plain warning text), the 1-based line of the file it arose on (0: none) and the
// key or block line at fault (empty: none).
struct TpdParseError {
    QString description;
    int number = 0;
    int line = 0;
    QString key;

    static TpdParseError TypeMismatch();
    static TpdParseError OutOfRange();
    static TpdParseError Overflow();
    // The file ended inside a block.
    static TpdParseError PastEnd();
    static TpdParseError FileNotFound();
    // A plain text, shown as a warning.
    static TpdParseError Text(const QString& text);

    // The line that names where the failure is: the file, then the line number and the key or
    // block when known, for example "C:/kst-001.tpd: 12行目: MsEngine".
    QString Where(const QString& fileName) const;
};

} // namespace kestrel
