#pragma once

#include <QString>
#include <vector>

#include "net/HtmlItem.h"

namespace kestrel {

// Splits an HTML text into tags, comments and text runs, each cleaned (control characters to
// blanks, blank runs collapsed, the six entities decoded once in a fixed order, trimmed), and
// marks which items lie inside the page body.
class clsHtmlData {
public:
    // Number of items; the items stay available through Items().
    int GetHtmlData(const QString& html);
    const std::vector<HtmlItem>& Items() const { return m_items; }

    // The raw tokens of the first pass (tags from "<" to ">", the text between them; text after
    // the last tag is dropped).
    static std::vector<QString> Tokenize(const QString& html);
    static QString CleanToken(const QString& token);

private:
    std::vector<HtmlItem> m_items;
};

} // namespace kestrel
