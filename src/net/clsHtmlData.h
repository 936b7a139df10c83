#pragma once

#include <QString>
#include <QStringView>
#include <vector>

#include "net/HtmlItem.h"

namespace kestrel {

// Splits an HTML text into tags, comments and text runs, each cleaned (control characters to
// blanks, blank runs collapsed, the six entities decoded once in a fixed order, half-width blanks
// trimmed), and marks which items lie inside the page body.
//
// A page is read in one pass without a list of raw tokens; a page with more items than any
// operator page holds (kMaxItems) is refused as soon as the count passes it, so a hostile page
// of the maximum download size costs neither the memory nor the time of millions of items.
class clsHtmlData {
public:
    static constexpr int kMaxItems = 200000;

    // Number of items; 0 for a refused page. The items stay available through Items().
    int GetHtmlData(const QString& html);
    const std::vector<HtmlItem>& Items() const { return m_items; }
    std::vector<HtmlItem> TakeItems() { return std::move(m_items); }
    // True when the last text had more than kMaxItems items.
    bool Refused() const { return m_refused; }

    static QString CleanToken(QStringView token);

private:
    // Adds the item of one raw token; false when the page is refused.
    bool AddToken(QStringView token);

    std::vector<HtmlItem> m_items;
    bool m_commentOpen = false;
    bool m_inBody = false;
    bool m_refused = false;
};

} // namespace kestrel
