#include "net/clsResult.h"

namespace kestrel {

clsResult::clsResult(const AcquisitionContext& context)
    : RoundAcquisition(context, u"くじ結果", QStringLiteral("clsResult"), context.Settings) {}

bool clsResult::CheckResultFile(int32_t round, const QString& group) const {
    return FileExists(round, group);
}

bool clsResult::GetResult(int32_t round, const QString& group, int flags, bool ask) {
    return Get(u"GetResult", round, group, flags, ask);
}

bool clsResult::Fetch(int32_t round, const QString& group, ResultRecord& parsed, bool& savable) {
    savable = true;
    if (!m_parser.GetResult(round, group)) {
        return false;
    }
    parsed = m_parser.Result();
    return true;
}

ResultRecord clsResult::Result() const {
    return Current(u"Result");
}

} // namespace kestrel
