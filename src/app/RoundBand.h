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
// the official download frame and the two check boxes.
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
    QCheckBox* DownloadMessage() const { return m_downloadMessage; }
    QCheckBox* ResultAll() const { return m_resultAll; }

private:
    QWidget* BuildRound();
    QWidget* BuildDates();
    QWidget* BuildDownloads();
    QWidget* BuildMakerDownload();

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
    QCheckBox* m_downloadMessage;
    QCheckBox* m_resultAll;
};

} // namespace kestrel
