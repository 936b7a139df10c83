#pragma once

#include <functional>

#include "ui/GridModel.h"

namespace kestrel {

// A grid model whose cells are read through functions, for the small tables of a panel that
// draw a model object's cells one to one.
class CallbackGridModel : public GridModel {
public:
    using TextFn = std::function<QString(int row, int col)>;
    using RgbFn = std::function<uint32_t(int row, int col)>;
    using ForeFn = std::function<CellFore(int row, int col)>;
    using AlignFn = std::function<bool(int row, int col)>;

    CallbackGridModel(int rows, int columns, TextFn text)
        : m_rows(rows), m_columns(columns), m_text(std::move(text)) {}

    void SetBackRgb(RgbFn rgb) { m_rgb = std::move(rgb); }
    void SetFore(ForeFn fore) { m_fore = std::move(fore); }
    void SetForeRgb(RgbFn rgb) { m_foreRgb = std::move(rgb); }
    void SetRightAligned(AlignFn align) { m_align = std::move(align); }

    int Rows() const override { return m_rows; }
    int Columns() const override { return m_columns; }
    QString Text(int row, int col) const override { return m_text(row, col); }
    // Captions (first row and first column) in button face, the rest white.
    CellBack Back(int row, int col) const override {
        return row == 1 || col == 1 ? CellBack::ButtonFace : CellBack::White;
    }
    CellFore Fore(int row, int col) const override {
        return m_fore ? m_fore(row, col) : CellFore::Black;
    }
    bool RightAligned(int row, int col) const override { return m_align && m_align(row, col); }
    uint32_t BackRgb(int row, int col) const override { return m_rgb ? m_rgb(row, col) : 0; }
    uint32_t ForeRgb(int row, int col) const override {
        return m_foreRgb ? m_foreRgb(row, col) : 0;
    }

private:
    int m_rows;
    int m_columns;
    TextFn m_text;
    RgbFn m_rgb;
    RgbFn m_foreRgb;
    ForeFn m_fore;
    AlignFn m_align;
};

} // namespace kestrel
