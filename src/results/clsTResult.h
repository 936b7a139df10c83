#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/ResultRecord.h"
#include "core/clsTCount.h"
#include "core/clsTNumber.h"
#include "platform/ErrorReporter.h"
#include "platform/ProgramPaths.h"
#include "platform/RunControl.h"
#include "results/clsTMultiResult.h"
#include "results/clsTResultGrade.h"
#include "results/clsTResultGrid.h"
#include "results/clsTResultKakutei.h"

namespace kestrel {

// The results panel: grades the single list against the official result of the round (revealed
// team by team or all at once) or against goal classes the user marks by hand, counts the
// singles per grade, pages through them ten at a time and shows the confirmed payouts once every
// team is officially decided. Hand-entered marks of a round without official result are kept in
// SysData/Temp/Kestrel_Result_NNN[_G].dat (saved from round 163 on).
class clsTResult {
public:
    static constexpr int kPageSize = 10;
    // From this many singles on, SetSingle reports its progress.
    static constexpr int kProgressFrom = 10001;
    static constexpr int kProgressStep = 1001;
    // Hand-entered marks are saved from this round on.
    static constexpr int32_t kSaveTempFrom = 163;

    explicit clsTResult(ProgramPaths paths);

    // Binds the panel to the count panel it feeds (may be null) and colours the legend images
    // 0..3 blue, yellow, red and green.
    void Initialize(clsTCount* summary = nullptr);
    void SetRedrawHandler(std::function<void()> handler) { m_redraw = std::move(handler); }
    // Caption of the progress shown while a large list is taken in.
    static QString AnalysisMessage() { return QStringLiteral("シングル構成の解析中"); }

    // Stores the round, group and result record, resets the reveal counter and rebuilds the
    // marks revealing no team (all six when blnShowAll).
    void SetResultData(int32_t lngKaisaikai, const QString& strKumi, const ResultRecord& result,
                       bool blnShowAll);
    // Takes a new single list and grades it; a list of kProgressFrom singles or more reports its
    // progress (0..count - 1 every kProgressStep singles) through the control. False (after a
    // report) when a number is outside 0..4095; the panel then holds an empty list.
    bool SetSingle(const std::vector<int32_t>& lngSingle, const RunControl* control = nullptr);
    // Reveals one more team / all teams and regrades.
    void SetNextData();
    void SetAlltData();
    bool FullResult() const { return m_reveal == kSlotCount; }
    // Reorders the list by the grades of the last grading; false (after "シングル数が一致しません")
    // when its count differs from the graded list.
    bool GradeSort(std::vector<int32_t>& lngSingle, bool blnAscending);
    // The mark grid's popup command (0 = "中止") for the row last right-clicked.
    void SetPopup(int index);
    // The user's clicks on the mark grid.
    void MarkLeftClick(int t, int c);
    QStringList MarkRightClick(int t);
    // Empties the list, the marks, the page, the grade table and the confirmed payouts, and
    // resets the reveal counter.
    void Clear();

    // Paging.
    void PrevPage();
    void NextPage();
    int Page() const { return m_page; }
    int LastPage() const { return m_lastPage; }
    QString PageLabel() const;
    bool PrevEnabled() const { return m_page > 0; }
    bool NextEnabled() const { return m_page < m_lastPage; }

    bool HasOfficialResult() const { return m_result.Kaisaikai > 0; }
    int RevealCount() const { return m_reveal; }
    int32_t Kaisaikai() const { return m_kaisaikai; }
    int64_t SingleCount() const { return static_cast<int64_t>(m_singles.size()); }
    QString SingleCountText() const;
    const GradeCounts& Counts() const { return m_counts; }
    uint8_t GradeAt(size_t index) const { return m_grades[index]; }
    const ResultHitValues& HitValues() const { return m_hits; }
    const ResultMarks& Marks() const { return m_multi.Value(); }

    const clsTResultGrade& GradeTable() const { return m_grade; }
    const clsTResultKakutei& KakuteiTable() const { return m_kakutei; }
    const clsTResultGrid& PageGrid() const { return m_grid; }
    const clsTMultiResult& MarkGrid() const { return m_multi; }

    // Path of the hand-entered result file of the current round; empty when the group text
    // cannot be part of a file name.
    QString ResultTempPath() const;
    static QString ResultTempPath(const ProgramPaths& paths, int32_t lngKaisaikai,
                                  const QString& strKumi);

    // True when the round's hand-entered result file was there but could not be read whole (the
    // grading then rests on part of it).
    bool ResultTempFailed() const { return !m_tempFailedPath.isEmpty(); }

private:
    enum class Reveal { None, Next, All };

    void Rebuild(Reveal mode);
    void LoadResultTemp(const QString& path, ResultMarks& marks) const;
    void SaveResultTemp() const;
    void OnMarkChange(bool click);
    void Grade(bool payouts);
    void BuildHits();
    void ShowPage(int page);
    bool AllTeamsOfficial() const;

    ProgramPaths m_paths;
    bool m_initialized = false;
    clsTCount* m_summary = nullptr;
    std::function<void()> m_redraw;

    int32_t m_kaisaikai = 0;
    QString m_kumi;
    ResultRecord m_result;
    int m_reveal = 0;

    std::vector<int32_t> m_singles;
    std::vector<uint8_t> m_grades;
    GradeCounts m_counts{};
    ResultHitValues m_hits{};
    std::array<uint8_t, kSingleCount> m_gradeOf{};
    int m_page = 0;
    int m_lastPage = 0;

    clsTMultiResult m_multi;
    clsTResultGrade m_grade;
    clsTResultKakutei m_kakutei;
    clsTResultGrid m_grid;
    ErrorReporter m_error;
    // The hand-entered result file whose read failed since the round was set; it is reported
    // once, not on every rebuild of the marks.
    mutable QString m_tempFailedPath;
};

} // namespace kestrel
