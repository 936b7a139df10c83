#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/ErrorReporter.h"
#include "platform/UserPrompt.h"

namespace kestrel {

// The text a message box shows: at most kMessageBoxLines lines of at most kMessageBoxLineLength
// characters and kMessageBoxLength characters in all; a cut text ends with "…".
inline constexpr int kMessageBoxLength = 1200;
inline constexpr int kMessageBoxLines = 24;
inline constexpr int kMessageBoxLineLength = 200;
QString MessageBoxText(const QString& text);

// Shows the program's messages as message boxes on the user-interface thread; a message from a
// worker thread waits until the box is closed. A text too long for a readable box (a page can
// put a megabyte into a team name) is cut with "…"; the whole text then goes to the log.
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
    PromptAnswer Ask(const QString& title, const QString& text, PromptButtons buttons,
                     PromptAnswer preselected = PromptAnswer::Yes) override;

private:
    PromptAnswer AskHere(const QString& title, const QString& text, PromptButtons buttons,
                         PromptAnswer preselected);
    QPointer<QWidget> m_parent;
};

} // namespace kestrel
