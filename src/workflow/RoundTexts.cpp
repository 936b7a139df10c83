#include "workflow/RoundTexts.h"

namespace kestrel {

namespace {

const QString kVoteSource = QStringLiteral("　使用投票率：");
const QString kUserDefined = QStringLiteral("ユーザー定義");
const QString kFinal = QStringLiteral(" (最終)");
const QString kSaleClosed = QStringLiteral("販売終了");
const QString kUntilStart = QStringLiteral("販売開始まで あと ");
const QString kUntilEnd = QStringLiteral("販売締切まで あと ");
constexpr int64_t kDaySeconds = 86400;

} // namespace

RoundTexts RoundTexts::Make(int32_t round, const QString& group, const ScheduleRecord& schedule,
                            const VoteRecord& vote, const DateTime& now) {
    RoundTexts texts;
    texts.Caption = RoundCaption(round, group);
    const DateTime saleEnd = schedule.SaleEnd.IsZero() ? vote.SaleEnd : schedule.SaleEnd;
    texts.Status = texts.Caption + VoteSource(vote, saleEnd);
    texts.SaleStatusVisible = schedule.Kaisaikai > 0;
    if (texts.SaleStatusVisible) {
        texts.SaleStatus = SaleStatusText(schedule, now);
        texts.SaleStart = DateText(schedule.SaleStart);
        texts.SaleEnd = DateText(schedule.SaleEnd);
        texts.ResultDate = DateText(schedule.ResultDate);
    }
    return texts;
}

QString RoundTexts::RoundCaption(int32_t round, const QString& group) {
    QString caption = QStringLiteral(" 第 ") +
                      (round > 0 ? QString::number(round) : QStringLiteral(" ")) +
                      QStringLiteral(" 回 ");
    if (!group.isEmpty()) {
        caption += QStringLiteral(" [ ") + group + QStringLiteral("組 ] ");
    }
    return caption;
}

QString RoundTexts::VoteSource(const VoteRecord& vote, const DateTime& saleEnd) {
    if (vote.Kaisaikai <= 0) {
        return QString();
    }
    if (vote.AsOf.IsZero()) {
        return kVoteSource + kUserDefined;
    }
    if (vote.AsOf == saleEnd) {
        return kVoteSource + vote.AsOf.Format(QStringLiteral("yyyy/mm/dd")) + kFinal;
    }
    return kVoteSource + vote.AsOf.Format(QStringLiteral("yyyy/mm/dd hh:nn"));
}

QString RoundTexts::SaleStatusText(const ScheduleRecord& schedule, const DateTime& now) {
    if (schedule.Kaisaikai <= 0) {
        return QString();
    }
    if (now > schedule.SaleEnd) {
        return kSaleClosed;
    }
    if (now < schedule.SaleStart) {
        return kUntilStart + TimeLeft(schedule.SaleStart.TotalSeconds() - now.TotalSeconds());
    }
    return kUntilEnd + TimeLeft(schedule.SaleEnd.TotalSeconds() - now.TotalSeconds());
}

QString RoundTexts::TimeLeft(int64_t seconds) {
    const int64_t days = seconds / kDaySeconds;
    const int64_t rest = seconds % kDaySeconds;
    QString text = days >= 1 ? QString::number(days) + QStringLiteral("日 ") : QString();
    return text + QString::number(rest / 3600) + QStringLiteral("時間") +
           QString::number((rest % 3600) / 60) + QStringLiteral("分");
}

QString RoundTexts::DateText(const DateTime& value) {
    if (!value.HasDate()) {
        return QString();
    }
    QString text = value.Format(QStringLiteral("yyyy年mm月dd日")) + QStringLiteral("(") +
                   value.WeekdayName() + QStringLiteral(") ");
    if (value.SecondsOfDay() != 0) {
        text += value.Format(QStringLiteral("hh:nn:ss"));
    }
    return text;
}

} // namespace kestrel
