#include "platform/TextCodec.h"

#include <QList>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <memory>
#include <string>
#include <unicode/translit.h>
#include <unicode/unistr.h>
#include <vector>

namespace kestrel {

namespace {

// One iconv conversion descriptor. Opening one loads and sets up the conversion tables, which
// costs far more than converting a short text, so each thread keeps one per direction (a
// descriptor carries conversion state and must not be shared between threads).
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (Valid()) {
            iconv_close(m_cd);
        }
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool Valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return m_cd; }

private:
    iconv_t m_cd;
};

iconv_t Decoder() {
    thread_local IconvHandle handle("UTF-16LE", "CP932");
    return handle.Valid() ? handle.Get() : reinterpret_cast<iconv_t>(-1);
}

iconv_t Encoder() {
    thread_local IconvHandle handle("CP932", "UTF-32LE");
    return handle.Valid() ? handle.Get() : reinterpret_cast<iconv_t>(-1);
}

// Runs one whole-buffer conversion through glibc iconv. On an invalid or unconvertible sequence
// the replacement is appended and the offending input unit skipped (skipBytes of input).
std::string Convert(iconv_t cd, const char* input, size_t length, const std::string& replacement,
                    size_t skipBytes, bool* ok) {
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        if (ok) {
            *ok = false;
        }
        return {};
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr); // back to the initial state
    std::string out;
    out.reserve(length * 2 + 16);
    char buffer[4096];
    char* in = const_cast<char*>(input);
    size_t inLeft = length;
    bool good = true;
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof(buffer);
        const size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG) {
                continue;
            }
            // EILSEQ or EINVAL (truncated sequence at the end): replace and move on.
            good = false;
            out += replacement;
            const size_t skip = std::min(skipBytes, inLeft);
            in += skip;
            inLeft -= skip;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    if (ok) {
        *ok = good;
    }
    return out;
}

// Creating a transliterator compiles its rules, which is far slower than using one, so each
// thread keeps the two it needs (an ICU transliterator must not be shared between threads).
icu::Transliterator* CachedTransliterator(const char* id) {
    thread_local std::unique_ptr<icu::Transliterator> toHalf;
    thread_local std::unique_ptr<icu::Transliterator> toFull;
    const bool half = std::string(id) == "Fullwidth-Halfwidth";
    std::unique_ptr<icu::Transliterator>& slot = half ? toHalf : toFull;
    if (!slot) {
        UErrorCode status = U_ZERO_ERROR;
        slot.reset(
            icu::Transliterator::createInstance(icu::UnicodeString(id), UTRANS_FORWARD, status));
        if (U_FAILURE(status)) {
            slot.reset();
        }
    }
    return slot.get();
}

QString Transliterate(const QString& text, const char* id) {
    icu::Transliterator* t = CachedTransliterator(id);
    if (!t || text.isEmpty()) {
        return text;
    }
    icu::UnicodeString s(reinterpret_cast<const UChar*>(text.utf16()),
                         static_cast<int32_t>(text.size()));
    t->transliterate(s);
    return QString(reinterpret_cast<const QChar*>(s.getBuffer()), s.length());
}

} // namespace

QString TextCodec::DecodeCp932(const QByteArray& bytes, bool* ok) {
    // UTF-16LE straight into the result: a CP932 byte never yields more than one UTF-16 unit,
    // and a skipped bad byte yields one U+FFFD, so twice the input length always fits and the
    // text is held only once (large CSV files).
    iconv_t cd = Decoder();
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        if (ok) {
            *ok = false;
        }
        return {};
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr); // back to the initial state
    QString text(bytes.size() + 1, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char* out = reinterpret_cast<char*>(text.data());
    size_t outLeft = static_cast<size_t>(text.size()) * 2;
    bool good = true;
    while (inLeft > 0) {
        const size_t r = iconv(cd, &in, &inLeft, &out, &outLeft);
        if (r != static_cast<size_t>(-1)) {
            continue;
        }
        if (errno == E2BIG || outLeft < 2) {
            good = false;
            break;
        }
        // EILSEQ or EINVAL (truncated sequence at the end): replace and move on.
        good = false;
        const char16_t replacement = 0xFFFD;
        std::memcpy(out, &replacement, 2);
        out += 2;
        outLeft -= 2;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    if (ok) {
        *ok = good;
    }
    text.truncate(static_cast<qsizetype>((out - reinterpret_cast<char*>(text.data())) / 2));
    return text;
}

QByteArray TextCodec::EncodeCp932(const QString& text, bool* ok) {
    // Input as UTF-32LE so one unconvertible character is always exactly four bytes.
    const QList<uint> ucs4 = text.toUcs4();
    const std::string out = Convert(Encoder(), reinterpret_cast<const char*>(ucs4.constData()),
                                    static_cast<size_t>(ucs4.size()) * 4, std::string("?"), 4, ok);
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

int TextCodec::SjisWidth(const QString& text) {
    int width = 0;
    for (const uint c : text.toUcs4()) {
        // Code page 932 writes the yen sign and the overline as the single bytes 0x5C and 0x7E.
        const bool singleByteSymbol = c == 0x00A5 || c == 0x203E;
        if (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) || singleByteSymbol) {
            width += 1;
        } else {
            width += 2;
        }
    }
    return width;
}

QString TextCodec::ToHalfWidth(const QString& text) {
    return Transliterate(text, "Fullwidth-Halfwidth");
}

QString TextCodec::ToFullWidth(const QString& text) {
    return Transliterate(text, "Halfwidth-Fullwidth");
}

QString TextCodec::DecodeUtf8(const QByteArray& bytes) {
    return QString::fromUtf8(bytes);
}

} // namespace kestrel
