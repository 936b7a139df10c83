#include "core/MenuModel.h"

#include <array>

namespace kestrel {

namespace {

const QString kCancel = QStringLiteral("キャンセル");
const QString kPenCaption = QStringLiteral("左クリック動作");
const QString kOneCaption = QStringLiteral("マーク変更");
const QString kAuto = QStringLiteral("自動");
const QString kMin = QStringLiteral("最小値");
const QString kMax = QStringLiteral("最大値");

// Positions in mnuMulti.
constexpr int kMultiFirst = 0;
constexpr int kMultiMarks = 2; // "無し" .. "☆ 特注" at 2..8
constexpr int kMultiLastSeparator = 9;
constexpr int kMultiAuto = 10;

PopupMenuItem Entry(const QString& caption, int32_t index) {
    PopupMenuItem item;
    item.Caption = caption;
    item.Index = index;
    return item;
}

PopupMenuItem Separator() {
    PopupMenuItem item;
    item.Separator = true;
    return item;
}

// Caption of a preset amount: "100円", "1万円", "10億円".
QString AmountCaption(int64_t yen) {
    if (yen >= 100'000'000) {
        return QString::number(yen / 100'000'000) + QStringLiteral("億円");
    }
    if (yen >= 10'000) {
        return QString::number(yen / 10'000) + QStringLiteral("万円");
    }
    return QString::number(yen) + QStringLiteral("円");
}

PopupMenuItem AmountGroup(const QString& caption, int64_t unit) {
    PopupMenuItem group = Entry(caption, 0);
    for (int k = 1; k <= 10; ++k) {
        PopupMenuItem amount = Entry(AmountCaption(k * unit), MenuModel::kMoneyAmount);
        amount.Amount = Money::FromInt(k * unit);
        group.Items.push_back(amount);
    }
    return group;
}

PopupMenu BuildMulti() {
    PopupMenu menu;
    menu.Name = QStringLiteral("mnuMulti");
    const std::array<QString, 7> marks{QStringLiteral("無し"),   QStringLiteral("◎ 本命"),
                                       QStringLiteral("○ 対抗"), QStringLiteral("▲ 穴"),
                                       QStringLiteral("△ 大穴"), QStringLiteral("× 注意"),
                                       QStringLiteral("☆ 特注")};
    menu.Items.push_back(Entry(kCancel, 0));
    menu.Items.push_back(Separator());
    for (int i = 0; i < 7; ++i) {
        menu.Items.push_back(Entry(marks[i], i + 1));
    }
    menu.Items.push_back(Separator());
    menu.Items.push_back(Entry(kAuto, MenuModel::kAutomatic));
    return menu;
}

PopupMenu BuildMultiT() {
    PopupMenu menu;
    menu.Name = QStringLiteral("mnuMultiT");
    menu.Items.push_back(Entry(kCancel, 0));
    menu.Items.push_back(Separator());
    menu.Items.push_back(Entry(QStringLiteral("全てマークを消去"), 1));
    menu.Items.push_back(Entry(QStringLiteral("全て本命でマーク"), 2));
    menu.Items.push_back(Entry(QStringLiteral("全て対抗でマーク"), 3));
    menu.Items.push_back(Separator());
    menu.Items.push_back(Entry(QStringLiteral("全て投票率順でマーク"), 4));
    return menu;
}

PopupMenu BuildMoney() {
    PopupMenu menu;
    menu.Name = QStringLiteral("mnuMoney");
    menu.Items.push_back(Entry(kCancel, 0));
    menu.Items.push_back(Separator());
    menu.Items.push_back(AmountGroup(QStringLiteral("100 ～ 1000円"), 100));
    menu.Items.push_back(AmountGroup(QStringLiteral("1000 ～ 1万円"), 1'000));
    menu.Items.push_back(Separator());
    menu.Items.push_back(AmountGroup(QStringLiteral("1 ～ 10万円"), 10'000));
    menu.Items.push_back(AmountGroup(QStringLiteral("10 ～ 100万円"), 100'000));
    menu.Items.push_back(AmountGroup(QStringLiteral("100 ～ 1000万円"), 1'000'000));
    menu.Items.push_back(AmountGroup(QStringLiteral("1000万 ～ 1億円"), 10'000'000));
    menu.Items.push_back(Separator());
    menu.Items.push_back(AmountGroup(QStringLiteral("1 ～ 10億円"), 100'000'000));
    menu.Items.push_back(AmountGroup(QStringLiteral("10 ～ 100億円"), 1'000'000'000));
    menu.Items.push_back(Separator());
    PopupMenuItem min = Entry(kMin, MenuModel::kMoneyMin);
    PopupMenuItem max = Entry(kMax, MenuModel::kMoneyMax);
    max.Amount = Money::FromInt(MenuModel::kMaxAmountYen);
    menu.Items.push_back(min);
    menu.Items.push_back(max);
    return menu;
}

void Hide(PopupMenu& menu, const QString& caption) {
    const int i = menu.Find(caption);
    if (i >= 0) {
        menu.Items[i].Visible = false;
    }
}

} // namespace

MenuModel::MenuModel() : mnuMulti(BuildMulti()), mnuMultiT(BuildMultiT()), mnuMoney(BuildMoney()) {}

void MenuModel::Reset() {
    m_index = 0;
    m_money = Money();
}

void MenuModel::SetMultiDefault(int32_t pen) {
    mnuMulti.Items[kMultiFirst].Caption = kPenCaption;
    mnuMulti.Items[kMultiLastSeparator].Visible = true;
    mnuMulti.Items[kMultiAuto].Visible = true;
    for (auto& item : mnuMulti.Items) {
        item.Checked = false;
    }
    if (pen > 98) {
        mnuMulti.Items[kMultiAuto].Checked = true;
    } else if (pen >= 0 && pen < 7) {
        mnuMulti.Items[kMultiMarks + pen].Checked = true;
    }
}

void MenuModel::SetMultiOne(int32_t mark) {
    mnuMulti.Items[kMultiFirst].Caption = kOneCaption;
    mnuMulti.Items[kMultiLastSeparator].Visible = false;
    mnuMulti.Items[kMultiAuto].Visible = false;
    for (auto& item : mnuMulti.Items) {
        item.Checked = false;
    }
    if (mark >= 0 && mark < 7) {
        mnuMulti.Items[kMultiMarks + mark].Checked = true;
    }
}

void MenuModel::SetMoneyMenu(int32_t code) {
    for (auto& item : mnuMoney.Items) {
        item.Visible = true;
    }
    if (code == 11 || code == 12) {
        Hide(mnuMoney, QStringLiteral("100 ～ 1000円"));
        Hide(mnuMoney, QStringLiteral("10 ～ 100億円"));
    } else if (code == 21 || code == 22) {
        const int first = mnuMoney.Find(QStringLiteral("1 ～ 10億円"));
        mnuMoney.Items[first - 1].Visible = false; // the separator before them
        Hide(mnuMoney, QStringLiteral("1 ～ 10億円"));
        Hide(mnuMoney, QStringLiteral("10 ～ 100億円"));
    }
    if (code % 10 == 1) {
        Hide(mnuMoney, kMax);
    } else if (code % 10 == 2) {
        Hide(mnuMoney, kMin);
    }
}

void MenuModel::Choose(const PopupMenu& menu, const MenuChoice& choice) {
    const PopupMenuItem* item = menu.Chosen(choice);
    m_index = item ? item->Index : 0;
    m_money = item ? item->Amount : Money();
}

Money MenuModel::ApplyMoney(Money current) const {
    switch (m_index) {
    case kMoneyMin:
        return Money();
    case kMoneyMax:
        return Money::FromInt(kMaxAmountYen);
    case kMoneyAmount:
        return m_money;
    default:
        return current;
    }
}

} // namespace kestrel
