#include "ui/frmJouken.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kestrel {

frmJouken::frmJouken(JoukenDialogModel& model, QWidget* parent) : QDialog(parent), m_model(model) {
    setWindowTitle(QStringLiteral("複合条件設定"));
    auto* layout = new QVBoxLayout(this);
    for (int item = 0; item < m_model.Count(); ++item) {
        auto* box = new QCheckBox(m_model.Caption(item));
        box->setChecked(m_model.Checked(item));
        connect(box, &QCheckBox::toggled, this, [this, item](bool on) {
            m_model.SetChecked(item, on);
            SyncOk();
        });
        m_boxes.push_back(box);
        layout->addWidget(box);
    }
    m_ok = new QPushButton(QStringLiteral("OK"));
    m_cancel = new QPushButton(QStringLiteral("キャンセル"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    SyncOk();
}

void frmJouken::SyncOk() {
    m_ok->setEnabled(m_model.OkEnabled());
}

} // namespace kestrel
