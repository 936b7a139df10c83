#include "net/WinInetProgress.h"

namespace kestrel {

void WinInetProgress::Open() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = true;
    }
    Notify();
}

void WinInetProgress::Close() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = false;
    }
    Notify();
}

void WinInetProgress::AddLine(const QString& text) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_lines.append(QLatin1Char(' ') + text);
    }
    Notify();
}

void WinInetProgress::Append(const QString& text) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_lines.isEmpty()) {
            m_lines.append(text);
        } else {
            m_lines.last() += text;
        }
    }
    Notify();
}

bool WinInetProgress::IsOpen() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_open;
}

QStringList WinInetProgress::Lines() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lines;
}

WinInetProgress::Delta WinInetProgress::Since(qsizetype& seenLines, qsizetype& seenLast) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    Delta delta;
    if (seenLines > m_lines.size()) {
        seenLines = seenLast = 0;
    }
    if (seenLines > 0) {
        delta.tail = m_lines.at(seenLines - 1).mid(seenLast);
    }
    delta.lines = m_lines.mid(seenLines);
    seenLines = m_lines.size();
    seenLast = m_lines.isEmpty() ? 0 : m_lines.last().size();
    return delta;
}

void WinInetProgress::SetListener(Listener listener) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_listener = std::move(listener);
}

void WinInetProgress::Notify() {
    Listener listener;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        listener = m_listener;
    }
    if (listener) {
        listener();
    }
}

} // namespace kestrel
