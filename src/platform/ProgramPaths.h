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
    // The folder of the running executable.
    static ProgramPaths FromExecutable();

    const QString& Root() const { return m_root; }
    QString SysData() const;  // <root>/SysData
    QString UserData() const; // <root>/UserData/Kestrel
    QString Temp() const;     // <root>/SysData/Temp
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
};

} // namespace kestrel
