#include "documents/TpdTextWriter.h"

#include "documents/TpdConditionCodec.h"
#include "documents/TpdFormat.h"
#include "documents/TpdValueCodec.h"
#include "platform/Version.h"
#include "store/clsXmlVote.h"

namespace kestrel {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kNotice = QStringLiteral("Copyright (C) Fernhollow. All rights reserved.");

} // namespace

TpdTextWriter::TpdTextWriter(bool blnData, const RunControl* control)
    : m_data(blnData), m_control(control) {}

void TpdTextWriter::Line(const QString& line) {
    m_text += line;
    m_text += kCrLf;
}

void TpdTextWriter::Key(const QString& key, const QString& value) {
    m_text += key;
    m_text += QStringLiteral(" = ");
    m_text += value;
    m_text += kCrLf;
}

void TpdTextWriter::Empty() {
    m_text += kCrLf;
}

QString TpdTextWriter::Build(const DocumentRecord& document) {
    m_text.clear();
    m_text.reserve(64 * 1024 + static_cast<qsizetype>(document.Singles.size()) * 6 +
                   document.SakugenMessage.size());
    Header();
    if (m_data) {
        Key(TpdFormat::kKaisaikai, QString::number(document.Kaisaikai));
        Empty();
        Key(TpdFormat::kMulti, TpdValueCodec::IntTable(document.Multi));
        Empty();
    }
    Conditions(document.Conditions);
    if (!m_data) {
        return m_text;
    }
    Settings(document);
    Singles(document.Singles);
    Report(document.SakugenMessage);
    clsXmlVote vote{ProgramPaths(QString())};
    vote.SetVote(document.Vote);
    m_text += vote.GetXmlString(false);
    if (document.Odds) {
        Empty();
        Line(TpdFormat::kOddsOpen);
        m_text += document.Odds->ToText();
        Line(TpdFormat::kOddsClose);
    }
    return m_text;
}

void TpdTextWriter::Header() {
    Line(QStringLiteral(";Fernhollow ") +
         (m_data ? TpdFormat::kDataFileName : TpdFormat::kJoukenFileName));
    Line(QLatin1Char(';') + kNotice);
    Empty();
    // The four header keys are padded to one width so that their "=" line up.
    Line(QStringLiteral("Software    = ") + TpdFormat::kSoftware);
    Line(QStringLiteral("SoftVersion = ") + VersionText());
    Line(QStringLiteral("DataType    = ") +
         (m_data ? TpdFormat::kDataType : TpdFormat::kJoukenDataType));
    Line(QStringLiteral("DataVersion = ") + QString::number(TpdFormat::kDataVersion));
    Empty();
}

void TpdTextWriter::Conditions(const ConditionSet& conditions) {
    const HaitouCondition& haitou = conditions.Haitou;
    Key(TpdFormat::kHaitouEnabled, TpdValueCodec::BoolList(haitou.Enabled));
    Key(TpdFormat::kHaitouFlag, TpdValueCodec::BoolList(haitou.Flag));
    Key(TpdFormat::kHaitouMin, TpdValueCodec::MoneyList(haitou.Min));
    Key(TpdFormat::kHaitouMax, TpdValueCodec::MoneyList(haitou.Max));
    if (!conditions.HaitouEv.IsDefault()) {
        Key(TpdFormat::kHaitouEv, TpdConditionCodec::HaitouEv(conditions.HaitouEv));
    }
    Empty();
    for (const ConditionKind kind : TpdFormat::kKinds) {
        const auto& groups = conditions.Groups(kind);
        for (int g = 0; g < ConditionSet::kGroupCount; ++g) {
            Key(TpdFormat::GroupPrefix(kind) + QString::number(g),
                TpdConditionCodec::Group(groups[static_cast<size_t>(g)]));
        }
        Empty();
    }
    Key(TpdFormat::kTensho, TpdConditionCodec::Tensho(conditions.Tensho));
    Empty();
    Key(TpdFormat::kMachigaiType, QString::number(conditions.MachigaiType));
    Key(TpdFormat::kMachigaiList, TpdValueCodec::BoolList(conditions.MachigaiList));
    Empty();
}

void TpdTextWriter::Settings(const DocumentRecord& document) {
    const EngineSettings& s = document.Settings;
    Key(TpdFormat::kMsEngine, QString::number(s.MsEngine));
    Empty();
    Key(TpdFormat::kBeginCount, QString::number(s.BeginCount));
    Key(TpdFormat::kEndCount, QString::number(s.EndCount));
    Key(TpdFormat::kEndTime, QString::number(s.EndTime));
    Key(TpdFormat::kExGrade2, TpdValueCodec::Bool(s.ExGrade2));
    Key(TpdFormat::kExGrade3, TpdValueCodec::Bool(s.ExGrade3));
    Empty();
    Key(TpdFormat::kSeBeginCount, QString::number(s.SeBeginCount));
    Key(TpdFormat::kSeEndTime, QString::number(s.SeEndTime));
    Empty();
    Key(TpdFormat::kChushutsuFlag, TpdValueCodec::Bool(s.ChushutsuFlag));
    Key(TpdFormat::kChushutsuCount, QString::number(s.ChushutsuCount));
    Key(TpdFormat::kChushutsuType, QString::number(s.ChushutsuType));
    Empty();
    Key(TpdFormat::kMsSingleCount, QString::number(document.MsSingleCount));
    Key(TpdFormat::kMsSingleFrame, TpdValueCodec::IntTable(document.MsSingleFrame));
    Key(TpdFormat::kMsTousen, TpdValueCodec::IntList(document.MsTousen));
    Empty();
    Key(TpdFormat::kSingleCount, QString::number(document.SingleCount()));
    Key(TpdFormat::kSingleFrame, TpdValueCodec::IntTable(document.SingleFrame));
    Empty();
}

void TpdTextWriter::Singles(const std::vector<int32_t>& singles) {
    const int total = static_cast<int>(singles.size());
    if (m_control) {
        m_control->Progress(0, total);
    }
    Line(TpdFormat::kSingleOpen);
    for (int i = 0; i < total; ++i) {
        TpdValueCodec::AppendSingle(m_text, singles[static_cast<size_t>(i)]);
        m_text += kCrLf;
        if (m_control && (i + 1) % TpdFormat::kProgressStep == 0) {
            m_control->Progress(i + 1, total);
        }
    }
    if (m_control) {
        m_control->Progress(total, total);
    }
    Line(TpdFormat::kSingleClose);
    Empty();
}

void TpdTextWriter::Report(const QString& report) {
    Line(TpdFormat::kSakugenOpen);
    m_text += report;
    // The report's lines end in CR LF; a last line without one would swallow the closing line.
    if (!report.isEmpty() && !report.endsWith(kCrLf)) {
        m_text += kCrLf;
    }
    Line(TpdFormat::kSakugenClose);
    Empty();
}

} // namespace kestrel
