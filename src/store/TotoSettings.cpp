#include "store/TotoSettings.h"

#include <QFileInfo>

#include "platform/TextFile.h"
#include "platform/Version.h"
#include "platform/clsIniFile.h"

namespace kestrel {

namespace {

const QString kFileName = QStringLiteral("totoSettings.ini");
const QString kCorrupt = QStringLiteral("totoSettings.iniファイルが破損しています。");
const QString kNotice = QStringLiteral("Copyright (C) Fernhollow. All rights reserved.");

const ErrorReporter& Reporter() {
    static const ErrorReporter reporter(QStringLiteral("TotoSettings"));
    return reporter;
}

void ShowCorrupt() {
    ShowMessage(MessageIcon::Error, QString::fromLatin1(kProductName), kCorrupt);
}

// One URL setting: its comment line, key and member.
struct UrlItem {
    const char16_t* comment;
    const char* key;
    QString TotoSettings::*member;
};

const UrlItem kUrlItems[] = {
    {u";totoオフィシャル開催情報URL", "totoOfficialScheduleUrl",
     &TotoSettings::totoOfficialScheduleUrl},
    {u";totoオフィシャル投票状況URL", "totoOfficialVoteUrl", &TotoSettings::totoOfficialVoteUrl},
    {u";totoオフィシャルくじ結果URL", "totoOfficialResultUrl",
     &TotoSettings::totoOfficialResultUrl},
    {u";totoオフィシャルURL(toto)", "totoOfficialTotoUrl", &TotoSettings::totoOfficialTotoUrl},
    {u";totoオフィシャルURL(totoGoal3)", "totoOfficialTotoGoal3Url",
     &TotoSettings::totoOfficialTotoGoal3Url},
    {u";totoオフィシャルURL(totoGoal2)", "totoOfficialTotoGoal2Url",
     &TotoSettings::totoOfficialTotoGoal2Url},
    {u";totoオフィシャルURL(mini toto-A組)", "totoOfficialMiniTotoAUrl",
     &TotoSettings::totoOfficialMiniTotoAUrl},
    {u";totoオフィシャルURL(mini toto-B組)", "totoOfficialMiniTotoBUrl",
     &TotoSettings::totoOfficialMiniTotoBUrl},
};

const QString kDeadlineKey = QStringLiteral("totoDownloadDeadline");

void ReadDeadline(const clsIniFile& ini, TotoSettings& s) {
    if (!ini.Exists(kDeadlineKey)) {
        return;
    }
    bool ok = false;
    const int seconds = ini.GetValue(kDeadlineKey).toInt(&ok);
    if (!ok || seconds < TotoSettings::kMinDownloadDeadline ||
        seconds > TotoSettings::kMaxDownloadDeadline) {
        ShowCorrupt();
        return;
    }
    s.totoDownloadDeadline = seconds;
}

} // namespace

TotoSettings TotoSettings::Defaults(const QString& operatorHost) {
    TotoSettings s;
    s.Version = kCurrentVersion;
    s.totoOfficialScheduleUrl =
        operatorHost +
        QStringLiteral("/dcs/subos/screen/pi01/spin000/PGSPIN00001DisptotoLotInfo.form?holdCntId=");
    s.totoOfficialVoteUrl =
        operatorHost +
        QStringLiteral("/dcs/subos/screen/pi09/spin003/PGSPIN00301InitVoteRate.form?holdCntId=");
    s.totoOfficialResultUrl =
        operatorHost + QStringLiteral("/dcs/subos/screen/pi04/spin011/"
                                      "PGSPIN01101LnkHoldCntLotResultLsttoto.form?holdCntId=");
    s.totoOfficialTotoUrl = QStringLiteral("&commodityId=01");
    s.totoOfficialTotoGoal3Url = QStringLiteral("&commodityId=02");
    s.totoOfficialTotoGoal2Url = QStringLiteral("&commodityId=05");
    s.totoOfficialMiniTotoAUrl = QStringLiteral("&commodityId=06");
    s.totoOfficialMiniTotoBUrl = QStringLiteral("&commodityId=07");
    return s;
}

QString TotoSettings::FilePath(const ProgramPaths& paths) {
    return paths.SysDataFile(kFileName);
}

TotoSettings TotoSettings::Load(const ProgramPaths& paths, const QString& operatorHost) {
    const TotoSettings defaults = Defaults(operatorHost);
    const QString path = FilePath(paths);
    if (!QFileInfo(path).isFile()) {
        defaults.Save(path);
        return defaults;
    }
    clsIniFile ini;
    if (!ini.Load(path)) {
        ShowCorrupt();
        return defaults;
    }
    TotoSettings s = defaults;
    s.Version = 0;
    if (ini.Exists(QStringLiteral("Version"))) {
        bool ok = false;
        const int version = ini.GetValue(QStringLiteral("Version")).toInt(&ok);
        if (ok) {
            s.Version = version;
        } else {
            ShowCorrupt();
            s.Version = kCurrentVersion;
        }
    }
    for (const UrlItem& item : kUrlItems) {
        const QString key = QString::fromLatin1(item.key);
        if (ini.Exists(key)) {
            s.*item.member = ini.GetValue(key);
        }
    }
    ReadDeadline(ini, s);
    if (s.Version < kCurrentVersion) {
        defaults.Save(path);
        TotoSettings rewritten = defaults;
        rewritten.totoDownloadDeadline = s.totoDownloadDeadline;
        return rewritten;
    }
    return s;
}

QString TotoSettings::ToText() const {
    QString text;
    auto line = [&text](const QString& l) { text += l + QStringLiteral("\r\n"); };
    line(QStringLiteral(";Fernhollow Toto Settings Ini File (totoSettings.ini)"));
    line(QLatin1Char(';') + kNotice);
    line(QString());
    line(QStringLiteral("Version = ") + QString::number(Version));
    line(QString());
    for (const UrlItem& item : kUrlItems) {
        line(QString::fromUtf16(item.comment));
        line(QString::fromLatin1(item.key) + QStringLiteral(" = ") + this->*item.member);
    }
    return text;
}

bool TotoSettings::Save(const QString& path) const {
    if (!TextFile::Write(path, ToText())) {
        Reporter().Report(QStringLiteral("Save"),
                          QStringLiteral("ファイルの保存に失敗しました。\r\n") + path);
        return false;
    }
    return true;
}

} // namespace kestrel
