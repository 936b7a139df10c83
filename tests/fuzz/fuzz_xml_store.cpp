// libFuzzer target for the line-oriented reader of the round stores. The input bytes are read as
// a store file is (CP932, cut at the first NUL) and parsed by all three stores. Whatever parses
// must write a text that parses again to the same text, so a save always loads back.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/ErrorReporter.h"
#include "platform/ProgramPaths.h"
#include "platform/TextCodec.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"

namespace {

using namespace kestrel;

const ProgramPaths& Paths() {
    static const ProgramPaths paths(QStringLiteral("/nonexistent-fuzz-root"));
    return paths;
}

template <typename Record, typename Store, typename Write, typename SetRecord>
void CheckStable(const QString& text, Store& store, SetRecord set, Write write,
                 XmlReadStatus (*parse)(const QString&, Record&, XmlFieldError&)) {
    Record first;
    XmlFieldError error;
    if (parse(text, first, error) != XmlReadStatus::Ok) {
        return;
    }
    (store.*set)(first);
    const QString written = write(store);
    Record second;
    if (parse(written, second, error) != XmlReadStatus::Ok) {
        std::abort(); // a written store text does not load
    }
    (store.*set)(second);
    if (write(store) != written) {
        std::abort(); // a loaded store text does not write back the same
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0) {
        bytes.truncate(nul);
    }
    bool ok = true;
    const QString text = TextCodec::DecodeCp932(bytes, &ok);
    if (!ok) {
        return 0; // the store refuses such a file before parsing
    }

    clsXmlSchedule schedule(Paths());
    CheckStable(
        text, schedule, &clsXmlSchedule::SetSchedule,
        [](const clsXmlSchedule& s) { return s.GetXmlText(); }, &clsXmlSchedule::Parse);
    clsXmlVote vote(Paths());
    CheckStable(
        text, vote, &clsXmlVote::SetVote, [](const clsXmlVote& v) { return v.GetXmlString(true); },
        &clsXmlVote::Parse);
    clsXmlResult result(Paths());
    CheckStable(
        text, result, &clsXmlResult::SetResult,
        [](const clsXmlResult& r) { return r.GetXmlText(); }, &clsXmlResult::Parse);
    return 0;
}
