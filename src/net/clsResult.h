#pragma once

#include <QString>
#include <cstdint>

#include "core/ResultRecord.h"
#include "net/AcquisitionContext.h"
#include "net/clsHtmlResult.h"
#include "platform/ErrorReporter.h"
#include "store/clsXmlResult.h"

namespace kestrel {

// The result (くじ結果) of a round: the stored file first, the operator's page on request; a
// complete download is saved once as the round's file.
class clsResult {
public:
    explicit clsResult(AcquisitionContext context);

    void Initialize();
    bool ProgressOpen() const { return m_parser.ProgressOpen(); }
    void SetProgressOpen(bool value) { m_parser.SetProgressOpen(value); }
    bool ProgressClose() const { return m_parser.ProgressClose(); }
    void SetProgressClose(bool value) { m_parser.SetProgressClose(value); }

    bool CheckResultFile(int32_t round, const QString& group) const;
    // Flags: 1 load the stored file, 2 download when nothing was loaded. True when the current
    // record is complete afterwards.
    bool GetResult(int32_t round, const QString& group, int flags, bool ask);
    void FalseDialog(int32_t round);

    ResultRecord Result() const;
    bool Cancel() const;
    bool Unpublished() const;

private:
    bool Ready(const char16_t* procedure) const;
    void Download(int32_t round, const QString& group, ResultRecord& record);

    AcquisitionContext m_context;
    clsXmlResult m_store;
    clsHtmlResult m_parser;
    ResultRecord m_record;
    bool m_initialized = false;
    bool m_cancel = false;
    bool m_unpublished = false;
    ErrorReporter m_error{QStringLiteral("clsResult")};
};

} // namespace kestrel
