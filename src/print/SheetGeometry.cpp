#include "print/SheetGeometry.h"

#include <algorithm>

#include "core/clsTNumber.h"
#include "platform/TextCodec.h"
#include "print/SheetLayout.h"

namespace kestrel {

namespace {

using L = SheetLayout;

const QString kFont = QStringLiteral("ＭＳ ゴシック");
const QString kTestFileName = QStringLiteral("XXXXXXXXXX");
const QString kTestMatchCard = QStringLiteral("XX/XX ＸＸＸ");
constexpr int kTestPage = 9999;
constexpr int kFileTextBytes = 10;
constexpr int kPageTextWidth = 9;
constexpr double kRulerTick = 2.0;
constexpr double kRulerLongTick = 5.0;

// Turns sheet coordinates into drawing coordinates and collects the primitives of one page:
// the printer offsets are subtracted, then landscape moves everything down.
class PageBuilder {
public:
    PageBuilder(const PrinterSettings& settings, bool test)
        : m_left(settings.PrinterLeftMargin.ToDouble()),
          m_top(settings.PrinterTopMargin.ToDouble()),
          m_shift(settings.Landscape() ? L::kLandscapeShiftY : 0.0), m_test(test) {}

    // The mark centred on (x, y): filled, or outlined on the test page.
    void Mark(double x, double y) {
        PrintPrimitive p;
        p.kind = m_test ? PrintPrimitive::Kind::OutlineRect : PrintPrimitive::Kind::FilledRect;
        p.x = X(x - L::kMarkWidth / 2);
        p.y = Y(y - L::kMarkHeight / 2);
        p.w = L::kMarkWidth;
        p.h = L::kMarkHeight;
        m_items.push_back(p);
    }

    void Text(double x, double yCentre, const QString& text, double size) {
        PrintPrimitive p;
        p.kind = PrintPrimitive::Kind::Text;
        p.x = X(x);
        p.y = Y(yCentre);
        p.text = text;
        p.font = kFont;
        p.size = size;
        m_items.push_back(p);
    }

    void Line(double x1, double y1, double x2, double y2, PrintColor color, bool shifted = true) {
        PrintPrimitive p;
        p.kind = PrintPrimitive::Kind::Line;
        const double shift = shifted ? 0.0 : m_shift;
        p.x = X(x1);
        p.y = Y(y1) - shift;
        p.x2 = X(x2);
        p.y2 = Y(y2) - shift;
        p.color = color;
        m_items.push_back(p);
    }

    void Outline(double x, double y, double w, double h, PrintColor color) {
        PrintPrimitive p;
        p.kind = PrintPrimitive::Kind::OutlineRect;
        p.x = X(x);
        p.y = Y(y);
        p.w = w;
        p.h = h;
        p.color = color;
        m_items.push_back(p);
    }

    bool Empty() const { return m_items.empty(); }
    std::vector<PrintPrimitive> Take() { return std::move(m_items); }

private:
    double X(double x) const { return x - m_left; }
    double Y(double y) const { return y - m_top + m_shift; }

