#include "core/clsTMoney.h"

#include "platform/VbFormat.h"

namespace kestrel {

clsTMoney::clsTMoney() : m_error(QStringLiteral("clsTMoney")) {
    for (auto& slot : m_miss) {
        slot.fill(100.0);
    }
}

void clsTMoney::SetVote(const VoteRecord& vote) {
    for (int t = 0; t < kSlotCount; ++t) {
        Money sum;
        for (int c = 0; c < kGoalClassCount; ++c) {
            sum += vote.Slots[t].Votes[c].Count;
        }
        for (int c = 0; c < kGoalClassCount; ++c) {
            const double rate =
                (sum.Raw() == 0) ? 0.0
                                 : vote.Slots[t].Votes[c].Count.ToDouble() / sum.ToDouble() * 100.0;
            m_rate[t][c] = rate;
            m_miss[t][c] = 100.0 - rate;
        }
    }
}

clsTMoney::Kousei clsTMoney::FromLong(const clsTNumber::LongKousei& k) {
    Kousei out{};
    for (int t = 0; t < kSlotCount; ++t) {
        out[t] = static_cast<int>(k[t]) & 3;
    }
    return out;
}

clsTMoney::Kousei clsTMoney::FromNo(int32_t no) {
    Kousei out{};
    for (int t = 0; t < kSlotCount; ++t) {
        out[t] = clsTNumber::Digit(no, t);
    }
    return out;
}

// Products and sums run in slot order 0..5 (pairs in ascending i, then j), so that every
// estimate comes out bit for bit the same wherever it is asked.
double clsTMoney::P1(const Kousei& k) const {
    double p = 1.0;
    for (int t = 0; t < kSlotCount; ++t) {
        p *= m_rate[t][k[t]];
    }
    return p;
}

double clsTMoney::P2(const Kousei& k) const {
    double sum = 0.0;
    for (int i = 0; i < kSlotCount; ++i) {
        double p = m_miss[i][k[i]];
        for (int t = 0; t < kSlotCount; ++t) {
            if (t != i) {
                p *= m_rate[t][k[t]];
            }
        }
        sum += p;
    }
    return sum;
}

double clsTMoney::P3(const Kousei& k) const {
    double sum = 0.0;
    for (int i = 0; i < kSlotCount - 1; ++i) {
        for (int j = i + 1; j < kSlotCount; ++j) {
            double p = m_miss[i][k[i]] * m_miss[j][k[j]];
            for (int t = 0; t < kSlotCount; ++t) {
                if (t != i && t != j) {
                    p *= m_rate[t][k[t]];
                }
            }
            sum += p;
        }
    }
    return sum;
}

Money clsTMoney::Estimate(double pool, double probability) {
    // No votes for a class, or counts that make no sense, give no positive probability. The
    // estimate is asked for every single of a list, so such a single simply has none.
    const double f = (probability > 0.0) ? pool / probability : 0.0;
    if (f > static_cast<double>(kLimitYen)) {
        return Money::FromInt(kLimitYen);
    }
    const int64_t raw = Money::FromDouble(f).Raw();
    return Money::FromRaw(raw - raw % Money::kScale);
}

Money clsTMoney::GetMoney1(const clsTNumber::LongKousei& lngKousei) const {
    return Estimate(kPool1, P1(FromLong(lngKousei)));
}

Money clsTMoney::GetMoney2(const clsTNumber::LongKousei& lngKousei) const {
    return Estimate(kPool2, P2(FromLong(lngKousei)));
}

Money clsTMoney::GetMoney3(const clsTNumber::LongKousei& lngKousei) const {
    return Estimate(kPool3, P3(FromLong(lngKousei)));
}

Money clsTMoney::GetMoney1No(int32_t lngNo) const {
    return Estimate(kPool1, P1(FromNo(lngNo)));
}

Money clsTMoney::GetMoney2No(int32_t lngNo) const {
    return Estimate(kPool2, P2(FromNo(lngNo)));
}

Money clsTMoney::GetMoney3No(int32_t lngNo) const {
    return Estimate(kPool3, P3(FromNo(lngNo)));
}

QString clsTMoney::ShortText(Money value) {
    const int64_t yen = value.Whole();
    if (value.Raw() == 0) {
        return QString();
    }
    if (yen >= kLimitYen) {
        return QStringLiteral("****億");
    }
    if (yen >= 1'000'000'000) {
        return QString::number(yen / 100'000'000) + QStringLiteral("億");
    }
    if (yen >= 100'000'000) {
        // Truncated to hundredths of 億, written without trailing zeros.
        const int64_t h = yen / 1'000'000;
        QString text = QString::number(h / 100);
        const int64_t rest = h % 100;
        if (rest != 0) {
            text += QLatin1Char('.') + QString::number(rest).rightJustified(2, QLatin1Char('0'));
            if (text.endsWith(QLatin1Char('0'))) {
                text.chop(1);
            }
        }
        return text + QStringLiteral("億");
    }
    if (yen >= 100'000) {
        return QString::number(yen / 10'000) + QStringLiteral("万");
    }
    if (yen >= 10'000) {
        return VbFormat::Format(value.ToDouble() / 10000.0, QStringLiteral("0.00")) +
               QStringLiteral("万");
    }
    return value.ToString() + QStringLiteral("円");
}

} // namespace kestrel
