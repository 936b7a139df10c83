#include "documents/clsTFileTPD.h"

#include <QFileInfo>

#include "core/SingleListCsv.h"
#include "documents/TpdFormat.h"
#include "documents/TpdTextReader.h"
#include "documents/TpdTextWriter.h"
#include "documents/TpdValueCodec.h"
#include "platform/TextFile.h"

namespace kestrel {

const QString clsTFileTPD::kCaptionSaveTpd = QStringLiteral("TPDファイルに保存中");
const QString clsTFileTPD::kCaptionSaveTpj = QStringLiteral("TPJファイルに保存中");
const QString clsTFileTPD::kCaptionLoad = QStringLiteral("TPDファイルの読込中");
const QString clsTFileTPD::kWrongTypeText =
    QStringLiteral("Kestrel") + QStringLiteral("のファイルではありません。");
const QString clsTFileTPD::kWrongTypeTitle = QStringLiteral("ファイルタイプ警告");
const QString clsTFileTPD::kLoadFailedText = QStringLiteral("ファイルの読込に失敗しました。");

static_assert(clsTFileTPD::kMaxSingleCount == TpdTextReader::kMaxSingleCount);
static_assert(clsTFileTPD::kMaxSingleCount == SingleListCsv::kMaxSingles);
static_assert(clsTFileTPD::kFirstVoteBlockVersion == TpdFormat::kFirstVoteBlockVersion);

namespace {

const QString kSave = QStringLiteral("Save");
const QString kLoad = QStringLiteral("Load");
const QString kDataTypeCheck = QStringLiteral("DataTypeCheck");
const QString kSaveFailed = QStringLiteral("ファイルの保存に失敗しました。");

} // namespace

clsTFileTPD::clsTFileTPD(RunControl* control) : m_control(control) {}

QString clsTFileTPD::BuildText(bool blnData, const DocumentRecord& document,
                               const RunControl* control) {
    TpdTextWriter writer(blnData, control);
    return writer.Build(document);
}

bool clsTFileTPD::ParseText(const QString& text, DocumentRecord& document, TpdParseError* error,
                            const RunControl* control) {
    TpdTextReader reader(control);
    if (reader.Read(text, document)) {
        return true;
    }
    if (error) {
        *error = reader.Error();
    }
    return false;
}

bool clsTFileTPD::Save(const QString& strFileName, bool blnData, const DocumentRecord& document,
                       bool blnReport) {
    m_caption = blnData ? kCaptionSaveTpd : kCaptionSaveTpj;
    // A list longer than any load accepts would make a file that cannot be opened again.
    if (blnData && document.Singles.size() > size_t{kMaxSingleCount}) {
        if (blnReport) {
            m_error.Report(kSave, kSaveFailed + QStringLiteral("\r\n") + strFileName +
                                      QStringLiteral("\r\n") +
                                      SingleListCsv::TooManyText(document.Singles.size()));
        }
        return false;
    }
    QString reason;
    const bool ok = !strFileName.isEmpty() &&
                    TextFile::Write(strFileName, BuildText(blnData, document, m_control), &reason);
    if (!ok && blnReport) {
        m_error.Report(kSave, kSaveFailed + QStringLiteral("\r\n") + strFileName);
    }
    return ok;
}

bool clsTFileTPD::ReadFile(const QString& procedure, const QString& strFileName, QString& text) {
    const QFileInfo info(strFileName);
    if (strFileName.isEmpty() || !info.isFile()) {
        m_lastError = TpdParseError::FileNotFound();
        ReportError(procedure, m_lastError);
        return false;
    }
    QString reason;
    if (!TextFile::Read(strFileName, text, &reason)) {
        m_lastError = TpdParseError::Text(reason);
        ReportError(procedure, m_lastError);
        return false;
    }
    return true;
}

bool clsTFileTPD::Load(const QString& strFileName, DocumentRecord& document) {
    m_caption = kCaptionLoad;
    m_lastError = TpdParseError();
    QString text;
    if (!ReadFile(kLoad, strFileName, text)) {
        return false;
    }
    if (!ParseText(text, document, &m_lastError, m_control)) {
        ReportError(kLoad, m_lastError);
        return false;
    }
    return true;
}

bool clsTFileTPD::DataTypeCheck(const QString& strFileName, bool blnData, int32_t& dataVersion) {
    m_lastError = TpdParseError();
    dataVersion = 0;
    QString text;
    if (!ReadFile(kDataTypeCheck, strFileName, text)) {
        return false;
    }
    if (CheckHeader(text, blnData, dataVersion, m_lastError)) {
        return true;
    }
    if (!m_lastError.description.isEmpty()) {
        ReportError(kDataTypeCheck, m_lastError);
    }
    return false;
}

bool clsTFileTPD::CheckHeader(const QString& text, bool blnData, int32_t& dataVersion,
                              TpdParseError& error) {
    dataVersion = 0;
    // Only the first eight lines are split off; the rest of a large file is not looked at.
    qsizetype end = 0;
    for (int breaks = 0; end < text.size() && breaks < TpdFormat::kHeaderLines; ++end) {
        const QChar c = text[end];
        const bool crLf =
            c == QLatin1Char('\r') && end + 1 < text.size() && text[end + 1] == QLatin1Char('\n');
        if ((c == QLatin1Char('\r') && !crLf) || c == QLatin1Char('\n')) {
            ++breaks;
        }
    }
    const QStringList lines = TextFile::SplitLines(text.left(end));
    if (lines.size() < TpdFormat::kHeaderLines) {
        error = TpdParseError::PastEnd();
        return false;
    }
    bool software = false;
    bool dataType = false;
    int32_t version = 0;
    for (int i = 0; i < TpdFormat::kHeaderLines; ++i) {
        const QString& line = lines[i];
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char(';')) || equals < 0) {
            continue;
        }
        const QStringView key = TpdValueCodec::Trim(QStringView(line).first(equals));
        const QStringView value = TpdValueCodec::Trim(QStringView(line).sliced(equals + 1));
        if (key == TpdFormat::kKeySoftware) {
            software = value == TpdFormat::kSoftware;
        } else if (key == TpdFormat::kKeyDataType) {
            dataType = value == (blnData ? TpdFormat::kDataType : TpdFormat::kJoukenDataType);
        } else if (key == TpdFormat::kKeyDataVersion &&
                   !TpdValueCodec::ToInt32(value, version, error)) {
            error.line = i + 1;
            return false;
        }
    }
    dataVersion = version;
    return software && dataType;
}

void clsTFileTPD::ReportError(const QString& procedure, const TpdParseError& error) {
    if (error.number == 0) {
        m_error.Report(procedure, error.description);
    } else {
        m_error.ReportUnexpected(procedure, error.description, error.number);
    }
}

} // namespace kestrel
