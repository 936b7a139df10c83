#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QWidget>

#include "engines/EngineSettings.h"

namespace kestrel {

// The 圧縮 page: the compression method, the trial and optimisation engine settings and the
// extraction, as standard controls with their captions and input ranges.
class SearchSettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit SearchSettingsPage(QWidget* parent = nullptr);

    EngineSettings Settings() const;
    void SetSettings(const EngineSettings& settings);

    // Method captions by MsEngine 0..7.
    static QString MethodCaption(int method);
    static const QString kChushutsuWarning;

    QButtonGroup* Methods() const { return m_methods; }
    QSpinBox* BeginCount() const { return m_beginCount; }
    QSpinBox* EndCount() const { return m_endCount; }
    QSpinBox* EndTime() const { return m_endTime; }
    QCheckBox* ExGrade2() const { return m_exGrade2; }
    QCheckBox* ExGrade3() const { return m_exGrade3; }
    QSpinBox* SeBeginCount() const { return m_seBeginCount; }
    QSpinBox* SeEndTime() const { return m_seEndTime; }
    QCheckBox* Chushutsu() const { return m_chushutsu; }
    QSpinBox* ChushutsuCount() const { return m_chushutsuCount; }
    QComboBox* ChushutsuType() const { return m_chushutsuType; }

private:
    QWidget* BuildMethods();
    QWidget* BuildTrial();
    QWidget* BuildOptimisation();
    QWidget* BuildExtraction();
    void UpdateEnabled();

    QButtonGroup* m_methods;
    QSpinBox* m_beginCount;
    QSpinBox* m_endCount;
    QSpinBox* m_endTime;
    QCheckBox* m_exGrade2;
    QCheckBox* m_exGrade3;
    QSpinBox* m_seBeginCount;
    QSpinBox* m_seEndTime;
    QCheckBox* m_chushutsu;
    QSpinBox* m_chushutsuCount;
    QComboBox* m_chushutsuType;
};

} // namespace kestrel
