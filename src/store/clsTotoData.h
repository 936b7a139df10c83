#pragma once

#include <QString>
#include <cstdint>

#include "platform/ErrorReporter.h"
#include "platform/ProgramPaths.h"
#include "platform/clsIniFile.h"

namespace kestrel {

// The team-name tables of SysData: page names (as the operator's pages print them) to the short
// names the program shows and stores, and the league lists per year. A missing table stays
// empty; lookups then simply find nothing in it.
class clsTotoData {
public:
    // Rounds from this on look in TeamName1.dat before TeamName2.dat; earlier rounds only in
    // TeamName2.dat.
    static constexpr int32_t kTable1FromRound = 751;

    explicit clsTotoData(const ProgramPaths& paths);

    // Short name of a page name for the round, or empty (with a warning) when no table has it;
    // the unknown page name is then remembered for the add-team dialog.
    QString GetShortTeamName(const QString& pageName, int32_t round);
    // Page name of a short name from TeamName.dat, or empty.
    QString GetLongTeamName(const QString& shortName) const;
    // The page name is known in TeamName.dat, TeamName2.dat or TeamName3.dat.
    bool ExistsLongTeamName(const QString& pageName) const;
    // "J1", "J2", "J3" for the league whose list of that year contains the short name, or empty.
    QString GetShortToJ1J2String(const QString& shortName, int year) const;
    // "Version" + "." + "Revision" of TeamName2.dat.
    QString GetTeamName2Version() const;
    // "Version" + "." + "Revision" of any table.
    static QString TableVersion(const clsIniFile& table);
    // The number of an edition text: "1.23" gives 1023; a text without "." or with an empty or
    // unreadable part gives 0 (unknown).
    static int EditionNumber(const QString& text);

    const QString& LastUnknownTeamName() const { return m_lastUnknown; }
    void ClearLastUnknownTeamName() { m_lastUnknown.clear(); }
    // A name another reader of the tables (a page parser) did not find.
    void SetLastUnknownTeamName(const QString& pageName) { m_lastUnknown = pageName; }

    // The user's table, read again after the add-team dialog wrote it.
    QString UserTablePath() const;
    void ReloadUserTable();

private:
    QString m_sysData;
    clsIniFile m_main;    // TeamName.dat
    clsIniFile m_table1;  // TeamName1.dat
    clsIniFile m_table2;  // TeamName2.dat
    clsIniFile m_user;    // TeamName3.dat
    clsIniFile m_leagues; // J1J2.dat
    bool m_userEnabled = false;
    QString m_lastUnknown;
    ErrorReporter m_error{QStringLiteral("clsTotoData")};
};

} // namespace kestrel
