#include "platform/clsTMsg.h"

#include "platform/TextCodec.h"
#include "platform/VbFormat.h"

namespace kestrel {

namespace {

constexpr int kLabelColumns = 22;
constexpr int kCountWidth = 7;
constexpr int kShareWidth = 6;
constexpr int kSeparatorLength = 55;

} // namespace

clsTMsg::clsTMsg(std::shared_ptr<Clock> clock) : m_clock(std::move(clock)) {
    m_startMs = m_clock->NowMs();
}

void clsTMsg::Cls() {
    {
        std::lock_guard lock(m_mutex);
        m_lines.clear();
        m_startMs = m_clock->NowMs();
    }
    Notify(Change::Lines);
}

QString clsTMsg::TimePrefix() const {
    int64_t elapsed = 0;
    {
        std::lock_guard lock(m_mutex);
        elapsed = m_clock->NowMs() - m_startMs;
    }
    // The picture format rounds (half away from zero), so 3.5 seconds read "0004".
    return VbFormat::Format(static_cast<double>(elapsed) / 1000.0, QStringLiteral("0000")) +
           QLatin1Char(' ');
}

void clsTMsg::Msg(const QString& text, bool blnEnd, bool blnTime) {
    const QString prefix = blnTime ? TimePrefix() : QString();
    {
        std::lock_guard lock(m_mutex);
        if (m_lines.isEmpty()) {
            m_lines.append(QString());
        }
        m_lines.last() += prefix + text;
        if (blnEnd) {
            m_lines.append(QString());
        }
    }
    Notify(Change::Lines);
}

void clsTMsg::Sp() {
    Msg(QString(kSeparatorLength, QLatin1Char('-')), true, false);
}

void clsTMsg::CompMsg(const QString& label, int64_t before, int64_t after, bool blnFinal) {
    if (!blnFinal) {
        const QString text = PadToColumns(label, kLabelColumns) + ":" +
                             VbFormat::RightAlign(QString::number(before), kCountWidth) +
                             QStringLiteral(" → ");
        Msg(text, false, true);
        return;
    }
    const double share =
        before < 1 ? 100.0 : static_cast<double>(after) / static_cast<double>(before) * 100.0;
    const QString text = VbFormat::RightAlign(QString::number(after), kCountWidth) + " (" +
                         VbFormat::RightAlign(VbFormat::Format(share, "##0.00"), kShareWidth) +
                         "%)";
    Msg(text, true, false);
}

QString clsTMsg::PadToColumns(const QString& text, int columns) {
    QString out;
    int used = 0;
    for (const uint c : text.toUcs4()) {
        const QString piece = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        const int width = TextCodec::SjisWidth(piece);
        if (used + width > columns) {
            break;
        }
        out += piece;
        used += width;
    }
    while (used < columns) {
        out += QLatin1Char(' ');
        ++used;
    }
    return out;
}

void clsTMsg::SetValue(int value) {
    {
        std::lock_guard lock(m_mutex);
        m_value = value;
    }
    Notify(Change::Progress);
}

void clsTMsg::SetMax(int maximum) {
    {
        std::lock_guard lock(m_mutex);
        m_max = maximum;
    }
    Notify(Change::Progress);
}

int clsTMsg::Value() const {
    std::lock_guard lock(m_mutex);
    return m_value;
}

int clsTMsg::Max() const {
    std::lock_guard lock(m_mutex);
    return m_max;
}

QStringList clsTMsg::Lines() const {
    std::lock_guard lock(m_mutex);
    return m_lines;
}

QString clsTMsg::Text() const {
    return Lines().join(QStringLiteral("\r\n"));
}

void clsTMsg::SetObserver(std::function<void(Change)> observer) {
    std::lock_guard lock(m_mutex);
    m_observer = std::move(observer);
}

void clsTMsg::Notify(Change change) {
    std::function<void(Change)> observer;
    {
        std::lock_guard lock(m_mutex);
        observer = m_observer;
    }
    if (observer) {
        observer(change);
    }
}

} // namespace kestrel
