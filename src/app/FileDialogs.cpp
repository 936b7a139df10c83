#include "app/FileDialogs.h"

#include <QDir>
#include <QFileDialog>

namespace kestrel {

namespace {

QString StartPath(const QString& folder, const QString& name) {
    return name.isEmpty() ? folder : QDir(folder).filePath(name);
}

} // namespace

QString QtFileDialogs::OpenFile(const QString& title, const QString& filter, const QString& folder,
                                const QString& name) {
    return QFileDialog::getOpenFileName(m_parent, title, StartPath(folder, name), filter);
}

QStringList QtFileDialogs::OpenFiles(const QString& title, const QString& filter,
                                     const QString& folder) {
    return QFileDialog::getOpenFileNames(m_parent, title, folder, filter);
}

QString QtFileDialogs::SaveFile(const QString& title, const QString& filter, const QString& folder,
                                const QString& name) {
    return QFileDialog::getSaveFileName(m_parent, title, StartPath(folder, name), filter);
}

QString ExtensionCheck(const QString& path, const QString& ext) {
    if (path.isEmpty()) {
        return path;
    }
    const QString suffix = QStringLiteral(".") + ext;
    return path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
}

} // namespace kestrel
