// kestrel-cli print: the sheets as a PDF, rasterised with pdftoppm and checked for ink at mark
// centres (and none at the neighbouring goal values).

#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>

#include "CliTestSupport.h"

namespace kestrel::test {
namespace {

constexpr int kDpi = 150;

// A rasterised PDF page in grey levels.
struct Raster {
    QImage image;

    bool Inked(double xMm, double yMm) const {
        const int x = static_cast<int>(xMm * kDpi / 25.4);
        const int y = static_cast<int>(yMm * kDpi / 25.4);
        return qGray(image.pixel(x, y)) < 128;
    }
};

// Centre of the mark of goal value v of team t in sheet column k.
double SingleX(int k, int v) {
    return 58.5 + ((k - 1) * 4 + v) * 3.5;
}
double TeamY(int t) {
    return 4.75 + (t - 1) * 5.0;
}

class CmdPrintTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        ASSERT_FALSE(QStandardPaths::findExecutable("pdftoppm").isEmpty())
            << "pdftoppm (poppler-utils) is missing: run scripts/bootstrap";
        // 25 singles; list index 24 (sheet 3, column 5) is 1, 2, 3, 0, 1, 2.
        std::vector<Row> rows;
        for (int i = 0; i < 25; ++i) {
            rows.push_back(RowOfSingle(i * 97 % 4096));
        }
        rows[24] = Row{1, 2, 3, 0, 1, 2};
        m_tpd = Path("list.tpd");
        ASSERT_EQ(Run({"csv2tpd", WriteCsv("list.csv", rows), "-o", m_tpd}).exitCode, 0);
    }

    // The PDF's pages as images.
    std::vector<Raster> Rasterise(const QString& pdf) const {
        QProcess process;
        process.start("pdftoppm", {"-r", QString::number(kDpi), "-gray", pdf, Path("page")});
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0);
        std::vector<Raster> pages;
        for (int p = 1;; ++p) {
            const QString name = Path(QStringLiteral("page-%1.pgm").arg(p));
            if (!QFileInfo::exists(name)) {
                break;
            }
            pages.push_back(Raster{QImage(name)});
        }
        return pages;
    }

    QString m_tpd;
};

TEST_F(CmdPrintTest, InkAtMarkCentresOnly) {
    struct Case {
        const char* name;
        QStringList options;
        double dx; // what the offsets and the landscape shift add to X and Y
        double dy;
        bool landscape;
    };
    const Case cases[] = {
        {"portrait", {"--round", "1234", "--round-marks"}, 0, 0, false},
        {"landscape with offsets",
         {"--landscape", "--left", "2", "--top", "1.5", "--round", "1234", "--round-marks"},
         -2,
         126,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString pdf = Path("sheets.pdf");
        const CliRun run = Run(QStringList{"print", m_tpd, "--pdf", pdf} + c.options);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.OutLines(), (QStringList{"page 1/3", "page 2/3", "page 3/3"}));
        const std::vector<Raster> pages = Rasterise(pdf);
        ASSERT_EQ(pages.size(), 3u);
        const Raster& sheet = pages[2];
        EXPECT_EQ(sheet.image.width() > sheet.image.height(), c.landscape);
        const int values[6] = {1, 2, 3, 0, 1, 2};
        for (int t = 1; t <= 6; ++t) {
            for (int v = 0; v < 4; ++v) {
                EXPECT_EQ(sheet.Inked(SingleX(5, v) + c.dx, TeamY(t) + c.dy), v == values[t - 1])
                    << "team " << t << " value " << v;
                EXPECT_FALSE(sheet.Inked(SingleX(6, v) + c.dx, TeamY(t) + c.dy)) << "column 6";
            }
        }
        // Round 1234: tens digit 3 and units digit 4; nothing on the digit 4 row of the tens.
        EXPECT_TRUE(sheet.Inked(30.5 + c.dx, 34.75 + c.dy));
        EXPECT_TRUE(sheet.Inked(34.0 + c.dx, 39.75 + c.dy));
        EXPECT_FALSE(sheet.Inked(30.5 + c.dx, 39.75 + c.dy));
        EXPECT_FALSE(sheet.Inked(34.0 + c.dx, 34.75 + c.dy));
        QFile::remove(pdf);
    }
}

TEST_F(CmdPrintTest, NoSheetNoFile) {
    const QString empty = CopyFixture("small_multi.tpd", "empty.tpd");
    const QString pdf = Path("none.pdf");
    const QStringList runs[] = {{"print", m_tpd, "--pdf", pdf, "--pages", "4-9"},
                                {"print", empty, "--pdf", pdf}};
    for (const QStringList& args : runs) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, 0) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("no sheet printed")) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(pdf));
    }
    EXPECT_EQ(Run({"print", m_tpd, "--pdf", pdf, "--pages", "x"}).exitCode, 2);
    EXPECT_EQ(Run({"print", m_tpd}).exitCode, 2);
    EXPECT_EQ(Run({"print", Path("missing.tpd"), "--pdf", pdf}).exitCode, 1);
}

// A long list is written page by page with a note on stderr after every 1,000 pages; stdout
// still lists every page and the file holds them all.
TEST_F(CmdPrintTest, ProgressLineEveryThousandPages) {
    std::vector<Row> rows;
    for (int i = 0; i < 10001; ++i) {
        rows.push_back(RowOfSingle(i % 4096));
    }
    const QString tpd = Path("long.tpd");
    ASSERT_EQ(Run({"csv2tpd", WriteCsv("long.csv", rows), "-o", tpd}).exitCode, 0);
    const QString pdf = Path("long.pdf");
    const CliRun run = Run({"print", tpd, "--pdf", pdf, "--page-text"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList notes;
    for (const QString& line : run.err.split('\n')) {
        if (line.startsWith(QStringLiteral("print:"))) {
            notes << line;
        }
    }
    EXPECT_EQ(notes, QStringList{"print: 1000/1001 pages"});
    const QStringList out = run.OutLines();
    ASSERT_EQ(out.size(), 1001);
    EXPECT_EQ(out.back(), QStringLiteral("page 1001/1001"));
    const QString bytes = QString::fromLatin1(ReadBytes(pdf));
    EXPECT_EQ(bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1001);
}

} // namespace
} // namespace kestrel::test
