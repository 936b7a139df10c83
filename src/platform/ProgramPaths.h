#pragma once

#include <QString>

namespace kestrel {

// The folders of one installation, all under one root (by default the program's folder):
// SysData/ and UserData/Kestrel/. Passed to what needs it, never a global, so tests use a
// temporary root. Paths use "/" as separator.
class ProgramPaths {
public:
    // A relative root is made absolute against the current folder.
    explicit ProgramPaths(QString root);
    // The installation the running executable belongs to (see ForProgramFolder).
    static ProgramPaths FromExecutable();
    // A program folder whose SysData can be written is the root, as in a build folder. An
    // installed copy (bin/ beside share/kestrel/SysData) keeps its data per user instead: the
    // root is <data folder>/kestrel, whose SysData is filled on first start from the installed
    // one without overwriting any file the user already has, and documents go to
    // <documents folder>/Kestrel.
    static ProgramPaths ForProgramFolder(const QString& programFolder);
    // Copies every file of the source tree the target does not have yet; false when a copy fails.
    static bool CopyMissingFiles(const QString& source, const QString& target);

    const QString& Root() const { return m_root; }
    QString SysData() const;  // <root>/SysData
    QString UserData() const; // <root>/UserData/Kestrel, or the per-user documents folder
    QString Temp() const;     // <root>/SysData/Temp
    // The installed, read-only SysData a per-user copy was filled from; empty when the root is
    // the program's own folder.
    const QString& InstalledSysData() const { return m_installedSysData; }
    // A path below SysData ("totoGOAL3-Vote/x.xml"); backslashes in the name become "/".
    QString SysDataFile(const QString& name) const;

    // Relative paths are taken below the root; absolute ones are kept. Backslashes become "/".
    QString ToAbsolute(const QString& path) const;
    // A path inside the root becomes relative to it; others stay absolute.
    QString ToRelative(const QString& path) const;
    // Creates the folder and its parents; true when it exists afterwards.
    static bool EnsureFolder(const QString& path);

private:
    QString m_root;
    QString m_userData; // empty: below the root
    QString m_installedSysData;
};

} // namespace kestrel
