#pragma once

#include <QString>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/ErrorReporter.h"

namespace kestrel::test {

// Collects the messages shown while it is installed; restores the previous sink afterwards.
class CollectedMessages {
public:
    CollectedMessages() : m_sink(std::make_shared<Sink>()), m_previous(CurrentMessageSink()) {
        SetMessageSink(m_sink);
    }
    ~CollectedMessages() { SetMessageSink(m_previous); }
    CollectedMessages(const CollectedMessages&) = delete;
    CollectedMessages& operator=(const CollectedMessages&) = delete;

    std::vector<Message> All() const {
        std::lock_guard lock(m_sink->mutex);
        return m_sink->messages;
    }
    size_t Count() const { return All().size(); }
    Message Last() const {
        const auto all = All();
        return all.empty() ? Message{} : all.back();
    }

private:
    struct Sink : MessageSink {
        void Show(const Message& message) override {
            std::lock_guard lock(mutex);
            messages.push_back(message);
        }
        std::mutex mutex;
        std::vector<Message> messages;
    };
    std::shared_ptr<Sink> m_sink;
    std::shared_ptr<MessageSink> m_previous;
};

} // namespace kestrel::test
