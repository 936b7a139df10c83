#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "platform/ErrorReporter.h"
#include "platform/ProgramPaths.h"

#include <ostream>

// Readable QString values in assertion failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace kestrel::test {

// Collects every message shown while it is installed.
class CollectingSink : public MessageSink {
public:
    void Show(const Message& message) override { messages.push_back(message); }
    std::vector<Message> messages;
};

// Installs a collecting sink for the lifetime of the object, restoring the previous one after.
class MessageCapture {
public:
    MessageCapture()
        : m_previous(CurrentMessageSink()), m_sink(std::make_shared<CollectingSink>()) {
        SetMessageSink(m_sink);
    }
    ~MessageCapture() { SetMessageSink(m_previous); }
    const std::vector<Message>& Messages() const { return m_sink->messages; }
    void Clear() { m_sink->messages.clear(); }

private:
    std::shared_ptr<MessageSink> m_previous;
    std::shared_ptr<CollectingSink> m_sink;
};

inline QString DataPath(const QString& name) {
    return QStringLiteral(KESTREL_TEST_DATA "/store/") + name;
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QByteArray();
    }
    return file.readAll();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A temporary installation root with an empty SysData folder.
class TempRoot {
public:
    TempRoot() : m_paths(m_dir.path()) { ProgramPaths::EnsureFolder(m_paths.SysData()); }
    const ProgramPaths& Paths() const { return m_paths; }
    QString SysData(const QString& name) const { return m_paths.SysDataFile(name); }

private:
    QTemporaryDir m_dir;
    ProgramPaths m_paths;
};

} // namespace kestrel::test
