#pragma once

#include <QString>
#include <memory>

namespace kestrel {

enum class PromptButtons { YesNo, OkCancel, YesNoCancel };
enum class PromptAnswer { Yes, No, Ok, Cancel };

// Questions to the user. The window asks with a box, the CLI answers as each command documents,
// tests pre-answer. `preselected` is the answer Enter gives in the box: the first button (Yes or
// Ok) unless a question that would drop or unlock work names No (or Cancel).
class UserPrompt {
public:
    virtual ~UserPrompt() = default;
    virtual PromptAnswer Ask(const QString& title, const QString& text, PromptButtons buttons,
                             PromptAnswer preselected = PromptAnswer::Yes) = 0;
};

// A prompt that answers every question the same way (CLI and tests).
class FixedPrompt : public UserPrompt {
public:
    explicit FixedPrompt(PromptAnswer answer) : m_answer(answer) {}
    PromptAnswer Ask(const QString& title, const QString& text, PromptButtons buttons,
                     PromptAnswer preselected = PromptAnswer::Yes) override;
    int AskCount() const { return m_count; }
    const QString& LastText() const { return m_lastText; }
    PromptAnswer LastPreselected() const { return m_lastPreselected; }

private:
    PromptAnswer m_answer;
    int m_count = 0;
    QString m_lastText;
    PromptAnswer m_lastPreselected = PromptAnswer::Yes;
};

// Process-wide prompt; defaults to a FixedPrompt answering Yes/Ok.
void SetUserPrompt(std::shared_ptr<UserPrompt> prompt);
std::shared_ptr<UserPrompt> CurrentUserPrompt();

} // namespace kestrel
