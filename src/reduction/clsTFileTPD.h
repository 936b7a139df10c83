#pragma once

#include <QString>
#include <QStringList>

#include "platform/ErrorReporter.h"
#include "platform/RunControl.h"
#include "reduction/DocumentRecord.h"

namespace kestrel {

// Reads and writes the two document files: the data file (.tpd, the whole document) and the
// condition file (.tpj, the condition set alone). Holds no document between calls.
//
// Progress goes to the RunControl given to the constructor (may be null): Progress(value,
// maximum) every 1001 singles and once at the end; Caption() is the wait dialog's text a host
// shows while the call runs.
class clsTFileTPD {
public:
    // Wait-dialog texts.
    static const QString kCaptionSaveTpd; // "TPDファイルに保存中"
    static const QString kCaptionSaveTpj; // "TPJファイルに保存中"
    static const QString kCaptionLoad;    // "TPDファイルの読込中"
    // The limit on "SingleCount" a load accepts.
    static constexpr int32_t kMaxSingleCount = 1'000'000;
    // Progress step of the single list.
    static constexpr int kProgressStep = 1001;

    explicit clsTFileTPD(RunControl* control = nullptr);

    // Writes the document as a data file (blnData) or its conditions as a condition file,
    // atomically. False on failure, reported under "Save" when blnReport is set.
    bool Save(const QString& strFileName, bool blnData, const DocumentRecord& document,
              bool blnReport = true);
    // Reads the file into the document: keys missing from the file keep the document's values.
    // Works on a copy: on failure (reported under "Load") the document is unchanged.
    bool Load(const QString& strFileName, DocumentRecord& document);
    // True when the file is a Kestrel data file (blnData) or condition file; dataVersion
    // receives the "DataVersion" value (0 when absent). Failures reported under "DataTypeCheck".
    bool DataTypeCheck(const QString& strFileName, bool blnData, int32_t& dataVersion);

    // The text a save writes, without touching the disk.
    static QString BuildText(bool blnData, const DocumentRecord& document,
                             const RunControl* control = nullptr);
    // Parses document text into the document (on a copy; unchanged on failure). error receives
    // the reason. No reporting; Load reports.
    static bool ParseText(const QString& text, DocumentRecord& document, QString* error = nullptr,
                          const RunControl* control = nullptr);

    // The wait-dialog text of the running (or last) call.
    const QString& Caption() const { return m_caption; }

private:
    RunControl* m_control = nullptr;
    QString m_caption;
    ErrorReporter m_error{QStringLiteral("clsTFileTPD")};
};

} // namespace kestrel
