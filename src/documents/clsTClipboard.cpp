#include "documents/clsTClipboard.h"

#include <QStringList>
#include <algorithm>

#include "core/clsTNumber.h"
#include "engines/EngineSettings.h"
#include "platform/ErrorReporter.h"
#include "platform/TextCodec.h"
#include "platform/VbFormat.h"
#include "platform/Version.h"
#include "platform/clsTMsg.h"
#include "reduction/ConditionLabels.h"

namespace kestrel {

const QString clsTClipboard::kCopiedText = QStringLiteral("クリップボードへコピーしました");
const QString clsTClipboard::kTooManyText = QStringLiteral("1万口以上は出力出来ません");

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QChar kWideSpace(0x3000);
const QChar kRule(0x2015);
constexpr int kLabelBytes = 15;

const char* const kMarkSymbols[] = {"－", "◎", "○", "▲", "△", "×", "☆"};
const char* const kMethodNames[] = {"１等保証",
                                    "２等保証 高速検索エンジン",
                                    "２等保証 試行検索エンジン",
                                    "３等保証 高速検索エンジン",
                                    "３等保証 試行検索エンジン",
                                    "口数最適化エンジン",
                                    "２等保証 強化検索エンジン",
                                    "３等保証 強化検索エンジン"};

QString Wide(const QString& text) {
    return TextCodec::ToFullWidth(text);
}

// Full-width digits right-aligned in width columns filled with full-width spaces.
QString WideRight(int64_t value, int width) {
    const QString digits = Wide(QString::number(value));
    return QString(std::max<qsizetype>(0, width - digits.size()), kWideSpace) + digits;
}

QString SheetGroupLabel(int group) {
    if (group == 0) {
        return QStringLiteral("全て");
    }
    if (group == ConditionSet::kJ1Group) {
        return QStringLiteral("Ｊ１");
    }
    if (group == ConditionSet::kJ2Group) {
        return QStringLiteral("Ｊ２");
    }
    return QStringLiteral(" ") + QChar(0xFF21 + group - 3) + QStringLiteral(" ");
}

QString GoalClassText(const ConditionGroup& group) {
    QStringList ticked;
    for (int c = 0; c < kGoalClassCount; ++c) {
        if (group.MarkFlg[static_cast<size_t>(c)]) {
            ticked << QString::number(c);
        }
    }
    if (ticked.isEmpty()) {
        return QStringLiteral("なし");
    }
    if (ticked.size() == kGoalClassCount) {
        return QStringLiteral("全結果");
    }
    return ticked.join(QLatin1Char('+')) + QStringLiteral("点");
}

QString SlotNumberText(const ConditionGroup& group) {
    std::vector<int> ticked;
    for (int t = 0; t < kSlotCount; ++t) {
        if (group.GameFlg[static_cast<size_t>(t)]) {
            ticked.push_back(t + 1);
        }
    }
    if (static_cast<int>(ticked.size()) == kSlotCount) {
        return QStringLiteral("全");
    }
    return clsTClipboard::RangeList(ticked);
}

// The lines of one group (empty when it does not take part or has no ticked row).
QString GroupLines(ConditionKind kind, int g, const ConditionGroup& group) {
    if (!group.Applies()) {
        return QString();
    }
    const QString label = SheetGroupLabel(g);
    QString text;
    for (int r = 0; r < group.Rows(); ++r) {
        if (group.RowMarkCount(r) == 0) {
            continue;
        }
        std::vector<int> blank;
        std::vector<int> triangle;
        for (int v = 0; v < ConditionGroup::kCountValues; ++v) {
            const uint8_t cell = group.Cells[static_cast<size_t>(v)][static_cast<size_t>(r)];
            if (cell == kCellBlank) {
                blank.push_back(v);
            } else if (cell == kCellTriangle) {
                triangle.push_back(v);
            }
        }
        text += clsTMsg::PadToColumns(label + kWideSpace + group.ComputeRowLabel(kind, r),
                                      kLabelBytes) +
                QStringLiteral("：") + clsTClipboard::RangeList(blank);
        if (!triangle.empty()) {
            text += QStringLiteral(" (") + clsTClipboard::RangeList(triangle) + QStringLiteral(")");
        }
        text += kCrLf;
    }
    if (g >= 3 && !text.isEmpty()) {
        text += clsTMsg::PadToColumns(label + kWideSpace + QStringLiteral("------"), kLabelBytes) +
                QStringLiteral("：") + GoalClassText(group) + QStringLiteral("：") +
                SlotNumberText(group) + QStringLiteral("試合") + kCrLf;
    }
    return text;
}

QString KindSection(ConditionKind kind, const QString& header, const ConditionSet& conditions) {
    QString lines;
    const auto& groups = conditions.Groups(kind);
    for (int g = 0; g < ConditionSet::kGroupCount; ++g) {
        lines += GroupLines(kind, g, groups[static_cast<size_t>(g)]);
    }
    if (lines.isEmpty()) {
        return QString();
    }
    return header + kCrLf + lines + kCrLf;
}

QString PayoutSection(const DocumentRecord& document) {
    const HaitouCondition& haitou = document.Conditions.Haitou;
    if (!haitou.Enabled[0]) {
        return QString();
    }
    QString lines;
    for (int g = 0; g < 3; ++g) {
        const QString range = clsTClipboard::HaitouRangeText(haitou.Min[static_cast<size_t>(g)],
                                                             haitou.Max[static_cast<size_t>(g)]);
        if (haitou.Flag[static_cast<size_t>(g)] && !range.isEmpty()) {
            lines += Wide(QString::number(g + 1)) + QStringLiteral("等当せん金：") + range + kCrLf;
        }
    }
    if (lines.isEmpty()) {
        return QString();
    }
    const DateTime asOf = document.VoteTime.IsZero() ? document.Vote.AsOf : document.VoteTime;
    const QString vote = asOf.IsZero() ? QStringLiteral("ユーザー定義")
                                       : asOf.Format(QStringLiteral("yyyy/mm/dd hh:nn"));
    return QStringLiteral("利用投票状況：") + vote + kCrLf + lines + kCrLf;
}

// Always written: the count line has content even when misses are not counted.
QString HoseiSection(const ConditionSet& conditions) {
    QString text = QStringLiteral("[補正]") + kCrLf;
    if (conditions.MachigaiType == 2) {
        text += QStringLiteral("下の条件間違い数の場合は､許容△の買い目を拡張する") + kCrLf;
    }
    std::vector<int> ticked;
    for (int i = 0; i < ConditionSet::kMachigaiCount; ++i) {
        if (conditions.MachigaiList[static_cast<size_t>(i)]) {
            ticked.push_back(i);
        }
    }
    QString range = clsTClipboard::RangeList(ticked);
    range.replace(QStringLiteral("11"), QStringLiteral("→"));
    return text + QStringLiteral("条件間違い数   ：") + range + kCrLf;
}

QString ExtractionSection(const DocumentRecord& document) {
    if (!document.Settings.ChushutsuFlag) {
        return QString();
    }
    const QStringList lines = document.SakugenMessage.split(kCrLf);
    for (const QString& line : lines) {
        if (!line.mid(5).startsWith(QStringLiteral("抽出"))) {
            continue;
        }
        const int colon = line.indexOf(QLatin1Char(':'));
        const int arrow = line.indexOf(QStringLiteral("→"));
        if (colon < 0 || arrow < colon) {
            continue;
        }
        return QStringLiteral("抽出圧縮：") + line.mid(colon + 1, arrow - colon - 1).trimmed() +
               QStringLiteral(" → ") + QString::number(document.SingleCount()) +
               QStringLiteral("口") + kCrLf;
    }
    return QString();
}

} // namespace

