#include "net/clsFernhollowDownload.h"

#include <QFile>
#include <map>
#include <mutex>

#include "platform/ErrorReporter.h"
#include "platform/TextFile.h"
#include "platform/UserPrompt.h"
#include "store/clsTotoData.h"

namespace kestrel {

namespace {

const char16_t* const kTitle = u" Fernhollow";
const char16_t* const kTableName = u"海外チーム名";
const QString kVersionFile = QStringLiteral("version.dat");
const QString kTableFile = QStringLiteral("TeamName2.dat");
const QString kBackupSuffix = QStringLiteral(".bak");

// The version lists fetched in this run, by download folder.
struct VersionLists {
    std::mutex mutex;
    std::map<QString, clsIniFile> byFolder;
};

VersionLists& FetchedLists() {
    static VersionLists lists;
    return lists;
}

bool IsEditionKey(const QString& key) {
    return key.compare(QLatin1String("Version"), Qt::CaseInsensitive) == 0 ||
           key.compare(QLatin1String("Revision"), Qt::CaseInsensitive) == 0;
}

} // namespace

clsFernhollowDownload::clsFernhollowDownload(ProgramPaths paths, QString downloadFolder,
                                             HttpOptions options,
                                             std::shared_ptr<WinInetProgress> progress)
    : m_paths(std::move(paths)), m_folder(std::move(downloadFolder)) {
    m_inet.SetOptions(options);
    m_inet.SetProgress(std::move(progress));
}

void clsFernhollowDownload::Inform(const QString& text) {
    ShowMessage(MessageIcon::Information, QString::fromUtf16(kTitle), text);
}

void clsFernhollowDownload::Warn(const QString& text) {
    ShowMessage(MessageIcon::Warning, QString::fromUtf16(kTitle), text);
}

void clsFernhollowDownload::DownloadFailure(const QString& reason) {
    Warn(QStringLiteral("インターネットよりダウンロードに失敗しました。\r\n") + reason);
}

QString clsFernhollowDownload::Fetch(const QString& fileName, const QString& message) {
    if (!m_inet.Connection()) {
        return QString();
    }
    m_inet.SetProgressDialogMessage(message);
    return m_inet.GetHttpDataString(m_folder + fileName, QString(), clsWinInet::kCodeShiftJis);
}

bool clsFernhollowDownload::CheckResponse(const QString& text) {
    if (m_inet.LastFailure() == HttpFailure::Cancelled) {
        return false;
    }
    if (text.contains(QLatin1String("The requested URL was not found on this server"))) {
        DownloadFailure(QStringLiteral("原因：アドレスが見つかりません"));
        return false;
    }
    // A server error, a time-out or a body above the cap says so; silence is a missing site.
    const QString reason = m_inet.FailureReason();
    if (!reason.isEmpty()) {
        DownloadFailure(reason);
        return false;
    }
    if (text.isEmpty()) {
        DownloadFailure(QStringLiteral("原因：サイトが見つかりません"));
        return false;
    }
    return true;
}

void clsFernhollowDownload::ForgetVersionLists() {
    VersionLists& lists = FetchedLists();
    std::lock_guard lock(lists.mutex);
    lists.byFolder.clear();
}

bool clsFernhollowDownload::LoadVersionList() {
    VersionLists& lists = FetchedLists();
    {
        std::lock_guard lock(lists.mutex);
        const auto found = lists.byFolder.find(m_folder);
        if (found != lists.byFolder.end()) {
            m_versions = found->second;
            return true;
        }
    }
    const QString text =
        Fetch(kVersionFile, QStringLiteral("ファイルバージョン取得中 (Fernhollow)"));
    if (!CheckResponse(text)) {
        return false;
    }
    if (!text.contains(QLatin1String("[VersionEnd]"))) {
        DownloadFailure(QStringLiteral("原因：ダウンロード内容(version.dat)が異常です"));
        return false;
    }
    m_versions.LoadText(text);
    std::lock_guard lock(lists.mutex);
    lists.byFolder[m_folder] = m_versions;
    return true;
}

bool clsFernhollowDownload::IsTeamTable(const QString& text, int edition) {
    clsIniFile table;
    table.LoadText(text);
    if (EditionNumber(clsTotoData::TableVersion(table)) != edition) {
        return false;
    }
    for (const clsIniFile::Entry& entry : table.Entries()) {
        if (!IsEditionKey(entry.key)) {
            return true;
        }
    }
    return false;
}

bool clsFernhollowDownload::UpdateTable(int edition) {
    const QString text = Fetch(kTableFile, QStringLiteral("海外チーム名取得中 (Fernhollow)"));
    if (text.isEmpty() && m_inet.LastFailure() == HttpFailure::None) {
        DownloadFailure(QStringLiteral("原因：") + kTableFile +
                        QStringLiteral(" の取得に失敗しました"));
        return false;
    }
    if (!CheckResponse(text)) {
        return false;
    }
    // Anything but the announced edition of a team table (a stray page that happens to hold
    // "[End]", a table of another edition, one without teams) would leave every later update
    // without a local edition.
    if (!text.contains(QLatin1String("[End]")) || !IsTeamTable(text, edition)) {
        DownloadFailure(QStringLiteral("原因：") + kTableFile + QStringLiteral(" が異常です"));
        return false;
    }
    if (!ReplaceLocalTable(text)) {
        return false;
    }
    Inform(QStringLiteral("海外チーム名を最新版に更新しました。"));
    return true;
}

// Keeps the table in use as "TeamName2.dat.bak", then writes the new one atomically.
bool clsFernhollowDownload::ReplaceLocalTable(const QString& text) {
    const HttpOptions& options = m_inet.Options();
    if (options.Cancel != nullptr && options.Cancel->load()) {
        return false;
    }
    const QString path = m_paths.SysDataFile(kTableFile);
    const QString backup = path + kBackupSuffix;
    bool saved = true;
    if (QFile::exists(path)) {
        QFile::remove(backup);
        saved = QFile::copy(path, backup);
    }
    const QString failedPath = saved ? path : backup;
    if (!saved || !TextFile::Write(path, text)) {
        ErrorReporter(QStringLiteral("clsFernhollowDownload"))
            .Report(QStringLiteral("DownloadTeamName2"),
                    QStringLiteral("ファイルの保存に失敗しました。\r\n") + failedPath);
        return false;
    }
    return true;
}

bool clsFernhollowDownload::DownloadTeamName2(bool ask) {
    if (ask) {
        const QString text = QStringLiteral("Fernhollowより ") + QString::fromUtf16(kTableName) +
                             QStringLiteral(" をダウンロードします。よろしいですか？");
        const QString title = QLatin1Char(' ') + QString::fromUtf16(kTitle);
        if (CurrentUserPrompt()->Ask(title, text, PromptButtons::YesNo) != PromptAnswer::Yes) {
            return false;
        }
    }
    if (!LoadVersionList()) {
        return false;
    }
    const int published = EditionNumber(m_versions.GetItem(kTableFile));
    if (published == 0) {
        Warn(QStringLiteral("海外チーム名のバージョン取得に失敗しました。"));
        return false;
    }
    const int local = EditionNumber(clsTotoData(m_paths).GetTeamName2Version());
    if (local == 0) {
        Warn(QStringLiteral("海外チーム名のバージョンが不明です。"));
        return false;
    }
    if (published < local) {
        Warn(QStringLiteral("海外チーム名のバージョンが異常です。"));
        return false;
    }
    if (published == local) {
        Inform(QStringLiteral("海外チーム名の情報は最新です。"));
        return true;
    }
    return UpdateTable(published);
}

} // namespace kestrel
