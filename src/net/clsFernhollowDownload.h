#pragma once

#include <QString>
#include <memory>

#include "net/HttpOptions.h"
#include "net/clsWinInet.h"
#include "platform/ProgramPaths.h"
#include "platform/clsIniFile.h"
#include "store/clsTotoData.h"

namespace kestrel {

class WinInetProgress;

// Brings the overseas team-name table (TeamName2.dat) up to the edition the maker publishes in
// its download folder, next to the version list "version.dat".
class clsFernhollowDownload {
public:
    // The maker's download folder; configuration, so tests and other installations can point
    // elsewhere.
    static constexpr const char* kDefaultDownloadFolder =
        "http://fernhollow.example/download/2021/";

    clsFernhollowDownload(ProgramPaths paths,
                          QString downloadFolder = QString::fromLatin1(kDefaultDownloadFolder),
                          HttpOptions options = HttpOptions(),
                          std::shared_ptr<WinInetProgress> progress = nullptr);

    // True when the local table is up to date or was updated; every failure is shown and leaves
    // the local table as it was.
    bool DownloadTeamName2(bool ask);

    // "1.23" gives 1023; a text without "." or with an empty or unreadable part gives 0.
    static int EditionNumber(const QString& text) { return clsTotoData::EditionNumber(text); }

private:
    bool LoadVersionList();
    QString Fetch(const QString& fileName, const QString& message);
    // Reports an empty or not-found answer as a download failure; true when usable.
    bool CheckResponse(const QString& text);
    void DownloadFailure(const QString& reason);
    void Inform(const QString& text);
    void Warn(const QString& text);
    bool UpdateTable();

    ProgramPaths m_paths;
    QString m_folder;
    clsWinInet m_inet;
    clsIniFile m_versions;
    bool m_versionsLoaded = false;
};

} // namespace kestrel
