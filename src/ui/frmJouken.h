#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <vector>

#include "reduction/JoukenDialogModel.h"

namespace kestrel {

// The combination dialog of one count-grid row: one check box per base item and "OK", enabled
// only while the model allows it, and "キャンセル". The ticks go to the model as they change.
class frmJouken : public QDialog {
    Q_OBJECT
public:
    explicit frmJouken(JoukenDialogModel& model, QWidget* parent = nullptr);

    QCheckBox* Box(int item) const { return m_boxes[static_cast<size_t>(item)]; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

private:
    void SyncOk();

    JoukenDialogModel& m_model;
    std::vector<QCheckBox*> m_boxes;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace kestrel
