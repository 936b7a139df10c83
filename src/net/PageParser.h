#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>

#include "net/PageRequest.h"
#include "net/PieceScan.h"
#include "net/clsHtmlGet.h"
#include "platform/ErrorReporter.h"

namespace kestrel {

// What the three operator page parsers share: the HTTP client, the output record and the
// Unpublished flag, the download of a round's page and the verdict on a finished scan. A parser
// names its operations after its record and reads its own page.
template <typename Record> class PageParser {
public:
    clsHtmlGet& HtmlGet() { return m_get; }
    bool ProgressOpen() const { return m_get.ProgressOpen(); }
    void SetProgressOpen(bool value) { m_get.SetProgressOpen(value); }
    bool ProgressClose() const { return m_get.ProgressClose(); }
    void SetProgressClose(bool value) { m_get.SetProgressClose(value); }

    bool Unpublished() const { return m_unpublished; }

protected:
    explicit PageParser(QString className) : m_error(std::move(className)) {}

    // Clears the output record and Unpublished.
    void Clear() {
        m_record = Record();
        m_unpublished = false;
    }

    // Clears the output and returns the record a parse fills: the group is taken from the
    // request, never from the page.
    Record StartRecord(const QString& group) {
        Clear();
        Record record;
        record.Kumi = group;
        return record;
    }

    // Looks for the header of the group's page (PageRequest::FindHeader with "totoGOAL3" + what
    // as the check text); a page without it counts as not published.
    bool FindHeader(PieceReader& reader, const QString& group, const char16_t* what,
                    const char16_t* notShown, int32_t& round, qsizetype& next) {
        const QString check = PageRequest::HeaderText(group, QString::fromUtf16(what));
        m_unpublished =
            !PageRequest::FindHeader(reader, check, QString::fromUtf16(notShown), round, next);
        return !m_unpublished;
    }

    // Clears the output, then downloads the page with the message "第" + round + progress;
    // the page's pieces, empty without data.
    QStringList FetchPage(const QString& url, int32_t round, const char16_t* progress) {
        Clear();
        return PageRequest::Fetch(
            m_get, url, PageRequest::ProgressMessage(round, QString::fromUtf16(progress)));
    }

    // After a scan: an unexpected error is reported under the procedure, and a page that hit one
    // or failed gives no record.
    bool Usable(const PieceScan& scan, const char16_t* procedure, bool numberError = false) const {
        if (scan.Unexpected()) {
            PageRequest::ReportUnexpected(m_error, QString::fromUtf16(procedure), numberError);
            return false;
        }
        return !scan.Failed();
    }

    clsHtmlGet m_get;
    Record m_record;
    bool m_unpublished = false;
    ErrorReporter m_error;
};

} // namespace kestrel
