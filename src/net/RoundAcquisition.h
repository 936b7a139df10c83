#pragma once

#include <QFileInfo>
#include <QString>
#include <cstdint>

#include "net/AcquisitionContext.h"
#include "net/AcquisitionDialogs.h"
#include "net/RecordCompleteness.h"
#include "net/clsWinInet.h"
#include "platform/ErrorReporter.h"

namespace kestrel {

// What the acquisition controllers of the three round records share: the stored file first, the
// operator's page on request, a complete download saved once as the round's file, and the flags
// that FalseDialog explains. A controller names its operations after its record and says how its
// parser fetches a page. Holds no window: it can run on a worker thread (questions go through
// the process-wide UserPrompt).
template <typename Record, typename Store, typename Parser> class RoundAcquisition {
public:
    virtual ~RoundAcquisition() = default;

    void Initialize() { m_initialized = true; }
    bool ProgressOpen() const { return m_parser.ProgressOpen(); }
    void SetProgressOpen(bool value) { m_parser.SetProgressOpen(value); }
    bool ProgressClose() const { return m_parser.ProgressClose(); }
    void SetProgressClose(bool value) { m_parser.SetProgressClose(value); }

    void FalseDialog(int32_t round) {
        AcquisitionDialogs::FalseDialog(round, Kind(), m_cancel, m_unpublished, m_failReason);
    }
    bool Cancel() const { return Ready(u"Cancel") && m_cancel; }
    bool Unpublished() const { return Ready(u"Unpublished") && m_unpublished; }

protected:
    // kind: the record's caption in questions and messages (as "くじ結果"); className: the error
    // title's class name. The parser is built from parserArgs, the HTTP client from context.
    template <typename... ParserArgs>
    RoundAcquisition(const AcquisitionContext& context, const char16_t* kind,
                     const QString& className, const ParserArgs&... parserArgs)
        : m_store(context.Paths), m_parser(parserArgs...), m_kind(kind), m_error(className) {
        clsWinInet& inet = m_parser.HtmlGet().WinInet();
        inet.SetOptions(context.Http);
        inet.SetProgress(context.Progress);
    }

    // Runs the parser on the round's page; true with the parsed record, and in savable whether
    // that record may become the round's file.
    virtual bool Fetch(int32_t round, const QString& group, Record& parsed, bool& savable) = 0;

    QString Kind() const { return QString::fromUtf16(m_kind); }

    bool Ready(const char16_t* procedure) const {
        if (!m_initialized) {
            m_error.Report(QString::fromUtf16(procedure), QStringLiteral("Initialize Err"));
        }
        return m_initialized;
    }

    bool FileExists(int32_t round, const QString& group) const {
        return QFileInfo(m_store.GetFileName(round, group)).isFile();
    }

    // Flags: kLoadFile, kDownload (AcquisitionDialogs). The record got, empty or not, becomes the
    // current record; true when it is complete.
    bool Get(const char16_t* procedure, int32_t round, const QString& group, int flags, bool ask) {
        if (!Ready(procedure)) {
            return false;
        }
        m_cancel = m_unpublished = m_fromFile = false;
        m_failReason.clear();
        Record record;
        if (round >= 1) {
            if ((flags & AcquisitionDialogs::kLoadFile) != 0 &&
                m_store.XmlLoad(m_store.GetFileName(round, group))) {
                record = m_store.CurrentRecord();
                m_fromFile = true;
            }
            if (!m_fromFile && (flags & AcquisitionDialogs::kDownload) != 0) {
                if (ask && !AcquisitionDialogs::AskDownload(Kind())) {
                    m_cancel = true;
                } else {
                    Download(round, group, record);
                }
            }
        }
        m_record = record;
        return RecordCompleteness::IsComplete(record);
    }

    Record Current(const char16_t* procedure) const {
        return Ready(procedure) ? m_record : Record();
    }

    Store m_store;
    Parser m_parser;
    Record m_record;
    bool m_fromFile = false; // the current record was read from the round's file

private:
    // A page of another round is never taken for this one; a file already there is never
    // overwritten.
    void Download(int32_t round, const QString& group, Record& record) {
        Record parsed;
        bool savable = false;
        if (Fetch(round, group, parsed, savable) && parsed.Kaisaikai == round) {
            record = parsed;
            const QString path = m_store.GetFileName(round, group);
            if (savable && RecordCompleteness::IsComplete(record) && !QFileInfo::exists(path) &&
                !Stopped()) {
                m_store.SetCurrentRecord(record);
                m_store.XmlSave(path);
            }
        }
        m_unpublished = m_parser.Unpublished();
        // A download stopped by the user is a declined one: nothing saved, nothing to explain.
        const clsWinInet& inet = m_parser.HtmlGet().WinInet();
        if (inet.LastFailure() == HttpFailure::Cancelled) {
            m_cancel = true;
        }
        m_failReason = inet.FailureReason();
    }

    // The run was stopped after the page arrived: it is used, but not written.
    bool Stopped() {
        const HttpOptions& options = m_parser.HtmlGet().WinInet().Options();
        return options.Cancel != nullptr && options.Cancel->load();
    }

    const char16_t* m_kind;
    bool m_initialized = false;
    bool m_cancel = false;
    bool m_unpublished = false;
    QString m_failReason; // second line of the failure message of the last download
    ErrorReporter m_error;
};

} // namespace kestrel
