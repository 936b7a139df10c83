#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <utility>

#include "platform/DateTime.h"
#include "platform/Money.h"
#include "store/XmlFieldError.h"
#include "store/XmlValue.h"

namespace kestrel {

// One element of a round store file and the field of T it holds, used both to read a value
// into T and to write it out, so each element name is listed once.
//
// The path is the element as the reader names it below its block or slot: "<チーム>", or
// "<零点><投票口数>" for a value inside a group; the writer opens and closes the groups around
// it. The value kind follows from the field's type: text as it stands, a 32-bit integer, a
// Decimal or a date-time (XmlValue forms); a byte field names its largest value with Byte().
template <typename T> class XmlField {
public:
    using Reader = std::function<bool(T&, const QString&, XmlFieldError&)>;
    using Writer = std::function<QString(const T&)>;
    using Condition = std::function<bool(const T&)>;

    // A field with its own conversions. An empty writer never writes it; an empty condition
    // always does.
    XmlField(QString path, Reader read, Writer write, Condition when = {})
        : m_path(std::move(path)),
          m_names(m_path.mid(1, m_path.size() - 2).split(QStringLiteral("><"))),
          m_read(std::move(read)), m_write(std::move(write)), m_when(std::move(when)) {}

    // The field that get reaches (a pointer to member, or a lambda taking T& and const T&),
    // written when the condition holds.
    template <typename Get> static XmlField Of(QString path, Get get, Condition when = {}) {
        return XmlField(
            std::move(path),
            [get](T& t, const QString& text, XmlFieldError& error) {
                return Convert(text, std::invoke(get, t), error);
            },
            [get](const T& t) { return Render(std::invoke(get, t)); }, std::move(when));
    }

    // Item index of an array member of T, as Of does for a plain member.
    template <typename Array>
    static XmlField Item(QString path, Array T::*array, int index, Condition when = {}) {
        auto item = [=](auto& t) -> auto& {
            return (t.*array)[index];
        };
        return Of(std::move(path), item, std::move(when));
    }

    // A byte field holding 0..maxValue.
    template <typename Get> static XmlField Byte(QString path, Get get, int maxValue) {
        return XmlField(
            std::move(path),
            [get, maxValue](T& t, const QString& text, XmlFieldError& error) {
                return XmlValue::ToByte(text, maxValue, std::invoke(get, t), error);
            },
            [get](const T& t) { return QString::number(std::invoke(get, t)); });
    }

    // The field read under an older element name; never written.
    template <typename Get> static XmlField OlderName(QString path, Get get) {
        XmlField field = Of(std::move(path), get);
        field.m_write = nullptr;
        return field;
    }

    const QString& Path() const { return m_path; }
    // The element names of the path, outermost first: {"零点", "投票口数"}.
    const QStringList& Names() const { return m_names; }
    bool Read(T& t, const QString& text, XmlFieldError& error) const {
        return m_read(t, text, error);
    }
    bool IsWritten(const T& t) const { return m_write && (!m_when || m_when(t)); }
    QString Write(const T& t) const { return m_write(t); }

private:
    static bool Convert(const QString& text, QString& value, XmlFieldError&) {
        value = text;
        return true;
    }
    static bool Convert(const QString& text, int32_t& value, XmlFieldError& error) {
        return XmlValue::ToInt32(text, value, error);
    }
    static bool Convert(const QString& text, Money& value, XmlFieldError& error) {
        return XmlValue::ToMoney(text, value, error);
    }
    static bool Convert(const QString& text, DateTime& value, XmlFieldError& error) {
        return XmlValue::ToDate(text, value, error);
    }

    static QString Render(const QString& value) { return value; }
    static QString Render(int32_t value) { return QString::number(value); }
    static QString Render(const Money& value) { return XmlValue::FromMoney(value); }
    static QString Render(const DateTime& value) { return XmlValue::FromDate(value); }

    QString m_path;
    QStringList m_names;
    Reader m_read;
    Writer m_write;
    Condition m_when;
};

} // namespace kestrel
