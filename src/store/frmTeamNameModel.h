#pragma once

#include <QString>

#include "store/clsTotoData.h"

namespace kestrel {

// The rules of the add-team dialog without the window: the prefilled fields, the input checks
// with their messages, and the line appended to the user's team-name table (TeamName3.dat).
// The dialog binds its two edit boxes to Abbreviation and Name and closes when Add returns true.
class frmTeamNameModel {
public:
    static constexpr int kMaxAbbreviation = 6;

    explicit frmTeamNameModel(clsTotoData& data);

    // Prefills the fields from the last unknown team name: the abbreviation in half-width
    // characters, the name as it stands.
    void Open();
    // Checks the fields and appends the team; true when it was added (the dialog closes).
    // On a refused input the message is shown and the dialog stays open.
    bool Add();

    QString Abbreviation;
    QString Name;

    // The line the table gets: the abbreviation padded with blanks to 6 characters, " = ", name.
    static QString TableLine(const QString& abbreviation, const QString& name);

private:
    bool EnsureUserTable() const;
    bool CheckInput(const QString& abbreviation, const QString& name) const;

    clsTotoData& m_data;
    ErrorReporter m_error{QStringLiteral("frmTeamName")};
};

} // namespace kestrel
