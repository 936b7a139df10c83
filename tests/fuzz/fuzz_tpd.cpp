// libFuzzer target for the document-file reader. The input bytes are read as a document file is
// (CP932, cut at the first NUL), type-checked and parsed. Whatever parses must write a text that
// parses again and writes back the same, so every save loads back.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/TextCodec.h"
#include "documents/clsTFileTPD.h"

using namespace kestrel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0) {
        bytes.truncate(nul);
    }
    bool ok = true;
    const QString text = TextCodec::DecodeCp932(bytes, &ok);
    if (!ok) {
        return 0; // the file reader refuses such a file before parsing
    }
    int32_t version = 0;
    TpdParseError headerError;
    clsTFileTPD::CheckHeader(text, true, version, headerError);
    clsTFileTPD::CheckHeader(text, false, version, headerError);

    DocumentRecord first;
    if (!clsTFileTPD::ParseText(text, first)) {
        return 0;
    }
    for (const bool data : {true, false}) {
        const QString written = clsTFileTPD::BuildText(data, first);
        DocumentRecord second;
        TpdParseError error;
        if (!clsTFileTPD::ParseText(written, second, &error)) {
            std::abort(); // a written document does not load
        }
        if (clsTFileTPD::BuildText(data, second) != written) {
            std::abort(); // a loaded document does not write back the same
        }
    }
    return 0;
}
