#include "core/clsTMulti.h"

#include <array>

#include "core/VoteOrder.h"

namespace kestrel {

namespace {

const std::array<QString, kMarkCodeCount> kSymbols{
    QString(),           QStringLiteral("◎"), QStringLiteral("○"), QStringLiteral("▲"),
    QStringLiteral("△"), QStringLiteral("×"), QStringLiteral("☆")};

// mnuMultiT choices.
constexpr int32_t kClearAll = 1;
constexpr int32_t kAllHonmei = 2;
constexpr int32_t kAllTaikou = 3;
constexpr int32_t kByVoteOrder = 4;

FlagTable AllTrue() {
    FlagTable flags{};
    for (auto& row : flags) {
        row.fill(true);
    }
    return flags;
}

} // namespace

clsTMulti::clsTMulti() : m_taishou(AllTrue()) {}

void clsTMulti::Initialize() {
    m_pen = kPenAutomatic;
    m_auto = true;
    m_taishou = AllTrue();
    Redraw();
}

void clsTMulti::Clear() {
    FillAll(kMarkNone);
}

void clsTMulti::GetValue(MarkTable& marks) const {
    marks = m_marks;
}

void clsTMulti::SetValue(const MarkTable& marks) {
    m_marks = marks;
    Redraw();
}

void clsTMulti::GetVisible(FlagTable& flags) const {
    for (int c = 0; c < kGoalClassCount; ++c) {
        for (int t = 0; t < kSlotCount; ++t) {
            flags[c][t] = m_marks[c][t] > 0;
        }
    }
}

void clsTMulti::SetTaishou(const FlagTable& flags) {
    m_taishou = flags;
    Redraw();
}

void clsTMulti::Refresh() {
    Redraw();
}

void clsTMulti::SetVote(const VoteRecord& vote) {
    m_vote = vote;
}

void clsTMulti::MouseClick(Button button, int col, int row) {
    if (col < 1 || col > kColumns || row < 1 || row > kRows) {
        return;
    }
    if (row == 1) {
        if (button == Button::Left) {
            HeaderLeft();
        } else {
            HeaderRight();
        }
    } else {
        const int c = col - 1;
        const int t = row - 2;
        m_lastClass = c;
        m_lastSlot = t;
        if (button == Button::Left) {
            CellLeft(c, t);
        } else {
            CellRight(c, t);
        }
    }
    Redraw();
}

QString clsTMulti::PenText() const {
    QString pen = QStringLiteral("自動");
    for (const PopupMenuItem& item : m_menu.mnuMulti.Items) {
        if (!m_auto && !item.Separator && item.Index == m_pen + 1) {
            pen = item.Caption;
        }
    }
    return QStringLiteral("左クリック動作：") + pen;
}

void clsTMulti::HeaderLeft() {
    m_menu.SetMultiDefault(m_pen);
    const int32_t index = PopupIndex(m_menu.mnuMulti);
    if (index > 98) {
        m_pen = kPenAutomatic;
        m_auto = true;
    } else if (index >= 1 && index <= kMarkCodeCount) {
        m_pen = index - 1;
        m_auto = false;
    }
}

void clsTMulti::HeaderRight() {
    switch (PopupIndex(m_menu.mnuMultiT)) {
    case kClearAll:
        FillAll(kMarkNone);
        break;
    case kAllHonmei:
        FillAll(kMarkHonmei);
        break;
    case kAllTaikou:
        FillAll(kMarkTaikou);
        break;
    case kByVoteOrder:
        MarkByVoteOrder();
        break;
    default:
        break;
    }
}

void clsTMulti::CellLeft(int c, int t) {
    int32_t& mark = m_marks[c][t];
    if (m_auto) {
        mark = (mark > 5) ? 0 : mark + 1;
    } else {
        mark = (mark == m_pen) ? 0 : m_pen;
    }
}

void clsTMulti::CellRight(int c, int t) {
    m_menu.SetMultiOne(m_marks[c][t]);
    const int32_t index = PopupIndex(m_menu.mnuMulti);
    if (index >= 1 && index <= kMarkCodeCount) {
        m_marks[c][t] = index - 1;
    }
}

void clsTMulti::MarkByVoteOrder() {
    if (m_vote.Kaisaikai == 0) {
        return;
    }
    for (int t = 0; t < kSlotCount; ++t) {
        const auto order = VoteOrder::Ascending(m_vote.Slots[t]);
        // Most voted ◎, then ○, ▲, and the least voted △.
        for (int k = 0; k < kGoalClassCount; ++k) {
            m_marks[order[k]][t] = kGoalClassCount - k;
        }
    }
    Redraw();
}

void clsTMulti::FillAll(int32_t mark) {
    for (auto& row : m_marks) {
        row.fill(mark);
    }
    Redraw();
}

int32_t clsTMulti::PopupIndex(const PopupMenu& menu) {
    m_menu.Reset();
    const MenuChoice choice = m_popup ? m_popup(menu) : MenuChoice{};
    m_menu.Choose(menu, choice);
    return m_menu.Index();
}

void clsTMulti::Redraw() const {
    if (m_redraw) {
        m_redraw();
    }
}

QString clsTMulti::HeaderText(int goalClass) {
    return QString::number(goalClass);
}

QString clsTMulti::MarkSymbol(int32_t mark) {
    return (mark >= 0 && mark < kMarkCodeCount) ? kSymbols[mark] : QString();
}

QString clsTMulti::CellText(int goalClass, int slotIndex) const {
    return MarkSymbol(m_marks[goalClass][slotIndex]);
}

CellBack clsTMulti::CellBackground(int goalClass, int slotIndex) const {
    return m_taishou[goalClass][slotIndex] ? SlotRowBack(slotIndex) : CellBack::ButtonFace;
}

} // namespace kestrel
