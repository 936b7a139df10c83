#include "app/PlayerOddsDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "ui/GridView.h"

namespace kestrel {

namespace {

const QString kOk = QStringLiteral("OK");
const QString kCancel = QStringLiteral("キャンセル");
const char* const kClassCaptions[kGoalClassCount] = {"0点", "1点", "2点", "3点以上"};

} // namespace

PlayerOddsDialog::PlayerOddsDialog(PlayerOddsModel model, VoteRecord vote, QWidget* parent)
    : QDialog(parent), m_model(std::move(model)), m_vote(std::move(vote)) {
    setWindowTitle(PlayerOddsModel::kTitle);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(PlayerOddsModel::kLabel));
    layout->addWidget(BuildGrid());
    layout->addWidget(BuildButtons());
    ShowValues();
}

QWidget* PlayerOddsDialog::BuildGrid() {
    auto* grid = new QWidget;
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int c = 0; c < kGoalClassCount; ++c) {
        layout->addWidget(new QLabel(QString::fromUtf8(kClassCaptions[c])), 0, c + 1,
                          Qt::AlignCenter);
    }
    layout->addWidget(new QLabel(PlayerOddsModel::kSumCaption), 0, kGoalClassCount + 1,
                      Qt::AlignCenter);
    for (int t = 0; t < kSlotCount; ++t) {
        m_captions[t] = new QLabel(QString::number(t + 1) + QLatin1Char(' ') + m_model.TeamName(t));
        m_captions[t]->setMinimumWidth(130);
        layout->addWidget(m_captions[t], t + 1, 0);
        for (int c = 0; c < kGoalClassCount; ++c) {
            auto* box = new QLineEdit;
            box->setAlignment(Qt::AlignRight);
            box->setFixedWidth(70);
            box->setAccessibleName(m_captions[t]->text() + QLatin1Char(' ') +
                                   QString::fromUtf8(kClassCaptions[c]));
            box->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]{0,3}(\\.[0-9]{0,2})?")), box));
            connect(box, &QLineEdit::textEdited, this, [this, t, c](const QString& text) {
                m_model.SetText(t, c, text);
                ShowRows();
            });
            m_boxes[t][c] = box;
            layout->addWidget(box, t + 1, c + 1);
        }
        m_sums[t] = new QLabel;
        m_sums[t]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_sums[t]->setMinimumWidth(60);
        layout->addWidget(m_sums[t], t + 1, kGoalClassCount + 1);
    }
    return grid;
}

QWidget* PlayerOddsDialog::BuildButtons() {
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    m_fromVote = new QPushButton(PlayerOddsModel::kFromVoteText);
    m_ok = new QPushButton(kOk);
    m_cancel = new QPushButton(kCancel);
    m_fromVote->setAutoDefault(false);
    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    row->addWidget(m_fromVote);
    row->addStretch(1);
    row->addWidget(m_ok);
    row->addWidget(m_cancel);
    connect(m_fromVote, &QPushButton::clicked, this, [this] {
        m_model.FillFromVote(m_vote);
        ShowValues();
    });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    return bar;
}

void PlayerOddsDialog::ShowValues() {
    for (int t = 0; t < kSlotCount; ++t) {
        for (int c = 0; c < kGoalClassCount; ++c) {
            m_boxes[t][c]->setText(m_model.Text(t, c));
        }
    }
    ShowRows();
}

void PlayerOddsDialog::ShowRows() {
    for (int t = 0; t < kSlotCount; ++t) {
        const QString style =
            QStringLiteral("color: %1;").arg(CellForeColor(m_model.RowColour(t)).name());
        m_captions[t]->setStyleSheet(style);
        m_sums[t]->setStyleSheet(style);
        m_sums[t]->setText(m_model.RowSumText(t) + QStringLiteral("%"));
        for (QLineEdit* box : m_boxes[t]) {
            box->setStyleSheet(style);
        }
    }
    m_ok->setEnabled(m_model.OkEnabled());
}

} // namespace kestrel
