#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "platform/ErrorReporter.h"
#include "platform/RunControl.h"

namespace kestrel {

// Single lists as CSV files: one single per line, its six goal classes (slots 1..6) as digits
// joined by ",", CP932 text with CR LF line ends, no header. A list read from a file may repeat
// singles; they stay repeated.
//
// Progress goes to the RunControl given to the constructor (may be null); Caption() is the wait
// dialog's text of the running (or last) call.
class clsTFileCSV {
public:
    static const QString kCaptionSave;  // "CSVファイルに保存中"
    static const QString kCaptionCount; // "CSVデータ数の取得中"
    static const QString kCaptionLoad;  // "CSVファイルの読込中"
    static constexpr int kProgressStep = 1001;

    explicit clsTFileCSV(RunControl* control = nullptr);

    // Writes the list atomically. False on failure, reported under "CsvSave_Sub"; an earlier file
    // then stays as it was.
    bool CsvSave(const QString& strFileName, const std::vector<int32_t>& lngSingle);
    // Replaces the list with the file's singles. Lines with other than six fields are skipped; a
    // field that is not a goal class 0..3 fails the load (reported under "CsvLoad_Sub") and
    // leaves the list as it was.
    bool CsvLoad(const QString& strFileName, std::vector<int32_t>& lngSingle);
    // Appends the file's singles, in file order, after the list.
    bool CsvAdd(const QString& strFileName, std::vector<int32_t>& lngSingle);
    // Removes from the list, keeping the order of the rest, every single that occurs in the
    // file. An empty list stays empty without reading the file.
    bool CsvDel(const QString& strFileName, std::vector<int32_t>& lngSingle);

    // "KST-" + round as "000" + group + ".csv".
    static QString GetCsvFileName(int32_t lngKaisaikai, const QString& strKumi);
    // The round named by a file name ("KST-045.csv", "X045.csv", "045.csv"); 0 when none.
    static int32_t GetKaisaikai(const QString& strFileName);
    // "A" or "B" from a name "KST-nnnA..." (letter case ignored); empty otherwise.
    static QString GetKumi(const QString& strFileName);

    const QString& Caption() const { return m_caption; }

private:
    bool ReadSingles(const QString& strFileName, std::vector<int32_t>& lngSingle);

    RunControl* m_control = nullptr;
    QString m_caption;
    ErrorReporter m_error{QStringLiteral("clsTFileCSV")};
};

} // namespace kestrel
