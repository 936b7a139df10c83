#pragma once

#include <QString>
#include <cstdint>

#include "platform/DateTime.h"
#include "platform/Money.h"
#include "store/XmlFieldError.h"

namespace kestrel {

// Value forms of the round store files: conversion of element text to record fields and back.
class XmlValue {
public:
    // Round numbers in file names: at least three digits ("007", "1234").
    static QString RoundText(int32_t round);

    // Element text as written: a Decimal without grouping or trailing zeros, a date-time in the
    // short-date / long-time form ("2009/05/16 13:00:00", unset "0:00:00").
    static QString FromMoney(Money value) { return value.ToString(); }
    static QString FromDate(const DateTime& value) { return value.ToString(); }
    // A text field as it can be stored: the reader splits lines at "<", ">" and line ends, so
    // those become their full-width forms and line ends become blanks.
    static QString FromText(const QString& value);

    // Element text to field. False with the error when the text does not convert.
    static bool ToInt32(const QString& text, int32_t& value, XmlFieldError& error);
    // A byte in 0..maxValue (a larger number is out of range).
    static bool ToByte(const QString& text, int maxValue, uint8_t& value, XmlFieldError& error);
    static bool ToMoney(const QString& text, Money& value, XmlFieldError& error);
    static bool ToDate(const QString& text, DateTime& value, XmlFieldError& error);
    // Slot number 1..6 to array index 0..5.
    static bool ToSlotIndex(const QString& text, int& index, XmlFieldError& error);
};

} // namespace kestrel
