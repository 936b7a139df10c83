#include "net/clsHtmlData.h"

namespace kestrel {

namespace {

const QString kCommentOpen = QStringLiteral("<!--");
const QString kCommentClose = QStringLiteral("-->");
const QChar kBlank = QLatin1Char(' ');

// Control characters become blanks, runs of blanks one blank.
QString CollapseBlanks(QStringView text) {
    QString out;
    out.reserve(text.size());
    bool lastBlank = false;
    for (const QChar c : text) {
        const bool blank = c.unicode() <= 32;
        if (blank && lastBlank) {
            continue;
        }
        out.append(blank ? kBlank : c);
        lastBlank = blank;
    }
    return out;
}

// Only the half-width blank is trimmed: a full-width blank or a no-break space is text, so a
// cell holding only "　" stays an item (and a piece) and the pieces after it keep their places.
QString TrimBlanks(QString text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == kBlank) {
        ++begin;
    }
    while (end > begin && text.at(end - 1) == kBlank) {
        --end;
    }
    if (begin == 0 && end == text.size()) {
        return text;
    }
    return text.mid(begin, end - begin);
}

// Every occurrence of from replaced by to, in one pass over the text (QString::replace moves the
// rest of the text again for every batch of hits, which is slow on a page full of entities).
void ReplaceAll(QString& text, QLatin1String from, QLatin1String to) {
    qsizetype hit = text.indexOf(from);
    if (hit < 0) {
        return;
    }
    QString out;
    out.reserve(text.size());
    qsizetype from0 = 0;
    while (hit >= 0) {
        out.append(QStringView(text).mid(from0, hit - from0));
        out.append(to);
        from0 = hit + from.size();
        hit = text.indexOf(from, from0);
    }
    out.append(QStringView(text).mid(from0));
    text = std::move(out);
}

// True when cleaning leaves nothing (only control characters and blanks).
bool OnlyBlanks(QStringView token) {
    for (const QChar c : token) {
        if (c.unicode() > 32) {
            return false;
        }
    }
    return true;
}

void FillTag(HtmlItem& item) {
    if (item.Raw.startsWith(kCommentOpen)) {
        item.IsComment = true;
        if (item.Raw.endsWith(kCommentClose) && item.Raw.size() >= 7) {
            item.NameOrText = TrimBlanks(item.Raw.mid(4, item.Raw.size() - 7));
        }
        return;
    }
    QStringView inner = QStringView(item.Raw).mid(1);
    if (inner.endsWith(QLatin1Char('>'))) {
        inner.chop(1);
    }
    while (!inner.isEmpty() && inner.front() == kBlank) {
        inner = inner.mid(1);
    }
    QStringView name = inner.left(inner.indexOf(kBlank) < 0 ? inner.size() : inner.indexOf(kBlank));
    if (name.startsWith(QLatin1Char('/'))) {
        item.IsEndTag = true;
        name = name.mid(1);
    }
    item.NameOrText = name.toString();
}

} // namespace

QStringList HtmlItem::TagWords() const {
    if (!IsTag || IsComment) {
        return QStringList();
    }
    QStringView inner = QStringView(Raw).mid(1);
    if (inner.endsWith(QLatin1Char('>'))) {
        inner.chop(1);
    }
    QStringList words;
    for (const QStringView word : inner.split(kBlank, Qt::SkipEmptyParts)) {
        words.append(word.toString());
    }
    return words;
}

QString clsHtmlData::CleanToken(QStringView token) {
    QString text = CollapseBlanks(token);
    // One entity after the other, so text that one of them produces is only decoded by those
    // that come later.
    ReplaceAll(text, QLatin1String("&lt;"), QLatin1String("<"));
    ReplaceAll(text, QLatin1String("&gt;"), QLatin1String(">"));
    ReplaceAll(text, QLatin1String("&quot;"), QLatin1String("\""));
    ReplaceAll(text, QLatin1String("&amp;"), QLatin1String("&"));
    ReplaceAll(text, QLatin1String("&#169;"), QLatin1String("(c)"));
    ReplaceAll(text, QLatin1String("&#174;"), QLatin1String("(r)"));
    return TrimBlanks(std::move(text));
}

bool clsHtmlData::AddToken(QStringView token) {
    if (OnlyBlanks(token)) {
        return true;
    }
    HtmlItem item;
    item.Raw = CleanToken(token);
    if (item.Raw.isEmpty()) {
        return true;
    }
    if (m_items.size() >= static_cast<size_t>(kMaxItems)) {
        m_refused = true;
        return false;
    }
    item.IsTag = item.Raw.startsWith(QLatin1Char('<'));
    if (m_commentOpen) {
        item.IsComment = true;
        m_commentOpen = !item.Raw.contains(kCommentClose);
    } else if (item.IsTag) {
        FillTag(item);
        m_commentOpen = item.IsComment && !item.Raw.endsWith(kCommentClose);
    } else {
        item.NameOrText = item.Raw;
    }
    const bool bodyTag = item.IsTag && !item.IsComment &&
                         item.NameOrText.compare(QLatin1String("body"), Qt::CaseInsensitive) == 0;
    if (bodyTag) {
        m_inBody = !item.IsEndTag;
        item.InBody = false;
    } else {
        item.InBody = m_inBody;
    }
    m_items.push_back(std::move(item));
    return true;
}

// Tags run from "<" to ">"; the text between tags is a token of its own; text after the last tag
// is dropped.
int clsHtmlData::GetHtmlData(const QString& html) {
    m_items.clear();
    m_commentOpen = m_inBody = m_refused = false;
    const QStringView text(html);
    qsizetype start = -1;
    bool inTag = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inTag) {
            if (c == QLatin1Char('>')) {
                if (!AddToken(text.mid(start, i - start + 1))) {
                    break;
                }
                inTag = false;
                start = -1;
            }
        } else if (c == QLatin1Char('<')) {
            if (start >= 0 && !AddToken(text.mid(start, i - start))) {
                break;
            }
            start = i;
            inTag = true;
        } else if (start < 0) {
            start = i;
        }
    }
    if (m_refused) {
        m_items.clear();
        m_items.shrink_to_fit();
    }
    return static_cast<int>(m_items.size());
}

} // namespace kestrel
