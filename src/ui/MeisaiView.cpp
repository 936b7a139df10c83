#include "ui/MeisaiView.h"

namespace kestrel {

MeisaiView::MeisaiView(clsTMeisai& meisai, QWidget* parent) : GridView(parent), m_meisai(meisai) {
    SetFontPointSize(10);
    SetColumnWidths({kLabelWidth, kValueWidth});
    SetRowHeight(kRowHeight);
    SetModel(this);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("明細"));
    m_meisai.SetRedrawHandler([this] { update(); });
}

QString MeisaiView::Text(int row, int col) const {
    return col == 1 ? clsTMeisai::Caption(row) : m_meisai.ValueText(row);
}

CellBack MeisaiView::Back(int, int col) const {
    return col == 1 ? CellBack::ButtonFace : CellBack::White;
}

CellFore MeisaiView::Fore(int row, int col) const {
    return col == 1 ? CellFore::Black : m_meisai.ValueColour(row);
}

} // namespace kestrel
