#include "app/UserVoteRateDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "ui/GridView.h"

namespace kestrel {

namespace {

const QString kOk = QStringLiteral("OK");
const QString kCancel = QStringLiteral("キャンセル");

// The character a key press hands to the key filter; a null character for keys that type
// nothing (Tab, arrows, Delete), which keep their usual meaning.
QChar TypedKey(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        return UserVoteRateModel::kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return UserVoteRateModel::kEnter;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty() || !text.front().isPrint() || (event->modifiers() & Qt::ControlModifier)) {
        return QChar();
    }
    return text.front();
}

} // namespace

UserVoteRateDialog::UserVoteRateDialog(UserVoteRateModel model, QWidget* parent)
    : QDialog(parent), m_model(std::move(model)) {
    setWindowTitle(UserVoteRateModel::kTitle);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(UserVoteRateModel::kLabel));
    layout->addWidget(BuildGrid());
    auto* row = new QHBoxLayout;
    row->addWidget(BuildScale());
    row->addStretch(1);
    auto* total = new QVBoxLayout;
    total->addWidget(new QLabel(UserVoteRateModel::kTotalCaption), 0, Qt::AlignRight);
    m_total = new QLabel;
    QFont bold = m_total->font();
    bold.setBold(true);
    m_total->setFont(bold);
    total->addWidget(m_total, 0, Qt::AlignRight);
    row->addLayout(total);
    layout->addLayout(row);
    layout->addWidget(BuildButtons());
    ShowValues();
}

QWidget* UserVoteRateDialog::BuildGrid() {
    auto* grid = new QWidget;
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int c = 0; c < kGoalClassCount; ++c) {
        layout->addWidget(new QLabel(QString::number(c)), 0, c + 1, Qt::AlignCenter);
    }
    for (int t = 0; t < kSlotCount; ++t) {
        m_rowCaptions[t] = new QLabel(m_model.TeamName(t));
        m_rowCaptions[t]->setMinimumWidth(90);
        layout->addWidget(m_rowCaptions[t], t + 1, 0);
        for (int c = 0; c < kGoalClassCount; ++c) {
            auto* box = new QLineEdit;
            box->setAlignment(Qt::AlignRight);
            box->setFixedWidth(70);
            box->setAccessibleName(m_model.TeamName(t) + QLatin1Char(' ') + QString::number(c));
            // Pasted text is held to digits as typed text is.
            box->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
            box->installEventFilter(this);
            connect(box, &QLineEdit::textEdited, this, [this, t, c](const QString& text) {
                m_model.SetText(t, c, text);
                ShowRows();
            });
            m_boxes[t][c] = box;
            layout->addWidget(box, t + 1, c + 1);
        }
    }
    return grid;
}

QWidget* UserVoteRateDialog::BuildScale() {
    auto* box = new QGroupBox;
    auto* row = new QHBoxLayout(box);
    m_scale10000 = new QRadioButton(UserVoteRateModel::kScale10000Caption);
    m_scale100 = new QRadioButton(UserVoteRateModel::kScale100Caption);
    m_scale10000->setChecked(m_model.CurrentScale() == UserVoteRateModel::Scale::Scale10000);
    m_scale100->setChecked(m_model.CurrentScale() == UserVoteRateModel::Scale::Scale100);
    row->addWidget(m_scale10000);
    row->addWidget(m_scale100);
    connect(m_scale10000, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            OnScale(UserVoteRateModel::Scale::Scale10000);
        }
    });
    connect(m_scale100, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            OnScale(UserVoteRateModel::Scale::Scale100);
        }
    });
    return box;
}

QWidget* UserVoteRateDialog::BuildButtons() {
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    m_ok = new QPushButton(kOk);
    m_cancel = new QPushButton(kCancel);
    // Enter moves between the boxes, so neither button is pressed by it.
    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    row->addStretch(1);
    row->addWidget(m_ok);
    row->addWidget(m_cancel);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    return bar;
}

bool UserVoteRateDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box != nullptr && event->type() == QEvent::KeyPress) {
        return FilterKey(box, static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(watched, event);
}

// True when the key is eaten.
bool UserVoteRateDialog::FilterKey(QLineEdit* box, QKeyEvent* event) {
    const QChar key = TypedKey(event);
    if (key.isNull()) {
        return false;
    }
    const bool wholeSelected = !box->text().isEmpty() && box->selectedText() == box->text();
    switch (m_model.Key(key, box->text(), wholeSelected)) {
    case UserVoteRateModel::KeyAction::Accept:
        return false;
    case UserVoteRateModel::KeyAction::NextBox:
        focusNextChild();
        return true;
    case UserVoteRateModel::KeyAction::Refuse:
        return true;
    }
    return true;
}

void UserVoteRateDialog::OnScale(UserVoteRateModel::Scale scale) {
    m_model.SetScale(scale);
    ShowValues();
}

void UserVoteRateDialog::ShowValues() {
    for (int t = 0; t < kSlotCount; ++t) {
        for (int c = 0; c < kGoalClassCount; ++c) {
            m_boxes[t][c]->setMaxLength(m_model.MaxDigits());
            m_boxes[t][c]->setText(m_model.Text(t, c));
        }
    }
    m_total->setText(m_model.TotalText());
    ShowRows();
}

void UserVoteRateDialog::ShowRows() {
    for (int t = 0; t < kSlotCount; ++t) {
        const QString colour = CellForeColor(m_model.RowColour(t)).name();
        const QString style = QStringLiteral("color: %1;").arg(colour);
        m_rowCaptions[t]->setStyleSheet(style);
        for (QLineEdit* box : m_boxes[t]) {
            box->setStyleSheet(style);
        }
    }
    m_ok->setEnabled(m_model.OkEnabled());
}

} // namespace kestrel
