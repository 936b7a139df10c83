// "Printer.ini": its exact lines, reading back, the file created on first use, bad values.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/TextCodec.h"
#include "print/PrintDialogModel.h"
#include "print/PrinterSettings.h"

namespace kestrel {
namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PrinterSettingsTest, FileLinesAndReadBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = PrinterSettings::FilePath(dir.path());
    EXPECT_TRUE(path.endsWith(QStringLiteral("/Printer.ini")));

    // First use: created with the default printer, portrait, no offsets, every flag off.
    const PrinterSettings created = PrinterSettings::LoadOrCreate(path, QStringLiteral("用紙A"));
    EXPECT_EQ(created.PrinterName, QStringLiteral("用紙A"));
    const QString expected = QStringLiteral(";Fernhollow Printer Ini File (Printer.ini)\r\n"
                                            ";Copyright (C) Fernhollow. All rights reserved.\r\n"
                                            "\r\n"
                                            ";[Printer]\r\n"
                                            "PrinterName = 用紙A\r\n"
                                            "PrinterOrientation = 1\r\n"
                                            "PrinterLeftMargin = 0\r\n"
                                            "PrinterTopMargin = 0\r\n"
                                            "PrinterOpenNo = False\r\n"
                                            "PrinterOpenText = False\r\n"
                                            "PrinterPageText = False\r\n"
                                            "PrinterFileText = False\r\n"
                                            "PrinterSendDataA = False\r\n");
    EXPECT_EQ(ReadBytes(path), TextCodec::EncodeCp932(expected));

    PrinterSettings s;
    s.PrinterName = QStringLiteral("Office Laser");
    s.PrinterOrientation = PrinterSettings::kLandscape;
    s.PrinterLeftMargin = *Money::Parse(QStringLiteral("4.25"));
    s.PrinterTopMargin = *Money::Parse(QStringLiteral("-1.5"));
    s.PrinterOpenNo = true;
    s.PrinterFileText = true;
    s.PrinterSendDataA = true;
    ASSERT_TRUE(s.Save(path));
    const QString text = TextCodec::DecodeCp932(ReadBytes(path));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nPrinterLeftMargin = 4.25\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nPrinterTopMargin = -1.5\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nPrinterOpenNo = True\r\n")));
    const PrinterSettings back = PrinterSettings::LoadOrCreate(path, QStringLiteral("other"));
    EXPECT_EQ(back.ToText(), s.ToText());
}

TEST(PrinterSettingsTest, BadValuesFallBack) {
    const PrinterSettings s = PrinterSettings::FromText(
        QStringLiteral("PrinterOrientation = 7\r\nPrinterLeftMargin = abc\r\n"
                       "PrinterTopMargin = 2.5mm\r\nPrinterOpenNo = true\r\n"
                       "PrinterPageText = True\r\n"));
    EXPECT_EQ(s.PrinterOrientation, PrinterSettings::kPortrait);
    EXPECT_EQ(s.PrinterLeftMargin, Money());
    EXPECT_EQ(s.PrinterTopMargin, Money());
    EXPECT_FALSE(s.PrinterOpenNo);
    EXPECT_TRUE(s.PrinterPageText);
}

TEST(PrinterSettingsTest, DialogModelOpensAndClosesOverTheSettings) {
    PrinterSettings saved;
    saved.PrinterName = QStringLiteral("gone");
    saved.PrinterOrientation = PrinterSettings::kLandscape;
    saved.PrinterLeftMargin = *Money::Parse(QStringLiteral("3.5"));
    saved.PrinterOpenNo = true;
    PrintDialogModel model(saved, {QStringLiteral("p1"), QStringLiteral("p2")},
                           QStringLiteral("p2"), std::vector<int32_t>(25, 0), 1234,
                           QStringLiteral("B"), QStringLiteral("x.tpd"));
    // A printer that is no longer installed leaves the current one selected.
    EXPECT_EQ(model.PrinterName(), QStringLiteral("p2"));
    EXPECT_EQ(model.OrientationIndex(), 1);
    EXPECT_EQ(model.LeftMarginText(), QStringLiteral("3.50"));
    EXPECT_EQ(model.TopMarginText(), QStringLiteral("0.00"));
    EXPECT_TRUE(model.AllPages());
    EXPECT_EQ(model.EndPage(), 3);
    EXPECT_TRUE(model.RoundBoxEnabled());
    EXPECT_EQ(model.RoundBox(), 1234);
    EXPECT_TRUE(model.GroupEnabled());
    EXPECT_EQ(model.GroupIndex(), 1);

    model.SelectPrinter(QStringLiteral("p1"));
    model.SetTopMarginText(QStringLiteral("x1"));
    model.SetPageRange(2, 3);
    const PrinterSettings closed = model.Settings();
    EXPECT_EQ(closed.PrinterName, QStringLiteral("p1"));
    EXPECT_EQ(closed.PrinterLeftMargin, saved.PrinterLeftMargin);
    EXPECT_EQ(closed.PrinterTopMargin, Money());
    const SheetRequest request = model.BuildRequest(ProgramPaths(QStringLiteral("/nonexistent")));
    EXPECT_FALSE(request.AllPages);
    EXPECT_EQ(request.StartPage, 2);
    EXPECT_EQ(request.Group, QStringLiteral("B"));
    EXPECT_FALSE(request.Schedule.has_value());
}

} // namespace
} // namespace kestrel
