#pragma once

#include <QString>
#include <cstdint>

#include "platform/ProgramPaths.h"

namespace kestrel {

// The main window's settings file "Kestrel.ini" in SysData: the round shown at the last exit and
// the two check boxes. Read at start-up (defaults for what is missing), written whole at exit.
struct KestrelIni {
    static const QString kDamagedText; // "Kestrel.iniファイルが破損しています。"

    int32_t Kaisaikai = 1;
    bool DownloadMessage = true; // "ダウンロード時に確認"
    bool ResultAll = false;      // "常に全ての結果を表示する"

    static QString FilePath(const ProgramPaths& paths);
    // Defaults, then each key present in an existing file. A file that cannot be read, or a key
    // whose value does not read, shows the damaged-file message (error icon) once per failed
    // step; the values not read keep their defaults.
    static KestrelIni Load(const ProgramPaths& paths);
    // The six lines of the file, each ended by CR LF.
    QString ToText() const;
    // Writes the file atomically; a failed write is reported and returns false.
    bool Save(const ProgramPaths& paths) const;
};

} // namespace kestrel
