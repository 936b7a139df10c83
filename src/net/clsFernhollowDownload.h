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
// its download folder, next to the version list "version.dat". The version list of a folder is
// fetched once per run of the program (every object shares it); a published table replaces the
// local one only when it reads as a team-name table of the announced edition, and the replaced
// file is kept as "TeamName2.dat.bak".
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
    // True when the text reads as a team-name table whose Version and Revision give the edition
    // and which holds at least one team entry.
    static bool IsTeamTable(const QString& text, int edition);
    // Forgets the version lists fetched so far in this run (the next call fetches again).
    static void ForgetVersionLists();

private:
    bool LoadVersionList();
    QString Fetch(const QString& fileName, const QString& message);
    // Reports an empty or not-found answer as a download failure; true when usable.
    bool CheckResponse(const QString& text);
    void DownloadFailure(const QString& reason);
    void Inform(const QString& text);
    void Warn(const QString& text);
    bool UpdateTable(int edition);
    bool ReplaceLocalTable(const QString& text);

    ProgramPaths m_paths;
    QString m_folder;
    clsWinInet m_inet;
    clsIniFile m_versions;
};

} // namespace kestrel
