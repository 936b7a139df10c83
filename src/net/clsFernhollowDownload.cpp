#include "net/clsFernhollowDownload.h"

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
    if (text.isEmpty()) {
        DownloadFailure(QStringLiteral("原因：サイトが見つかりません"));
        return false;
    }
    if (text.contains(QLatin1String("The requested URL was not found on this server"))) {
        DownloadFailure(QStringLiteral("原因：アドレスが見つかりません"));
        return false;
    }
    return true;
}

bool clsFernhollowDownload::LoadVersionList() {
    if (m_versionsLoaded) {
        return true;
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
    m_versionsLoaded = true;
    return true;
}

bool clsFernhollowDownload::UpdateTable() {
    const QString text = Fetch(kTableFile, QStringLiteral("海外チーム名取得中 (Fernhollow)"));
    if (text.isEmpty()) {
        DownloadFailure(QStringLiteral("原因：") + kTableFile +
                        QStringLiteral(" の取得に失敗しました"));
        return false;
    }
    if (!CheckResponse(text)) {
        return false;
    }
    if (!text.contains(QLatin1String("[End]"))) {
        DownloadFailure(QStringLiteral("原因：") + kTableFile + QStringLiteral(" が異常です"));
        return false;
    }
    const QString path = m_paths.SysDataFile(kTableFile);
    if (!TextFile::Write(path, text)) {
        ErrorReporter(QStringLiteral("clsFernhollowDownload"))
            .Report(QStringLiteral("DownloadTeamName2"),
                    QStringLiteral("ファイルの保存に失敗しました。\r\n") + path);
        return false;
    }
    Inform(QStringLiteral("海外チーム名を最新版に更新しました。"));
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
    return UpdateTable();
}

} // namespace kestrel
