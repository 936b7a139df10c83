// Sheet geometry against positions worked out by hand from the sheet's constants: X pitch 3.5,
// Y pitch 5, origin (23.5, 4.75), singles from X 58.5, marks 1.0 x 3.5 centred on their spot.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "print/PrintDialogModel.h"
#include "print/SheetGeometry.h"
#include "print/SheetPageSource.h"

namespace kestrel {
namespace {

using Kind = PrintPrimitive::Kind;

struct Spot {
    double x;
    double y;
};

struct TextSpot {
    QString text;
    double x;
    double y;
    double size;
};

bool Near(double a, double b) {
    return std::abs(a - b) < 1e-9;
}

int CountKind(const SheetPage& page, Kind kind) {
    int n = 0;
    for (const PrintPrimitive& p : page.items) {
        n += p.kind == kind ? 1 : 0;
    }
    return n;
}

// True when the page has a mark (1.0 x 3.5) of the kind with its top-left corner at the spot.
bool HasMark(const SheetPage& page, Kind kind, Spot s) {
    for (const PrintPrimitive& p : page.items) {
        if (p.kind == kind && Near(p.x, s.x) && Near(p.y, s.y) && Near(p.w, 1.0) &&
            Near(p.h, 3.5)) {
            return true;
        }
    }
    return false;
}

bool HasText(const SheetPage& page, const TextSpot& t) {
    for (const PrintPrimitive& p : page.items) {
        if (p.kind == Kind::Text && p.text == t.text && Near(p.x, t.x) && Near(p.y, t.y) &&
            Near(p.size, t.size) && p.font == QStringLiteral("ＭＳ ゴシック")) {
            return true;
        }
    }
    return false;
}

// Every page the source hands out.
std::vector<SheetPage> PrintPages(const SheetRequest& request) {
    std::vector<SheetPage> pages;
    SheetPageSource source(request);
    while (!source.AtEnd()) {
        pages.push_back(source.Next());
    }
    return pages;
}

// 25 singles: index 0 is 0 (all goal values 0), index 19 is 4095 (all 3+), index 24 is 2361
// (values 1, 2, 3, 0, 1, 2 for teams 1..6), the others their own index.
std::vector<int32_t> TwentyFiveSingles() {
    std::vector<int32_t> singles;
    for (int32_t i = 0; i < 25; ++i) {
        singles.push_back(i);
    }
    singles[19] = 4095;
    singles[24] = 2361;
    return singles;
}

ScheduleRecord Card() {
    ScheduleRecord s;
    const char16_t* teams[] = {u"鹿島アントラーズ", u"浦和",  u"川崎F",
                               u"横浜FM",           u"G大阪", u"神戸"};
    for (int t = 0; t < 6; ++t) {
        s.Slots[static_cast<size_t>(t)].Team = QString::fromUtf16(teams[t]);
        s.Slots[static_cast<size_t>(t)].GameDate = *DateTime::FromParts(2025, 5, 7 + t / 2);
    }
    return s;
}

struct PrintCase {
    const char* name;
    int orientation;
    double left;
    double top;
    const char* options; // R round marks, C match card, P page text, F file-name text
    int32_t round;
    const char* group;
    int page;       // index into the printed pages
    int pageNumber; // its number
    int marks;      // filled rectangles on it
    std::vector<Spot> spots;
    std::vector<TextSpot> texts;
};

// clang-format off
const std::vector<PrintCase> kPrintCases = {
    // Column 1, single 0: X 58.5 - 0.5; team t at Y 4.75 + 5(t-1) - 1.75.
    {"first sheet", 1, 0, 0, "P", 0, "", 0, 1, 60,
     {{58.0, 3.0}, {58.0, 8.0}, {58.0, 28.0}},
     {{"      1/3", 3.0, 9.75, 9}}},
    // Column 10, single 4095: X 58.5 + (36 + 3) x 3.5 - 0.5 = 194.5.
    {"second sheet, last column", 1, 0, 0, "", 0, "", 1, 2, 60,
     {{194.5, 3.0}, {194.5, 28.0}}, {}},
    // Column 5, single 2361 (1, 2, 3, 0, 1, 2): X 58.5 + (16 + v) x 3.5 - 0.5; 5 columns only.
    {"third sheet, five columns", 1, 0, 0, "PF", 0, "", 2, 3, 30,
     {{117.5, 3.0}, {121.0, 8.0}, {124.5, 13.0}, {114.0, 18.0}, {117.5, 23.0}, {121.0, 28.0}},
     {{"      3/3", 3.0, 9.75, 9}, {"予想データ", 3.0, 14.75, 9}}},
    // Round 1234: tens 3 at (30.5, 19.75 + 15), units 4 at (34.0, 19.75 + 20); group B at 48.0.
    {"round 1234, group B", 1, 0, 0, "R", 1234, "B", 0, 1, 63,
     {{30.0, 33.0}, {33.5, 38.0}, {47.5, 33.0}}, {}},
    // Round 200 marks 0 and 0 at Y 19.75.
    {"round 200", 1, 0, 0, "R", 200, "", 0, 1, 62, {{30.0, 18.0}, {33.5, 18.0}}, {}},
    {"round 0 marks nothing", 1, 0, 0, "R", 0, "", 0, 1, 60, {}, {}},
    // Match card at X 37.5, centred on each team's row.
    {"match card", 1, 0, 0, "C", 1555, "", 0, 1, 60, {},
     {{"05/07 鹿島ア", 37.5, 4.75, 6}, {"05/09 神戸", 37.5, 29.75, 6}}},
    // Landscape adds 127.5 to Y; offsets 1.25 and 2.5 are subtracted from X and Y.
    {"landscape with offsets", 2, 1.25, 2.5, "RP", 1234, "", 0, 1, 62,
     {{56.75, 128.0}, {56.75, 153.0}, {28.75, 158.0}, {32.25, 163.0}},
     {{"      1/3", 1.75, 134.75, 9}}},
};
// clang-format on

TEST(SheetGeometryTest, PrintedSheetsMatchHandComputedPositions) {
    for (const PrintCase& c : kPrintCases) {
        SCOPED_TRACE(c.name);
        SheetRequest r;
        r.Singles = TwentyFiveSingles();
        r.Settings.PrinterOrientation = c.orientation;
        r.Settings.PrinterLeftMargin = Money::FromDouble(c.left);
        r.Settings.PrinterTopMargin = Money::FromDouble(c.top);
        const QString options = QString::fromLatin1(c.options);
        r.Settings.PrinterOpenNo = options.contains('R');
        r.Settings.PrinterOpenText = options.contains('C');
        r.Settings.PrinterPageText = options.contains('P');
        r.Settings.PrinterFileText = options.contains('F');
        r.RoundNumber = c.round;
        r.Group = QString::fromLatin1(c.group);
        r.FileName = QStringLiteral("予想データ１２.tpd");
        r.Schedule = Card();
        const std::vector<SheetPage> pages = PrintPages(r);
        ASSERT_EQ(pages.size(), 3u);
        const SheetPage& page = pages[static_cast<size_t>(c.page)];
        EXPECT_EQ(page.number, c.pageNumber);
        EXPECT_TRUE(page.endsJob);
        EXPECT_EQ(CountKind(page, Kind::FilledRect), c.marks);
        EXPECT_EQ(CountKind(page, Kind::Text),
                  r.Settings.PrinterOpenText ? 6 : static_cast<int>(c.texts.size()));
        for (const Spot& s : c.spots) {
            EXPECT_TRUE(HasMark(page, Kind::FilledRect, s)) << s.x << ", " << s.y;
        }
        for (const TextSpot& t : c.texts) {
            EXPECT_TRUE(HasText(page, t)) << t.text.toStdString();
        }
    }
}

TEST(SheetGeometryTest, PageChoiceAndJobs) {
    struct Case {
        bool all;
        int start, end;
        bool sendAll;
        std::vector<int> numbers;
        std::vector<bool> ends;
    };
    const Case cases[] = {
        {true, 1, 1, false, {1, 2, 3}, {true, true, true}},
        {true, 1, 1, true, {1, 2, 3}, {false, false, true}},
        {false, 2, 3, true, {2, 3}, {false, true}},
        {false, 3, 5, false, {3}, {true}},
        {false, 4, 9, false, {}, {}},
        {false, 2, 1, false, {}, {}},
        {false, -5, 1, false, {1}, {true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.all << " " << c.start << "-" << c.end);
        SheetRequest r;
        r.Singles = TwentyFiveSingles();
        r.AllPages = c.all;
        r.StartPage = c.start;
        r.EndPage = c.end;
        r.Settings.PrinterSendDataA = c.sendAll;
        std::vector<int> numbers;
        std::vector<bool> ends;
        for (const SheetPage& p : PrintPages(r)) {
            numbers.push_back(p.number);
            ends.push_back(p.endsJob);
        }
        EXPECT_EQ(numbers, c.numbers);
        EXPECT_EQ(ends, c.ends);
    }
    SheetRequest empty;
    EXPECT_TRUE(PrintPages(empty).empty());
    EXPECT_EQ(SheetGeometry::PageCount(0), 0);
    EXPECT_EQ(SheetGeometry::PageCount(10), 1);
    EXPECT_EQ(SheetGeometry::PageCount(11), 2);
}

// The group the document hands to the dialog decides the selector and the mark: only "A" and
// "B" have a mark; any other group prints none and reaches the request unchanged.
TEST(SheetGeometryTest, GroupMarkOnlyForGroupsAAndB) {
    struct Case {
        const char* group;
        bool selector;
        int marks;    // 60 singles + 2 round digits (+ 1 group mark)
        double markX; // top-left X of the group mark, 0 for none
    };
    const Case cases[] = {
        {"", false, 62, 0},  {"A", true, 63, 44.0}, {"B", true, 63, 47.5},
        {"C", false, 62, 0}, {"Ａ", false, 62, 0},
    };
    PrinterSettings settings;
    settings.PrinterOpenNo = true;
    for (const Case& c : cases) {
        const QString group = QString::fromUtf8(c.group);
        SCOPED_TRACE(group.toStdString());
        PrintDialogModel model(settings, {}, QString(), TwentyFiveSingles(), 1234, group,
                               QStringLiteral("x.tpd"));
        EXPECT_EQ(model.GroupEnabled(), c.selector);
        const SheetRequest r = model.BuildRequest(ProgramPaths(QStringLiteral("/nonexistent")));
        EXPECT_EQ(r.Group, group);
        const std::vector<SheetPage> pages = PrintPages(r);
        ASSERT_EQ(pages.size(), 3u);
        EXPECT_EQ(CountKind(pages[0], Kind::FilledRect), c.marks);
        EXPECT_EQ(HasMark(pages[0], Kind::FilledRect, {44.0, 33.0}), c.markX == 44.0);
        EXPECT_EQ(HasMark(pages[0], Kind::FilledRect, {47.5, 33.0}), c.markX == 47.5);
    }
}

// The match card prints whenever the round's schedule names its teams, whatever its state:
// a cancelled or not-held round keeps its teams and dates.
TEST(SheetGeometryTest, MatchCardFollowsTheScheduleTeams) {
    struct Case {
        HoldState state;
        bool teams;
        int lines;
    };
    const Case cases[] = {
        {HoldState::Held, true, 6},
        {HoldState::Cancelled, true, 6},
        {HoldState::NotHeld, true, 6},
        {HoldState::Cancelled, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.state) << " " << c.teams);
        SheetRequest r;
        r.Singles = TwentyFiveSingles();
        r.Settings.PrinterOpenText = true;
        r.Schedule = c.teams ? Card() : ScheduleRecord{};
        r.Schedule->State = c.state;
        const std::vector<SheetPage> pages = PrintPages(r);
        ASSERT_EQ(pages.size(), 3u);
        for (const SheetPage& page : pages) {
            EXPECT_EQ(CountKind(page, Kind::Text), c.lines);
        }
        if (c.lines > 0) {
            EXPECT_TRUE(HasText(pages[2], {"05/07 鹿島ア", 37.5, 4.75, 6}));
        }
    }
}

TEST(SheetGeometryTest, TestPageOutlinesEveryMarkPosition) {
    struct Case {
        int orientation;
        const char* group;
        int outlinedMarks; // 240 single spots + 20 round digits (+ 2 group marks)
        double shift;
    };
    const Case cases[] = {{1, "", 260, 0}, {2, "A", 262, 127.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.orientation);
        SheetRequest r;
        r.Settings.PrinterOrientation = c.orientation;
        r.Settings.PrinterPageText = true;
        r.Settings.PrinterFileText = true;
        r.Settings.PrinterOpenText = true;
        r.Group = QString::fromLatin1(c.group);
        const SheetPage page = SheetGeometry::TestPage(r);
        EXPECT_EQ(CountKind(page, Kind::FilledRect), 0);
        int marks = 0;
        bool redOutline = false;
        for (const PrintPrimitive& p : page.items) {
            marks += p.kind == Kind::OutlineRect && Near(p.w, 1.0) && Near(p.h, 3.5) ? 1 : 0;
            redOutline |= p.kind == Kind::OutlineRect && p.color == kPrintRed && Near(p.x, 0) &&
                          Near(p.y, c.shift) && Near(p.w, 203.0) && Near(p.h, 82.5);
        }
        EXPECT_EQ(marks, c.outlinedMarks);
        EXPECT_TRUE(redOutline);
        EXPECT_TRUE(HasMark(page, Kind::OutlineRect, {194.5, 28.0 + c.shift}));
        EXPECT_TRUE(HasMark(page, Kind::OutlineRect, {30.0, 63.0 + c.shift})); // digit 9
        EXPECT_TRUE(HasText(page, {"9999/9999", 3.0, 9.75 + c.shift, 9}));
        EXPECT_TRUE(HasText(page, {"XXXXXXXXXX", 3.0, 14.75 + c.shift, 9}));
        EXPECT_TRUE(HasText(page, {"XX/XX ＸＸＸ", 37.5, 29.75 + c.shift, 6}));
    }
}

TEST(SheetGeometryTest, MarginTexts) {
    const std::pair<std::pair<int, int>, const char*> pageTexts[] = {
        {{3, 3}, "      3/3"}, {{12, 123}, "   12/123"}, {{9999, 9999}, "9999/9999"}};
    for (const auto& [page, text] : pageTexts) {
        EXPECT_EQ(SheetGeometry::PageText(page.first, page.second), QString::fromUtf8(text));
    }
    // At most 10 bytes of Shift_JIS, never half a double-byte character.
    const std::pair<const char*, const char*> fileTexts[] = {
        {"abc.tpd", "abc.tpd"},
        {"1234567890AB.tpd", "1234567890"},
        {"予想データ１２.tpd", "予想データ"},
        {"abc予想データ.tpd", "abc予想デ"},
        {"ｱｲｳｴｵｶｷｸｹｺｻ.tpd", "ｱｲｳｴｵｶｷｸｹｺ"},
        {"", ""},
    };
    for (const auto& [name, text] : fileTexts) {
        EXPECT_EQ(SheetGeometry::FileText(QString::fromUtf8(name)), QString::fromUtf8(text));
    }
}

} // namespace
} // namespace kestrel
