#include "platform/UserPrompt.h"

#include <mutex>

namespace kestrel {

namespace {

std::mutex g_promptMutex;
std::shared_ptr<UserPrompt> g_prompt;

} // namespace

PromptAnswer FixedPrompt::Ask(const QString& /*title*/, const QString& text, PromptButtons buttons,
                              PromptAnswer preselected) {
    ++m_count;
    m_lastText = text;
    m_lastPreselected = preselected;
    if (buttons == PromptButtons::OkCancel) {
        if (m_answer == PromptAnswer::Yes) {
            return PromptAnswer::Ok;
        }
        if (m_answer == PromptAnswer::No) {
            return PromptAnswer::Cancel;
        }
    }
    if (buttons == PromptButtons::YesNo) {
        if (m_answer == PromptAnswer::Ok) {
            return PromptAnswer::Yes;
        }
        if (m_answer == PromptAnswer::Cancel) {
            return PromptAnswer::No;
        }
    }
    return m_answer;
}

void SetUserPrompt(std::shared_ptr<UserPrompt> prompt) {
    std::lock_guard lock(g_promptMutex);
    g_prompt = std::move(prompt);
}

std::shared_ptr<UserPrompt> CurrentUserPrompt() {
    std::lock_guard lock(g_promptMutex);
    if (!g_prompt) {
        g_prompt = std::make_shared<FixedPrompt>(PromptAnswer::Yes);
    }
    return g_prompt;
}

} // namespace kestrel
