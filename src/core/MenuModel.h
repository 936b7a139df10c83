#pragma once

#include <cstdint>

#include "core/PopupMenu.h"
#include "platform/Money.h"

namespace kestrel {

// The hidden popup host of the main window as a model: its menus, and the Index and Money of the
// last choice. A widget pops up one of the menus and passes the chosen position to Choose.
//
// mnuMulti:  "キャンセル", -, "無し", "◎ 本命", ... "☆ 特注", -, "自動"   (Index 1..7, 99)
// mnuMultiT: "キャンセル", -, "全てマークを消去", "全て本命でマーク", "全て対抗でマーク", -,
//            "全て投票率順でマーク"                                       (Index 1..4)
// mnuMoney:  the amount picker                        (Index 1 最小値, 2 最大値, 3 an amount)
class MenuModel {
public:
    // Index values of the amount picker.
    static constexpr int32_t kMoneyMin = 1;
    static constexpr int32_t kMoneyMax = 2;
    static constexpr int32_t kMoneyAmount = 3;
    // Value of the "最大値" entry (the unbounded prize-range maximum).
    static constexpr int64_t kMaxAmountYen = 9'999'999'999;
    // Index of "自動" in mnuMulti.
    static constexpr int32_t kAutomatic = 99;

    MenuModel();

    // As when the form loads: Index 0, Money 0.
    void Reset();

    // Prepares mnuMulti as the left-click pen menu: first caption "左クリック動作", the last
    // separator and "自動" shown, the check on the pen's entry ("自動" when pen > 98).
    void SetMultiDefault(int32_t pen);
    // Prepares mnuMulti for one cell: first caption "マーク変更", the last separator and "自動"
    // hidden, the check on the entry of the cell's mark.
    void SetMultiOne(int32_t mark);
    // Prepares the amount picker for a prize-range box (codes 11, 12, 21, 22, 31, 32).
    void SetMoneyMenu(int32_t code);

    // Records a choice on one of the menus: Index (and Money for amounts) of the chosen entry;
    // Index 0 and Money 0 when nothing valid was chosen.
    void Choose(const PopupMenu& menu, const MenuChoice& choice);

    // What a prize-range box holds after an amount-picker choice: 0, 9,999,999,999, the amount,
    // or the current value when nothing was chosen.
    Money ApplyMoney(Money current) const;

    int32_t Index() const { return m_index; }
    Money ChosenMoney() const { return m_money; }

    PopupMenu mnuMulti;
    PopupMenu mnuMultiT;
    PopupMenu mnuMoney;

private:
    int32_t m_index = 0;
    Money m_money;
};

} // namespace kestrel
