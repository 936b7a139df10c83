#include "print/PrinterSettings.h"

#include <QFileInfo>

#include "platform/ErrorReporter.h"
#include "platform/TextFile.h"
#include "platform/VbFormat.h"
#include "platform/clsIniFile.h"

namespace kestrel {

namespace {

const QString kFileName = QStringLiteral("Printer.ini");
const QString kNotice = QStringLiteral("Copyright (C) Fernhollow. All rights reserved.");
const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");

const ErrorReporter& Reporter() {
    static const ErrorReporter reporter(QStringLiteral("PrinterSettings"));
    return reporter;
}

QString FlagText(bool value) {
    return value ? kTrue : kFalse;
}

bool FlagValue(const clsIniFile& ini, const char* key) {
    return ini.GetValue(QString::fromLatin1(key)) == kTrue;
}

} // namespace

QString PrinterSettings::FilePath(const QString& sysData) {
    return sysData + QLatin1Char('/') + kFileName;
}

QString PrinterSettings::ToText() const {
    QString text;
    auto line = [&text](const QString& l) { text += l + QStringLiteral("\r\n"); };
    auto item = [&line](const char* key, const QString& value) {
        line(QString::fromLatin1(key) + QStringLiteral(" = ") + value);
    };
    line(QStringLiteral(";Fernhollow Printer Ini File (Printer.ini)"));
    line(QLatin1Char(';') + kNotice);
    line(QString());
    line(QStringLiteral(";[Printer]"));
    item("PrinterName", PrinterName);
    item("PrinterOrientation", QString::number(PrinterOrientation));
    item("PrinterLeftMargin", PrinterLeftMargin.ToString());
    item("PrinterTopMargin", PrinterTopMargin.ToString());
    item("PrinterOpenNo", FlagText(PrinterOpenNo));
    item("PrinterOpenText", FlagText(PrinterOpenText));
    item("PrinterPageText", FlagText(PrinterPageText));
    item("PrinterFileText", FlagText(PrinterFileText));
    item("PrinterSendDataA", FlagText(PrinterSendDataA));
    return text;
}

PrinterSettings PrinterSettings::FromText(const QString& text) {
    clsIniFile ini;
    ini.LoadText(text);
    PrinterSettings s;
    s.PrinterName = ini.GetValue(QStringLiteral("PrinterName"));
    const int orientation = ini.GetValue(QStringLiteral("PrinterOrientation")).toInt();
    s.PrinterOrientation = orientation == kLandscape ? kLandscape : kPortrait;
    s.PrinterLeftMargin = ParseMargin(ini.GetValue(QStringLiteral("PrinterLeftMargin")));
    s.PrinterTopMargin = ParseMargin(ini.GetValue(QStringLiteral("PrinterTopMargin")));
    s.PrinterOpenNo = FlagValue(ini, "PrinterOpenNo");
    s.PrinterOpenText = FlagValue(ini, "PrinterOpenText");
    s.PrinterPageText = FlagValue(ini, "PrinterPageText");
    s.PrinterFileText = FlagValue(ini, "PrinterFileText");
    s.PrinterSendDataA = FlagValue(ini, "PrinterSendDataA");
    return s;
}

PrinterSettings PrinterSettings::LoadOrCreate(const QString& path, const QString& defaultPrinter) {
    if (!QFileInfo::exists(path)) {
        PrinterSettings defaults;
        defaults.PrinterName = defaultPrinter;
        defaults.Save(path);
        return defaults;
    }
    QString text;
    QString error;
    if (!TextFile::Read(path, text, &error)) {
        Reporter().Report(QStringLiteral("LoadOrCreate"), path + QStringLiteral("\r\n") + error);
        PrinterSettings defaults;
        defaults.PrinterName = defaultPrinter;
        return defaults;
    }
    return FromText(text);
}

bool PrinterSettings::Save(const QString& path) const {
    if (!TextFile::Write(path, ToText())) {
        Reporter().Report(QStringLiteral("Save"),
                          QStringLiteral("ファイルの保存に失敗しました。\r\n") + path);
        return false;
    }
    return true;
}

Money PrinterSettings::ParseMargin(const QString& text) {
    return Money::Parse(text).value_or(Money());
}

QString PrinterSettings::FormatMargin(Money value) {
    return VbFormat::Format(value, QStringLiteral("##0.00"));
}

} // namespace kestrel
