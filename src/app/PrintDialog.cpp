#include "app/PrintDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QVBoxLayout>
#include <algorithm>

#include "print/SheetGeometry.h"
#include "print/SheetPageSource.h"
#include "print/SheetRenderer.h"

namespace kestrel {

namespace {

// The hourglass for as long as a print is being built.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The document's name with ".pdf", offered as the PDF file's name.
QString PdfName(const QString& fileName) {
    const QString base = QFileInfo(fileName).completeBaseName();
    return (base.isEmpty() ? QStringLiteral("marksheet") : base) + QStringLiteral(".pdf");
}

} // namespace

QString PrintDialog::PdfEntry() {
    return QStringLiteral("PDF ファイル");
}

PrintDialog::PrintDialog(ProgramPaths paths, PrintDialogModel model,
                         std::shared_ptr<PdfPathChooser> chooser, QWidget* parent)
    : QDialog(parent), m_paths(std::move(paths)), m_model(std::move(model)),
      m_chooser(std::move(chooser)) {
    setWindowTitle(QStringLiteral("印刷"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildPrinterBox());
    layout->addWidget(BuildPageBox());
    layout->addWidget(BuildOptionBox());
    layout->addWidget(BuildButtons());
    Connect();
    SyncEnabled();
}

void PrintDialog::ShowForm(QWidget* owner, const ProgramPaths& paths,
                           const std::vector<int32_t>& singles, int32_t roundNumber,
                           const QString& group, const QString& fileName,
                           std::shared_ptr<PdfPathChooser> chooser) {
    // Without an installed printer the PDF entry is the current one.
    QString current = QPrinterInfo::defaultPrinterName();
    if (current.isEmpty()) {
        current = PdfEntry();
    }
    const PrinterSettings saved =
        PrinterSettings::LoadOrCreate(PrinterSettings::FilePath(paths.SysData()), current);
    QStringList printers = QPrinterInfo::availablePrinterNames();
    printers.append(PdfEntry());
    PrintDialogModel model(saved, printers, current, singles, roundNumber, group, fileName);
    PrintDialog dialog(paths, std::move(model), std::move(chooser), owner);
    dialog.exec();
}

QWidget* PrintDialog::BuildPrinterBox() {
    auto* box = new QGroupBox(QStringLiteral("プリンタ"));
    auto* form = new QFormLayout(box);
    m_printer = new QComboBox;
    m_printer->addItems(m_model.Printers());
    m_printer->setCurrentText(m_model.PrinterName());
    m_orientation = new QComboBox;
    m_orientation->addItems(PrintDialogModel::OrientationItems());
    m_orientation->setCurrentIndex(m_model.OrientationIndex());
    m_left = new QLineEdit(m_model.LeftMarginText());
    m_top = new QLineEdit(m_model.TopMarginText());
    form->addRow(QStringLiteral("プリンタ名"), m_printer);
    form->addRow(QStringLiteral("用紙"), m_orientation);
    form->addRow(QStringLiteral("左余白(mm)"), m_left);
    form->addRow(QStringLiteral("上余白(mm)"), m_top);
    return box;
}

QWidget* PrintDialog::BuildPageBox() {
    auto* box = new QGroupBox(QStringLiteral("印刷範囲"));
    auto* row = new QHBoxLayout(box);
    const int pages = std::max(1, m_model.PageCount());
    m_all = new QRadioButton(QStringLiteral("全てのページ"));
    m_range = new QRadioButton(QStringLiteral("ページ指定"));
    m_all->setChecked(m_model.AllPages());
    m_range->setChecked(!m_model.AllPages());
    m_start = new QSpinBox;
    m_end = new QSpinBox;
    m_start->setRange(1, pages);
    m_end->setRange(1, pages);
    m_start->setValue(m_model.StartPage());
    m_end->setValue(m_model.EndPage());
    row->addWidget(m_all);
    row->addWidget(m_range);
    row->addWidget(m_start);
    row->addWidget(new QLabel(QStringLiteral("～")));
    row->addWidget(m_end);
    row->addWidget(new QLabel(QStringLiteral("/ %1 ページ").arg(m_model.PageCount())));
    return box;
}

QWidget* PrintDialog::BuildOptionBox() {
    auto* box = new QGroupBox(QStringLiteral("オプション"));
    auto* column = new QVBoxLayout(box);
    const PrinterSettings s = m_model.Settings();
    const QString captions[5] = {
        QStringLiteral("「開催回」を印刷"), QStringLiteral("「対戦カード」を印刷"),
        QStringLiteral("「ページ番号」を印刷"), QStringLiteral("「ファイル名」を印刷"),
        QStringLiteral("プリンタにまとめてデータを送る")};
    const bool values[5] = {s.PrinterOpenNo, s.PrinterOpenText, s.PrinterPageText,
                            s.PrinterFileText, s.PrinterSendDataA};
    for (int i = 0; i < 5; ++i) {
        m_options[i] = new QCheckBox(captions[i]);
        m_options[i]->setChecked(values[i]);
        column->addWidget(m_options[i]);
    }
    auto* row = new QHBoxLayout;
    m_round = new QSpinBox;
    m_round->setRange(0, 99999);
    m_round->setValue(m_model.RoundBox());
    m_group = new QComboBox;
    m_group->addItems(PrintDialogModel::GroupItems());
    m_group->setCurrentIndex(m_model.GroupIndex());
    row->addWidget(new QLabel(QStringLiteral("開催回")));
    row->addWidget(m_round);
    row->addWidget(m_group);
    row->addStretch(1);
    column->addLayout(row);
    return box;
}

QWidget* PrintDialog::BuildButtons() {
    auto* buttons = new QDialogButtonBox;
    m_print = buttons->addButton(QStringLiteral("印刷"), QDialogButtonBox::AcceptRole);
    m_preview = buttons->addButton(QStringLiteral("プレビュー"), QDialogButtonBox::ActionRole);
    m_test = buttons->addButton(QStringLiteral("テスト印刷"), QDialogButtonBox::ActionRole);
    m_cancel = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    m_print->setDefault(true);
    return buttons;
}

void PrintDialog::Connect() {
    connect(m_printer, &QComboBox::currentTextChanged, this,
            [this](const QString& name) { m_model.SelectPrinter(name); });
    connect(m_orientation, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_model.SetOrientationIndex(index); });
    connect(m_left, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_model.SetLeftMarginText(text); });
    connect(m_top, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_model.SetTopMarginText(text); });
    auto pages = [this] {
        if (m_all->isChecked()) {
            m_model.SetAllPages();
        } else {
            m_model.SetPageRange(m_start->value(), m_end->value());
        }
        SyncEnabled();
    };
    connect(m_all, &QRadioButton::toggled, this, pages);
    connect(m_start, &QSpinBox::valueChanged, this, pages);
    connect(m_end, &QSpinBox::valueChanged, this, pages);
    connect(m_options[0], &QCheckBox::toggled, this, [this](bool on) {
        m_model.SetOpenNo(on);
        SyncEnabled();
    });
    connect(m_options[1], &QCheckBox::toggled, this, [this](bool on) { m_model.SetOpenText(on); });
    connect(m_options[2], &QCheckBox::toggled, this, [this](bool on) { m_model.SetPageText(on); });
    connect(m_options[3], &QCheckBox::toggled, this, [this](bool on) { m_model.SetFileText(on); });
    connect(m_options[4], &QCheckBox::toggled, this, [this](bool on) { m_model.SetSendDataA(on); });
    connect(m_round, &QSpinBox::valueChanged, this,
            [this](int round) { m_model.SetRoundBox(round); });
    connect(m_group, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_model.SetGroupIndex(index); });
    connect(m_print, &QPushButton::clicked, this, &PrintDialog::OnPrint);
    connect(m_preview, &QPushButton::clicked, this, &PrintDialog::OnPreview);
    connect(m_test, &QPushButton::clicked, this, &PrintDialog::OnTestPrint);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void PrintDialog::SyncEnabled() {
    m_start->setEnabled(m_range->isChecked());
    m_end->setEnabled(m_range->isChecked());
    m_round->setEnabled(m_model.RoundBoxEnabled());
    m_group->setEnabled(m_model.GroupEnabled());
}

