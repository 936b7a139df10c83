#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "AppTestSupport.h"
#include "MessageCollector.h"
#include "TempRoot.h"
#include "app/MainWindow.h"
#include "app/PrintDialog.h"
#include "platform/TextFile.h"
#include "print/PrinterSettings.h"
#include "print/SheetPageSource.h"
#include "print/SheetRenderer.h"

namespace kestrel {
namespace {

// Hands out one fixed path and keeps the name the dialog suggested.
class FixedPdfChooser : public PdfPathChooser {
public:
    explicit FixedPdfChooser(QString path) : m_path(std::move(path)) {}
    QString ChoosePdfPath(QWidget*, const QString& suggestedName) override {
        m_suggested = suggestedName;
        ++m_calls;
        return m_path;
    }
    QString m_path;
    QString m_suggested;
    int m_calls = 0;
};

int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

// The print entry of the file menu after the menu was opened.
bool PrintEntryEnabled(MainWindow& window) {
    emit window.Menus().front()->aboutToShow();
    return window.PrintAction()->isEnabled();
}

TEST(PrintDialogTest, MenuOpensTheDialogAndPrintsThePageRangeToPdf) {
    test::DemoRoot root;
    test::CollectedMessages messages;
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("sheets.pdf"));
    auto chooser = std::make_shared<FixedPdfChooser>(pdf);
    MainWindow window(root.Paths(), std::make_shared<SystemClock>());
    window.SetPdfPathChooser(chooser);
    window.show();
    EXPECT_FALSE(PrintEntryEnabled(window));

    // A fast search over a multi marked all-favourite fills the document with singles.
    window.MultiGrid()->SetMenuChooser([](QMenu& menu) -> QAction* {
        for (QAction* action : menu.actions()) {
            if (action->text() == QStringLiteral("全て本命でマーク")) {
                return action;
            }
        }
        return nullptr;
    });
    QTest::mouseClick(window.MultiGrid(), Qt::RightButton, Qt::NoModifier,
                      window.MultiGrid()->CellRect(1, 1).center());
    window.SettingsPage()->Methods()->button(1)->click();
    window.OnSearchButton();
    EXPECT_FALSE(PrintEntryEnabled(window));
    QTRY_VERIFY_WITH_TIMEOUT(!window.Searching(), 60000);
    ASSERT_GT(window.Document().Record.SingleCount(), 20);
    ASSERT_TRUE(PrintEntryEnabled(window));

    int pagesShown = 0;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<PrintDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "the print dialog did not open";
            return;
        }
        pagesShown = dialog->EndBox()->value();
        EXPECT_FALSE(dialog->RoundBox()->isEnabled());
        EXPECT_FALSE(dialog->GroupBox()->isEnabled());
        dialog->PrinterBox()->setCurrentText(PrintDialog::PdfEntry());
        dialog->OrientationBox()->setCurrentIndex(1);
        dialog->LeftEdit()->setText(QStringLiteral("1.5"));
        dialog->RangeButton()->click();
        dialog->StartBox()->setValue(2);
        dialog->EndBox()->setValue(3);
        dialog->Option(0)->click();
        dialog->Option(2)->click();
        EXPECT_TRUE(dialog->RoundBox()->isEnabled());
        dialog->PrintButton()->click();
        if (dialog->isVisible()) {
            ADD_FAILURE() << "printing did not close the dialog";
            dialog->reject();
        }
    });
    window.PrintAction()->trigger();

    EXPECT_EQ(pagesShown, (window.Document().Record.SingleCount() - 1) / 10 + 1);
    EXPECT_EQ(chooser->m_calls, 1);
    EXPECT_EQ(chooser->m_suggested, QStringLiteral("marksheet.pdf"));
    EXPECT_EQ(PdfPageCount(pdf), 2);
    // The dialog's state is kept for the next time.
    QString text;
    ASSERT_TRUE(TextFile::Read(PrinterSettings::FilePath(root.SysData()), text, nullptr));
    const PrinterSettings saved = PrinterSettings::FromText(text);
    EXPECT_EQ(saved.PrinterName, PrintDialog::PdfEntry());
    EXPECT_TRUE(saved.Landscape());
    EXPECT_EQ(PrinterSettings::FormatMargin(saved.PrinterLeftMargin), QStringLiteral("1.50"));
    EXPECT_TRUE(saved.PrinterOpenNo);
    EXPECT_TRUE(saved.PrinterPageText);
    EXPECT_FALSE(saved.PrinterFileText);
    EXPECT_EQ(messages.Count(), 0u);
}

