#include "store/XmlTextWriter.h"

#include "store/XmlValue.h"

namespace kestrel {

void XmlTextWriter::Header(const QString& stylesheet) {
    Line(QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>"));
    Line(QStringLiteral("<?xml-stylesheet type=\"text/xsl\" href=\"") + stylesheet +
         QStringLiteral("\"?>"));
}

void XmlTextWriter::Line(const QString& line) {
    m_text += line;
    m_text += QStringLiteral("\r\n");
}

void XmlTextWriter::Open(const QString& name) {
    Line(QLatin1Char('<') + name + QLatin1Char('>'));
}

void XmlTextWriter::Close(const QString& name) {
    Line(QStringLiteral("</") + name + QLatin1Char('>'));
}

void XmlTextWriter::Element(const QString& name, const QString& value) {
    Line(QLatin1Char('<') + name + QLatin1Char('>') + XmlValue::FromText(value) +
         QStringLiteral("</") + name + QLatin1Char('>'));
}

} // namespace kestrel
