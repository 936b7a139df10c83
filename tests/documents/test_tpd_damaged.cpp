// Damaged data files: cut short anywhere, padded with NUL bytes, over the list limit, or with
// compression settings outside their ranges. Each is refused with the line and the key or block
// at fault; only files of older data versions are still read leniently.
#include <gtest/gtest.h>

#include <functional>

#include "documents/TpdFormat.h"
#include "documents/clsTFileTPD.h"
#include "test_tpd_support.h"

namespace kestrel {
namespace {

using namespace tpdtest;

struct DamagedCase {
    QString name;
    QString text;
    bool loads;
    QString key; // key or block the error names; empty: any
};

// A current-version data file of 200 singles.
QString GoodText() {
    DocumentRecord doc = FullDocument();
    doc.Singles.clear();
    for (int32_t i = 0; i < 200; ++i) {
        doc.Singles.push_back((i * 37) % 4096);
    }
    return clsTFileTPD::BuildText(true, doc);
}

QString Replaced(QString text, const QString& from, const QString& to) {
    EXPECT_TRUE(text.contains(from)) << from.toStdString();
    return text.replace(from, to);
}

std::vector<DamagedCase> Cases() {
    const QString good = GoodText();
    std::vector<DamagedCase> cases{{QStringLiteral("whole"), good, true, QString()}};
    // Cut after every line from the end of the header on, and in the middle of each such line.
    const QStringList lines = good.split(QStringLiteral("\r\n"));
    qsizetype at = 0;
    for (qsizetype i = 0; i < lines.size() - 1; ++i) {
        at += lines[i].size() + 2;
        if (i < TpdFormat::kHeaderLines || at >= good.size()) {
            continue;
        }
        const QString n = QString::number(i + 1);
        cases.push_back({QStringLiteral("cut after line ") + n, good.left(at), false, QString()});
        if (lines[i + 1].size() > 1) {
            cases.push_back({QStringLiteral("cut inside line ") + n,
                             good.left(at + 1 + lines[i + 1].size() / 2), false, QString()});
        }
    }
    // The tail from several points on overwritten with NUL characters.
    for (const qsizetype from : {good.size() / 5, good.size() / 2, good.size() - 40}) {
        QString text = good;
        text.replace(from, good.size() - from, QString(good.size() - from, QChar(0)));
        cases.push_back(
            {QStringLiteral("NUL tail from ") + QString::number(from), text, false, QString()});
    }
    const QString countLine = QStringLiteral("SingleCount = 200");
    cases.push_back({QStringLiteral("count over the limit"),
                     Replaced(good, countLine, QStringLiteral("SingleCount = 1000001")), false,
                     TpdFormat::kSingleCount});
    const qsizetype open = good.indexOf(TpdFormat::kSingleOpen);
    const qsizetype close = good.indexOf(TpdFormat::kSingleClose) + TpdFormat::kSingleClose.size();
    cases.push_back({QStringLiteral("count without a single block"),
                     QString(good).remove(open, close - open), false, TpdFormat::kSingleOpen});
    const std::pair<const char*, const char*> settings[] = {
        {"EndTime = 60", "EndTime = -1"},
        {"MsEngine = 3", "MsEngine = 9"},
        {"MsEngine = 3", "MsEngine = -1"},
        {"BeginCount = 250", "BeginCount = 0"},
        {"EndCount = 5", "EndCount = 10000"},
        {"SeEndTime = 30", "SeEndTime = -5"},
        {"ChushutsuCount = 15", "ChushutsuCount = 0"},
        {"ChushutsuType = 2", "ChushutsuType = 4"},
    };
    for (const auto& [from, to] : settings) {
        const QString replacement = QString::fromLatin1(to);
        cases.push_back({replacement, Replaced(good, QString::fromLatin1(from), replacement), false,
                         replacement.left(replacement.indexOf(QLatin1Char(' ')))});
    }
    // An older data version is read as before: a cut after the conditions still loads.
    const QString old =
        Replaced(good, QStringLiteral("DataVersion = 6"), QStringLiteral("DataVersion = 4"));
    cases.push_back({QStringLiteral("old version cut after the conditions"),
                     old.left(old.indexOf(TpdFormat::kMsEngine)), true, QString()});
    return cases;
}

TEST(TpdDamaged, RefusedWithWhereItBroke) {
    for (const DamagedCase& c : Cases()) {
        SCOPED_TRACE(c.name.toStdString());
        DocumentRecord doc;
        doc.Kaisaikai = 3;
        const DocumentRecord before = doc;
        TpdParseError error;
        ASSERT_EQ(clsTFileTPD::ParseText(c.text, doc, &error), c.loads)
            << error.description.toStdString() << " " << error.key.toStdString();
        if (c.loads) {
            continue;
        }
        EXPECT_EQ(doc.Kaisaikai, before.Kaisaikai);
        EXPECT_GT(error.line, 0);
        EXPECT_FALSE(error.key.isEmpty());
        if (!c.key.isEmpty()) {
            EXPECT_EQ(error.key, c.key);
        }
    }
}

} // namespace
} // namespace kestrel
