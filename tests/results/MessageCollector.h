#pragma once

#include <memory>
#include <vector>

#include "platform/ErrorReporter.h"

namespace kestrel::test {

// Collects the messages a test provokes; installed for the lifetime of the object.
class MessageCollector : public MessageSink {
public:
    void Show(const Message& message) override { messages.push_back(message); }
    std::vector<Message> messages;
};

inline std::shared_ptr<MessageCollector> CollectMessages() {
    auto sink = std::make_shared<MessageCollector>();
    SetMessageSink(sink);
    return sink;
}

} // namespace kestrel::test
