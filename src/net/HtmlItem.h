#pragma once

#include <QString>
#include <QStringList>

namespace kestrel {

// One item of a tokenized HTML text: a tag, a comment or a run of text.
struct HtmlItem {
    QString Raw;           // the cleaned token
    bool IsTag = false;    // the token starts with "<"
    bool IsEndTag = false; // the tag name started with "/"
    bool IsComment = false;
    bool InBody = false;
    // Tag name, comment text, or the text itself (a text run shares the characters of Raw).
    QString NameOrText;

    // The words inside the angle brackets, name first (empty for comments and text runs). Made
    // from Raw when asked for: no parser needs them, and a page can hold many tags.
    QStringList TagWords() const;
    // Upper index of the tag words (the number of attributes); -1 without words.
    int WordCount() const { return static_cast<int>(TagWords().size()) - 1; }
};

} // namespace kestrel
