#include "platform/ErrorReporter.h"

#include <cstdio>
#include <mutex>

#include "platform/Version.h"

namespace kestrel {

namespace {

class StderrSink : public MessageSink {
public:
    void Show(const Message& message) override {
        std::fputs((message.title + ": " + message.text + "\n").toUtf8().constData(), stderr);
    }
};

std::mutex g_sinkMutex;
std::shared_ptr<MessageSink> g_sink;

} // namespace

void SetMessageSink(std::shared_ptr<MessageSink> sink) {
    std::lock_guard lock(g_sinkMutex);
    g_sink = std::move(sink);
}

std::shared_ptr<MessageSink> CurrentMessageSink() {
    std::lock_guard lock(g_sinkMutex);
    if (!g_sink) {
        g_sink = std::make_shared<StderrSink>();
    }
    return g_sink;
}

void ShowMessage(MessageIcon icon, const QString& title, const QString& text) {
    CurrentMessageSink()->Show(Message{icon, title, text});
}

ErrorReporter::ErrorReporter(QString className) : m_className(std::move(className)) {}

void ErrorReporter::Report(const QString& procedure, const QString& detail) const {
    const QString title =
        QString::fromUtf8(kProductName) + " / " + m_className + " / " + procedure;
    ShowMessage(MessageIcon::Warning, title, detail);
}

void ErrorReporter::ReportUnexpected(const QString& procedure, const QString& description,
                                     int number, const QString& source) const {
    const QString title = source + " / " + m_className + " / " + procedure;
    const QString text = description + " ( " + QString::number(number) + " )";
    ShowMessage(MessageIcon::Error, title, text);
}

} // namespace kestrel
