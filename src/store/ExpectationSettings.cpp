#include "store/ExpectationSettings.h"

#include <QFileInfo>

#include "platform/clsIniFile.h"

namespace kestrel {

QString ExpectationSettings::FilePath(const ProgramPaths& paths) {
    return paths.SysDataFile(QStringLiteral("Expectation.ini"));
}

ExpectationSettings ExpectationSettings::Load(const ProgramPaths& paths) {
    ExpectationSettings settings;
    const QString path = FilePath(paths);
    clsIniFile ini;
    if (!QFileInfo::exists(path) || !ini.Load(path)) {
        return settings;
    }
    bool ok = false;
    const double price = ini.GetValue(QStringLiteral("TicketPrice")).toDouble(&ok);
    if (ok && price > 0.0 && price <= 1'000'000.0) {
        settings.TicketPrice = price;
    }
    const int every = ini.GetValue(QStringLiteral("WatchEveryMinutes")).toInt(&ok);
    if (ok && every >= kMinEveryMinutes && every <= 24 * 60) {
        settings.WatchEveryMinutes = every;
    }
    return settings;
}

} // namespace kestrel
