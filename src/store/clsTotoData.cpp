#include "store/clsTotoData.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <limits>

namespace kestrel {

clsTotoData::clsTotoData(const ProgramPaths& paths) : m_sysData(paths.SysData()) {
    const QString mainPath = m_sysData + QStringLiteral("/TeamName.dat");
    if (!m_main.Load(mainPath) && QFileInfo::exists(mainPath)) {
        // A damaged or unreadable table is not a missing team name: say which file it is.
        m_error.Report(QStringLiteral("Initialize"),
                       QStringLiteral("チーム名データを読み込めません。\r\n") + mainPath);
    }
    m_table1.Load(m_sysData + QStringLiteral("/TeamName1.dat"));
    m_table2.Load(m_sysData + QStringLiteral("/TeamName2.dat"));
    m_leagues.Load(m_sysData + QStringLiteral("/J1J2.dat"));
    ReloadUserTable();
}

QString clsTotoData::UserTablePath() const {
    return m_sysData + QStringLiteral("/TeamName3.dat");
}

void clsTotoData::ReloadUserTable() {
    m_userEnabled = m_user.Load(UserTablePath());
}

QString clsTotoData::GetShortTeamName(const QString& pageName, int32_t round) {
    if (round == 0) {
        ShowMessage(MessageIcon::Warning, QStringLiteral("GetShortTeamName"),
                    QStringLiteral("開催回が不明です"));
        return QString();
    }
    QString shortName = m_main.GetKeyOfValue(pageName);
    if (shortName.isEmpty() && round >= kTable1FromRound) {
        shortName = m_table1.GetKeyOfValue(pageName);
    }
    // TeamName2.dat also serves the newer rounds: the add-team dialog counts its names as
    // registered, so a page name only it knows must be found here too.
    if (shortName.isEmpty()) {
        shortName = m_table2.GetKeyOfValue(pageName);
    }
    if (shortName.isEmpty() && m_userEnabled) {
        shortName = m_user.GetKeyOfValue(pageName);
    }
    if (shortName.isEmpty()) {
        m_error.Report(QStringLiteral("GetShortTeamName"),
                       QStringLiteral("チーム名：") + pageName +
                           QStringLiteral(" が見つかりません。\r\n最新のチーム名データをダウンロ"
                                          "ードするかチーム名を追加して下さい。"));
        m_lastUnknown = pageName;
    }
    return shortName;
}

QString clsTotoData::GetLongTeamName(const QString& shortName) const {
    return m_main.GetValue(shortName);
}

bool clsTotoData::ExistsLongTeamName(const QString& pageName) const {
    return !m_main.GetKeyOfValue(pageName).isEmpty() ||
           !m_table2.GetKeyOfValue(pageName).isEmpty() || !m_user.GetKeyOfValue(pageName).isEmpty();
}

QString clsTotoData::GetShortToJ1J2String(const QString& shortName, int year) const {
    if (shortName.isEmpty()) {
        return QString();
    }
    // A whole name in a league's list wins over a name that is only part of another one
    // ("C大阪" within "FC大阪"); lists in other layouts still match by containment.
    static const QRegularExpression separators(QStringLiteral("[,，、\\s　/]+"));
    for (const bool whole : {true, false}) {
        for (int league = 1; league <= 3; ++league) {
            const QString list = m_leagues.GetValue(QString::number(year) + QStringLiteral("J") +
                                                    QString::number(league));
            const bool found =
                whole ? list.split(separators).contains(shortName) : list.contains(shortName);
            if (found) {
                return QStringLiteral("J") + QString::number(league);
            }
        }
    }
    return QString();
}

QString clsTotoData::GetTeamName2Version() const {
    return TableVersion(m_table2);
}

QString clsTotoData::TableVersion(const clsIniFile& table) {
    return table.GetValue(QStringLiteral("Version")) + QLatin1Char('.') +
           table.GetValue(QStringLiteral("Revision"));
}

int clsTotoData::EditionNumber(const QString& text) {
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    if (dot < 0) {
        return 0;
    }
    bool majorOk = false;
    bool minorOk = false;
    const int major = text.left(dot).trimmed().toInt(&majorOk);
    const int minor = text.mid(dot + 1).trimmed().toInt(&minorOk);
    // An edition whose number does not fit is as unreadable as one without a number.
    constexpr int kMaxMajor = 1000000;
    if (!majorOk || !minorOk || major < 0 || minor < 0 || major > kMaxMajor ||
        minor > std::numeric_limits<int>::max() - major * 1000) {
        return 0;
    }
    return major * 1000 + minor;
}

} // namespace kestrel
