#pragma once

#include <QString>

namespace kestrel {

// Builds the text of a round store file line by line, every line ending with CR LF.
class XmlTextWriter {
public:
    // The XML declaration and the stylesheet line naming the given file.
    void Header(const QString& stylesheet);
    // A line as it stands ("<開催>", "</開催>").
    void Line(const QString& line);
    void Open(const QString& name);  // "<name>"
    void Close(const QString& name); // "</name>"
    // "<name>value</name>" on one line; the value is made storable first.
    void Element(const QString& name, const QString& value);

    const QString& Text() const { return m_text; }

private:
    QString m_text;
};

} // namespace kestrel
