#pragma once

#include <QMenu>
#include <QStringList>
#include <deque>

#include "app/FileDialogs.h"
#include "platform/UserPrompt.h"

namespace kestrel::test {

// File dialogs answered by the test: each call takes the next queued answer (empty when none is
// left) and records the title and proposed name it was shown with.
class QueuedDialogs : public FileDialogs {
public:
    void Push(const QString& path) { m_answers.push_back(path); }
    void PushMany(const QStringList& paths) { m_many = paths; }
    // Drops the answers no dialog took (a command that stopped before its dialog).
    void Clear() { m_answers.clear(); }

    QString OpenFile(const QString& title, const QString&, const QString&,
                     const QString& name) override {
        return Take(title, name);
    }
    QStringList OpenFiles(const QString& title, const QString&, const QString&) override {
        LastTitle = title;
        return m_many;
    }
    QString SaveFile(const QString& title, const QString&, const QString&,
                     const QString& name) override {
        return Take(title, name);
    }

    QString LastTitle;
    QString LastName;

private:
    QString Take(const QString& title, const QString& name) {
        LastTitle = title;
        LastName = name;
        if (m_answers.empty()) {
            return QString();
        }
        const QString path = m_answers.front();
        m_answers.pop_front();
        return path;
    }
    std::deque<QString> m_answers;
    QStringList m_many;
};

// The action under a menu path of captions (sub-menus by their titles); nullptr when absent.
inline QAction* FindAction(QMenu* menu, const QStringList& path) {
    for (QAction* action : menu->actions()) {
        if (action->text() != path.front()) {
            continue;
        }
        if (path.size() == 1) {
            return action;
        }
        return action->menu() ? FindAction(action->menu(), path.mid(1)) : nullptr;
    }
    return nullptr;
}

} // namespace kestrel::test
