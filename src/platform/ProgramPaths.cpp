#include "platform/ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

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
    return ForProgramFolder(QCoreApplication::applicationDirPath());
}

// The window and the CLI are different executables; the per-user folder is named here so both
// use the same one.
ProgramPaths ProgramPaths::ForProgramFolder(const QString& programFolder) {
    ProgramPaths paths(programFolder);
    const QFileInfo own(paths.SysData());
    const QString installed = QDir::cleanPath(paths.Root() + "/../share/kestrel/SysData");
    if ((own.isDir() && own.isWritable()) || !QFileInfo(installed).isDir()) {
        return paths;
    }
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (data.isEmpty() || documents.isEmpty()) {
        return paths;
    }
    ProgramPaths user(data + "/kestrel");
    user.m_userData = QDir::cleanPath(documents + "/Kestrel");
    user.m_installedSysData = installed;
    if (!CopyMissingFiles(installed, user.SysData())) {
        return paths;
    }
    return user;
}

bool ProgramPaths::CopyMissingFiles(const QString& source, const QString& target) {
    if (!EnsureFolder(target)) {
        return false;
    }
    const QDir from(source);
    QDirIterator it(source, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString file = it.next();
        const QString copy = target + "/" + from.relativeFilePath(file);
        if (QFileInfo::exists(copy)) {
            continue;
        }
        if (!EnsureFolder(QFileInfo(copy).path()) || !QFile::copy(file, copy)) {
            ok = false;
            continue;
        }
        // Installed files are read-only; the user's copy must be writable.
        QFile::setPermissions(copy, QFile::permissions(copy) | QFile::WriteOwner);
    }
    return ok;
}

QString ProgramPaths::SysData() const {
    return m_root + "/SysData";
}

QString ProgramPaths::UserData() const {
    return m_userData.isEmpty() ? m_root + "/UserData/Kestrel" : m_userData;
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
