#pragma once

#include <QString>

#include "platform/ErrorReporter.h"
#include "platform/ProgramPaths.h"

namespace kestrel {

// The operator page addresses from "totoSettings.ini" in SysData, loaded once at start-up and
// copied by the page parsers when they are created. The host of the three page addresses is
// configuration: the defaults are built from the host given to Defaults/Load.
struct TotoSettings {
    // The lottery operator's web shop.
    static constexpr const char* kDefaultOperatorHost = "https://store.toto-dream.com";
    static constexpr int kCurrentVersion = 1;
    // "totoDownloadDeadline": seconds one page may take from the request to its last byte.
    static constexpr int kDefaultDownloadDeadline = 120;
    static constexpr int kMinDownloadDeadline = 1;
    static constexpr int kMaxDownloadDeadline = 3600;

    int Version = kCurrentVersion;
    QString totoOfficialScheduleUrl;
    QString totoOfficialVoteUrl;
    QString totoOfficialResultUrl;
    QString totoOfficialTotoUrl;
    QString totoOfficialTotoGoal3Url;
    QString totoOfficialTotoGoal2Url;
    QString totoOfficialMiniTotoAUrl;
    QString totoOfficialMiniTotoBUrl;
    // Optional key, not written by the program; a value that is not a whole number within
    // kMinDownloadDeadline..kMaxDownloadDeadline is reported and the default is used.
    int totoDownloadDeadline = kDefaultDownloadDeadline;

    static TotoSettings
    Defaults(const QString& operatorHost = QString::fromLatin1(kDefaultOperatorHost));

    // Start-up load: defaults first; an existing file is read key by key (a key that is absent
    // or has no value keeps its default); a version below 1 puts the defaults back and rewrites
    // the file; a missing file is written with the defaults. A file that exists but cannot be
    // read is reported and left as it is.
    static TotoSettings
    Load(const ProgramPaths& paths,
         const QString& operatorHost = QString::fromLatin1(kDefaultOperatorHost));

    static QString FilePath(const ProgramPaths& paths);
    // The file text in the program's line layout, CR LF after every line.
    QString ToText() const;
    // Writes the file atomically; reports and returns false on failure.
    bool Save(const QString& path) const;
};

} // namespace kestrel
