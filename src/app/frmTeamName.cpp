#include "app/frmTeamName.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kestrel {

namespace {

const QString kTitle = QStringLiteral("チーム名追加");

} // namespace

frmTeamName::frmTeamName(clsTotoData& data, QWidget* parent)
    : QDialog(parent), m_model(data), m_abbreviation(new QLineEdit), m_name(new QLineEdit),
      m_add(new QPushButton(QStringLiteral("追加"))),
      m_cancel(new QPushButton(QStringLiteral("キャンセル"))) {
    setWindowTitle(kTitle);
    m_model.Open();
    m_abbreviation->setText(m_model.Abbreviation);
    m_name->setText(m_model.Name);
    m_name->setMinimumWidth(260);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("略称"), m_abbreviation);
    form->addRow(QStringLiteral("名称"), m_name);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_add);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    m_add->setDefault(true);
    connect(m_add, &QPushButton::clicked, this, &frmTeamName::OnAdd);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmTeamName::OnAdd() {
    m_model.Abbreviation = m_abbreviation->text();
    m_model.Name = m_name->text();
    if (m_model.Add()) {
        accept();
    }
}

} // namespace kestrel
