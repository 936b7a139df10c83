#pragma once

#include <QString>
#include <QStringList>

namespace kestrel {

// Whole-file text read and write in CP932. Writes go through an atomic save: the previous file
// stays untouched unless the new one was written completely.
class TextFile {
public:
    // Upper bound of a file the program reads whole; larger files are refused before reading.
    static constexpr qint64 kMaxReadBytes = 64LL * 1024 * 1024;

    // Reads the file and decodes it; the text is cut at the first NUL byte (cutAtNul, when given,
    // tells whether there was one). False (with a reason in error) when the file is missing,
    // unreadable, too large or not valid CP932.
    static bool Read(const QString& path, QString& text, QString* error = nullptr,
                     bool* cutAtNul = nullptr);
    // Writes the text as it stands (the caller supplies its CR LF line ends), creating missing
    // parent folders. False with a reason on any failure; the old file then stays as it was.
    static bool Write(const QString& path, const QString& text, QString* error = nullptr);
    // Joins the lines, each followed by CR LF, and writes them as above.
    static bool WriteLines(const QString& path, const QStringList& lines, QString* error = nullptr);
    // Splits a text at CR LF, lone LF or lone CR. A final line end does not start another line.
    static QStringList SplitLines(const QString& text);
    // Raw bytes, atomically, with parent folders created.
    static bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);
};

} // namespace kestrel