QString clsTClipboard::GetText(int kind, const DocumentRecord& document,
                               const ScheduleRecord& schedule) const {
    switch (kind) {
    case kSheet:
    case kSheetWithConditions:
        return Sheet(kind == kSheetWithConditions, document, schedule);
    case kNumberedList:
    case kSlotRows:
        if (document.SingleCount() > kMaxListSingles) {
            ShowMessage(MessageIcon::Warning, QString::fromLatin1(kProductName), kTooManyText);
            return QString();
        }
        return kind == kNumberedList ? NumberedList(document.Singles) : SlotRows(document.Singles);
    default:
        return QString();
    }
}

QString clsTClipboard::NumberedList(const std::vector<int32_t>& singles) {
    const clsTNumber number;
    const int digits = static_cast<int>(QString::number(singles.size()).size());
    const QString pattern(digits, QLatin1Char('0'));
    QString text;
    text.reserve(static_cast<qsizetype>(singles.size()) * (digits + 9));
    clsTNumber::ByteKousei kousei{};
    for (size_t i = 0; i < singles.size(); ++i) {
        number.NoToByte(singles[i] & (kSingleCount - 1), kousei);
        text += VbFormat::Format(static_cast<int64_t>(i + 1), pattern) + QLatin1Char(':');
        for (const uint8_t c : kousei) {
            text += QLatin1Char(static_cast<char>('0' + c));
        }
        text += kCrLf;
    }
    return text;
}

QString clsTClipboard::SlotRows(const std::vector<int32_t>& singles) {
    QString text;
    for (int t = 0; t < kSlotCount; ++t) {
        text += VbFormat::Format(int64_t{t + 1}, QStringLiteral("00")) + QLatin1Char(' ');
        for (size_t i = 0; i < singles.size(); ++i) {
            text += QLatin1Char(static_cast<char>('0' + clsTNumber::Digit(singles[i], t)));
            if ((i + 1) % 10 == 0) {
                text += QLatin1Char(' ');
            }
        }
        text += kCrLf;
    }
    return text;
}

std::vector<QString> clsTClipboard::TeamColumns(const ScheduleRecord& schedule) {
    std::vector<QString> names;
    bool narrow = false;
    for (const ScheduleSlot& slot : schedule.Slots) {
        names.push_back(slot.Team);
        narrow = narrow || TextCodec::SjisWidth(slot.Team) < 2 * slot.Team.size();
    }
    for (QString& name : names) {
        if (narrow) {
            name = Wide(name).left(3);
        }
        switch (name.size()) {
        case 1:
            name = kWideSpace + name + kWideSpace;
            break;
        case 2:
            name = name.left(1) + kWideSpace + name.mid(1);
            break;
        case 3:
            break;
        default:
            name = QStringLiteral("？？？");
        }
    }
    return names;
}

