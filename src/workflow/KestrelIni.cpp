#include "workflow/KestrelIni.h"

#include <QFileInfo>
#include <optional>

#include "platform/ErrorReporter.h"
#include "platform/TextFile.h"
#include "platform/clsIniFile.h"

namespace kestrel {

namespace {

const QString kTitle = QStringLiteral("Kestrel");
const QString kFileName = QStringLiteral("Kestrel.ini");
const QString kNotice = QStringLiteral("Copyright (C) Fernhollow. All rights reserved.");
const QString kCrLf = QStringLiteral("\r\n");

std::optional<int32_t> ReadInt(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int32_t>(value) : std::nullopt;
}

std::optional<bool> ReadFlag(const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t == QStringLiteral("1") || t == QStringLiteral("true")) {
        return true;
    }
    if (t == QStringLiteral("0") || t == QStringLiteral("false")) {
        return false;
    }
    return std::nullopt;
}

void ReportDamaged() {
    ShowMessage(MessageIcon::Error, kTitle, KestrelIni::kDamagedText);
}

// Takes the key's value when present; a value that does not read is reported.
template <typename T, typename Reader>
void ReadKey(const clsIniFile& ini, const QString& key, T& target, Reader read) {
    if (!ini.Exists(key)) {
        return;
    }
    const auto value = read(ini.GetValue(key));
    if (value) {
        target = *value;
    } else {
        ReportDamaged();
    }
}

QString Flag(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

const QString KestrelIni::kDamagedText = QStringLiteral("Kestrel.iniファイルが破損しています。");

QString KestrelIni::FilePath(const ProgramPaths& paths) {
    return paths.SysDataFile(kFileName);
}

KestrelIni KestrelIni::Load(const ProgramPaths& paths) {
    KestrelIni settings;
    const QString path = FilePath(paths);
    if (!QFileInfo::exists(path)) {
        return settings;
    }
    clsIniFile ini;
    if (!ini.Load(path)) {
        ReportDamaged();
        return settings;
    }
    ReadKey(ini, QStringLiteral("Kaisaikai"), settings.Kaisaikai, ReadInt);
    ReadKey(ini, QStringLiteral("DownloadMessage"), settings.DownloadMessage, ReadFlag);
    ReadKey(ini, QStringLiteral("ResultAll"), settings.ResultAll, ReadFlag);
    return settings;
}

QString KestrelIni::ToText() const {
    return QStringLiteral(";Fernhollow Kestrel Ini File (Kestrel.ini)") + kCrLf +
           QStringLiteral(";") + kNotice + kCrLf + kCrLf + QStringLiteral("Kaisaikai = ") +
           QString::number(Kaisaikai) + kCrLf + QStringLiteral("DownloadMessage = ") +
           Flag(DownloadMessage) + kCrLf + QStringLiteral("ResultAll = ") + Flag(ResultAll) + kCrLf;
}

bool KestrelIni::Save(const ProgramPaths& paths) const {
    QString error;
    if (TextFile::Write(FilePath(paths), ToText(), &error)) {
        return true;
    }
    ErrorReporter(QStringLiteral("KestrelIni")).Report(QStringLiteral("Save"), error);
    return false;
}

} // namespace kestrel
