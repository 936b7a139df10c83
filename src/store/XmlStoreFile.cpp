#include "store/XmlStoreFile.h"

#include <QFileInfo>

#include "platform/TextFile.h"
#include "store/XmlValue.h"

namespace kestrel {

namespace {

const QString kLoad = QStringLiteral("XmlLoad");
const QString kBadXml = QStringLiteral("XMLデータが異常です。");
const QString kSaveFailed = QStringLiteral("ファイルの保存に失敗しました。");

} // namespace

QString XmlStoreFile::FileName(const ProgramPaths& paths, const QString& folder,
                               const QString& prefix, int32_t round, const QString& group) {
    QString name = prefix + XmlValue::RoundText(round);
    if (!group.isEmpty()) {
        QString safe = group;
        safe.replace(QLatin1Char('/'), QLatin1Char('_'));
        safe.replace(QLatin1Char('\\'), QLatin1Char('_'));
        name += QLatin1Char('_') + safe;
    }
    return paths.SysDataFile(folder + QLatin1Char('/') + name + QStringLiteral(".xml"));
}

XmlStoreFile::ReadResult XmlStoreFile::ReadForLoad(const QString& path, QString& text,
                                                   const ErrorReporter& reporter) {
    if (path.isEmpty()) {
        return ReadResult::Missing;
    }
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        return ReadResult::Missing;
    }
    if (info.size() > kMaxBytes) {
        reporter.Report(kLoad,
                        kBadXml + QStringLiteral("\r\n") + path + QStringLiteral("\r\n") +
                            QStringLiteral("ファイルが大きすぎます（%1バイト、上限%2バイト）。")
                                .arg(info.size())
                                .arg(kMaxBytes));
        return ReadResult::Failed;
    }
    QString reason;
    if (!TextFile::Read(path, text, &reason)) {
        reporter.Report(kLoad,
                        kBadXml + QStringLiteral("\r\n") + path + QStringLiteral("\r\n") + reason);
        return ReadResult::Failed;
    }
    return ReadResult::Ok;
}

bool XmlStoreFile::ReportRead(XmlReadStatus status, const XmlFieldError& error,
                              const ErrorReporter& reporter) {
    switch (status) {
    case XmlReadStatus::Ok:
        return true;
    case XmlReadStatus::Malformed:
        reporter.Report(kLoad, kBadXml);
        return false;
    case XmlReadStatus::BadValue:
        reporter.ReportUnexpected(kLoad, error.description, error.number);
        return false;
    }
    return false;
}

bool XmlStoreFile::Save(const QString& path, const QString& text, const ErrorReporter& reporter,
                        const QString& procedure) {
    if (path.isEmpty() || !TextFile::Write(path, text)) {
        reporter.Report(procedure, kSaveFailed + QStringLiteral("\r\n") + path);
        return false;
    }
    return true;
}

} // namespace kestrel
