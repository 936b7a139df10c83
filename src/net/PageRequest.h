#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "net/PieceReader.h"
#include "net/clsHtmlGet.h"
#include "platform/ErrorReporter.h"

namespace kestrel {

// The common frame of the operator page parsers: the round number in page addresses, the
// progress message, the download in UTF-8 and the body's text pieces.
struct PageRequest {
    // "0000" format: 7 gives 0007.
    static QString RoundText(int32_t round);
    // "第" + round + what (as "回 開催情報取得中 (オフィシャル)").
    static QString ProgressMessage(int32_t round, const QString& what);
    // Downloads the page (empty proxy, UTF-8) and returns its pieces; empty without data or when
    // the server answered with an error status.
    static QStringList Fetch(clsHtmlGet& get, const QString& url, const QString& message);
    // The header a page carries: "totoGOAL3" + what, with a group "totoGOAL3-" + group + "組" +
    // what.
    static QString HeaderText(const QString& group, const QString& what);
    // Looks for the header from the first piece: a piece that GetKaisaikai accepts with the check
    // text sets the round; the page's notShown line ends the search. True with the index after
    // the header piece in next.
    static bool FindHeader(PieceReader& reader, const QString& check, const QString& notShown,
                           int32_t& round, qsizetype& next);
    // Reports a parse's unexpected error under the procedure: the number error when numberError,
    // else the index error.
    static void ReportUnexpected(const ErrorReporter& error, const QString& procedure,
                                 bool numberError = false);
    // Text of the unexpected error a page cut short or an out-of-range number raises.
    static QString IndexErrorText();
    static constexpr int kIndexErrorNumber = 9;
    static QString NumberErrorText();
    static constexpr int kNumberErrorNumber = 13;
};

} // namespace kestrel
