#pragma once

#include <QString>
#include <cstdint>

#include "platform/ErrorReporter.h"
#include "platform/ProgramPaths.h"
#include "store/XmlLineReader.h"

namespace kestrel {

// File handling shared by the three round stores: names, whole-file read for a load, atomic
// save, and the messages of both.
class XmlStoreFile {
public:
    // A store file is a few kilobytes; anything above this is refused before it is read.
    static constexpr qint64 kMaxBytes = 1024 * 1024;

    enum class ReadResult { Ok, Missing, Failed };

    // <SysData>/<folder>/<prefix><round "000"><"_" group>.xml. Path separators in the group are
    // replaced so a group text can never lead out of the folder.
    static QString FileName(const ProgramPaths& paths, const QString& folder, const QString& prefix,
                            int32_t round, const QString& group);

    // Reads a file for XmlLoad. Missing: empty path or no such file (no message). Failed: the
    // file is too large, unreadable or not Shift_JIS (reported under "XmlLoad").
    static ReadResult ReadForLoad(const QString& path, QString& text,
                                  const ErrorReporter& reporter);
    // Reports a read that did not succeed under "XmlLoad"; true when the status is Ok.
    static bool ReportRead(XmlReadStatus status, const XmlFieldError& error,
                           const ErrorReporter& reporter);
    // Writes the text atomically (folders created); on failure reports
    // "ファイルの保存に失敗しました。" CR LF path under the procedure and returns false.
    static bool Save(const QString& path, const QString& text, const ErrorReporter& reporter,
                     const QString& procedure);
};

} // namespace kestrel
