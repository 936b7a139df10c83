#include "store/frmTeamNameModel.h"

#include <QFileInfo>

#include "platform/TextCodec.h"
#include "platform/TextFile.h"

namespace kestrel {

namespace {

const QString kInputError = QStringLiteral("入力エラー");
const QString kHeaderLine = QStringLiteral(";Fernhollow TeamName User Data File (TeamName3.dat)");

void Warn(const QString& text) {
    ShowMessage(MessageIcon::Warning, kInputError, text);
}

} // namespace

frmTeamNameModel::frmTeamNameModel(clsTotoData& data) : m_data(data) {}

void frmTeamNameModel::Open() {
    Name = m_data.LastUnknownTeamName();
    Abbreviation = TextCodec::ToHalfWidth(Name);
}

QString frmTeamNameModel::TableLine(const QString& abbreviation, const QString& name) {
    return abbreviation.leftJustified(kMaxAbbreviation, QLatin1Char(' ')) + QStringLiteral(" = ") +
           name;
}

bool frmTeamNameModel::EnsureUserTable() const {
    const QString path = m_data.UserTablePath();
    if (QFileInfo(path).exists()) {
        return true;
    }
    if (!TextFile::Write(path, kHeaderLine + QStringLiteral("\r\n"))) {
        m_error.Report(QStringLiteral("Add"),
                       QStringLiteral("ファイルの保存に失敗しました。\r\n") + path);
        return false;
    }
    return true;
}

bool frmTeamNameModel::CheckInput(const QString& abbreviation, const QString& name) const {
    if (abbreviation.trimmed().isEmpty()) {
        Warn(QStringLiteral("略称を入力して下さい。"));
        return false;
    }
    if (name.trimmed().isEmpty()) {
        Warn(QStringLiteral("名称を入力して下さい。"));
        return false;
    }
    if (abbreviation.size() > kMaxAbbreviation) {
        Warn(QStringLiteral("略称は6文字以内で入力して下さい。"));
        return false;
    }
    if (m_data.ExistsLongTeamName(name.trimmed())) {
        Warn(QStringLiteral("名称(") + name.trimmed() +
             QStringLiteral(")は既に登録されています。"));
        return false;
    }
    return true;
}

bool frmTeamNameModel::Add() {
    if (!EnsureUserTable() || !CheckInput(Abbreviation, Name)) {
        return false;
    }
    const QString abbreviation = Abbreviation.trimmed();
    const QString name = Name.trimmed();
    const QString path = m_data.UserTablePath();
    QString text;
    if (!TextFile::Read(path, text)) {
        // An existing table that cannot be read is left alone rather than overwritten.
        m_error.Report(QStringLiteral("Add"),
                       QStringLiteral("ファイルの保存に失敗しました。\r\n") + path);
        return false;
    }
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n'))) {
        text += QStringLiteral("\r\n");
    }
    text += TableLine(abbreviation, name) + QStringLiteral("\r\n");
    if (!TextFile::Write(path, text)) {
        m_error.Report(QStringLiteral("Add"),
                       QStringLiteral("ファイルの保存に失敗しました。\r\n") + path);
        return false;
    }
    m_data.ReloadUserTable();
    m_data.ClearLastUnknownTeamName();
    ShowMessage(MessageIcon::Information, QStringLiteral("チーム名追加"),
                QStringLiteral("チーム名(") + name + QStringLiteral(")を追加しました。"));
    return true;
}

} // namespace kestrel
