#include "app/RoundBand.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "workflow/clsTMain.h"

namespace kestrel {

namespace {

QLabel* NewLabel(int points, bool bold) {
    auto* label = new QLabel;
    QFont f = label->font();
    f.setPointSize(points);
    f.setBold(bold);
    label->setFont(f);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

RoundBand::RoundBand(QWidget* parent)
    : QWidget(parent), m_round(new QSpinBox), m_group(new QComboBox), m_caption(NewLabel(15, true)),
      m_status(NewLabel(10, false)), m_saleStatus(NewLabel(12, true)),
      m_saleStart(NewLabel(10, false)), m_saleEnd(NewLabel(10, false)),
      m_resultDate(NewLabel(10, false)),
      m_scheduleButton(new QPushButton(QStringLiteral("開催情報"))),
      m_voteButton(new QPushButton(QStringLiteral("投票状況"))),
      m_resultButton(new QPushButton(QStringLiteral("くじ結果"))),
      m_makerButton(new QPushButton(QStringLiteral("海外チーム名"))),
      m_voteRateButton(new QPushButton(QStringLiteral("投票率"))),
      m_teamNameButton(new QPushButton(QStringLiteral("海外チーム名"))),
      m_scheduleLink(
          new QLabel(QStringLiteral("<a href=\"schedule\">販売スケジュールを確認する</a>"))),
      m_downloadMessage(new QCheckBox(QStringLiteral("ダウンロード時に確認"))),
      m_resultAll(new QCheckBox(QStringLiteral("常に全ての結果を表示する"))) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(BuildRound());
    layout->addWidget(BuildDates(), 1);
    layout->addWidget(BuildDownloads());
    layout->addWidget(BuildMakerDownload());
    layout->addWidget(BuildUserDefined());
    m_saleStatus->setStyleSheet(QStringLiteral("color: #b00000;"));
}

QWidget* RoundBand::BuildRound() {
    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("開催回"));
    label->setBuddy(m_round);
    m_round->setRange(clsTMain::kMinKaisaikai, clsTMain::kMaxKaisaikai);
    m_round->setAlignment(Qt::AlignRight);
    m_round->setMinimumWidth(80);
    m_round->setAccessibleName(QStringLiteral("開催回"));
    m_group->addItems(clsTMain::kKumiNames);
    m_group->setAccessibleName(QStringLiteral("組"));
    row->addWidget(label);
    row->addWidget(m_round);
    row->addWidget(m_group);
    row->addWidget(m_caption);
    row->addStretch(1);
    column->addLayout(row);
    column->addWidget(m_status);
    column->addWidget(m_saleStatus);
    return box;
}

QWidget* RoundBand::BuildDates() {
    auto* box = new QGroupBox(QStringLiteral("販売スケジュール"));
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("販売開始："), m_saleStart);
    form->addRow(QStringLiteral("販売締切："), m_saleEnd);
    form->addRow(QStringLiteral("結果発表："), m_resultDate);
    // The window opens the page itself, through its replaceable opener.
    m_scheduleLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                            Qt::LinksAccessibleByKeyboard);
    m_scheduleLink->setOpenExternalLinks(false);
    form->addRow(m_scheduleLink);
    return box;
}

QWidget* RoundBand::BuildDownloads() {
    auto* box = new QGroupBox(QStringLiteral("オフィシャルサイトよりダウンロード"));
    auto* column = new QVBoxLayout(box);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_scheduleButton);
    buttons->addWidget(m_voteButton);
    buttons->addWidget(m_resultButton);
    column->addLayout(buttons);
    column->addWidget(m_downloadMessage);
    column->addWidget(m_resultAll);
    return box;
}

QWidget* RoundBand::BuildMakerDownload() {
    auto* box = new QGroupBox(QStringLiteral("Fernhollowよりダウンロード"));
    auto* column = new QVBoxLayout(box);
    column->addWidget(m_makerButton);
    column->addStretch(1);
    return box;
}

QWidget* RoundBand::BuildUserDefined() {
    auto* box = new QGroupBox(QStringLiteral("ユーザー定義"));
    auto* column = new QVBoxLayout(box);
    column->addWidget(m_voteRateButton);
    column->addWidget(m_teamNameButton);
    column->addStretch(1);
    return box;
}

void RoundBand::ShowTexts(const RoundTexts& texts) {
    m_caption->setText(texts.Caption);
    m_status->setText(texts.Status);
    m_saleStatus->setText(texts.SaleStatus);
    m_saleStatus->setVisible(texts.SaleStatusVisible);
    m_saleStart->setText(texts.SaleStart);
    m_saleEnd->setText(texts.SaleEnd);
    m_resultDate->setText(texts.ResultDate);
}

void RoundBand::SetDownloads(bool schedule, bool vote, bool result) {
    m_scheduleButton->setEnabled(schedule);
    m_voteButton->setEnabled(vote);
    m_resultButton->setEnabled(result);
}

} // namespace kestrel
