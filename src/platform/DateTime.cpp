#include "platform/DateTime.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>

namespace kestrel {

namespace {

bool ValidTime(int h, int m, int s) {
    return h >= 0 && h < 24 && m >= 0 && m < 60 && s >= 0 && s < 60;
}

QString Pad(int value, int width) {
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

std::optional<int> ParseTime(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?$"));
    const auto m = re.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    const int h = m.captured(1).toInt();
    const int n = m.captured(2).toInt();
    const int s = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    if (!ValidTime(h, n, s)) {
        return std::nullopt;
    }
    return h * 3600 + n * 60 + s;
}

} // namespace

std::optional<DateTime> DateTime::FromParts(int year, int month, int day, int hour, int minute,
                                            int second) {
    if (year < 100 || year > 9999 || !QDate::isValid(year, month, day) ||
        !ValidTime(hour, minute, second)) {
        return std::nullopt;
    }
    DateTime d;
    d.m_date = year * 10000 + month * 100 + day;
    d.m_seconds = hour * 3600 + minute * 60 + second;
    return d;
}

std::optional<DateTime> DateTime::TimeOnly(int hour, int minute, int second) {
    if (!ValidTime(hour, minute, second)) {
        return std::nullopt;
    }
    DateTime d;
    d.m_seconds = hour * 3600 + minute * 60 + second;
    return d;
}

DateTime DateTime::FromEpochMs(int64_t ms) {
    const QDateTime t = QDateTime::fromMSecsSinceEpoch(ms);
    const QDate date = t.date();
    const QTime time = t.time();
    return *FromParts(date.year(), date.month(), date.day(), time.hour(), time.minute(),
                      time.second());
}

std::optional<DateTime> DateTime::Parse(const QString& input) {
    const QString text = input.trimmed();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    static const QRegularExpression dateRe(
        QStringLiteral("^(\\d{4})(?:[/\\-](\\d{1,2})[/\\-](\\d{1,2})(?:\\s+(.*))?|"
                       "年(\\d{1,2})月(\\d{1,2})日(?:\\s*(.*))?)$"));
    const auto m = dateRe.match(text);
    if (m.hasMatch()) {
        const int year = m.captured(1).toInt();
        const bool slash = !m.captured(2).isEmpty();
        const int month = (slash ? m.captured(2) : m.captured(5)).toInt();
        const int day = (slash ? m.captured(3) : m.captured(6)).toInt();
        int seconds = 0;
        // After "日" the time may follow without a blank ("2009年05月16日13:00").
        const QString rest = (slash ? m.captured(4) : m.captured(7)).trimmed();
        if (!rest.isEmpty()) {
            const auto time = ParseTime(rest);
            if (!time) {
                return std::nullopt;
            }
            seconds = *time;
        }
        return FromParts(year, month, day, seconds / 3600, (seconds / 60) % 60, seconds % 60);
    }
    const auto time = ParseTime(text);
    if (!time) {
        return std::nullopt;
    }
    DateTime d;
    d.m_seconds = *time;
    return d;
}

DateTime DateTime::DatePart() const {
    DateTime d;
    d.m_date = m_date;
    return d;
}

DateTime DateTime::TimePart() const {
    DateTime d;
    d.m_seconds = m_seconds;
    return d;
}

int DateTime::Weekday() const {
    if (m_date == 0) {
        return -1;
    }
    return QDate(Year(), Month(), Day()).dayOfWeek() % 7;
}

QString DateTime::WeekdayName() const {
    static const char16_t* names[] = {u"日", u"月", u"火", u"水", u"木", u"金", u"土"};
    const int w = Weekday();
    return w < 0 ? QString() : QString::fromUtf16(names[w]);
}

QString DateTime::ToString() const {
    const QString time = QString::number(Hour()) + QLatin1Char(':') + Pad(Minute(), 2) +
                         QLatin1Char(':') + Pad(Second(), 2);
    if (m_date == 0) {
        return time;
    }
    const QString date =
        Pad(Year(), 4) + QLatin1Char('/') + Pad(Month(), 2) + QLatin1Char('/') + Pad(Day(), 2);
    return m_seconds == 0 ? date : date + QLatin1Char(' ') + time;
}

QString DateTime::Format(const QString& pattern) const {
    QString out;
    int i = 0;
    auto starts = [&](const char* token) {
        return pattern.mid(i).startsWith(QLatin1String(token), Qt::CaseInsensitive);
    };
    while (i < pattern.size()) {
        if (starts("yyyy")) {
            out += Pad(Year(), 4);
            i += 4;
        } else if (starts("mm")) {
            out += Pad(Month(), 2);
            i += 2;
        } else if (starts("dd")) {
            out += Pad(Day(), 2);
            i += 2;
        } else if (starts("hh")) {
            out += Pad(Hour(), 2);
            i += 2;
        } else if (starts("nn")) {
            out += Pad(Minute(), 2);
            i += 2;
        } else if (starts("ss")) {
            out += Pad(Second(), 2);
            i += 2;
        } else if (starts("h")) {
            out += QString::number(Hour());
            i += 1;
        } else if (starts("n")) {
            out += QString::number(Minute());
            i += 1;
        } else {
            out += pattern[i];
            ++i;
        }
    }
    return out;
}

int64_t DateTime::TotalSeconds() const {
    int64_t days = 0;
    if (m_date != 0) {
        days = QDate(Year(), Month(), Day()).toJulianDay();
    }
    return days * 86400 + m_seconds;
}

DateTime DateTime::FromTotalSeconds(int64_t seconds) {
    DateTime d;
    const int64_t days = seconds / 86400;
    d.m_seconds = static_cast<int32_t>(seconds % 86400);
    if (days != 0) {
        const QDate date = QDate::fromJulianDay(days);
        d.m_date = date.year() * 10000 + date.month() * 100 + date.day();
    }
    return d;
}

} // namespace kestrel
