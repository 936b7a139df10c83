#include "ui/TenshoPage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kestrel {

TenshoPage::TenshoPage(clsXJokenTensho& model, QWidget* parent) : QWidget(parent), m_model(model) {
    m_enabled = new QCheckBox(QStringLiteral("下の×と△マークを削除する"));
    m_grid = new MarkGridView(
        m_model.Grid(),
        [this](clsXGridM::Button button, clsXGridM::Keys keys, int match, int cell) {
            return m_model.CellClick(button, keys, match, cell);
        },
        [this](clsXGridM::Button button) { return m_model.HeaderClick(button); }, 2,
        [](int h, int c) {
            return c < 0 ? clsXJokenTensho::HeaderCaption(h) : clsXJokenTensho::HeaderCell(h, c);
        },
        [](int m) { return clsXJokenTensho::RowCaption(m); }, 80);
    m_grid->setAccessibleName(QStringLiteral("単独"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_enabled);
    layout->addWidget(new QLabel(QStringLiteral("単独")));
    layout->addWidget(m_grid);
    layout->addStretch(1);
    connect(m_enabled, &QCheckBox::toggled, this, [this](bool on) { m_model.SetEnabled(on); });
    Reload();
}

void TenshoPage::Reload() {
    const QSignalBlocker block(m_enabled);
    m_enabled->setChecked(m_model.Enabled());
    m_grid->update();
}

} // namespace kestrel
