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
    QString NameOrText;   // tag name, comment text, or the text itself
    QStringList TagWords; // the words inside the angle brackets, name first
    int WordCount = -1;   // upper index of the tag words (the number of attributes)
};

} // namespace kestrel