QString clsTClipboard::Sheet(bool withConditions, const DocumentRecord& document,
                             const ScheduleRecord& schedule) {
    int32_t largest = 0;
    for (const auto& row : document.SingleFrame) {
        for (const int32_t v : row) {
            largest = std::max(largest, v);
        }
    }
    const int w = std::max<int>(1, static_cast<int>(QString::number(largest).size()));
    const QString rule = QString(4 * w + 15, kRule) + kCrLf;

    QString text = QStringLiteral("第 ") + QString::number(document.Kaisaikai) +
                   QStringLiteral(" 回 ") + QStringLiteral("totoGOAL3");
    if (!document.Kumi.isEmpty()) {
        text += QLatin1Char(' ') + document.Kumi + QStringLiteral("組");
    }
    text += kCrLf + rule + QStringLiteral("Ｎｏ　チーム　０１２３　");
    for (int c = 0; c < kGoalClassCount; ++c) {
        text += QString(w - 1, kWideSpace) + Wide(QString::number(c));
        if (c < kGoalClassCount - 1) {
            text += kWideSpace;
        }
    }
    text += kCrLf + rule;
    const std::vector<QString> teams = TeamColumns(schedule);
    for (int t = 0; t < kSlotCount; ++t) {
        text += Wide(VbFormat::Format(int64_t{t + 1}, QStringLiteral("00"))) + kWideSpace +
                teams[static_cast<size_t>(t)] + kWideSpace;
        for (int c = 0; c < kGoalClassCount; ++c) {
            const int32_t mark = document.Multi[static_cast<size_t>(c)][static_cast<size_t>(t)];
            text += QString::fromUtf8(kMarkSymbols[(mark >= 0 && mark <= 6) ? mark : 0]);
        }
        text += kWideSpace;
        for (int c = 0; c < kGoalClassCount; ++c) {
            if (c > 0) {
                text += QStringLiteral("：");
            }
            text +=
                WideRight(document.SingleFrame[static_cast<size_t>(c)][static_cast<size_t>(t)], w);
        }
        text += kCrLf;
    }
    text += rule + QStringLiteral("システム：") + QString::fromLatin1(kProductName) +
            QStringLiteral(" Version ") + VersionText() + kCrLf;
    const int32_t method = document.Settings.MsEngine;
    text += QStringLiteral("圧縮方法：") +
            (EngineSettings::MethodExists(method) ? QString::fromUtf8(kMethodNames[method])
                                                  : QString()) +
            kCrLf;
    if (!withConditions) {
        return text;
    }
    const ConditionSet& conditions = document.Conditions;
    text += kCrLf + PayoutSection(document) +
            KindSection(ConditionKind::Honmei, QStringLiteral("[本命]"), conditions) +
            KindSection(ConditionKind::Ninki, QStringLiteral("[人気]"), conditions) +
            KindSection(ConditionKind::Mark, QStringLiteral("[得点]"), conditions) +
            HoseiSection(conditions) + ExtractionSection(document);
    return text;
}

QString clsTClipboard::RangeList(const std::vector<int>& indices) {
    QStringList parts;
    size_t i = 0;
    while (i < indices.size()) {
        size_t j = i;
        while (j + 1 < indices.size() && indices[j + 1] == indices[j] + 1) {
            ++j;
        }
        parts << (j == i ? QString::number(indices[i])
                         : QString::number(indices[i]) + QStringLiteral("～") +
                               QString::number(indices[j]));
        i = j + 1;
    }
    return parts.join(QLatin1Char(','));
}

QString clsTClipboard::YenText(int64_t yen) {
    if (yen == 0) {
        return QStringLiteral("0");
    }
    int zeros = 0;
    for (int64_t v = yen; v % 10 == 0; v /= 10) {
        ++zeros;
    }
    if (zeros >= 8) {
        return VbFormat::Format(yen / 100000000, QStringLiteral("#,##0")) + QStringLiteral("億");
    }
    if (zeros >= 4) {
        return VbFormat::Format(yen / 10000, QStringLiteral("#,##0")) + QStringLiteral("万");
    }
    return VbFormat::Format(yen, QStringLiteral("#,##0"));
}

QString clsTClipboard::HaitouRangeText(Money minimum, Money maximum) {
    const int64_t low = minimum.Whole();
    const int64_t high = maximum.Whole();
    const bool noUpper = high >= ConditionSet::kMaxYen;
    if (low == 0 && noUpper) {
        return QString();
    }
    if (noUpper) {
        return YenText(low) + QStringLiteral("円以上");
    }
    if (low == 0) {
        return YenText(high) + QStringLiteral("円以下");
    }
    return YenText(low) + QStringLiteral("円 ～ ") + YenText(high) + QStringLiteral("円");
}

} // namespace kestrel
