#pragma once

#include "core/clsTMeisai.h"
#include "ui/GridView.h"

namespace kestrel {

// The summary panel: paints the 14 caption and value rows of a clsTMeisai, values right-aligned
// in the model's colours.
class MeisaiView : public GridView, private GridModel {
    Q_OBJECT
public:
    static constexpr int kLabelWidth = 90;
    static constexpr int kValueWidth = 90;
    static constexpr int kRowHeight = 21;

    explicit MeisaiView(clsTMeisai& meisai, QWidget* parent = nullptr);

private:
    int Rows() const override { return clsTMeisai::kRows; }
    int Columns() const override { return clsTMeisai::kColumns; }
    QString Text(int row, int col) const override;
    CellBack Back(int row, int col) const override;
    CellFore Fore(int row, int col) const override;
    bool RightAligned(int, int col) const override { return col == 2; }

    clsTMeisai& m_meisai;
};

} // namespace kestrel
