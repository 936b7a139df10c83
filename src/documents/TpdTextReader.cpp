#include "documents/TpdTextReader.h"

#include "documents/TpdConditionCodec.h"
#include "documents/TpdFormat.h"
#include "documents/TpdValueCodec.h"
#include "store/XmlFieldError.h"
#include "store/clsXmlVote.h"

namespace kestrel {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kBadXml = QStringLiteral("XMLデータが異常です。");

bool InRange(int32_t value, int32_t low, int32_t high) {
    return value >= low && value <= high;
}

// Keys whose values are 32-bit integers, with where they go.
int32_t* IntegerField(const QString& key, DocumentRecord& d) {
    EngineSettings& s = d.Settings;
    const std::pair<const QString*, int32_t*> fields[] = {
        {&TpdFormat::kKaisaikai, &d.Kaisaikai},
        {&TpdFormat::kMachigaiType, &d.Conditions.MachigaiType},
        {&TpdFormat::kMsEngine, &s.MsEngine},
        {&TpdFormat::kBeginCount, &s.BeginCount},
        {&TpdFormat::kEndCount, &s.EndCount},
        {&TpdFormat::kEndTime, &s.EndTime},
        {&TpdFormat::kSeBeginCount, &s.SeBeginCount},
        {&TpdFormat::kSeEndTime, &s.SeEndTime},
        {&TpdFormat::kChushutsuCount, &s.ChushutsuCount},
        {&TpdFormat::kChushutsuType, &s.ChushutsuType},
        {&TpdFormat::kMsSingleCount, &d.MsSingleCount},
    };
    for (const auto& [name, field] : fields) {
        if (key == *name) {
            return field;
        }
    }
    return nullptr;
}

bool* BooleanField(const QString& key, DocumentRecord& d) {
    if (key == TpdFormat::kExGrade2) {
        return &d.Settings.ExGrade2;
    }
    if (key == TpdFormat::kExGrade3) {
        return &d.Settings.ExGrade3;
    }
    if (key == TpdFormat::kChushutsuFlag) {
        return &d.Settings.ChushutsuFlag;
    }
    return nullptr;
}

} // namespace

TpdTextReader::TpdTextReader(const RunControl* control) : m_control(control) {}

bool TpdTextReader::Fail(const TpdParseError& error) {
    m_error = error;
    m_error.line = m_line;
    m_error.key = m_key;
    return false;
}

bool TpdTextReader::Read(QStringView text, DocumentRecord& document) {
    m_doc = document;
    m_block = Block::None;
    m_countSeen = false;
    m_filled = 0;
    m_line = 0;
    m_key.clear();
    m_keyLines.clear();
    m_dataVersion = 0;
    m_dataFile = false;
    m_singleBlock = false;
    m_voteClosed = false;
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n')) {
            ++end;
        }
        ++m_line;
        if (!TakeLine(text.sliced(start, end - start))) {
            return false;
        }
        // CR LF, a lone CR or a lone LF ends the line.
        start = end + 1;
        if (end + 1 < n && text[end] == QLatin1Char('\r') && text[end + 1] == QLatin1Char('\n')) {
            ++start;
        }
    }
    if (!CheckComplete()) {
        return false;
    }
    document = std::move(m_doc);
    return true;
}

bool TpdTextReader::CheckComplete() {
    if (m_block != Block::None) {
        return Fail(TpdParseError::PastEnd());
    }
    // A list the file announced but did not fill would hold made-up singles.
    if (m_countSeen && m_filled < m_doc.Singles.size()) {
        m_key = TpdFormat::kSingleOpen;
        return Fail(TpdParseError::OutOfRange());
    }
    // The writer of the current version always writes the single block and ends with the vote
    // block; older versions are read as leniently as they always were.
    if (m_dataFile && m_dataVersion >= TpdFormat::kDataVersion) {
        if (!m_doc.Singles.empty() && !m_singleBlock) {
            m_key = TpdFormat::kSingleOpen;
            return Fail(TpdParseError::PastEnd());
        }
        if (!m_voteClosed) {
            m_key = TpdFormat::kVoteClose;
            return Fail(TpdParseError::PastEnd());
        }
    }
    const EngineSettings& s = m_doc.Settings;
    const std::pair<const QString*, bool> ranges[] = {
        {&TpdFormat::kMsEngine, EngineSettings::MethodExists(s.MsEngine)},
        {&TpdFormat::kBeginCount,
         InRange(s.BeginCount, EngineSettings::kMinCount, EngineSettings::kMaxCount)},
        {&TpdFormat::kEndCount,
         InRange(s.EndCount, EngineSettings::kMinCount, EngineSettings::kMaxCount)},
        {&TpdFormat::kEndTime, InRange(s.EndTime, 0, EngineSettings::kMaxTime)},
        {&TpdFormat::kSeBeginCount,
         InRange(s.SeBeginCount, EngineSettings::kMinCount, EngineSettings::kMaxCount)},
        {&TpdFormat::kSeEndTime, InRange(s.SeEndTime, 0, EngineSettings::kMaxTime)},
        {&TpdFormat::kChushutsuCount,
         InRange(s.ChushutsuCount, EngineSettings::kMinCount, EngineSettings::kMaxCount)},
        {&TpdFormat::kChushutsuType,
         InRange(s.ChushutsuType, 0, EngineSettings::kMaxChushutsuType)},
    };
    for (const auto& [key, ok] : ranges) {
        if (!ok) {
            m_key = *key;
            m_line = m_keyLines.value(*key);
            return Fail(TpdParseError::OutOfRange());
        }
    }
    return true;
}

