#include "platform/Version.h"

namespace kestrel {

QString VersionText() {
    QString text = QString::number(kVersionMajor) + "." +
                   QString::number(kVersionMinor).rightJustified(2, QLatin1Char('0'));
    if (kVersionRevision > 0) {
        text += "." + QString::number(kVersionRevision);
    }
    return text;
}

} // namespace kestrel
