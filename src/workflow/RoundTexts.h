#pragma once

#include <QString>
#include <cstdint>

#include "core/ScheduleRecord.h"
#include "core/VoteRecord.h"
#include "platform/DateTime.h"

namespace kestrel {

// The captions the main window shows for a round, computed for a given "now" so that the live
// sale countdown can be checked at fixed times.
struct RoundTexts {
    QString Caption; // " 第 1555 回 "
    QString Status;  // caption + "　使用投票率：..." (the vote status in use)
    QString SaleStatus; // "販売終了", "販売開始まで あと ...", "販売締切まで あと ..."
    bool SaleStatusVisible = false;
    QString SaleStart; // "2025年05月10日(土) "
    QString SaleEnd;
    QString ResultDate;

    static RoundTexts Make(int32_t round, const QString& group, const ScheduleRecord& schedule,
                           const VoteRecord& vote, const DateTime& now);

    // " 第 " + round + " 回 " (one blank for round 0 or less), " [ " + group + "組 ] " after it
    // when the group is not empty.
    static QString RoundCaption(int32_t round, const QString& group);
    // Nothing without a vote status; "　使用投票率：ユーザー定義" for user-defined rates;
    // otherwise "　使用投票率：" + "yyyy/mm/dd hh:nn", or "yyyy/mm/dd (最終)" at the sale end.
    static QString VoteSource(const VoteRecord& vote, const DateTime& saleEnd);
    // Empty when the schedule holds no round.
    static QString SaleStatusText(const ScheduleRecord& schedule, const DateTime& now);
    // Whole days + "日 " when at least one day is left, then "h時間n分".
    static QString TimeLeft(int64_t seconds);
    // "yyyy年mm月dd日" + "(" + weekday + ") " + "hh:nn:ss" when the time is not midnight; empty
    // for an unset date.
    static QString DateText(const DateTime& value);
};

} // namespace kestrel
