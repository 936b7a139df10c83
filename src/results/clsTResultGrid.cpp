#include "results/clsTResultGrid.h"

namespace kestrel {

clsTResultGrid::clsTResultGrid() {
    m_legend.fill(ResultColor::White);
    Clear();
}

void clsTResultGrid::Clear() {
    for (int j = 0; j < kColumns; ++j) {
        SetClear(j);
    }
}

void clsTResultGrid::SetClear(int column) {
    if (column < 0 || column >= kColumns) {
        return;
    }
    Column& col = m_columns[column];
    col.Blank = true;
    col.Single = GradedSingle{};
    col.Backs.fill(ResultColor::White);
    col.GradeBack = ResultColor::White;
}

void clsTResultGrid::SetValue(int column, const GradedSingle& single, const ResultHitValues& hits,
                              int32_t lngKaisaikai) {
    if (column < 0 || column >= kColumns) {
        return;
    }
    Column& col = m_columns[column];
    col.Blank = false;
    col.Single = single;
    for (int t = 0; t < kSlotCount; ++t) {
        col.Backs[t] = HitColor(hits[t][single.Classes[t] & 3]);
    }
    col.GradeBack =
        single.Grade <= m_toto.GetMaxGrade(lngKaisaikai) ? ResultColor::Green : ResultColor::White;
}

void clsTResultGrid::Refresh() const {
    if (m_redraw) {
        m_redraw();
    }
}

void clsTResultGrid::SetColorImage(int image, ResultColor colour) {
    if (image >= 0 && image < kLegendImages) {
        m_legend[image] = colour;
    }
}

QString clsTResultGrid::ClassText(int column, int t) const {
    const Column& col = m_columns[column];
    return col.Blank ? QString() : QString::number(col.Single.Classes[t]);
}

QString clsTResultGrid::GradeText(int column) const {
    const Column& col = m_columns[column];
    return col.Blank ? QString() : QString::number(col.Single.Grade);
}

ResultColor clsTResultGrid::HitColor(uint8_t hitValue) {
    switch (hitValue) {
    case 0:
        return ResultColor::Red;
    case 1:
    case 2:
        return ResultColor::Blue;
    case 3:
        return ResultColor::Yellow;
    default:
        return ResultColor::White;
    }
}

} // namespace kestrel