void PrintDialog::done(int result) {
    m_model.Settings().Save(PrinterSettings::FilePath(m_paths.SysData()));
    QDialog::done(result);
}

void PrintDialog::OnPrint() {
    WaitCursor wait;
    const SheetRequest request = m_model.BuildRequest(m_paths);
    SheetPageSource pages(request);
    // An empty list or a range without singles prints nothing and leaves the dialog open.
    if (!pages.AtEnd() && Output(pages, request)) {
        accept();
    }
}

std::unique_ptr<QPrinter> PrintDialog::ChosenPrinter(const PrinterSettings& settings) const {
    const QPrinterInfo info = QPrinterInfo::printerInfo(settings.PrinterName);
    if (settings.PrinterName == PdfEntry() || info.isNull()) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        return printer;
    }
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

void PrintDialog::OnPreview() {
    const SheetRequest request = m_model.BuildRequest(m_paths);
    if (SheetPageSource(request).AtEnd()) {
        return;
    }
    // The preview shows the sheets as the chosen printer lays them out, in the chosen
    // orientation from the first picture on.
    const std::unique_ptr<QPrinter> printer = ChosenPrinter(request.Settings);
    SheetRenderer().InitializePage(*printer, request.Settings);
    QPrintPreviewDialog preview(printer.get(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* device) {
        SheetPageSource pages(request);
        SheetRenderer().Render(*device, pages, request.Settings, false);
    });
    preview.exec();
}

void PrintDialog::OnTestPrint() {
    if (!PrintDialogModel::ConfirmTestPrint()) {
        return;
    }
    WaitCursor wait;
    const SheetRequest request = m_model.BuildRequest(m_paths);
    SheetPageSource page(SheetGeometry::TestPage(request));
    Output(page, request);
}

bool PrintDialog::Output(SheetPageSource& pages, const SheetRequest& request) {
    const PrinterSettings& settings = request.Settings;
    if (settings.PrinterName == PdfEntry()) {
        const QString path =
            m_chooser ? m_chooser->ChoosePdfPath(this, PdfName(request.FileName)) : QString();
        return !path.isEmpty() && SheetRenderer().WritePdf(path, pages, settings);
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(settings.PrinterName);
    if (info.isNull()) {
        m_error.Report(QStringLiteral("ShowForm"),
                       QStringLiteral("プリンタ %1 が見つかりません。").arg(settings.PrinterName));
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    // One job per page unless all pages go as one job.
    return SheetRenderer().Render(printer, pages, settings, !settings.PrinterSendDataA);
}

} // namespace kestrel
