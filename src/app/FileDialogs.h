#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace kestrel {

// The open and save dialogs the window's commands ask for a path. The window shows the system's
// dialogs; tests answer with paths of their own. An empty result means the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // folder: the folder the dialog starts in; name: the proposed file name (may be empty).
    virtual QString OpenFile(const QString& title, const QString& filter, const QString& folder,
                             const QString& name) = 0;
    virtual QStringList OpenFiles(const QString& title, const QString& filter,
                                  const QString& folder) = 0;
    virtual QString SaveFile(const QString& title, const QString& filter, const QString& folder,
                             const QString& name) = 0;
};

// The system's file dialogs, modal to the parent.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent) : m_parent(parent) {}
    QString OpenFile(const QString& title, const QString& filter, const QString& folder,
                     const QString& name) override;
    QStringList OpenFiles(const QString& title, const QString& filter,
                          const QString& folder) override;
    QString SaveFile(const QString& title, const QString& filter, const QString& folder,
                     const QString& name) override;

private:
    QWidget* m_parent;
};

// The path with ".ext" appended unless it already ends in it (letter case ignored); an empty
// path stays empty.
QString ExtensionCheck(const QString& path, const QString& ext);

} // namespace kestrel
