#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <mutex>

namespace kestrel {

// The lines of the download progress window ("インターネット接続"). The HTTP client writes to it
// from its transfer thread, so an implementation must be thread-safe; a window shows it by
// observing the log (the listener runs on the writing thread: queue it to the UI thread).
class WinInetProgress {
public:
    static constexpr const char16_t* kCaption = u"インターネット接続";

    using Listener = std::function<void()>;

    void Open();
    void Close();
    // A new line: the text with one blank in front, added at the end.
    void AddLine(const QString& text);
    // Appends the text to the end of the last line (a new line when there is none).
    void Append(const QString& text);

    bool IsOpen() const;
    QStringList Lines() const;
    // What was written since a reader saw seenLines lines, the last of them seenLast characters
    // long: the rest of that last line (tail) and the lines after it. Both counts move on to the
    // present, so a view appends only what is new instead of redrawing every line.
    struct Delta {
        QString tail;
        QStringList lines;
    };
    Delta Since(qsizetype& seenLines, qsizetype& seenLast) const;
    void SetListener(Listener listener);

private:
    void Notify();

    mutable std::mutex m_mutex;
    bool m_open = false;
    QStringList m_lines;
    Listener m_listener;
};

} // namespace kestrel
