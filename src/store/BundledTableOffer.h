#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "platform/ErrorReporter.h"
#include "platform/ProgramPaths.h"
#include "platform/UserPrompt.h"

namespace kestrel {

// An installed copy keeps a SysData per user, filled once from the installed files; an upgrade
// that brings newer team tables must not overwrite the user's copies, so it offers them instead.
// A bundled table is newer when it carries an edition ("Version" and "Revision") higher than
// the user's; a table without an edition is newer when its bytes differ from the user's. The
// user's file is replaced only on Yes, atomically, with the old one kept as "<name>.bak". Either
// answer, and a user's table found equal to the bundled one, remembers the digest of that
// bundled file in the per-user folder, so the same edition is never offered again (not even
// after the user edits the table); a later edition is. TeamName3.dat holds the user's own names
// and is never offered.
class BundledTableOffer {
public:
    // The tables that may be offered, in the order they are asked about.
    static const QStringList& Tables();

    // installedSysData: the read-only bundled folder; user: the per-user installation.
    BundledTableOffer(QString installedSysData, const ProgramPaths& user);

    // The tables to offer now.
    QStringList Offered() const;
    // Remembers the tables that equal their bundled copy, then asks about every offered table
    // and takes or keeps it; returns how many were taken.
    int AskUser(UserPrompt& prompt);

    // Where the answered editions are remembered: "<root>/BundledTables.ini".
    QString AnswersFile() const;

private:
    // What to do about one table: nothing, remember its bundled edition as settled (the user's
    // copy equals it), or offer it.
    enum class Action { None, Remember, Offer };
    Action Decide(const QString& name) const;
    // Replaces the user's table by the bundled one, keeping the old one as "<name>.bak"; false
    // (reported) when either write fails, and the user's table then stays as it was.
    bool Take(const QString& name);
    // Remembers that the present bundled editions of these tables were answered.
    bool Remember(const QStringList& names);
    QString AnsweredDigest(const QString& name) const;
    QString Bundled(const QString& name) const;
    QString Own(const QString& name) const;

    QString m_installed;
    ProgramPaths m_user;
    ErrorReporter m_error{QStringLiteral("BundledTableOffer")};
};

} // namespace kestrel
