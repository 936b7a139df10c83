#pragma once

#include <QString>

#include "platform/DateTime.h"

namespace kestrel {

// The five round dates every store carries (sale start and end, result announcement, payout
// start and deadline), found by their element path; "<結果速報発表日>" is the older name of the
// announcement date. Null for any other path. Works on any record with those five fields.
template <typename Record> DateTime* RoundDateField(const QString& path, Record& record) {
    if (path == QStringLiteral("<販売開始日>")) {
        return &record.SaleStart;
    }
    if (path == QStringLiteral("<販売終了日>")) {
        return &record.SaleEnd;
    }
    if (path == QStringLiteral("<結果発表日>") || path == QStringLiteral("<結果速報発表日>")) {
        return &record.ResultDate;
    }
    if (path == QStringLiteral("<払戻開始日>")) {
        return &record.PayStart;
    }
    if (path == QStringLiteral("<払戻期限>")) {
        return &record.PayEnd;
    }
    return nullptr;
}

} // namespace kestrel
