#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "store/XmlFieldError.h"

namespace kestrel {

// Outcome of reading a store text.
enum class XmlReadStatus {
    Ok,        // the whole text was read
    Malformed, // a closing tag did not match, or the document is incomplete
    BadValue,  // a value did not convert; the error says why
};

// The line-oriented reader of the round store files. It understands what the stores write, not
// general XML: a line break goes before every "<" and after every ">", lines are trimmed and
// empty ones skipped; "<?...>" lines are skipped, "</x>" must close the element on top of the
// stack, "<x>" opens one, and any other line is a value. A value is handed on with its element
// path (the open elements below "<totoGOAL3>" and the block element, concatenated, as
// "<指定試合><チーム>") when it lies inside that block.
//
// Beyond that, a text counts as complete only when the block was closed inside "<totoGOAL3>" and
// "</totoGOAL3>" was reached with nothing left open; a truncated or empty text is malformed.
class XmlLineReader {
public:
    using FieldHandler =
        std::function<bool(const QString& path, const QString& value, XmlFieldError& error)>;

    XmlLineReader(QString blockElement, FieldHandler handler);

    XmlReadStatus Read(const QString& text);
    // Why the last read stopped with BadValue.
    const XmlFieldError& Error() const { return m_error; }

private:
    // Deeper paths than this never name a field; values there are ignored without building
    // the path (keeps hostile nesting cheap).
    static constexpr int kMaxFieldDepth = 8;

    bool TakeLine(const QString& raw);
    bool TakeClosing(const QString& line);
    bool TakeValue(const QString& line);
    bool InsideBlock() const;

    QString m_block;
    FieldHandler m_handler;
    QStringList m_stack;
    bool m_rootClosed = false;
    bool m_blockClosed = false;
    XmlReadStatus m_status = XmlReadStatus::Ok;
    XmlFieldError m_error;
};

} // namespace kestrel
