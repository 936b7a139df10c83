#include "workflow/HelpLinks.h"

#include "net/clsFernhollowDownload.h"
#include "platform/Version.h"

namespace kestrel {

namespace {

// The path and query on the site of address; the default site when address names none (a
// damaged setting), so the command still opens the right page.
QUrl OnSite(const QString& address, const QString& fallback, const QString& path,
            const QString& query) {
    QUrl url(address.trimmed());
    if (!url.isValid() || url.host().isEmpty()) {
        url = QUrl(fallback);
    }
    url.setUserInfo(QString());
    url.setPath(path);
    url.setQuery(query);
    url.setFragment(QString());
    return url;
}

} // namespace

QUrl HelpLinks::SaleSchedule(const TotoSettings& settings) {
    return OnSite(
        settings.totoOfficialScheduleUrl, QString::fromLatin1(TotoSettings::kDefaultOperatorHost),
        QStringLiteral("/dci/I/IPA/IPA01.do"), QStringLiteral("op=inittotoSerLotSchedule"));
}

QUrl HelpLinks::Manual(const QString& makerFolder) {
    const QString page = QString::fromLatin1(kProductName).remove(QLatin1Char(' '));
    return OnSite(makerFolder, QString::fromLatin1(clsFernhollowDownload::kDefaultDownloadFolder),
                  QStringLiteral("/manual/") + page + QStringLiteral(".html"), QString());
}

} // namespace kestrel
