#include "reduction/ConditionLabels.h"

#include <array>

namespace kestrel {

namespace {

const std::array<const char*, 6> kHonmeiShort = {"◎", "○", "▲", "△", "×", "☆"};
const std::array<const char*, 6> kHonmeiLong = {"本命◎", "対抗○", "穴　▲",
                                                "大穴△", "注意×", "特注☆"};
const std::array<const char*, 4> kNinkiShort = {"1番", "2番", "3番", "4番"};
const std::array<const char*, 4> kNinkiLong = {"1番人気", "2番人気", "3番人気", "4番人気"};
const std::array<const char*, 4> kMarkShort = {"[0]", "[1]", "[2]", "[3]"};
const std::array<const char*, 4> kMarkLong = {"0点", "1点", "2点", "3点以上"};

constexpr int kGroupCount = 29;
constexpr int kFirstLetterGroup = 3;

} // namespace

QString ConditionLabels::GroupLabel(int group) {
    if (group == 0) {
        return QStringLiteral("全て");
    }
    if (group == 1) {
        return QStringLiteral("J1");
    }
    if (group == 2) {
        return QStringLiteral("J2");
    }
    if (group >= kFirstLetterGroup && group < kGroupCount) {
        return QString(QChar('A' + (group - kFirstLetterGroup)));
    }
    return QString();
}

int ConditionLabels::BaseCount(ConditionKind kind) {
    return kind == ConditionKind::Honmei ? 6 : 4;
}

QString ConditionLabels::ShortTitle(ConditionKind kind, int item) {
    if (item < 0 || item >= BaseCount(kind)) {
        return QString();
    }
    const auto index = static_cast<size_t>(item);
    switch (kind) {
    case ConditionKind::Honmei:
        return QString::fromUtf8(kHonmeiShort[index]);
    case ConditionKind::Ninki:
        return QString::fromUtf8(kNinkiShort[index]);
    case ConditionKind::Mark:
        return QString::fromUtf8(kMarkShort[index]);
    }
    return QString();
}

QString ConditionLabels::LongTitle(ConditionKind kind, int item) {
    if (item < 0 || item >= BaseCount(kind)) {
        return QString();
    }
    const auto index = static_cast<size_t>(item);
    switch (kind) {
    case ConditionKind::Honmei:
        return QString::fromUtf8(kHonmeiLong[index]);
    case ConditionKind::Ninki:
        return QString::fromUtf8(kNinkiLong[index]);
    case ConditionKind::Mark:
        return QString::fromUtf8(kMarkLong[index]);
    }
    return QString();
}

QString ConditionLabels::RowLabel(ConditionKind kind, std::span<const bool> plusFlg) {
    const int items = std::min(static_cast<int>(plusFlg.size()), BaseCount(kind));
    int ticked = 0;
    int only = -1;
    for (int i = 0; i < items; ++i) {
        if (plusFlg[static_cast<size_t>(i)]) {
            ++ticked;
            only = i;
        }
    }
    if (ticked == 1) {
        return LongTitle(kind, only);
    }
    QString label;
    for (int i = 0; i < items; ++i) {
        if (!plusFlg[static_cast<size_t>(i)]) {
            continue;
        }
        if (!label.isEmpty()) {
            label += QLatin1Char('+');
        }
        label += ShortTitle(kind, i);
    }
    return label;
}

QString ConditionLabels::KindLabel(ConditionKind kind) {
    switch (kind) {
    case ConditionKind::Honmei:
        return QStringLiteral("本命");
    case ConditionKind::Ninki:
        return QStringLiteral("人気");
    case ConditionKind::Mark:
        return QStringLiteral("得点");
    }
    return QString();
}

} // namespace kestrel
