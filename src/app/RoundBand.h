#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>

#include "workflow/RoundTexts.h"

namespace kestrel {

// The top band of the main window: the round box with its up-down control (0..9999), the group
// box, the round caption and status text, the live sale countdown, the sale and result dates,
// the link to the operator's sale schedule, the official download frame with the two check boxes,
// the maker's download frame and the user-defined frame (vote rates and team names).
class RoundBand : public QWidget {
    Q_OBJECT
public:
    explicit RoundBand(QWidget* parent = nullptr);

    void ShowTexts(const RoundTexts& texts);
    // Each download button is enabled while its stored file is missing.
    void SetDownloads(bool schedule, bool vote, bool result);

    QSpinBox* RoundBox() const { return m_round; }
    QComboBox* GroupBox() const { return m_group; }
    QLabel* Caption() const { return m_caption; }
    QLabel* Status() const { return m_status; }
    QLabel* SaleStatus() const { return m_saleStatus; }
    QLabel* SaleStart() const { return m_saleStart; }
    QLabel* SaleEnd() const { return m_saleEnd; }
    QLabel* ResultDate() const { return m_resultDate; }
    QPushButton* ScheduleButton() const { return m_scheduleButton; }
    QPushButton* VoteButton() const { return m_voteButton; }
    QPushButton* ResultButton() const { return m_resultButton; }
    // "海外チーム名" in the maker's download frame.
    QPushButton* MakerButton() const { return m_makerButton; }
    // "投票率" and "海外チーム名" (adds a team name) in the frame "ユーザー定義".
    QPushButton* VoteRateButton() const { return m_voteRateButton; }
    QPushButton* TeamNameButton() const { return m_teamNameButton; }
    // "販売スケジュールを確認する"; linkActivated asks for the operator's page.
    QLabel* ScheduleLink() const { return m_scheduleLink; }
    QCheckBox* DownloadMessage() const { return m_downloadMessage; }
    QCheckBox* ResultAll() const { return m_resultAll; }

private:
    QWidget* BuildRound();
    QWidget* BuildDates();
    QWidget* BuildDownloads();
    QWidget* BuildMakerDownload();
    QWidget* BuildUserDefined();

    QSpinBox* m_round;
    QComboBox* m_group;
    QLabel* m_caption;
    QLabel* m_status;
    QLabel* m_saleStatus;
    QLabel* m_saleStart;
    QLabel* m_saleEnd;
    QLabel* m_resultDate;
    QPushButton* m_scheduleButton;
    QPushButton* m_voteButton;
    QPushButton* m_resultButton;
    QPushButton* m_makerButton;
    QPushButton* m_voteRateButton;
    QPushButton* m_teamNameButton;
    QLabel* m_scheduleLink;
    QCheckBox* m_downloadMessage;
    QCheckBox* m_resultAll;
};

} // namespace kestrel
