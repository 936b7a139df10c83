#include "documents/clsTFileCSV.h"

#include <QFileInfo>
#include <QStringList>
#include <array>
#include <limits>

#include "core/SingleListCsv.h"
#include "core/clsTNumber.h"
#include "platform/TextFile.h"
#include "platform/VbFormat.h"

namespace kestrel {

const QString clsTFileCSV::kCaptionSave = QStringLiteral("CSVファイルに保存中");
const QString clsTFileCSV::kCaptionCount = QStringLiteral("CSVデータ数の取得中");
const QString clsTFileCSV::kCaptionLoad = QStringLiteral("CSVファイルの読込中");

namespace {

const char* const kSaveProc = "CsvSave_Sub";
const char* const kLoadProc = "CsvLoad_Sub";
const QString kPrefix = QStringLiteral("KST-");

QString FileNameOnly(const QString& path) {
    QString name = path;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
}

// The run of decimal digits starting at from; 0 when there is none or it overflows.
int32_t DigitsAt(const QString& text, int from, bool& found) {
    int64_t value = 0;
    found = false;
    for (int i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            break;
        }
        found = true;
        value = value * 10 + (c.unicode() - '0');
        if (value > std::numeric_limits<int32_t>::max()) {
            return 0;
        }
    }
    return static_cast<int32_t>(value);
}

} // namespace

clsTFileCSV::clsTFileCSV(RunControl* control) : m_control(control) {}

bool clsTFileCSV::CsvSave(const QString& strFileName, const std::vector<int32_t>& lngSingle) {
    m_caption = kCaptionSave;
    // A list no reader would take back is not written.
    if (lngSingle.size() > size_t{SingleListCsv::kMaxSingles}) {
        m_error.Report(QString::fromLatin1(kSaveProc),
                       strFileName + QStringLiteral("\r\n") +
                           SingleListCsv::TooManyText(lngSingle.size()));
        return false;
    }
    const clsTNumber number;
    const int total = static_cast<int>(lngSingle.size());
    QString text;
    text.reserve(total * 13);
    clsTNumber::ByteKousei kousei{};
    for (int i = 0; i < total; ++i) {
        const int32_t no = lngSingle[static_cast<size_t>(i)];
        if (no < 0 || no >= kSingleCount) {
            m_error.Report(QString::fromLatin1(kSaveProc),
                           QStringLiteral("シングル番号 %1 は範囲外です。").arg(no));
            return false;
        }
        number.NoToByte(no, kousei);
        for (int t = 0; t < kSlotCount; ++t) {
            if (t > 0) {
                text += QLatin1Char(',');
            }
            text += QLatin1Char(static_cast<char>('0' + kousei[static_cast<size_t>(t)]));
        }
        text += QStringLiteral("\r\n");
        if (m_control != nullptr && i >= 1000 && i % kProgressStep == 0) {
            m_control->Progress(i, total);
        }
    }
    QString error;
    if (!TextFile::Write(strFileName, text, &error)) {
        m_error.Report(QString::fromLatin1(kSaveProc),
                       strFileName + QStringLiteral("\r\n") + error);
        return false;
    }
    if (m_control != nullptr) {
        m_control->Progress(total, total);
    }
    return true;
}

bool clsTFileCSV::ReadSingles(const QString& strFileName, std::vector<int32_t>& lngSingle) {
    m_caption = kCaptionLoad;
    std::vector<int32_t> singles;
    QString error;
    if (!SingleListCsv::Read(strFileName, singles, &error, m_control)) {
        m_error.Report(QString::fromLatin1(kLoadProc), error);
        return false;
    }
    lngSingle = std::move(singles);
    return true;
}

bool clsTFileCSV::CsvLoad(const QString& strFileName, std::vector<int32_t>& lngSingle) {
    return ReadSingles(strFileName, lngSingle);
}

bool clsTFileCSV::CsvAdd(const QString& strFileName, std::vector<int32_t>& lngSingle) {
    std::vector<int32_t> added;
    if (!ReadSingles(strFileName, added)) {
        return false;
    }
    if (lngSingle.size() + added.size() > size_t{SingleListCsv::kMaxSingles}) {
        m_error.Report(QString::fromLatin1(kLoadProc),
                       strFileName + QStringLiteral("\r\n") +
                           SingleListCsv::TooManyText(lngSingle.size() + added.size()));
        return false;
    }
    lngSingle.insert(lngSingle.end(), added.begin(), added.end());
    return true;
}

bool clsTFileCSV::CsvDel(const QString& strFileName, std::vector<int32_t>& lngSingle) {
    if (lngSingle.empty()) {
        return true;
    }
    std::vector<int32_t> removed;
    if (!ReadSingles(strFileName, removed)) {
        return false;
    }
    std::array<bool, kSingleCount> marked{};
    for (const int32_t no : removed) {
        marked[static_cast<size_t>(no)] = true;
    }
    std::vector<int32_t> kept;
    kept.reserve(lngSingle.size());
    for (const int32_t no : lngSingle) {
        if (no < 0 || no >= kSingleCount || !marked[static_cast<size_t>(no)]) {
            kept.push_back(no);
        }
    }
    lngSingle = std::move(kept);
    return true;
}

QString clsTFileCSV::GetCsvFileName(int32_t lngKaisaikai, const QString& strKumi) {
    return kPrefix + VbFormat::Format(int64_t{lngKaisaikai}, QStringLiteral("000")) + strKumi +
           QStringLiteral(".csv");
}

int32_t clsTFileCSV::GetKaisaikai(const QString& strFileName) {
    const QString name = FileNameOnly(strFileName);
    bool found = false;
    if (name.startsWith(kPrefix, Qt::CaseInsensitive)) {
        const int32_t value = DigitsAt(name, kPrefix.size(), found);
        if (found) {
            return value;
        }
    }
    const int from = name.startsWith(QLatin1Char('X'), Qt::CaseInsensitive) ? 1 : 0;
    return DigitsAt(name, from, found);
}

QString clsTFileCSV::GetKumi(const QString& strFileName) {
    const QString name = FileNameOnly(strFileName);
    if (!name.startsWith(kPrefix, Qt::CaseInsensitive)) {
        return QString();
    }
    const QString kumi = name.mid(kPrefix.size() + 3, 1).toUpper();
    if (kumi == QLatin1String("A") || kumi == QLatin1String("B")) {
        return kumi;
    }
    return QString();
}

} // namespace kestrel
