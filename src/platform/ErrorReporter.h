#pragma once

#include <QString>
#include <memory>

namespace kestrel {

enum class MessageIcon { Error, Warning, Information, Question };

struct Message {
    MessageIcon icon = MessageIcon::Information;
    QString title;
    QString text;
};

// Where messages go: the window shows a box on the UI thread, the CLI prints to stderr, tests
// collect them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void Show(const Message& message) = 0;
};

// Process-wide sink; defaults to one that writes to stderr. Thread-safe.
void SetMessageSink(std::shared_ptr<MessageSink> sink);
std::shared_ptr<MessageSink> CurrentMessageSink();
// Shows one message through the current sink.
void ShowMessage(MessageIcon icon, const QString& title, const QString& text);

// Every class owns one reporter named after the class.
//   Report(proc, detail): warning, title "Kestrel / <class> / <proc>", text = detail.
//   ReportUnexpected(proc, description, number, source): error, title
//     "<source> / <class> / <proc>", text "<description> ( <number> )".
class ErrorReporter {
public:
    explicit ErrorReporter(QString className);
    void Report(const QString& procedure, const QString& detail) const;
    void ReportUnexpected(const QString& procedure, const QString& description, int number = 0,
                          const QString& source = QStringLiteral("Kestrel")) const;
    const QString& ClassName() const { return m_className; }

private:
    QString m_className;
};

} // namespace kestrel
