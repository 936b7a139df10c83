#include "reduction/clsXJokenTensho.h"

namespace kestrel {

clsXJokenTensho::clsXJokenTensho() {
    Clear();
}

void clsXJokenTensho::Clear() {
    m_grid.Fill(kCellBlank);
    m_enabled = true;
}

void clsXJokenTensho::GetTensho(TenshoGrid& grid) const {
    grid = TenshoGrid();
    grid.Enabled = m_enabled;
    for (int m = 0; m < TenshoGrid::kRows; ++m) {
        for (int c = 0; c < TenshoGrid::kCols; ++c) {
            grid.Cells[static_cast<size_t>(c)][static_cast<size_t>(m)] = m_grid.Cell(m, c);
        }
    }
}

void clsXJokenTensho::SetTensho(const TenshoGrid& grid) {
    m_enabled = grid.Enabled;
    m_grid.Fill(kCellBlank);
    for (int m = 0; m < grid.UsedRows(); ++m) {
        for (int c = 0; c < grid.UsedCols(); ++c) {
            m_grid.SetCell(m, c, grid.Cells[static_cast<size_t>(c)][static_cast<size_t>(m)]);
        }
    }
}

bool clsXJokenTensho::CellClick(Button button, Keys keys, int match, int cell) {
    return m_grid.CellClick(button, keys, match, cell);
}

QString clsXJokenTensho::RowCaption(int match) {
    if (match < 0 || match >= TenshoGrid::kRows) {
        return QString();
    }
    return QString::number(2 * match + 1) + "Vs" + QString::number(2 * match + 2);
}

QString clsXJokenTensho::HeaderCaption(int headerRow) {
    if (headerRow == 0) {
        return QStringLiteral("ホーム");
    }
    return headerRow == 1 ? QStringLiteral("アウェイ") : QString();
}

QString clsXJokenTensho::HeaderCell(int headerRow, int cell) {
    if (cell < 0 || cell >= TenshoGrid::kCols || headerRow < 0 || headerRow > 1) {
        return QString();
    }
    return QString::number(headerRow == 0 ? cell / 4 : cell % 4);
}

} // namespace kestrel
