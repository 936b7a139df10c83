#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace kestrel {

// A calendar date plus a time of day. The zero value (no date, midnight) means "not set". A value
// may hold a date only (time midnight) or a time of day only (no date).
class DateTime {
public:
    constexpr DateTime() = default;
    // Returns nullopt when the date or the time is not valid.
    static std::optional<DateTime> FromParts(int year, int month, int day, int hour = 0,
                                             int minute = 0, int second = 0);
    static std::optional<DateTime> TimeOnly(int hour, int minute, int second = 0);
    // The machine's local date and time (used only through the injectable clock).
    static DateTime FromEpochMs(int64_t msSinceEpochLocal);

    // Parses every form the stores, documents and pages use: "2009/05/16", "2009/5/16",
    // "2009-05-16", "2009年5月16日", each optionally followed by blanks and a time "13:00",
    // "13:00:00", "9:05"; or a time alone. nullopt for anything else.
    static std::optional<DateTime> Parse(const QString& text);

    bool IsZero() const { return m_date == 0 && m_seconds == 0; }
    bool HasDate() const { return m_date != 0; }
    int Year() const { return m_date / 10000; }
    int Month() const { return (m_date / 100) % 100; }
    int Day() const { return m_date % 100; }
    int Hour() const { return m_seconds / 3600; }
    int Minute() const { return (m_seconds / 60) % 60; }
    int Second() const { return m_seconds % 60; }
    int SecondsOfDay() const { return m_seconds; }
    DateTime DatePart() const;
    DateTime TimePart() const;
    // 0 = Sunday .. 6 = Saturday; -1 without a date.
    int Weekday() const;
    // "日", "月", "火", "水", "木", "金", "土"; empty without a date.
    QString WeekdayName() const;

    // The Japanese short-date / long-time text: "2009/05/16", "13:00:00", "2009/05/16 13:00:00";
    // the zero value gives "0:00:00".
    QString ToString() const;
    // Pattern formatting with the tokens yyyy, mm, dd, hh, nn, ss, h, n (as "yyyy/mm/dd hh:nn").
    QString Format(const QString& pattern) const;

    // Seconds since 0001-01-01 00:00:00 for ordering and differences (a time-only value counts
    // from day zero).
    int64_t TotalSeconds() const;
    static DateTime FromTotalSeconds(int64_t seconds);

    auto operator<=>(const DateTime& o) const { return TotalSeconds() <=> o.TotalSeconds(); }
    bool operator==(const DateTime& o) const {
        return m_date == o.m_date && m_seconds == o.m_seconds;
    }

private:
    int32_t m_date = 0;    // yyyymmdd, 0 = no date
    int32_t m_seconds = 0; // seconds of the day
};

} // namespace kestrel