bool TpdTextReader::TakeLine(QStringView line) {
    const QStringView trimmed = TpdValueCodec::Trim(line);
    switch (m_block) {
    case Block::None:
        return TakeOutside(line);
    case Block::Single:
        if (trimmed == TpdFormat::kSingleClose) {
            m_filled = m_position;
            m_singleBlock = true;
            m_block = Block::None;
            return true;
        }
        return TakeSingle(trimmed);
    case Block::Sakugen:
        if (trimmed == TpdFormat::kSakugenClose) {
            m_doc.SakugenMessage = m_collected;
            m_block = Block::None;
        } else if (!trimmed.isEmpty()) {
            m_collected += line;
            m_collected += kCrLf;
        }
        return true;
    case Block::Vote:
        if (trimmed == TpdFormat::kVoteClose) {
            m_collected += TpdFormat::kVoteClose;
            m_collected += kCrLf;
            m_block = Block::None;
            m_voteClosed = true;
            return EndVoteBlock();
        }
        if (!trimmed.isEmpty()) {
            m_collected += line;
            m_collected += kCrLf;
        }
        return true;
    case Block::Odds:
        if (trimmed == TpdFormat::kOddsClose) {
            m_block = Block::None;
            return EndOddsBlock();
        }
        m_collected += line;
        m_collected += kCrLf;
        return true;
    }
    return true;
}

bool TpdTextReader::TakeOutside(QStringView line) {
    if (line.startsWith(QLatin1Char(';'))) {
        return true;
    }
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals >= 0) {
        m_key = TpdValueCodec::Trim(line.first(equals)).toString();
        m_keyLines.insert(m_key, m_line);
        return TakeKey(m_key, TpdValueCodec::Trim(line.sliced(equals + 1)));
    }
    const QStringView trimmed = TpdValueCodec::Trim(line);
    if (trimmed == TpdFormat::kSingleOpen || trimmed == TpdFormat::kSakugenOpen ||
        trimmed == TpdFormat::kVoteOpen || trimmed == TpdFormat::kOddsOpen) {
        m_key = trimmed.toString();
    }
    if (trimmed == TpdFormat::kSingleOpen) {
        m_block = Block::Single;
        m_position = 0;
        if (m_control) {
            m_control->Progress(0, static_cast<int>(m_doc.Singles.size()));
        }
    } else if (trimmed == TpdFormat::kSakugenOpen) {
        m_block = Block::Sakugen;
        m_collected.clear();
    } else if (trimmed == TpdFormat::kVoteOpen) {
        m_block = Block::Vote;
        m_collected = TpdFormat::kVoteOpen + kCrLf;
    } else if (trimmed == TpdFormat::kOddsOpen) {
        m_block = Block::Odds;
        m_collected.clear();
    }
    return true;
}

bool TpdTextReader::TakeSingle(QStringView line) {
    if (m_position >= m_doc.Singles.size()) {
        return Fail(TpdParseError::OutOfRange());
    }
    int32_t single = 0;
    TpdParseError error;
    if (!TpdValueCodec::ToSingle(line, single, error)) {
        return Fail(error);
    }
    m_doc.Singles[m_position++] = single;
    if (m_control && m_position % TpdFormat::kProgressStep == 0) {
        m_control->Progress(static_cast<int>(m_position), static_cast<int>(m_doc.Singles.size()));
    }
    return true;
}

bool TpdTextReader::EndVoteBlock() {
    const QString wrapped =
        QStringLiteral("<totoGOAL3>\r\n") + m_collected + QStringLiteral("</totoGOAL3>\r\n");
    VoteRecord vote;
    XmlFieldError fieldError;
    switch (clsXmlVote::Parse(wrapped, vote, fieldError)) {
    case XmlReadStatus::Ok:
        m_doc.Vote = vote;
        return true;
    case XmlReadStatus::Malformed:
        return Fail(TpdParseError::Text(kBadXml));
    case XmlReadStatus::BadValue:
        break;
    }
    return Fail(TpdParseError{fieldError.description, fieldError.number, 0, QString()});
}

bool TpdTextReader::EndOddsBlock() {
    QString why;
    std::optional<PlayerOdds> odds = PlayerOdds::FromText(m_collected, &why);
    if (!odds) {
        return Fail(TpdParseError::Text(why));
    }
    m_doc.Odds = odds;
    return true;
}

