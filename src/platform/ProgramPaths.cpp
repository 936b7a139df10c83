#include "platform/ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kestrel {

namespace {

QString Slashes(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

} // namespace

// A relative root is taken from the current folder once, so later changes of the current folder
// do not move the installation.
ProgramPaths::ProgramPaths(QString root)
    : m_root(QDir::cleanPath(QDir(Slashes(root)).absolutePath())) {}

ProgramPaths ProgramPaths::FromExecutable() {
    return ProgramPaths(QCoreApplication::applicationDirPath());
}

QString ProgramPaths::SysData() const {
    return m_root + "/SysData";
}

QString ProgramPaths::UserData() const {
    return m_root + "/UserData/Kestrel";
}

QString ProgramPaths::Temp() const {
    return SysData() + "/Temp";
}

QString ProgramPaths::SysDataFile(const QString& name) const {
    return SysData() + "/" + Slashes(name);
}

QString ProgramPaths::ToAbsolute(const QString& path) const {
    const QString p = Slashes(path);
    if (QDir::isAbsolutePath(p)) {
        return QDir::cleanPath(p);
    }
    return QDir::cleanPath(m_root + "/" + p);
}

QString ProgramPaths::ToRelative(const QString& path) const {
    const QString p = QDir::cleanPath(Slashes(path));
    if (p.startsWith(m_root + "/")) {
        return p.mid(m_root.size() + 1);
    }
    return p;
}

bool ProgramPaths::EnsureFolder(const QString& path) {
    return QDir().mkpath(path) && QFileInfo(path).isDir();
}

} // namespace kestrel
