#include "print/PrintDialogModel.h"

#include "platform/UserPrompt.h"
#include "platform/Version.h"
#include "print/SheetGeometry.h"
#include "store/clsXmlSchedule.h"

namespace kestrel {

namespace {

const QString kTestPrintQuestion = QStringLiteral("テスト印刷しますがよろしいですか？");

} // namespace

PrintDialogModel::PrintDialogModel(const PrinterSettings& saved, const QStringList& printers,
                                   const QString& currentPrinter, std::vector<int32_t> singles,
                                   int32_t roundNumber, const QString& group,
                                   const QString& fileName)
    : m_printers(printers), m_printer(currentPrinter), m_singles(std::move(singles)),
      m_roundBox(roundNumber), m_fileName(fileName) {
    SelectPrinter(saved.PrinterName);
    m_orientation = saved.Landscape() ? 1 : 0;
    m_endPage = PageCount();
    m_leftText = PrinterSettings::FormatMargin(saved.PrinterLeftMargin);
    m_topText = PrinterSettings::FormatMargin(saved.PrinterTopMargin);
    m_openNo = saved.PrinterOpenNo;
    m_openText = saved.PrinterOpenText;
    m_pageText = saved.PrinterPageText;
    m_fileText = saved.PrinterFileText;
    m_sendDataA = saved.PrinterSendDataA;
    // Only a group "A" or "B" has a mark on the sheet and an entry in the selector; any other
    // group is kept as handed in (for the match card's schedule) and gets no mark.
    m_groupEnabled = group == QLatin1String("A") || group == QLatin1String("B");
    m_groupIndex = group == QLatin1String("B") ? 1 : 0;
    m_group = group;
}

QStringList PrintDialogModel::OrientationItems() {
    return {QStringLiteral("A4(縦)"), QStringLiteral("A4(横)")};
}

QStringList PrintDialogModel::GroupItems() {
    return {QStringLiteral("Ａ組"), QStringLiteral("Ｂ組")};
}

void PrintDialogModel::SelectPrinter(const QString& name) {
    if (m_printers.contains(name)) {
        m_printer = name;
    }
}

void PrintDialogModel::SetOrientationIndex(int index) {
    if (index == 0 || index == 1) {
        m_orientation = index;
    }
}

int PrintDialogModel::PageCount() const {
    return SheetGeometry::PageCount(static_cast<int>(m_singles.size()));
}

void PrintDialogModel::SetPageRange(int start, int end) {
    m_allPages = false;
    m_startPage = start;
    m_endPage = end;
}

void PrintDialogModel::SetGroupIndex(int index) {
    if (m_groupEnabled && (index == 0 || index == 1)) {
        m_groupIndex = index;
    }
}

PrinterSettings PrintDialogModel::Settings() const {
    PrinterSettings s;
    s.PrinterName = m_printer;
    s.PrinterOrientation =
        m_orientation == 1 ? PrinterSettings::kLandscape : PrinterSettings::kPortrait;
    s.PrinterLeftMargin = PrinterSettings::ParseMargin(m_leftText);
    s.PrinterTopMargin = PrinterSettings::ParseMargin(m_topText);
    s.PrinterOpenNo = m_openNo;
    s.PrinterOpenText = m_openText;
    s.PrinterPageText = m_pageText;
    s.PrinterFileText = m_fileText;
    s.PrinterSendDataA = m_sendDataA;
    return s;
}

SheetRequest PrintDialogModel::BuildRequest(const ProgramPaths& paths) const {
    SheetRequest r;
    r.Singles = m_singles;
    r.Settings = Settings();
    r.AllPages = m_allPages;
    r.StartPage = m_startPage;
    r.EndPage = m_endPage;
    r.RoundNumber = m_roundBox;
    r.Group = m_group;
    if (m_groupEnabled) {
        r.Group = m_groupIndex == 1 ? QStringLiteral("B") : QStringLiteral("A");
    }
    r.FileName = m_fileName;
    if (m_openText && m_roundBox > 0) {
        clsXmlSchedule store(paths);
        if (store.XmlLoad(store.GetFileName(m_roundBox, r.Group))) {
            r.Schedule = store.Schedule();
        }
    }
    return r;
}

bool PrintDialogModel::ConfirmTestPrint() {
    return CurrentUserPrompt()->Ask(QString::fromLatin1(kProductName), kTestPrintQuestion,
                                    PromptButtons::YesNo) == PromptAnswer::Yes;
}

} // namespace kestrel
