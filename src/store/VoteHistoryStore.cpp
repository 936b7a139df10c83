#include "store/VoteHistoryStore.h"

#include <QFileInfo>

#include "platform/TextFile.h"
#include "store/clsXmlVote.h"

namespace kestrel {

namespace {

const QString kHeader = QStringLiteral(";Kestrel vote history (totoGOAL3)\r\n");
const QString kSnapshot = QStringLiteral("[Snapshot]");
const QString kFetchedAt = QStringLiteral("FetchedAt");
const QString kFinal = QStringLiteral("Final");
const QString kVoteOpen = QStringLiteral("<投票状況>");
const QString kVoteClose = QStringLiteral("</投票状況>");
const QString kCrLf = QStringLiteral("\r\n");
const char* const kBrokenText = "投票状況の履歴ファイルが破損しています。";

// Reads one snapshot block: key lines, then the vote text.
class SnapshotReader {
public:
    bool Take(const QString& line) {
        const QString trimmed = line.trimmed();
        if (m_inVote) {
            m_vote += line + kCrLf;
            if (trimmed == kVoteClose) {
                m_inVote = false;
                return Finish();
            }
            return true;
        }
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';'))) {
            return true;
        }
        if (trimmed == kSnapshot) {
            if (m_open) {
                return false; // the previous block has no vote text
            }
            m_open = true;
            m_current = VoteSnapshot();
            return true;
        }
        if (!m_open) {
            return false;
        }
        if (trimmed == kVoteOpen) {
            m_inVote = true;
            m_vote = line + kCrLf;
            return true;
        }
        const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
        if (equals < 0) {
            return false;
        }
        const QString key = trimmed.left(equals).trimmed();
        const QString value = trimmed.mid(equals + 1).trimmed();
        if (key == kFetchedAt) {
            const std::optional<DateTime> at = DateTime::Parse(value);
            if (!at) {
                return false;
            }
            m_current.FetchedAt = *at;
        } else if (key == kFinal) {
            m_current.Final = value == QLatin1String("1");
        }
        return true;
    }
    bool Complete() const { return !m_open && !m_inVote; }
    std::vector<VoteSnapshot>& Snapshots() { return m_snapshots; }

private:
    bool Finish() {
        XmlFieldError error;
        const QString wrapped =
            QStringLiteral("<totoGOAL3>\r\n") + m_vote + QStringLiteral("</totoGOAL3>\r\n");
        if (clsXmlVote::Parse(wrapped, m_current.Vote, error) != XmlReadStatus::Ok) {
            return false;
        }
        m_snapshots.push_back(m_current);
        m_open = false;
        return true;
    }

    std::vector<VoteSnapshot> m_snapshots;
    VoteSnapshot m_current;
    QString m_vote;
    bool m_open = false;
    bool m_inVote = false;
};

} // namespace

const QString VoteHistoryStore::kFolder = QStringLiteral("totoGOAL3_VoteHistory");

QString VoteHistoryStore::FilePath(int32_t round) const {
    return m_paths.SysDataFile(
        kFolder +
        QStringLiteral("/totogoal3_votehistory_%1.txt").arg(round, 3, 10, QLatin1Char('0')));
}

QString VoteHistoryStore::ToText(const VoteSnapshot& snapshot) {
    clsXmlVote xml{ProgramPaths(QString())};
    xml.SetVote(snapshot.Vote);
    QString text = kSnapshot + kCrLf;
    text += kFetchedAt + QStringLiteral(" = ") + snapshot.FetchedAt.ToString() + kCrLf;
    text += kFinal + QStringLiteral(" = ") +
            (snapshot.Final ? QStringLiteral("1") : QStringLiteral("0")) + kCrLf;
    text += xml.GetXmlString(false);
    return text;
}

bool VoteHistoryStore::ParseText(const QString& text, std::vector<VoteSnapshot>& snapshots,
                                 QString* error) {
    SnapshotReader reader;
    int number = 0;
    for (const QString& line : TextFile::SplitLines(text)) {
        ++number;
        if (!reader.Take(line)) {
            if (error != nullptr) {
                *error = QString::fromUtf8(kBrokenText) + QStringLiteral(" (") +
                         QString::number(number) + QStringLiteral("行目)");
            }
            return false;
        }
    }
    if (!reader.Complete()) {
        if (error != nullptr) {
            *error = QString::fromUtf8(kBrokenText);
        }
        return false;
    }
    snapshots = std::move(reader.Snapshots());
    return true;
}

bool VoteHistoryStore::LoadFile(const QString& path, std::vector<VoteSnapshot>& snapshots,
                                QString* error) {
    QString text;
    if (!TextFile::Read(path, text, error)) {
        return false;
    }
    if (!ParseText(text, snapshots, error)) {
        if (error != nullptr) {
            *error = path + QStringLiteral("\n") + *error;
        }
        return false;
    }
    return true;
}

bool VoteHistoryStore::Load(int32_t round, std::vector<VoteSnapshot>& snapshots,
                            QString* error) const {
    const QString path = FilePath(round);
    if (!QFileInfo::exists(path)) {
        snapshots.clear();
        return true;
    }
    return LoadFile(path, snapshots, error);
}

bool VoteHistoryStore::Append(int32_t round, const VoteSnapshot& snapshot, QString* error) const {
    const QString path = FilePath(round);
    QString text = kHeader;
    if (QFileInfo::exists(path) && !TextFile::Read(path, text, error)) {
        return false; // never replace a file that could not be read
    }
    if (!text.endsWith(kCrLf)) {
        text += kCrLf;
    }
    text += ToText(snapshot);
    return TextFile::Write(path, text, error);
}

} // namespace kestrel