bool TpdTextReader::TakeKey(const QString& key, QStringView value) {
    TpdParseError error;
    bool ok = true;
    ConditionSet& c = m_doc.Conditions;
    if (int32_t* integer = IntegerField(key, m_doc)) {
        ok = TpdValueCodec::ToInt32(value, *integer, error);
    } else if (bool* flag = BooleanField(key, m_doc)) {
        *flag = TpdValueCodec::ToBool(value);
    } else if (key == TpdFormat::kSingleCount) {
        return TakeSingleCount(value);
    } else if (key == TpdFormat::kMulti) {
        ok = TpdValueCodec::ToIntTable(value, m_doc.Multi, kMarkNone, kMarkCodeCount - 1, error);
    } else if (key == TpdFormat::kMsSingleFrame) {
        ok = TpdValueCodec::ToIntTable(value, m_doc.MsSingleFrame, INT32_MIN, INT32_MAX, error);
    } else if (key == TpdFormat::kSingleFrame) {
        ok = TpdValueCodec::ToIntTable(value, m_doc.SingleFrame, INT32_MIN, INT32_MAX, error);
    } else if (key == TpdFormat::kMsTousen) {
        ok = TpdValueCodec::ToIntList(value, m_doc.MsTousen, error);
    } else if (key == TpdFormat::kHaitouEnabled) {
        TpdValueCodec::ToBoolList(value, c.Haitou.Enabled);
    } else if (key == TpdFormat::kHaitouFlag) {
        TpdValueCodec::ToBoolList(value, c.Haitou.Flag);
    } else if (key == TpdFormat::kMachigaiList) {
        TpdValueCodec::ToBoolList(value, c.MachigaiList);
    } else if (key == TpdFormat::kHaitouMin) {
        ok = TpdValueCodec::ToMoneyList(value, c.Haitou.Min, error);
    } else if (key == TpdFormat::kHaitouMax) {
        ok = TpdValueCodec::ToMoneyList(value, c.Haitou.Max, error);
    } else if (key == TpdFormat::kHaitouEv) {
        ok = TpdConditionCodec::ToHaitouEv(value, c.HaitouEv, error);
    } else if (key == TpdFormat::kTensho) {
        ok = TpdConditionCodec::ToTensho(value, c.Tensho, error);
    } else if (key == TpdFormat::kKumi) {
        m_doc.Kumi = value.toString();
    } else if (key == TpdFormat::kVoteTime) {
        ok = TakeVoteTime(value, error);
    } else if (key == TpdFormat::kKeyDataType) {
        m_dataFile = value == TpdFormat::kDataType;
    } else if (key == TpdFormat::kKeyDataVersion) {
        // The header check has read it already; an unreadable one is only not "current".
        TpdParseError ignored;
        m_dataVersion = 0;
        TpdValueCodec::ToInt32(value, m_dataVersion, ignored);
    } else {
        ok = TakeGroup(key, value, error);
    }
    return ok || Fail(error);
}

bool TpdTextReader::TakeGroup(const QString& key, QStringView value, TpdParseError& error) {
    for (const ConditionKind kind : TpdFormat::kKinds) {
        const QString prefix = TpdFormat::GroupPrefix(kind);
        if (!key.startsWith(prefix)) {
            continue;
        }
        // Only plain decimal group numbers 0..28 name a group; other keys are not ours.
        const QStringView number = QStringView(key).sliced(prefix.size());
        int32_t group = -1;
        TpdParseError ignored;
        if (number.isEmpty() || number[0] == QLatin1Char('+') ||
            !TpdValueCodec::ToInt32(number, group, ignored) || group < 0 ||
            group >= ConditionSet::kGroupCount || number != TpdValueCodec::Trim(number)) {
            return true;
        }
        auto& groups = m_doc.Conditions.Groups(kind);
        return TpdConditionCodec::ToGroup(value, kind, groups[static_cast<size_t>(group)], error);
    }
    return true;
}

bool TpdTextReader::TakeVoteTime(QStringView value, TpdParseError& error) {
    if (value.isEmpty() || value == u"Nothing") {
        m_doc.VoteTime = DateTime();
        return true;
    }
    const std::optional<DateTime> date = DateTime::Parse(value.toString());
    if (!date) {
        error = TpdParseError::TypeMismatch();
        return false;
    }
    m_doc.VoteTime = *date;
    return true;
}

bool TpdTextReader::TakeSingleCount(QStringView value) {
    int32_t count = 0;
    TpdParseError error;
    if (!TpdValueCodec::ToInt32(value, count, error)) {
        return Fail(error);
    }
    if (count < 0 || count > kMaxSingleCount) {
        return Fail(TpdParseError::OutOfRange());
    }
    m_doc.Singles.assign(static_cast<size_t>(count), 0);
    m_countSeen = true;
    m_filled = 0;
    if (m_control) {
        m_control->Progress(0, count);
    }
    return true;
}

} // namespace kestrel