    double m_left;
    double m_top;
    double m_shift;
    bool m_test;
    std::vector<PrintPrimitive> m_items;
};

void AddSingle(PageBuilder& page, int column, int32_t single) {
    if (single < 0 || single >= kSingleCount) {
        return;
    }
    for (int t = 1; t <= kSlotCount; ++t) {
        page.Mark(L::SingleX(column, clsTNumber::Digit(single, t - 1)), L::TeamY(t));
    }
}

// The round modulo 100 as a tens and a units mark; round 0 (or less) marks nothing.
void AddRoundMarks(PageBuilder& page, int32_t round) {
    if (round <= 0) {
        return;
    }
    const int twoDigits = round % 100;
    page.Mark(L::ColumnX(L::kRoundTensColumn), L::RoundDigitY(twoDigits / 10));
    page.Mark(L::ColumnX(L::kRoundUnitsColumn), L::RoundDigitY(twoDigits % 10));
}

void AddGroupMark(PageBuilder& page, int g) {
    page.Mark(L::ColumnX(L::kGroupColumn + g), L::kOriginY + L::kGroupRow * L::kPitchY);
}

// Group "A" is mark 0, "B" mark 1; anything else has no mark.
int GroupIndex(const QString& group) {
    if (group == QLatin1String("A")) {
        return 0;
    }
    return group == QLatin1String("B") ? 1 : -1;
}

void AddMarginText(PageBuilder& page, int slot, const QString& text) {
    page.Text(L::kMarginTextX, L::kOriginY + slot * L::kPitchY, text, L::kMarginTextFontSize);
}

void AddMatchCard(PageBuilder& page, const ScheduleRecord& schedule) {
    for (int t = 1; t <= kSlotCount; ++t) {
        page.Text(L::ColumnX(L::kMatchCardColumn), L::TeamY(t),
                  SheetGeometry::MatchCardLine(schedule, t), L::kMatchCardFontSize);
    }
}

bool HasTeams(const ScheduleRecord& schedule) {
    return std::any_of(schedule.Slots.begin(), schedule.Slots.end(),
                       [](const ScheduleSlot& slot) { return !slot.Team.isEmpty(); });
}

// The extras of a printed page, after its singles.
void AddPageExtras(PageBuilder& page, const SheetRequest& request, int number, int count) {
    const PrinterSettings& s = request.Settings;
    if (s.PrinterPageText) {
        AddMarginText(page, 1, SheetGeometry::PageText(number, count));
    }
    if (s.PrinterFileText) {
        AddMarginText(page, 2, SheetGeometry::FileText(request.FileName));
    }
    // A cancelled round keeps its teams and dates, so its card prints like any other.
    if (s.PrinterOpenText && request.Schedule && HasTeams(*request.Schedule)) {
        AddMatchCard(page, *request.Schedule);
    }
    if (s.PrinterOpenNo) {
        AddRoundMarks(page, request.RoundNumber);
        const int g = GroupIndex(request.Group);
        if (g >= 0) {
            AddGroupMark(page, g);
        }
    }
}

// 1 mm ticks along the four paper edges, every tenth one longer. The rulers show the paper
// itself, so the landscape shift does not move them.
void AddRulers(PageBuilder& page, bool landscape) {
    const int width = static_cast<int>(landscape ? L::kPaperHeight : L::kPaperWidth);
    const int height = static_cast<int>(landscape ? L::kPaperWidth : L::kPaperHeight);
    auto tick = [](int i) { return i % 10 == 0 ? kRulerLongTick : kRulerTick; };
    for (int i = 0; i <= width; ++i) {
        page.Line(i, 0, i, tick(i), kPrintBlack, false);
        page.Line(i, height, i, height - tick(i), kPrintBlack, false);
    }
    for (int i = 0; i <= height; ++i) {
        page.Line(0, i, tick(i), i, kPrintBlack, false);
        page.Line(width, i, width - tick(i), i, kPrintBlack, false);
    }
}

// Millimetre grid over the sheet area (every tenth line darker), outlined in red.
void AddGrid(PageBuilder& page) {
    const int columns = static_cast<int>(L::kSheetWidth);
    const int rows = static_cast<int>(L::kSheetHeight);
    for (int pass = 0; pass < 2; ++pass) {
        const bool major = pass == 1;
        const PrintColor color = major ? kPrintBlue : kPrintLightBlue;
        for (int i = 0; i <= columns; ++i) {
            if ((i % 10 == 0) == major) {
                page.Line(i, 0, i, L::kSheetHeight, color);
            }
        }
        for (int i = 0; i <= rows; ++i) {
            if ((i % 10 == 0) == major) {
                page.Line(0, i, L::kSheetWidth, i, color);
            }
        }
    }
    page.Outline(0, 0, L::kSheetWidth, L::kSheetHeight, kPrintRed);
}

} // namespace

int SheetGeometry::PageCount(int singleCount) {
    return singleCount <= 0 ? 0 : (singleCount - 1) / kSinglesPerPage + 1;
}

std::pair<int, int> SheetGeometry::PageChoice(const SheetRequest& request) {
    const int pageCount = PageCount(static_cast<int>(request.Singles.size()));
    if (request.AllPages) {
        return {1, pageCount};
    }
    return {std::max(request.StartPage, 1), std::min(request.EndPage, pageCount)};
}

std::optional<SheetPage> SheetGeometry::PrintPage(const SheetRequest& request, int page) {
    const int count = static_cast<int>(request.Singles.size());
    PageBuilder builder(request.Settings, false);
    for (int column = 1; column <= kSinglesPerPage; ++column) {
        const int64_t index = static_cast<int64_t>(page - 1) * kSinglesPerPage + column - 1;
        if (index >= 0 && index < count) {
            AddSingle(builder, column, request.Singles[static_cast<size_t>(index)]);
        }
    }
    if (builder.Empty()) {
        return std::nullopt;
    }
    AddPageExtras(builder, request, page, PageCount(count));
    return SheetPage{page, builder.Take(), !request.Settings.PrinterSendDataA};
}

SheetPage SheetGeometry::TestPage(const SheetRequest& request) {
    const PrinterSettings& s = request.Settings;
    PageBuilder page(s, true);
    AddGrid(page);
    AddRulers(page, s.Landscape());
    if (s.PrinterPageText) {
        AddMarginText(page, 1, PageText(kTestPage, kTestPage));
    }
    if (s.PrinterFileText) {
        AddMarginText(page, 2, kTestFileName);
    }
    if (s.PrinterOpenText) {
        for (int t = 1; t <= kSlotCount; ++t) {
            page.Text(L::ColumnX(L::kMatchCardColumn), L::TeamY(t), kTestMatchCard,
                      L::kMatchCardFontSize);
        }
    }
    for (int d = 0; d < 10; ++d) {
        const int digit = (d + 1) % 10; // 1..9, then 0
        page.Mark(L::ColumnX(L::kRoundTensColumn), L::RoundDigitY(digit));
        page.Mark(L::ColumnX(L::kRoundUnitsColumn), L::RoundDigitY(digit));
    }
    if (GroupIndex(request.Group) >= 0) {
        AddGroupMark(page, 0);
        AddGroupMark(page, 1);
    }
    for (int column = 1; column <= kSinglesPerPage; ++column) {
        for (int v = 0; v < kGoalClassCount; ++v) {
            for (int t = 1; t <= kSlotCount; ++t) {
                page.Mark(L::SingleX(column, v), L::TeamY(t));
            }
        }
    }
    return SheetPage{1, page.Take(), true};
}

QString SheetGeometry::PageText(int page, int pageCount) {
    const QString text = QString(10, QLatin1Char(' ')) + QString::number(page) + QLatin1Char('/') +
                         QString::number(pageCount);
    return text.right(kPageTextWidth);
}

QString SheetGeometry::FileText(const QString& fileName) {
    int length = 0;
    while (length < fileName.size()) {
        int next = length + 1;
        if (fileName[length].isHighSurrogate() && next < fileName.size()) {
            ++next;
        }
        if (TextCodec::EncodeCp932(fileName.left(next)).size() > kFileTextBytes) {
            break;
        }
        length = next;
    }
    return fileName.left(length);
}

QString SheetGeometry::MatchCardLine(const ScheduleRecord& schedule, int team) {
    const ScheduleSlot& slot = schedule.Slots[static_cast<size_t>(team - 1)];
    const DateTime& date = slot.GameDate;
    QString text;
    if (date.HasDate()) {
        text = QStringLiteral("%1/%2")
                   .arg(date.Month(), 2, 10, QLatin1Char('0'))
                   .arg(date.Day(), 2, 10, QLatin1Char('0'));
    }
    return text + QLatin1Char(' ') + slot.Team.left(3);
}

} // namespace kestrel
