#pragma once

#include <QString>
#include <QTemporaryDir>

#include "platform/ProgramPaths.h"

namespace kestrel::test {

// A temporary installation root with an empty SysData folder, removed with the object.
class TempRoot {
public:
    TempRoot() : m_paths(m_dir.path()) { ProgramPaths::EnsureFolder(m_paths.SysData()); }
    const ProgramPaths& Paths() const { return m_paths; }
    QString Root() const { return m_paths.Root(); }
    QString SysData(const QString& name) const { return m_paths.SysDataFile(name); }
    // A path beside SysData for files a test writes.
    QString Path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }

private:
    QTemporaryDir m_dir;
    ProgramPaths m_paths;
};

} // namespace kestrel::test
