#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/ErrorReporter.h"
#include "platform/UserPrompt.h"

namespace kestrel {

// Shows the program's messages as message boxes on the user-interface thread; a message from a
// worker thread waits until the box is closed.
class QtMessageSink : public MessageSink {
public:
    void SetParent(QWidget* parent) { m_parent = parent; }
    void Show(const Message& message) override;

private:
    void ShowHere(const Message& message);
    QPointer<QWidget> m_parent;
};

// Asks the program's questions with a message box on the user-interface thread.
class QtUserPrompt : public UserPrompt {
public:
    void SetParent(QWidget* parent) { m_parent = parent; }
    PromptAnswer Ask(const QString& title, const QString& text, PromptButtons buttons) override;

private:
    PromptAnswer AskHere(const QString& title, const QString& text, PromptButtons buttons);
    QPointer<QWidget> m_parent;
};

} // namespace kestrel
