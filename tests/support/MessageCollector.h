#pragma once

#include <QString>
#include <memory>
#include <mutex>
#include <vector>

#include "QtPrinters.h"
#include "platform/ErrorReporter.h"

namespace kestrel::test {

// Collects the messages shown while it is installed (from any thread); restores the previous
// sink when it goes.
class CollectedMessages {
public:
    CollectedMessages() : m_sink(std::make_shared<Sink>()), m_previous(CurrentMessageSink()) {
        SetMessageSink(m_sink);
    }
    ~CollectedMessages() { SetMessageSink(m_previous); }
    CollectedMessages(const CollectedMessages&) = delete;
    CollectedMessages& operator=(const CollectedMessages&) = delete;

    std::vector<Message> Messages() const {
        std::lock_guard lock(m_sink->mutex);
        return m_sink->messages;
    }
    size_t Count() const { return Messages().size(); }
    Message Last() const {
        const auto all = Messages();
        return all.empty() ? Message{} : all.back();
    }
    void Clear() {
        std::lock_guard lock(m_sink->mutex);
        m_sink->messages.clear();
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
