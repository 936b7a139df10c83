#pragma once

#include <QByteArray>
#include <QString>

namespace kestrel {

// Shift_JIS as Windows writes it (code page 932) on disk, QString in memory.
class TextCodec {
public:
    // Decodes CP932 bytes. Bytes that do not decode make ok false (when given) and come out as
    // U+FFFD.
    static QString DecodeCp932(const QByteArray& bytes, bool* ok = nullptr);
    // Encodes to CP932. Characters without a CP932 form make ok false and are written as "?".
    static QByteArray EncodeCp932(const QString& text, bool* ok = nullptr);
    // Bytes of the text's CP932 form: a full-width character counts 2, an ASCII or half-width
    // katakana character 1; a character without a CP932 form counts 2.
    static int SjisWidth(const QString& text);
    // Full-width letters, digits, punctuation and katakana to half-width (and back).
    static QString ToHalfWidth(const QString& text);
    static QString ToFullWidth(const QString& text);
    // Decodes UTF-8 (web pages); invalid sequences become U+FFFD.
    static QString DecodeUtf8(const QByteArray& bytes);
};

} // namespace kestrel
