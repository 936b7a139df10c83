#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/TextCodec.h"

namespace kestrel {

namespace {

void SetError(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
}

} // namespace

bool TextFile::Read(const QString& path, QString& text, QString* error, bool* cutAtNul) {
    QFile file(path);
    if (!file.exists()) {
        SetError(error, QStringLiteral("ファイルが存在しません: ") + path);
        return false;
    }
    if (file.size() > kMaxReadBytes) {
        SetError(error, QStringLiteral("ファイルが大きすぎます: ") + path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, QStringLiteral("ファイルを開けません: ") + path);
        return false;
    }
    QByteArray bytes = file.read(kMaxReadBytes + 1);
    if (bytes.size() > kMaxReadBytes) {
        SetError(error, QStringLiteral("ファイルが大きすぎます: ") + path);
        return false;
    }
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0) {
        bytes.truncate(nul);
    }
    if (cutAtNul) {
        *cutAtNul = nul >= 0;
    }
    bool ok = true;
    QString decoded = TextCodec::DecodeCp932(bytes, &ok);
    if (!ok) {
        SetError(error, QStringLiteral("Shift_JIS として読めない文字があります: ") + path);
        return false;
    }
    text = std::move(decoded);
    return true;
}

bool TextFile::WriteBytes(const QString& path, const QByteArray& bytes, QString* error) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        SetError(error, QStringLiteral("フォルダを作成できません: ") + info.absolutePath());
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        SetError(error, QStringLiteral("ファイルを書き込めません: ") + path);
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        SetError(error, QStringLiteral("ファイルを書き込めません: ") + path);
        return false;
    }
    if (!file.commit()) {
        SetError(error, QStringLiteral("ファイルを書き込めません: ") + path);
        return false;
    }
    return true;
}

bool TextFile::Write(const QString& path, const QString& text, QString* error) {
    return WriteBytes(path, TextCodec::EncodeCp932(text), error);
}

bool TextFile::WriteLines(const QString& path, const QStringList& lines, QString* error) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return Write(path, text, error);
}

QStringList TextFile::SplitLines(const QString& text) {
    QStringList lines;
    QString current;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(current);
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) {
                ++i;
            }
        } else {
            current += c;
        }
    }
    if (!current.isEmpty()) {
        lines.append(current);
    }
    return lines;
}

} // namespace kestrel
