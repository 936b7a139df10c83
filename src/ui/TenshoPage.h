#pragma once

#include <QCheckBox>
#include <QWidget>

#include "reduction/clsXJokenTensho.h"
#include "ui/MarkGridView.h"

namespace kestrel {

// The score page: the check box and, under the header rows "ホーム" and "アウェイ", one row of 16
// score cells per match (1Vs2, 3Vs4, 5Vs6). Edits go to the clsXJokenTensho.
class TenshoPage : public QWidget {
    Q_OBJECT
public:
    explicit TenshoPage(clsXJokenTensho& model, QWidget* parent = nullptr);

    void Reload();

    QCheckBox* EnabledBox() const { return m_enabled; }
    MarkGridView* Grid() const { return m_grid; }

private:
    clsXJokenTensho& m_model;
    QCheckBox* m_enabled = nullptr;
    MarkGridView* m_grid = nullptr;
};

} // namespace kestrel
