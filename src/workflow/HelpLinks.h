#pragma once

#include <QString>
#include <QUrl>

#include "store/TotoSettings.h"

namespace kestrel {

// The pages the help commands open in the system browser. Both live on sites the installation
// already names: the operator's site of the configured schedule page and the maker's site of
// its download folder.
class HelpLinks {
public:
    // "販売スケジュールを確認する": "/dci/I/IPA/IPA01.do?op=inittotoSerLotSchedule" on the
    // operator's site.
    static QUrl SaleSchedule(const TotoSettings& settings);
    // "オンラインマニュアル(&O)": "/manual/" + the product name without blanks + ".html" on the
    // maker's site.
    static QUrl Manual(const QString& makerFolder);
};

} // namespace kestrel
