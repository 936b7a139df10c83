#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "platform/ProgramPaths.h"
#include "print/PrinterSettings.h"
#include "print/SheetRequest.h"

namespace kestrel {

// The state of the print dialog without its widgets: the printer list, orientation, page
// choice, offsets, the five options, the round-number box and the group selector. The window
// draws it; the command line fills it from its options. Both build the same request from it.
class PrintDialogModel {
public:
    // Opens over the saved settings: the saved printer when it is installed (else the current
    // one), all pages from 1 to the page count, the round box at the given round, the group
    // selector enabled only when group "A" or "B" was handed in.
    PrintDialogModel(const PrinterSettings& saved, const QStringList& printers,
                     const QString& currentPrinter, std::vector<int32_t> singles,
                     int32_t roundNumber, const QString& group, const QString& fileName);

    static QStringList OrientationItems(); // "A4(縦)", "A4(横)"
    static QStringList GroupItems();       // "Ａ組", "Ｂ組"

    const QStringList& Printers() const { return m_printers; }
    const QString& PrinterName() const { return m_printer; }
    void SelectPrinter(const QString& name);
    int OrientationIndex() const { return m_orientation; }
    void SetOrientationIndex(int index);

    int PageCount() const;
    bool AllPages() const { return m_allPages; }
    int StartPage() const { return m_startPage; }
    int EndPage() const { return m_endPage; }
    void SetAllPages() { m_allPages = true; }
    void SetPageRange(int start, int end);

    // Offsets as typed; anything that is not a number counts as 0.
    const QString& LeftMarginText() const { return m_leftText; }
    const QString& TopMarginText() const { return m_topText; }
    void SetLeftMarginText(const QString& text) { m_leftText = text; }
    void SetTopMarginText(const QString& text) { m_topText = text; }

    bool OpenNo() const { return m_openNo; }
    bool RoundBoxEnabled() const { return m_openNo; }
    void SetOpenNo(bool on) { m_openNo = on; }
    void SetOpenText(bool on) { m_openText = on; }
    void SetPageText(bool on) { m_pageText = on; }
    void SetFileText(bool on) { m_fileText = on; }
    void SetSendDataA(bool on) { m_sendDataA = on; }
    int32_t RoundBox() const { return m_roundBox; }
    void SetRoundBox(int32_t round) { m_roundBox = round; }

    bool GroupEnabled() const { return m_groupEnabled; }
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index);

    // The settings as the dialog shows them now; written to "Printer.ini" on close.
    PrinterSettings Settings() const;
    // A print of the list (or a test print: the same options) with the match card's schedule
    // read from the round's stored schedule when the card is asked for.
    SheetRequest BuildRequest(const ProgramPaths& paths) const;
    // Asks "テスト印刷しますがよろしいですか？"; true on Yes.
    static bool ConfirmTestPrint();

private:
    QStringList m_printers;
    QString m_printer;
    int m_orientation = 0;
    std::vector<int32_t> m_singles;
    bool m_allPages = true;
    int m_startPage = 1;
    int m_endPage = 1;
    QString m_leftText;
    QString m_topText;
    bool m_openNo = false;
    bool m_openText = false;
    bool m_pageText = false;
    bool m_fileText = false;
    bool m_sendDataA = false;
    int32_t m_roundBox = 0;
    bool m_groupEnabled = false;
    int m_groupIndex = 0;
    QString m_group;
    QString m_fileName;
};

} // namespace kestrel
