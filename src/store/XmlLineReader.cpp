#include "store/XmlLineReader.h"

namespace kestrel {

namespace {

const QString kRoot = QStringLiteral("<totoGOAL3>");

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString TrimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return text.mid(begin, end - begin);
}

} // namespace

XmlLineReader::XmlLineReader(QString blockElement, FieldHandler handler)
    : m_block(std::move(blockElement)), m_handler(std::move(handler)) {}

XmlReadStatus XmlLineReader::Read(const QString& text) {
    m_stack.clear();
    m_rootClosed = false;
    m_blockClosed = false;
    m_status = XmlReadStatus::Ok;
    m_error = XmlFieldError{};

    QString line;
    for (const QChar c : text) {
        if (c == QLatin1Char('<')) {
            if (!TakeLine(line)) {
                return m_status;
            }
            line = c;
        } else if (c == QLatin1Char('>')) {
            line += c;
            if (!TakeLine(line)) {
                return m_status;
            }
            line.clear();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (!TakeLine(line)) {
                return m_status;
            }
            line.clear();
        } else {
            line += c;
        }
    }
    if (!TakeLine(line)) {
        return m_status;
    }
    if (m_stack.size() != 1 || !m_rootClosed || !m_blockClosed) {
        return XmlReadStatus::Malformed;
    }
    return XmlReadStatus::Ok;
}

bool XmlLineReader::TakeLine(const QString& raw) {
    const QString line = TrimBlanks(raw);
    if (line.isEmpty() || line.startsWith(QLatin1String("<?"))) {
        return true;
    }
    if (line.startsWith(QLatin1String("</"))) {
        return TakeClosing(line);
    }
    if (line.startsWith(QLatin1Char('<'))) {
        if (m_rootClosed) {
            m_status = XmlReadStatus::Malformed; // an element after the end of the document
            return false;
        }
        m_stack.append(line);
        return true;
    }
    return TakeValue(line);
}

bool XmlLineReader::TakeClosing(const QString& line) {
    const QString name = QLatin1Char('<') + line.mid(2);
    if (m_stack.isEmpty() || m_stack.last() != name) {
        m_status = XmlReadStatus::Malformed;
        return false;
    }
    if (m_stack.size() == 1) {
        // The bottom entry stays; closing it ends the document.
        m_rootClosed = true;
        return true;
    }
    m_stack.removeLast();
    if (m_stack.size() == 1 && name == m_block && m_stack.first() == kRoot) {
        m_blockClosed = true;
    }
    return true;
}

bool XmlLineReader::TakeValue(const QString& line) {
    if (!InsideBlock() || m_stack.size() > kMaxFieldDepth) {
        return true;
    }
    QString path;
    for (qsizetype i = 2; i < m_stack.size(); ++i) {
        path += m_stack[i];
    }
    if (!m_handler(path, line, m_error)) {
        m_status = XmlReadStatus::BadValue;
        return false;
    }
    return true;
}

bool XmlLineReader::InsideBlock() const {
    return m_stack.size() >= 2 && m_stack[0] == kRoot && m_stack[1] == m_block;
}

} // namespace kestrel
