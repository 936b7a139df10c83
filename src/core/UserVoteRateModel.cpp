#include "core/UserVoteRateModel.h"

#include "platform/VbFormat.h"

namespace kestrel {

const QString UserVoteRateModel::kTitle = QStringLiteral(" 投票率（ユーザー定義）");
const QString UserVoteRateModel::kLabel =
    QStringLiteral("各行の合計値が下記の値になるように調整して下さい。");
const QString UserVoteRateModel::kTotalCaption = QStringLiteral("合計値");
const QString UserVoteRateModel::kScale10000Caption = QStringLiteral("10,000");
const QString UserVoteRateModel::kScale100Caption = QStringLiteral("100");

namespace {

// Largest value a box can hold on either scale (five digits).
constexpr int32_t kMaxBoxValue = 99999;

int32_t Clamp(int64_t v) {
    if (v < 0) {
        return 0;
    }
    return v > kMaxBoxValue ? kMaxBoxValue : static_cast<int32_t>(v);
}

} // namespace

void UserVoteRateModel::Load(const VoteRecord& vote, const std::array<QString, kSlotCount>& teams) {
    m_scale = Scale::Scale10000;
    m_teams = teams;
    for (int t = 0; t < kSlotCount; ++t) {
        for (int c = 0; c < kGoalClassCount; ++c) {
            // rate x 100 as an integer: 12.34 % becomes 1234.
            const Money hundred = Money::FromRaw(vote.Slots[t].Votes[c].Rate.Raw() * 100);
            m_values[t][c] = Clamp(hundred.RoundHalfEven());
        }
    }
}

void UserVoteRateModel::SetScale(Scale scale) {
    if (scale == m_scale) {
        return;
    }
    for (auto& slot : m_values) {
        for (int32_t& v : slot) {
            v = (scale == Scale::Scale100) ? Clamp(VbFormat::RoundHalfEven(v * 0.01))
                                           : Clamp(static_cast<int64_t>(v) * 100);
        }
    }
    m_scale = scale;
}

QString UserVoteRateModel::TotalText() const {
    return m_scale == Scale::Scale100 ? kScale100Caption : kScale10000Caption;
}

void UserVoteRateModel::SetText(int slotIndex, int goalClass, const QString& text) {
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    SetValue(slotIndex, goalClass, ok ? Clamp(v) : 0);
}

void UserVoteRateModel::SetValue(int slotIndex, int goalClass, int32_t value) {
    m_values[slotIndex][goalClass] = Clamp(value);
}

QString UserVoteRateModel::Text(int slotIndex, int goalClass) const {
    return QString::number(m_values[slotIndex][goalClass]);
}

UserVoteRateModel::KeyAction UserVoteRateModel::Key(QChar key, const QString& boxText,
                                                    bool wholeTextSelected) const {
    if (key >= QLatin1Char('0') && key <= QLatin1Char('9')) {
        if (boxText.size() >= MaxDigits() && !wholeTextSelected) {
            return KeyAction::Refuse;
        }
        return KeyAction::Accept;
    }
    if (key == kBackspace) {
        return boxText.isEmpty() ? KeyAction::Refuse : KeyAction::Accept;
    }
    if (key == kEnter) {
        return KeyAction::NextBox;
    }
    return KeyAction::Refuse;
}

int32_t UserVoteRateModel::RowSum(int slotIndex) const {
    int32_t sum = 0;
    for (int32_t v : m_values[slotIndex]) {
        sum += v;
    }
    return sum;
}

bool UserVoteRateModel::OkEnabled() const {
    for (int t = 0; t < kSlotCount; ++t) {
        if (!RowMatches(t)) {
            return false;
        }
    }
    return true;
}

std::array<std::array<int32_t, kGoalClassCount>, kSlotCount>
UserVoteRateModel::Values10000() const {
    auto out = m_values;
    if (m_scale == Scale::Scale100) {
        for (auto& slot : out) {
            for (int32_t& v : slot) {
                v *= 100;
            }
        }
    }
    return out;
}

VoteRecord UserVoteRateModel::Result(const VoteRecord& document) const {
    VoteRecord vote;
    vote.Kaisaikai = document.Kaisaikai;
    vote.Kumi = document.Kumi;
    const auto values = Values10000();
    for (int t = 0; t < kSlotCount; ++t) {
        for (int c = 0; c < kGoalClassCount; ++c) {
            vote.Slots[t].Votes[c].Count = Money::FromInt(values[t][c]);
            // value / 100 exactly: 2550 -> 25.5 (percent).
            vote.Slots[t].Votes[c].Rate = Money::FromRaw(static_cast<int64_t>(values[t][c]) * 100);
        }
    }
    return vote;
}

} // namespace kestrel
