#include "store/PlayerOddsStore.h"

#include <QFileInfo>

#include "platform/TextFile.h"

namespace kestrel {

QString PlayerOddsStore::FilePath(int32_t round) const {
    return m_paths.SysDataFile(QStringLiteral("totoGOAL3_MyOdds/totogoal3_myodds_%1.csv")
                                   .arg(round, 3, 10, QLatin1Char('0')));
}

std::optional<PlayerOdds> PlayerOddsStore::Load(int32_t round, QString* error) const {
    const QString path = FilePath(round);
    if (!QFileInfo::exists(path)) {
        return std::nullopt;
    }
    QString text;
    if (!TextFile::Read(path, text, error)) {
        return std::nullopt;
    }
    QString why;
    std::optional<PlayerOdds> odds = PlayerOdds::FromText(text, &why);
    if (!odds && error != nullptr) {
        *error = path + QStringLiteral("\n") + why;
    }
    return odds;
}

bool PlayerOddsStore::Save(int32_t round, const PlayerOdds& odds, QString* error) const {
    return TextFile::Write(FilePath(round), odds.ToText(), error);
}

} // namespace kestrel
