#pragma once

#include <QString>
#include <array>
#include <functional>

#include "core/MenuModel.h"
#include "core/PopupMenu.h"
#include "platform/Money.h"
#include "reduction/ConditionSet.h"
#include "reduction/clsXGridB.h"

namespace kestrel {

// The payout and allowed-miss page as a model: the three prize-range boxes with their check
// boxes and amount picker, the miss mode and the grid of accepted miss counts.
class clsXJoken {
public:
    using PopupHandler = std::function<MenuChoice(const PopupMenu& menu)>;
    static constexpr int kGrades = 3;

    clsXJoken();

    void SetPopupHandler(PopupHandler handler);
    // Ticks off, minimum 0, maximum 9,999,999,999; miss mode 0 with only count 0 accepted. The
    // availability of the check boxes is the window's and is kept.
    void Clear();

    // Bounds of grade index 0..2. Typed or picked amounts are kept within 0..9,999,999,999.
    Money MinMoney(int grade) const;
    Money MaxMoney(int grade) const;
    void SetMinMoney(int grade, Money value);
    void SetMaxMoney(int grade, Money value);
    bool Flag(int grade) const;
    void SetFlag(int grade, bool value);
    bool Enabled(int grade) const;
    void SetEnabled(int grade, bool value);
    // The page's payout conditions, and restoring them from a document as they are.
    void GetHaitou(HaitouCondition& haitou) const { haitou = m_haitou; }
    void SetHaitou(const HaitouCondition& haitou) { m_haitou = haitou; }
    // "期待回収率": keep only singles whose expected return reaches the minimum (percent).
    const HaitouEvCondition& HaitouEv() const { return m_haitouEv; }
    void SetHaitouEv(const HaitouEvCondition& condition) { m_haitouEv = condition; }

    // A right click on a bound's box: the amount picker (box codes 11/12, 21/22, 31/32); an
    // amount above 9,999,999,999 is entered as 9,999,999,999. True when the box changed.
    bool MoneyBoxClick(int grade, bool maximumBox);

    int32_t MachigaiType() const { return m_machigaiType; }
    // 0, 1 or 2; other values are ignored.
    void SetMachigaiType(int32_t type);
    void GetMachigaiFlg(std::array<bool, ConditionSet::kMachigaiCount>& flags) const;
    void SetMachigaiFlg(const std::array<bool, ConditionSet::kMachigaiCount>& flags);
    bool MachigaiClick(clsXGridB::Button button, int col);
    const clsXGridB& MachigaiGrid() const { return m_machigai; }
    const MenuModel& Menu() const { return m_menu; }

    // The option texts of modes 0..2.
    static QString MachigaiTypeText(int32_t type);
    // "0".."10" and "→" over the columns of the miss grid; "条件間違い数" as its title.
    static QString MachigaiColumnCaption(int col);
    static QString MachigaiTitle();

private:
    static bool ValidGrade(int grade) { return grade >= 0 && grade < kGrades; }
    static Money Clamped(Money value);

    HaitouCondition m_haitou;
    HaitouEvCondition m_haitouEv;
    int32_t m_machigaiType = 0;
    clsXGridB m_machigai{ConditionSet::kMachigaiCount};
    MenuModel m_menu;
    PopupHandler m_popup;
};

} // namespace kestrel
