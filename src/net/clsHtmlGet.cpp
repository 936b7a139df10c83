#include "net/clsHtmlGet.h"

#include <algorithm>

#include "net/clsHtmlData.h"
#include "platform/TextFile.h"

namespace kestrel {

namespace {

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QChar(0x3000) || c == QLatin1Char('\t');
}

// Leaves a text without blanks untouched, so a text run keeps sharing its item's raw text.
void RemoveBlanks(QString& text) {
    if (std::any_of(text.cbegin(), text.cend(), IsBlank)) {
        text.removeIf(IsBlank);
    }
}

} // namespace

int clsHtmlGet::GetHttp(const QString& url, const QString& proxy, int codeNumber) {
    m_url.clear();
    m_text.clear();
    m_items.clear();
    if (!m_inet.Connection()) {
        return 0;
    }
    m_url = url;
    return SetPageText(m_inet.GetHttpDataString(url, proxy, codeNumber));
}

int clsHtmlGet::SetPageText(const QString& text) {
    m_text = text;
    clsHtmlData data;
    data.GetHtmlData(text);
    m_items = data.TakeItems();
    for (HtmlItem& item : m_items) {
        RemoveBlanks(item.NameOrText);
    }
    return Count();
}

int clsHtmlGet::GetTextData(QStringList& list) const {
    list.clear();
    bool join = false;
    for (const HtmlItem& item : m_items) {
        if (!item.InBody) {
            continue;
        }
        if (item.IsComment && item.Raw.startsWith(QLatin1String("<!--"))) {
            join = false;
        } else if (item.IsTag && !item.IsComment) {
            join = item.NameOrText.toUpper() == QLatin1String("BR");
        } else {
            // A text run, or a token that only continues a comment (no text of its own).
            const QString text = item.IsComment ? QString() : item.NameOrText;
            if (join && !list.isEmpty()) {
                list.last() += text;
            } else {
                list.append(text);
            }
        }
    }
    return static_cast<int>(list.size());
}

bool clsHtmlGet::SaveToFile(const QString& path) const {
    return TextFile::Write(path, m_text);
}

} // namespace kestrel
