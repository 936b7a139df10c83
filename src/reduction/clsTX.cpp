#include "reduction/clsTX.h"

#include "platform/VbFormat.h"
#include "platform/Version.h"
#include "reduction/ConditionLabels.h"

namespace kestrel {

namespace {

constexpr int kProgressMax = 100;
constexpr int kFoldArrowIndex = ConditionSet::kMachigaiCount - 1;
constexpr int kDistributionWidth = 10;
constexpr ConditionKind kKindOrder[] = {ConditionKind::Honmei, ConditionKind::Ninki,
                                        ConditionKind::Mark};

const char* const kVersionWord = "  Version ";
const char* const kMultiTotal = "マルチ総数：";
const char* const kHaitouLabels[] = {"１等当せん金", "２等当せん金", "３等当せん金"};
const char* const kEvLabel = "期待回収率";
const char* const kTenshoLabel = "点詳細";
const char* const kDistributionLabel = "条件間違い分布 ";
const char* const kFoldArrow = "→";
const char* const kFoldLabel = "条件間違い補正";
const char* const kCancelled = "実行がキャンセルされました";
const char* const kNoPattern = "該当するパターンは存在しません";
const char* const kPatternHead = "該当するパターンは ";
const char* const kPatternTail = " 存在します";

} // namespace

clsTX::clsTX(std::shared_ptr<Clock> clock) : m_log(std::move(clock)) {
    m_engine.SetEvents(this);
}

clsTX::~clsTX() {
    m_engine.SetEvents(nullptr);
}

void clsTX::Initialize() {
    m_log.SetMax(kProgressMax);
    m_meisai.Clear();
}

void clsTX::Cancel() {
    m_cancel.store(true);
    m_engine.SetCancel(true);
}

bool clsTX::Cancelled() {
    if (m_control != nullptr && m_control->stop.load(std::memory_order_relaxed)) {
        Cancel();
    }
    return m_cancel.load();
}

bool clsTX::CanContinue(int32_t count) {
    return count > 0 && !Cancelled();
}

QString clsTX::RowStepLabel(ConditionKind kind, int group, const ConditionGroup& row, int r) {
    return ConditionLabels::KindLabel(kind) + "/" + ConditionLabels::GroupLabel(group) + "/" +
           row.ComputeRowLabel(kind, r);
}

QString clsTX::TenshoStepLabel(int match) {
    return QString::fromUtf8(kTenshoLabel) + "/" + QString::number(2 * match + 1) + "Vs" +
           QString::number(2 * match + 2);
}

void clsTX::BeginStep(const QString& label, int32_t before) {
    if (m_firstStep) {
        m_log.Sp();
        m_firstStep = false;
    }
    m_log.CompMsg(label, before, 0, false);
}

void clsTX::EndStep(const QString& label, int32_t before, int32_t after) {
    m_log.CompMsg(label, before, after, true);
}

void clsTX::Execute(int32_t& lngCount, std::vector<int32_t>& lngSingle,
                    const ConditionSet& conditions, const MarkTable& marks) {
    m_run.store(true);
    m_cancel.store(false);
    m_engine.SetCancel(false);
    m_log.Cls();
    m_log.Msg(QString::fromUtf8(kProductName) + QString::fromUtf8(kVersionWord) + VersionText(),
              true, false);
    m_log.Sp();

    m_engine.SetValue(marks);
    int32_t count = 0;
    std::vector<int32_t> singles;
    singles.reserve(kSingleCount);
    m_engine.GetMulti(count, singles);
    m_log.Msg(QString::fromUtf8(kMultiTotal) + VbFormat::Format(int64_t{count}, "#,##0"), true,
              false);

    m_distribution.fill(0);
    if (count >= 1) {
        ReduceAll(count, singles, conditions);
    }

    if (Cancelled()) {
        m_log.Msg(QString::fromUtf8(kCancelled), true, false);
        lngCount = 0;
        lngSingle.clear();
    } else {
        lngCount = count;
        lngSingle = std::move(singles);
    }
    m_run.store(false);
}

void clsTX::ReduceAll(int32_t& count, std::vector<int32_t>& singles,
                      const ConditionSet& conditions) {
    const bool missMode = conditions.MachigaiType > 0;
    if (missMode) {
        m_miss.assign(static_cast<size_t>(count), 0);
        m_triangle.assign(static_cast<size_t>(count), 0);
    }
    m_firstStep = true;

    for (int g = 0; g < 3; ++g) {
        if (!CanContinue(count)) {
            break;
        }
        if (!conditions.HaitouApplies(g)) {
            continue;
        }
        const auto i = static_cast<size_t>(g);
        const QString label = QString::fromUtf8(kHaitouLabels[i]);
        const int32_t before = count;
        BeginStep(label, before);
        m_engine.MoneySakugen(count, singles, g, conditions.Haitou.Min[i], conditions.Haitou.Max[i],
                              missMode, m_miss);
        EndStep(label, before, count);
    }

    if (conditions.HaitouEv.Flag && CanContinue(count)) {
        const QString label = QString::fromUtf8(kEvLabel);
        const int32_t before = count;
        BeginStep(label, before);
        m_engine.EvSakugen(count, singles, conditions.HaitouEv.MinPercent, missMode, m_miss);
        EndStep(label, before, count);
    }

    for (const ConditionKind kind : kKindOrder) {
        ReduceKind(kind, count, singles, conditions, missMode);
    }

    const TenshoGrid& grid = conditions.Tensho;
    if (grid.Enabled) {
        for (int m = 0; m < grid.UsedRows() && CanContinue(count); ++m) {
            if (clsTX1::TenshoRowMarkCount(m, grid) < 1) {
                continue;
            }
            const QString label = TenshoStepLabel(m);
            const int32_t before = count;
            BeginStep(label, before);
            m_engine.TenshoSakugen(1, count, singles, m, grid, missMode, m_miss, m_triangle);
            EndStep(label, before, count);
        }
    }

    if (missMode) {
        FoldAndReport(count, singles, conditions);
    }
}

void clsTX::ReduceKind(ConditionKind kind, int32_t& count, std::vector<int32_t>& singles,
                       const ConditionSet& conditions, bool missMode) {
    const auto& groups = conditions.Groups(kind);
    for (int g = 0; g < ConditionSet::kGroupCount; ++g) {
        const ConditionGroup& group = groups[static_cast<size_t>(g)];
        if (!group.Applies()) {
            continue;
        }
        for (int r = 0; r < group.Rows(); ++r) {
            if (!CanContinue(count)) {
                return;
            }
            if (clsTX1::RowMarkCount(r, group) <= 0) {
                continue;
            }
            const QString label = RowStepLabel(kind, g, group, r);
            const int32_t before = count;
            BeginStep(label, before);
            m_engine.CountSakugen(kind, count, singles, r, group, missMode, m_miss, m_triangle);
            EndStep(label, before, count);
        }
    }
}

void clsTX::FoldAndReport(int32_t& count, std::vector<int32_t>& singles,
                          const ConditionSet& conditions) {
    const int32_t before = count;
    m_engine.MachigaiFold(count, singles, conditions.MachigaiType, conditions.MachigaiList, m_miss,
                          m_triangle, m_distribution);
    m_log.Sp();
    for (int n = 0; n < ConditionSet::kMachigaiCount; ++n) {
        const QString index = n == kFoldArrowIndex ? QString::fromUtf8(kFoldArrow)
                                                   : VbFormat::RightAlign(QString::number(n), 2);
        const QString value = VbFormat::RightAlign(
            VbFormat::Format(int64_t{m_distribution[static_cast<size_t>(n)]}, "#,##0"),
            kDistributionWidth);
        m_log.Msg(QString::fromUtf8(kDistributionLabel) + index + " : " + value, true, true);
    }
    m_log.Sp();
    const QString label = QString::fromUtf8(kFoldLabel);
    m_log.CompMsg(label, before, 0, false);
    m_log.CompMsg(label, before, count, true);
}

void clsTX::EndMsg(int32_t lngCount) {
    m_log.Sp();
    if (lngCount <= 0) {
        m_log.Msg(QString::fromUtf8(kNoPattern), false, true);
        return;
    }
    m_log.Msg(QString::fromUtf8(kPatternHead) + VbFormat::Format(int64_t{lngCount}, "#,##0") +
                  QString::fromUtf8(kPatternTail),
              false, true);
}

void clsTX::SetSingleFrame(const CountTable& frame, const FlagTable& visible) {
    m_count.SetVisible(visible);
    m_count.SetValue(frame);
}

void clsTX::CountMeisaiClear() {
    m_count.Clear();
    m_meisai.Clear();
}

void clsTX::SetMeisai(const MarkTable& marks, int32_t lngCount,
                      std::span<const int32_t> lngTousen) {
    if (lngCount <= 0) {
        return;
    }
    m_meisai.SetValue(marks);
    m_meisai.SetSingleCount(lngCount);
    m_meisai.SetTousen(lngTousen);
}

void clsTX::ProgressBegin() {
    m_log.SetMax(kProgressMax);
    m_log.SetValue(0);
}

void clsTX::Progress(int32_t value) {
    m_log.SetValue(value);
    if (m_control != nullptr) {
        m_control->Progress(value, kProgressMax);
    }
    Cancelled();
}

void clsTX::ProgressEnd() {
    m_log.SetValue(0);
}

} // namespace kestrel
