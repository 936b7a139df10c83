#pragma once

#include <QString>

#include "platform/ErrorReporter.h"
#include "platform/RunControl.h"
#include "documents/DocumentRecord.h"
#include "documents/TpdParseError.h"

namespace kestrel {

// Reads and writes the two document files: the data file (.tpd, the whole document) and the
// condition file (.tpj, the condition set alone). Holds no document between calls.
//
// Progress goes to the RunControl given to the constructor (may be null): Progress(value,
// maximum) with the single count as maximum, every 1001 singles and once at the end. Caption()
// is the wait dialog's text a host shows while the call runs.
class clsTFileTPD {
public:
    // Wait-dialog texts.
    static const QString kCaptionSaveTpd; // "TPDファイルに保存中"
    static const QString kCaptionSaveTpj; // "TPJファイルに保存中"
    static const QString kCaptionLoad;    // "TPDファイルの読込中"
    // What the document commands show when DataTypeCheck or Load fails.
    static const QString kWrongTypeText;  // "Kestrel" + "のファイルではありません。"
    static const QString kWrongTypeTitle; // "ファイルタイプ警告"
    static const QString kLoadFailedText; // "ファイルの読込に失敗しました。"
    // Largest "SingleCount" a load accepts.
    static constexpr int32_t kMaxSingleCount = 1'000'000;
    // Files of this data version and later carry their own vote block.
    static constexpr int32_t kFirstVoteBlockVersion = 5;

    explicit clsTFileTPD(RunControl* control = nullptr);

    // Writes the document as a data file (blnData) or its conditions as a condition file,
    // atomically: a failed save leaves any earlier file as it was. False on failure, reported
    // under "Save" when blnReport is set.
    bool Save(const QString& strFileName, bool blnData, const DocumentRecord& document,
              bool blnReport = true);
    // Reads the file into the document: keys missing from the file keep the document's values.
    // Works on a copy: on failure (reported under "Load") the document is unchanged.
    bool Load(const QString& strFileName, DocumentRecord& document);
    // True when the file is a Kestrel data file (blnData) or condition file; dataVersion
    // receives the "DataVersion" value (0 when absent). Read failures are reported under
    // "DataTypeCheck"; a file of another kind returns false without a report.
    bool DataTypeCheck(const QString& strFileName, bool blnData, int32_t& dataVersion);

    // The header check of DataTypeCheck on a text already read: false with error set when the
    // text has fewer than eight lines or an unreadable "DataVersion"; otherwise whether both the
    // "Software" and the "DataType" line match.
    static bool CheckHeader(const QString& text, bool blnData, int32_t& dataVersion,
                            TpdParseError& error);
    // The text a save writes, without touching the disk.
    static QString BuildText(bool blnData, const DocumentRecord& document,
                             const RunControl* control = nullptr);
    // Parses document text into the document (unchanged on failure, the reason in error).
    // Does not report; Load does.
    static bool ParseText(const QString& text, DocumentRecord& document,
                          TpdParseError* error = nullptr, const RunControl* control = nullptr);

    // The wait-dialog text of the running (or last) call.
    const QString& Caption() const { return m_caption; }
    // Why the last Load or DataTypeCheck failed.
    const TpdParseError& LastError() const { return m_lastError; }

private:
    void ReportError(const QString& procedure, const TpdParseError& error);
    bool ReadFile(const QString& procedure, const QString& strFileName, QString& text);

    RunControl* m_control = nullptr;
    QString m_caption;
    TpdParseError m_lastError;
    ErrorReporter m_error{QStringLiteral("clsTFileTPD")};
};

} // namespace kestrel
