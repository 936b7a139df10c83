#pragma once

#include <QWidget>

#include "results/KouseiBunsekiModel.h"
#include "ui/GridView.h"

namespace kestrel {

// The composition analysis window: the caption, the grid of counts and shares of the values 0..6
// and a bar per value, drawn from a KouseiBunsekiModel (rows of impossible values in red).
class KouseiBunsekiWindow : public QWidget, private GridModel {
    Q_OBJECT
public:
    explicit KouseiBunsekiWindow(const KouseiBunsekiModel& model, QWidget* parent = nullptr);

    // Takes the caption and the figures from the model again.
    void Reload();
    GridView* Grid() const { return m_grid; }
    // The grid's text at a 1-based row and column (the header is row 1).
    QString CellText(int row, int col) const { return Text(row, col); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int Rows() const override { return clsTKouseiBunseki::kRows + 1; }
    int Columns() const override { return 3; }
    QString Text(int row, int col) const override;
    CellBack Back(int row, int col) const override;
    CellFore Fore(int row, int col) const override;
    bool RightAligned(int row, int col) const override { return row > 1 && col > 1; }
    void PaintBars(QWidget* target) const;

    const KouseiBunsekiModel& m_model;
    GridView* m_grid = nullptr;
    QWidget* m_bars = nullptr;
};

} // namespace kestrel
