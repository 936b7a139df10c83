#include "core/clsTMeisai.h"

#include "core/clsTProbability.h"
#include "platform/VbFormat.h"

namespace kestrel {

namespace {

const QString kInvalidPercent = QStringLiteral("---.--%");

QString CaptionOf(int row) {
    switch (row) {
    case 2:
        return QStringLiteral("シングル");
    case 3:
        return QStringLiteral("ダ ブ ル");
    case 4:
        return QStringLiteral("トリプル");
    case 5:
        return QStringLiteral("クアッド");
    case 6:
        return QStringLiteral("マルチ数");
    case 7:
        return QStringLiteral("圧縮口数");
    case 8:
        return QStringLiteral("圧 縮 率");
    case 10:
        return QStringLiteral(" 1 等確率");
    case 11:
        return QStringLiteral(" 2 等確率");
    case 12:
        return QStringLiteral(" 3 等確率");
    case 13:
        return QStringLiteral("1-2等確率");
    case 14:
        return QStringLiteral("1-3等確率");
    case 15:
        return QStringLiteral("期待値");
    default:
        return QString();
    }
}

int64_t Power(int64_t base, int exponent) {
    int64_t v = 1;
    for (int i = 0; i < exponent; ++i) {
        v *= base;
    }
    return v;
}

} // namespace

void clsTMeisai::Clear() {
    m_slots.fill(0);
    m_singleCount = 0;
    m_percent.fill(Money());
    m_valid = false;
    Redraw();
}

void clsTMeisai::SetValue(const MarkTable& marks) {
    m_slots.fill(0);
    for (int t = 0; t < kSlotCount; ++t) {
        int marked = 0;
        for (int c = 0; c < kGoalClassCount; ++c) {
            marked += marks[c][t] > 0 ? 1 : 0;
        }
        ++m_slots[marked];
    }
}

void clsTMeisai::SetSingleCount(int32_t count) {
    m_singleCount = count;
}

void clsTMeisai::SetTousen(std::span<const int32_t> lngTousen) {
    m_percent.fill(Money());
    m_valid = lngTousen.size() >= static_cast<size_t>(kTousenCount) && lngTousen[0] >= 1;
    if (m_valid) {
        for (int k = 1; k <= 5; ++k) {
            const double p = static_cast<double>(lngTousen[k]) / lngTousen[0] * 100.0;
            m_percent[k - 1] = Money::FromDouble(p);
        }
    }
    Redraw();
}

void clsTMeisai::SetExpected(std::optional<double> returnPercent) {
    m_expected = returnPercent;
    Redraw();
}

int64_t clsTMeisai::MultiSize() const {
    if (m_singleCount == 0) {
        return 0;
    }
    return Power(3, m_slots[3]) * Power(2, m_slots[2]) * Power(4, m_slots[4]);
}

QString clsTMeisai::Caption(int row) {
    return CaptionOf(row);
}

QString clsTMeisai::PercentText(Money percent) {
    // Truncated (not rounded) to hundredths.
    const int64_t hundredths = percent.Raw() / (Money::kScale / 100);
    const int64_t frac = hundredths % 100;
    const QString text = QString::number(hundredths / 100) + QLatin1Char('.') +
                         QString::number(frac < 0 ? -frac : frac).rightJustified(2, u'0') +
                         QLatin1Char('%');
    return (QString(7, QLatin1Char(' ')) + text).right(7);
}

QString clsTMeisai::InvalidPercentText() {
    return kInvalidPercent;
}

QString clsTMeisai::ValueText(int row) const {
    const QString blank = QStringLiteral(" ");
    switch (row) {
    case 2:
    case 3:
    case 4:
    case 5: {
        const int32_t n = m_slots[row - 1];
        return n == 0 ? QString() : blank + QString::number(n);
    }
    case 6:
        return blank + VbFormat::Format(MultiSize(), QStringLiteral("#,##0"));
    case 7:
        return blank +
               VbFormat::Format(static_cast<int64_t>(m_singleCount), QStringLiteral("#,##0"));
    case 8:
        if (m_singleCount < 1) {
            return QStringLiteral(" 0");
        }
        return QStringLiteral(" 1／") +
               VbFormat::Format(static_cast<double>(MultiSize()) / m_singleCount,
                                QStringLiteral("#,##0.00"));
    default:
        break;
    }
    if (row >= kFirstPercentRow && row < kFirstPercentRow + 5) {
        return blank + (m_valid ? PercentText(m_percent[row - kFirstPercentRow]) : kInvalidPercent);
    }
    if (row == kExpectedRow) {
        return blank + (m_expected ? PercentText(Money::FromDouble(*m_expected)) : kInvalidPercent);
    }
    return QString();
}

CellFore clsTMeisai::ValueColour(int row) const {
    if (row == 7) {
        return CellFore::Blue;
    }
    if (row >= kFirstPercentRow && row < kFirstPercentRow + 5 && m_valid &&
        m_percent[row - kFirstPercentRow] == Money::FromInt(100)) {
        return CellFore::Blue;
    }
    return CellFore::Black;
}

void clsTMeisai::Redraw() const {
    if (m_redraw) {
        m_redraw();
    }
}

} // namespace kestrel
