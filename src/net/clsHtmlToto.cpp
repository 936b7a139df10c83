#include "net/clsHtmlToto.h"

#include <QRegularExpression>

#include "platform/TextCodec.h"

namespace kestrel {

namespace {

const QRegularExpression& MonthDayRe() {
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2})/(\\d{1,2})$"));
    return re;
}

// A text that is a time of day alone ("13:50", "9:30").
bool IsTimeText(const QString& text) {
    const auto t = DateTime::Parse(text);
    return t && !t->HasDate() && text == text.trimmed();
}

} // namespace

bool clsHtmlToto::Kaisaikai(const QString& text, int32_t& round) {
    if (!text.startsWith(QStringLiteral("第"))) {
        return false;
    }
    const qsizetype end = text.indexOf(QStringLiteral("回"));
    if (end < 1) {
        return false;
    }
    bool ok = false;
    const int value = text.mid(1, end - 1).toInt(&ok);
    if (!ok) {
        return false;
    }
    round = value;
    return true;
}

bool clsHtmlToto::GetKaisaikai(const QString& text, int32_t& round, const QString& check) {
    return text.contains(check) && Kaisaikai(text, round);
}

Money clsHtmlToto::StringToCurrency(const QString& text) {
    QString digits;
    for (const QChar c : text) {
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.')) {
            digits.append(c);
        }
    }
    return Money::Parse(digits).value_or(Money());
}

bool clsHtmlToto::GetValue2(const QString& text, Money& count, Money& rate) {
    QString t = TextCodec::ToHalfWidth(text.trimmed());
    t.remove(QLatin1Char(','));
    const qsizetype open = t.indexOf(QLatin1Char('('));
    if (open < 0 || !t.contains(QLatin1Char(')'))) {
        return false;
    }
    count = StringToCurrency(t.left(open));
    QString rest = t.mid(open);
    rest.remove(QLatin1Char('('));
    rest.remove(QLatin1Char(')'));
    rest.remove(QLatin1Char('%'));
    rate = StringToCurrency(rest);
    return true;
}

DateTime clsHtmlToto::StringToDate(const QString& text) {
    return DateTime::Parse(text).value_or(DateTime());
}

DateTime clsHtmlToto::StringToDateEx(const QString& text) {
    QString t = TextCodec::ToHalfWidth(text);
    const qsizetype open = t.indexOf(QLatin1Char('('));
    const qsizetype close = t.indexOf(QLatin1Char(')'), 1);
    if (open >= 0 && close > open) {
        t.remove(open, close - open + 1);
    }
    const qsizetype colon = t.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        t = t.left(colon + 3);
    }
    return StringToDate(t);
}

QString clsHtmlToto::LatestTime(const QString& text) {
    const QString t = TextCodec::ToHalfWidth(text);
    QString best;
    int bestValue = -1;
    for (qsizetype p = t.indexOf(QLatin1Char(':')); p >= 0;
         p = t.indexOf(QLatin1Char(':'), p + 1)) {
        QString candidate;
        if (p >= 2 && IsTimeText(t.mid(p - 2, 5)) && t.mid(p - 2, 5).size() == 5) {
            candidate = t.mid(p - 2, 5);
        } else if (p >= 1 && t.mid(p - 1, 4).size() == 4 && IsTimeText(t.mid(p - 1, 4))) {
            candidate = t.mid(p - 1, 4);
        }
        if (candidate.isEmpty()) {
            continue;
        }
        const int value = QString(candidate).remove(QLatin1Char(':')).toInt();
        if (value > bestValue) {
            bestValue = value;
            best = candidate;
        }
    }
    return best;
}

DateTime clsHtmlToto::StringToDateEx2(const QString& text) {
    const qsizetype day = text.indexOf(QStringLiteral("日"));
    if (day < 0) {
        return DateTime();
    }
    return StringToDate(text.left(day + 1) + QLatin1Char(' ') + LatestTime(text));
}

void clsHtmlToto::DateString2(const QString& text, DateTime& first, DateTime& second) {
    QString t = text;
    t.remove(QStringLiteral("まで"));
    const qsizetype sep = t.indexOf(QChar(0xFF5E));
    if (sep < 0) {
        return;
    }
    first = StringToDateEx(t.left(sep));
    second = StringToDateEx(t.mid(sep + 2));
}

bool clsHtmlToto::GetStringToDateNow(const QString& text, DateTime& asOf, bool& final) {
    if (!text.startsWith(QLatin1Char('('))) {
        return false;
    }
    qsizetype marker = text.indexOf(QStringLiteral("販売終了時点)"));
    final = marker >= 0;
    if (!final) {
        marker = text.indexOf(QStringLiteral("時点)"));
        if (marker < 0) {
            return false;
        }
    }
    asOf = StringToDateEx(text.mid(1, marker - 1));
    return true;
}

bool clsHtmlToto::IsDatePiece(const QString& text) {
    const auto full = DateTime::Parse(text);
    if (full && full->HasDate()) {
        return true;
    }
    // Month and day alone: valid in a leap year, so 2/29 counts as a date.
    return !MonthDayDate(2000, text).IsZero();
}

DateTime clsHtmlToto::MonthDayDate(int year, const QString& text) {
    const auto m = MonthDayRe().match(text);
    if (!m.hasMatch()) {
        const auto full = DateTime::Parse(text);
        return full && full->HasDate() ? full->DatePart() : DateTime();
    }
    return DateTime::FromParts(year, m.captured(1).toInt(), m.captured(2).toInt())
        .value_or(DateTime());
}

int clsHtmlToto::SmallNumber(const QString& text, int max) {
    if (text.isEmpty() || text.size() > 2 || !text.at(0).isDigit() ||
        text.at(0) == QLatin1Char('0')) {
        return 0;
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 1 && value <= max ? value : 0;
}

} // namespace kestrel
