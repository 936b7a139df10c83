#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "net/HtmlItem.h"
#include "net/clsWinInet.h"

namespace kestrel {

// Downloads a page, keeps its items, and hands out the text pieces of the page body with all
// blanks and tabs removed, joining the pieces that a BR tag separates.
class clsHtmlGet {
public:
    clsWinInet& WinInet() { return m_inet; }
    bool ProgressOpen() const { return m_inet.ProgressOpen(); }
    void SetProgressOpen(bool value) { m_inet.SetProgressOpen(value); }
    bool ProgressClose() const { return m_inet.ProgressClose(); }
    void SetProgressClose(bool value) { m_inet.SetProgressClose(value); }
    void SetProgressDialogMessage(const QString& text) { m_inet.SetProgressDialogMessage(text); }

    // Number of items of the downloaded page; 0 without a connection or without data.
    int GetHttp(const QString& url, const QString& proxy, int codeNumber);
    // Takes the text as the last page (what GetHttp does after the download).
    int SetPageText(const QString& text);
    // The body's text pieces in page order (the first piece at index 0) and their count.
    int GetTextData(QStringList& list) const;

    int Count() const { return static_cast<int>(m_items.size()); }
    const QString& Url() const { return m_url; }
    const QString& PageText() const { return m_text; }
    const std::vector<HtmlItem>& Items() const { return m_items; }
    // Writes the last page's text (CP932, atomically); false when it could not be written.
    bool SaveToFile(const QString& path) const;

private:
    clsWinInet m_inet;
    QString m_url;
    QString m_text;
    std::vector<HtmlItem> m_items;
};

} // namespace kestrel