// 25 singles: three sheets.
std::vector<int32_t> ThreeSheets() {
    std::vector<int32_t> singles;
    for (int32_t i = 0; i < 25; ++i) {
        singles.push_back(i * 97 % 4096);
    }
    return singles;
}

// A printer takes its page layout only while no job is active; the preview's printer is not
// Qt's PDF engine. Every sheet of a multi-page print reaches either printer without a complaint
// and in the chosen orientation.
TEST(PrintDialogTest, PrintersTakeEverySheetWithoutComplaint) {
    QTemporaryDir out;
    for (const int orientation : {PrinterSettings::kPortrait, PrinterSettings::kLandscape}) {
        SCOPED_TRACE(orientation);
        SheetRequest request;
        request.Singles = ThreeSheets();
        request.Settings.PrinterOrientation = orientation;
        request.Settings.PrinterPageText = true;
        const QPageLayout::Orientation wanted =
            request.Settings.Landscape() ? QPageLayout::Landscape : QPageLayout::Portrait;
        test::CollectedMessages messages;

        QPrinter pdfPrinter(QPrinter::HighResolution);
        pdfPrinter.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = out.filePath(QStringLiteral("printer%1.pdf").arg(orientation));
        pdfPrinter.setOutputFileName(pdf);
        SheetPageSource pages(request);
        EXPECT_TRUE(SheetRenderer().Render(pdfPrinter, pages, request.Settings, false));
        EXPECT_EQ(PdfPageCount(pdf), 3);
        EXPECT_EQ(pdfPrinter.pageLayout().orientation(), wanted);

        QPrinter previewPrinter(QPrinter::HighResolution);
        QPrintPreviewWidget preview(&previewPrinter);
        QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, [&](QPrinter* device) {
            SheetPageSource again(request);
            SheetRenderer().Render(*device, again, request.Settings, false);
        });
        preview.updatePreview();
        EXPECT_EQ(preview.pageCount(), 3);
        EXPECT_EQ(preview.orientation(), wanted);

        for (const Message& m : messages.Messages()) {
            ADD_FAILURE() << m.text.toStdString();
        }
    }
}

// The dialog's preview: the chosen printer (here the PDF entry) in the chosen orientation, every
// sheet, no message.
TEST(PrintDialogTest, PreviewShowsEverySheetInTheChosenOrientation) {
    test::TempRoot root;
    test::CollectedMessages messages;
    PrinterSettings saved;
    saved.PrinterName = PrintDialog::PdfEntry();
    saved.PrinterOrientation = PrinterSettings::kLandscape;
    PrintDialogModel model(saved, {PrintDialog::PdfEntry()}, PrintDialog::PdfEntry(), ThreeSheets(),
                           1234, QStringLiteral("A"), QStringLiteral("x.tpd"));
    PrintDialog dialog(root.Paths(), std::move(model), nullptr);
    dialog.show();
    int pages = -1;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QPrinter::OutputFormat format = QPrinter::NativeFormat;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (preview == nullptr) {
            ADD_FAILURE() << "the preview did not open";
            return;
        }
        auto* widget = preview->findChild<QPrintPreviewWidget*>();
        if (widget != nullptr) {
            widget->updatePreview();
            pages = widget->pageCount();
            orientation = widget->orientation();
        }
        format = preview->printer()->outputFormat();
        preview->reject();
    });
    dialog.PreviewButton()->click();
    EXPECT_EQ(pages, 3);
    EXPECT_EQ(orientation, QPageLayout::Landscape);
    EXPECT_EQ(format, QPrinter::PdfFormat);
    for (const Message& m : messages.Messages()) {
        ADD_FAILURE() << m.text.toStdString();
    }
    dialog.reject();
}

} // namespace
} // namespace kestrel
