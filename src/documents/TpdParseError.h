#pragma once

#include <QString>

namespace kestrel {

// Why a document text could not be read: the description and number the error reporter shows
// (number 0: a plain warning text) and the 1-based line of the file it arose on (0: none).
struct TpdParseError {
    QString description;
    int number = 0;
    int line = 0;

    static TpdParseError TypeMismatch();
    static TpdParseError OutOfRange();
    static TpdParseError Overflow();
    // The file ended inside a block.
    static TpdParseError PastEnd();
    static TpdParseError FileNotFound();
    // A plain text, shown as a warning.
    static TpdParseError Text(const QString& text);
};

} // namespace kestrel
