#include "reduction/clsXJoken.h"

#include <algorithm>
#include <vector>

namespace kestrel {

namespace {

const char* const kMachigaiTypes[] = {"条件間違い補正を行わない",
                                      "下の条件間違い数の買い目を取得する",
                                      "下の条件間違い数の場合は、許容△の買い目を拡張する"};

} // namespace

clsXJoken::clsXJoken() {
    Clear();
}

void clsXJoken::SetPopupHandler(PopupHandler handler) {
    m_popup = handler;
    m_machigai.SetPopupHandler(std::move(handler));
}

void clsXJoken::Clear() {
    const ConditionSet defaults;
    const auto enabled = m_haitou.Enabled;
    m_haitou = defaults.Haitou;
    m_haitou.Enabled = enabled;
    m_haitouEv = defaults.HaitouEv;
    m_machigaiType = defaults.MachigaiType;
    SetMachigaiFlg(defaults.MachigaiList);
}

Money clsXJoken::Clamped(Money value) {
    return std::clamp(value, Money(), Money::FromInt(ConditionSet::kMaxYen));
}

Money clsXJoken::MinMoney(int grade) const {
    return ValidGrade(grade) ? m_haitou.Min[static_cast<size_t>(grade)] : Money();
}

Money clsXJoken::MaxMoney(int grade) const {
    return ValidGrade(grade) ? m_haitou.Max[static_cast<size_t>(grade)] : Money();
}

void clsXJoken::SetMinMoney(int grade, Money value) {
    if (ValidGrade(grade)) {
        m_haitou.Min[static_cast<size_t>(grade)] = Clamped(value);
    }
}

void clsXJoken::SetMaxMoney(int grade, Money value) {
    if (ValidGrade(grade)) {
        m_haitou.Max[static_cast<size_t>(grade)] = Clamped(value);
    }
}

bool clsXJoken::Flag(int grade) const {
    return ValidGrade(grade) && m_haitou.Flag[static_cast<size_t>(grade)];
}

void clsXJoken::SetFlag(int grade, bool value) {
    if (ValidGrade(grade)) {
        m_haitou.Flag[static_cast<size_t>(grade)] = value;
    }
}

bool clsXJoken::Enabled(int grade) const {
    return ValidGrade(grade) && m_haitou.Enabled[static_cast<size_t>(grade)];
}

void clsXJoken::SetEnabled(int grade, bool value) {
    if (ValidGrade(grade)) {
        m_haitou.Enabled[static_cast<size_t>(grade)] = value;
    }
}

bool clsXJoken::MoneyBoxClick(int grade, bool maximumBox) {
    if (!ValidGrade(grade) || !m_popup) {
        return false;
    }
    const int32_t code = (grade + 1) * 10 + (maximumBox ? 2 : 1);
    m_menu.Reset();
    m_menu.SetMoneyMenu(code);
    m_menu.Choose(m_menu.mnuMoney, m_popup(m_menu.mnuMoney));
    const Money current = maximumBox ? MaxMoney(grade) : MinMoney(grade);
    const Money chosen = Clamped(m_menu.ApplyMoney(current));
    if (chosen == current) {
        return false;
    }
    if (maximumBox) {
        SetMaxMoney(grade, chosen);
    } else {
        SetMinMoney(grade, chosen);
    }
    return true;
}

void clsXJoken::SetMachigaiType(int32_t type) {
    if (type >= 0 && type <= 2) {
        m_machigaiType = type;
    }
}

void clsXJoken::GetMachigaiFlg(std::array<bool, ConditionSet::kMachigaiCount>& flags) const {
    for (int n = 0; n < ConditionSet::kMachigaiCount; ++n) {
        flags[static_cast<size_t>(n)] = m_machigai.Flag(n);
    }
}

void clsXJoken::SetMachigaiFlg(const std::array<bool, ConditionSet::kMachigaiCount>& flags) {
    m_machigai.SetMultiFlg(std::vector<bool>(flags.begin(), flags.end()));
}

bool clsXJoken::MachigaiClick(clsXGridB::Button button, int col) {
    return m_machigai.Click(button, col);
}

QString clsXJoken::MachigaiTypeText(int32_t type) {
    if (type < 0 || type > 2) {
        return QString();
    }
    return QString::fromUtf8(kMachigaiTypes[type]);
}

QString clsXJoken::MachigaiColumnCaption(int col) {
    if (col == ConditionSet::kMachigaiCount - 1) {
        return QStringLiteral("→");
    }
    return (col >= 0 && col < ConditionSet::kMachigaiCount) ? QString::number(col) : QString();
}

QString clsXJoken::MachigaiTitle() {
    return QStringLiteral("条件間違い数");
}

} // namespace kestrel
