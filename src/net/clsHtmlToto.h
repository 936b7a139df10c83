#pragma once

#include <QString>
#include <cstdint>

#include "platform/DateTime.h"
#include "platform/Money.h"

namespace kestrel {

// Conversion helpers of the operator page parsers. None of them fails towards the caller: a text
// that does not convert gives 0 (an unset date, a zero amount) or false.
class clsHtmlToto {
public:
    // The text begins with "第" and contains "回"; round = the integer between them.
    static bool Kaisaikai(const QString& text, int32_t& round);
    // Only when the text contains the check text: Kaisaikai.
    static bool GetKaisaikai(const QString& text, int32_t& round, const QString& check);
    // The digits and full stops of the text in their order as a number; 0 when that is none.
    static Money StringToCurrency(const QString& text);
    // "12,345(6.78%)": count 12345, rate 6.78. False when a parenthesis is missing.
    static bool GetValue2(const QString& text, Money& count, Money& rate);
    // The text as a date, a time, or both; 0 when it is neither.
    static DateTime StringToDate(const QString& text);
    // Half-width first, the weekday in parentheses removed, the time cut after its minutes.
    static DateTime StringToDateEx(const QString& text);
    // The date up to "日" with the latest time of day found in the text; 0 without "日".
    static DateTime StringToDateEx2(const QString& text);
    // A period "A～xB" (without "まで"): first from A, second from B.
    static void DateString2(const QString& text, DateTime& first, DateTime& second);
    // "(<date>販売終了時点)" gives final figures, "(<date>時点)" interim ones.
    static bool GetStringToDateNow(const QString& text, DateTime& asOf, bool& final);
    // The latest "hh:mm" or "h:mm" of the text, or empty.
    static QString LatestTime(const QString& text);

    // A piece that reads as a date: a full date, or a month and day ("05/16").
    static bool IsDatePiece(const QString& text);
    // A month-and-day piece (or a full date) completed with the year; 0 when invalid.
    static DateTime MonthDayDate(int year, const QString& text);
    // "1".."max" as a number, else 0.
    static int SmallNumber(const QString& text, int max);
};

} // namespace kestrel
