#include "store/BundledTableOffer.h"

#include <QCryptographicHash>
#include <QFile>
#include <optional>

#include "platform/TextFile.h"
#include "platform/Version.h"
#include "platform/clsIniFile.h"
#include "store/clsTotoData.h"

namespace kestrel {

namespace {

const QString kAnswersFile = QStringLiteral("BundledTables.ini");
const QString kAnswersHeader =
    QStringLiteral(";Kestrel: digests of the bundled team tables already offered");

// The whole file, or nothing when it is missing, unreadable or larger than any table.
std::optional<QByteArray> ReadAll(const QString& path) {
    QFile file(path);
    if (file.size() > TextFile::kMaxReadBytes || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

QString Digest(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}

int Edition(const QString& path) {
    clsIniFile table;
    table.Load(path);
    return clsTotoData::EditionNumber(clsTotoData::TableVersion(table));
}

} // namespace

const QStringList& BundledTableOffer::Tables() {
    static const QStringList tables{QStringLiteral("TeamName.dat"), QStringLiteral("TeamName1.dat"),
                                    QStringLiteral("TeamName2.dat"), QStringLiteral("J1J2.dat")};
    return tables;
}

BundledTableOffer::BundledTableOffer(QString installedSysData, const ProgramPaths& user)
    : m_installed(std::move(installedSysData)), m_user(user) {}

QString BundledTableOffer::AnswersFile() const {
    return m_user.Root() + QLatin1Char('/') + kAnswersFile;
}

QString BundledTableOffer::Bundled(const QString& name) const {
    return m_installed + QLatin1Char('/') + name;
}

QString BundledTableOffer::Own(const QString& name) const {
    return m_user.SysDataFile(name);
}

QString BundledTableOffer::AnsweredDigest(const QString& name) const {
    clsIniFile answers;
    answers.Load(AnswersFile());
    return answers.GetValue(name);
}

BundledTableOffer::Action BundledTableOffer::Decide(const QString& name) const {
    const auto bundled = ReadAll(Bundled(name));
    const auto own = ReadAll(Own(name));
    if (!bundled || !own) {
        return Action::None;
    }
    if (AnsweredDigest(name).compare(Digest(*bundled), Qt::CaseInsensitive) == 0) {
        return Action::None;
    }
    if (*bundled == *own) {
        return Action::Remember;
    }
    // An edition the maker numbered is compared by number, so a table the user brought up to
    // date by download is not offered an older bundled one.
    const int bundledEdition = Edition(Bundled(name));
    const bool newer = bundledEdition == 0 || bundledEdition > Edition(Own(name));
    return newer ? Action::Offer : Action::None;
}

QStringList BundledTableOffer::Offered() const {
    QStringList offered;
    for (const QString& name : Tables()) {
        if (Decide(name) == Action::Offer) {
            offered << name;
        }
    }
    return offered;
}

bool BundledTableOffer::Take(const QString& name) {
    const auto bundled = ReadAll(Bundled(name));
    const auto own = ReadAll(Own(name));
    QString error;
    if (!bundled) {
        error = QStringLiteral("ファイルを開けません: ") + Bundled(name);
    } else if (own) {
        TextFile::WriteBytes(Own(name) + QStringLiteral(".bak"), *own, &error);
    }
    if (error.isEmpty()) {
        TextFile::WriteBytes(Own(name), *bundled, &error);
    }
    if (!error.isEmpty()) {
        m_error.Report(QStringLiteral("Take"), QStringLiteral("チーム名データ(") + name +
                                                   QStringLiteral(")を置き換えられません。\r\n") +
                                                   error);
        return false;
    }
    return true;
}

bool BundledTableOffer::Remember(const QStringList& names) {
    if (names.isEmpty()) {
        return true;
    }
    clsIniFile answers;
    answers.Load(AnswersFile());
    QStringList lines{kAnswersHeader};
    for (const clsIniFile::Entry& entry : answers.Entries()) {
        if (!names.contains(entry.key, Qt::CaseInsensitive)) {
            lines << entry.key + QStringLiteral(" = ") + entry.value;
        }
    }
    for (const QString& name : names) {
        if (const auto bundled = ReadAll(Bundled(name))) {
            lines << name + QStringLiteral(" = ") + Digest(*bundled);
        }
    }
    QString error;
    if (!TextFile::WriteLines(AnswersFile(), lines, &error)) {
        m_error.Report(QStringLiteral("Remember"), error);
        return false;
    }
    return true;
}

int BundledTableOffer::AskUser(UserPrompt& prompt) {
    QStringList answered;
    int taken = 0;
    for (const QString& name : Tables()) {
        const Action action = Decide(name);
        if (action == Action::Remember) {
            answered << name;
        }
        if (action != Action::Offer) {
            continue;
        }
        const QString text =
            QStringLiteral("新しいチーム名データ(") + name +
            QStringLiteral(")がインストールされています。\r\nお使いのファイルを置き換えますか？"
                           "\r\n(置き換える前のファイルは ") +
            name + QStringLiteral(".bak に残します)");
        if (prompt.Ask(QString::fromLatin1(kProductName), text, PromptButtons::YesNo) ==
            PromptAnswer::Yes) {
            if (!Take(name)) {
                continue; // reported; asked again next time
            }
            ++taken;
        }
        answered << name;
    }
    Remember(answered);
    return taken;
}

} // namespace kestrel
