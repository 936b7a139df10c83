#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/PdfPathChooser.h"
#include "platform/ErrorReporter.h"
#include "platform/ProgramPaths.h"
#include "print/PrintDialogModel.h"
#include "print/PrintPrimitive.h"
#include "print/SheetPageSource.h"
#include "print/SheetRequest.h"

class QPrinter;

namespace kestrel {

// The mark-sheet print dialog: draws a PrintDialogModel and sends the sheets to the chosen
// printer, to a PDF file (the last printer entry) or to a preview. "Printer.ini" is written
// from the dialog's state however it closes.
class PrintDialog : public QDialog {
    Q_OBJECT
public:
    // The printer entry that prints into a PDF file chosen through the path chooser.
    static QString PdfEntry();

    PrintDialog(ProgramPaths paths, PrintDialogModel model, std::shared_ptr<PdfPathChooser> chooser,
                QWidget* parent = nullptr);

    // Opens the dialog modally over the owner on the saved settings and the installed printers.
    static void ShowForm(QWidget* owner, const ProgramPaths& paths,
                         const std::vector<int32_t>& singles, int32_t roundNumber,
                         const QString& group, const QString& fileName,
                         std::shared_ptr<PdfPathChooser> chooser);

    const PrintDialogModel& Model() const { return m_model; }
    QComboBox* PrinterBox() const { return m_printer; }
    QComboBox* OrientationBox() const { return m_orientation; }
    QRadioButton* AllPagesButton() const { return m_all; }
    QRadioButton* RangeButton() const { return m_range; }
    QSpinBox* StartBox() const { return m_start; }
    QSpinBox* EndBox() const { return m_end; }
    QLineEdit* LeftEdit() const { return m_left; }
    QLineEdit* TopEdit() const { return m_top; }
    // "「開催回」を印刷" .. "プリンタにまとめてデータを送る", in that order.
    QCheckBox* Option(int index) const { return m_options[index]; }
    QSpinBox* RoundBox() const { return m_round; }
    QComboBox* GroupBox() const { return m_group; }
    QPushButton* PrintButton() const { return m_print; }
    QPushButton* PreviewButton() const { return m_preview; }
    QPushButton* TestButton() const { return m_test; }

    void done(int result) override;

private:
    QWidget* BuildPrinterBox();
    QWidget* BuildPageBox();
    QWidget* BuildOptionBox();
    QWidget* BuildButtons();
    void Connect();
    void SyncEnabled();
    void OnPrint();
    void OnPreview();
    void OnTestPrint();
    // Sends the pages to the chosen printer or PDF file; false when nothing was printed.
    bool Output(SheetPageSource& pages, const SheetRequest& request);
    // The chosen printer; a PDF printer for the PDF entry or a printer no longer installed.
    std::unique_ptr<QPrinter> ChosenPrinter(const PrinterSettings& settings) const;

    ProgramPaths m_paths;
    PrintDialogModel m_model;
    std::shared_ptr<PdfPathChooser> m_chooser;
    ErrorReporter m_error{QStringLiteral("ShowForm")};

    QComboBox* m_printer = nullptr;
    QComboBox* m_orientation = nullptr;
    QRadioButton* m_all = nullptr;
    QRadioButton* m_range = nullptr;
    QSpinBox* m_start = nullptr;
    QSpinBox* m_end = nullptr;
    QLineEdit* m_left = nullptr;
    QLineEdit* m_top = nullptr;
    QCheckBox* m_options[5] = {};
    QSpinBox* m_round = nullptr;
    QComboBox* m_group = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_preview = nullptr;
    QPushButton* m_test = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace kestrel
