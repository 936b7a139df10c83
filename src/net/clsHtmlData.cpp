#include "net/clsHtmlData.h"

namespace kestrel {

namespace {

const QString kCommentOpen = QStringLiteral("<!--");
const QString kCommentClose = QStringLiteral("-->");

QString CollapseBlanks(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const QChar blank = c.unicode() < 32 ? QLatin1Char(' ') : c;
        if (blank == QLatin1Char(' ') && out.endsWith(QLatin1Char(' '))) {
            continue;
        }
        out.append(blank);
    }
    return out;
}

void FillTag(HtmlItem& item) {
    if (item.Raw.startsWith(kCommentOpen)) {
        item.IsComment = true;
        if (item.Raw.endsWith(kCommentClose) && item.Raw.size() >= 7) {
            item.NameOrText = item.Raw.mid(4, item.Raw.size() - 7).trimmed();
        }
        return;
    }
    QString inner = item.Raw.mid(1);
    if (inner.endsWith(QLatin1Char('>'))) {
        inner.chop(1);
    }
    item.TagWords = inner.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    item.WordCount = static_cast<int>(item.TagWords.size()) - 1;
    QString name = item.TagWords.isEmpty() ? QString() : item.TagWords.first();
    if (name.startsWith(QLatin1Char('/'))) {
        item.IsEndTag = true;
        name.remove(0, 1);
    }
    item.NameOrText = name;
}

} // namespace

std::vector<QString> clsHtmlData::Tokenize(const QString& html) {
    std::vector<QString> tokens;
    qsizetype start = -1;
    bool inTag = false;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html.at(i);
        if (inTag) {
            if (c == QLatin1Char('>')) {
                tokens.push_back(html.mid(start, i - start + 1));
                inTag = false;
                start = -1;
            }
        } else if (c == QLatin1Char('<')) {
            if (start >= 0) {
                tokens.push_back(html.mid(start, i - start));
            }
            start = i;
            inTag = true;
        } else if (start < 0) {
            start = i;
        }
    }
    return tokens;
}

QString clsHtmlData::CleanToken(const QString& token) {
    QString text = CollapseBlanks(token);
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    text.replace(QLatin1String("&#169;"), QLatin1String("(c)"));
    text.replace(QLatin1String("&#174;"), QLatin1String("(r)"));
    return text.trimmed();
}

int clsHtmlData::GetHtmlData(const QString& html) {
    m_items.clear();
    bool commentOpen = false;
    bool inBody = false;
    for (const QString& token : Tokenize(html)) {
        HtmlItem item;
        item.Raw = CleanToken(token);
        if (item.Raw.isEmpty()) {
            continue;
        }
        item.IsTag = item.Raw.startsWith(QLatin1Char('<'));
        if (commentOpen) {
            item.IsComment = true;
            commentOpen = !item.Raw.contains(kCommentClose);
        } else if (item.IsTag) {
            FillTag(item);
            commentOpen = item.IsComment && !item.Raw.endsWith(kCommentClose);
        } else {
            item.NameOrText = item.Raw;
        }
        const bool bodyTag =
            item.IsTag && !item.IsComment &&
            item.NameOrText.compare(QLatin1String("body"), Qt::CaseInsensitive) == 0;
        if (bodyTag) {
            inBody = !item.IsEndTag;
            item.InBody = false;
        } else {
            item.InBody = inBody;
        }
        m_items.push_back(std::move(item));
    }
    return static_cast<int>(m_items.size());
}

} // namespace kestrel
