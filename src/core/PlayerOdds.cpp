#include "core/PlayerOdds.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

#include "core/clsTNumber.h"

namespace kestrel {

namespace {

const char* const kBadLineCount = "予想確率は6行（1行に4つの値）で指定して下さい。";
const char* const kBadValue = "行目の値「";
const char* const kBadValueTail = "」は確率（0以上の数値）ではありません。";
const char* const kBadSum = "行目の合計が100になっていません。";

QString Number(double value) {
    return QString::number(value, 'g', 15);
}

} // namespace

PlayerOdds::PlayerOdds() {
    for (auto& row : m_percent) {
        row.fill(25.0);
    }
}

PlayerOdds PlayerOdds::FromVote(const VoteRecord& vote) {
    PlayerOdds odds;
    for (int t = 0; t < kSlotCount; ++t) {
        double sum = 0.0;
        for (int c = 0; c < kGoalClassCount; ++c) {
            sum += vote.Slots[t].Votes[c].Count.ToDouble();
        }
        if (sum <= 0.0) {
            continue;
        }
        for (int c = 0; c < kGoalClassCount; ++c) {
            odds.m_percent[t][c] = vote.Slots[t].Votes[c].Count.ToDouble() / sum * 100.0;
        }
    }
    return odds;
}

double PlayerOdds::RowSum(int slotIndex) const {
    double sum = 0.0;
    for (double v : m_percent[slotIndex]) {
        sum += v;
    }
    return sum;
}

bool PlayerOdds::RowValid(int slotIndex) const {
    for (double v : m_percent[slotIndex]) {
        if (!std::isfinite(v) || v < 0.0) {
            return false;
        }
    }
    return std::fabs(RowSum(slotIndex) - 100.0) <= kSumTolerance;
}

bool PlayerOdds::IsValid() const {
    for (int t = 0; t < kSlotCount; ++t) {
        if (!RowValid(t)) {
            return false;
        }
    }
    return true;
}

double PlayerOdds::Probability(int slotIndex, int goalClass) const {
    const double sum = RowSum(slotIndex);
    return sum > 0.0 ? m_percent[slotIndex][goalClass] / sum : 0.0;
}

double PlayerOdds::SingleProbability(int32_t single) const {
    double p = 1.0;
    for (int t = 0; t < kSlotCount; ++t) {
        p *= Probability(t, clsTNumber::Digit(single, t));
    }
    return p;
}

QString PlayerOdds::ToText() const {
    QString text;
    for (const auto& row : m_percent) {
        for (int c = 0; c < kGoalClassCount; ++c) {
            text += (c > 0 ? QStringLiteral(",") : QString()) + Number(row[c]);
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

std::optional<PlayerOdds> PlayerOdds::FromText(const QString& text, QString* error) {
    auto fail = [error](const QString& why) -> std::optional<PlayerOdds> {
        if (error != nullptr) {
            *error = why;
        }
        return std::nullopt;
    };
    QStringList rows;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        if (!line.trimmed().isEmpty()) {
            rows << line;
        }
    }
    if (rows.size() != kSlotCount) {
        return fail(QString::fromUtf8(kBadLineCount));
    }
    PlayerOdds odds;
    for (int t = 0; t < kSlotCount; ++t) {
        const QStringList fields = rows[t].split(QLatin1Char(','));
        if (fields.size() != kGoalClassCount) {
            return fail(QString::fromUtf8(kBadLineCount));
        }
        for (int c = 0; c < kGoalClassCount; ++c) {
            bool ok = false;
            const double v = fields[c].trimmed().toDouble(&ok);
            if (!ok || !std::isfinite(v) || v < 0.0) {
                return fail(QString::number(t + 1) + QString::fromUtf8(kBadValue) +
                            fields[c].trimmed() + QString::fromUtf8(kBadValueTail));
            }
            odds.m_percent[t][c] = v;
        }
        if (!odds.RowValid(t)) {
            return fail(QString::number(t + 1) + QString::fromUtf8(kBadSum));
        }
    }
    return odds;
}

} // namespace kestrel
