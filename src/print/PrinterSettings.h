#pragma once

#include <QString>

#include "platform/Money.h"

namespace kestrel {

// The printer choice and print options kept in "Printer.ini" in SysData.
struct PrinterSettings {
    static constexpr int kPortrait = 1;
    static constexpr int kLandscape = 2;

    QString PrinterName;
    int PrinterOrientation = kPortrait;
    // The printer's unprintable offsets in millimetres, subtracted from every X and Y.
    Money PrinterLeftMargin;
    Money PrinterTopMargin;
    bool PrinterOpenNo = false;    // round number as marks
    bool PrinterOpenText = false;  // match card
    bool PrinterPageText = false;  // page number
    bool PrinterFileText = false;  // file name
    bool PrinterSendDataA = false; // all pages as one job

    bool Landscape() const { return PrinterOrientation == kLandscape; }

    // <SysData>/Printer.ini
    static QString FilePath(const QString& sysData);
    // The file text, CR LF after every line.
    QString ToText() const;
    // Reads the values from the key/value text. A missing or unknown orientation is portrait, a
    // margin that is not a number is 0, a flag is on only when its value is "True".
    static PrinterSettings FromText(const QString& text);
    // Reads the file; when it does not exist it is first written with the given printer name,
    // portrait, margins 0 and every flag off. A file that exists but cannot be read is reported
    // and the defaults are used.
    static PrinterSettings LoadOrCreate(const QString& path, const QString& defaultPrinter);
    // Writes the file atomically; reports and returns false on failure.
    bool Save(const QString& path) const;
    // Margin text as entered in the dialog: a number, or 0 for anything else.
    static Money ParseMargin(const QString& text);
    // Margin as the dialog shows it ("##0.00").
    static QString FormatMargin(Money value);
};

} // namespace kestrel
