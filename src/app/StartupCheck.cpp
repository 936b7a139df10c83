#include "app/StartupCheck.h"

#include <QFileInfo>

namespace kestrel {

namespace {

const QString kNoSysData = QStringLiteral("システムデータフォルダ(SysData)が見つかりません");
const QString kRequiredFiles[] = {QStringLiteral("TeamName.dat"), QStringLiteral("TeamName1.dat"),
                                  QStringLiteral("TeamName2.dat"), QStringLiteral("J1J2.dat")};

} // namespace

QString StartupCheck(const ProgramPaths& paths) {
    if (!QFileInfo(paths.SysData()).isDir()) {
        return kNoSysData;
    }
    for (const QString& name : kRequiredFiles) {
        if (!QFileInfo(paths.SysDataFile(name)).isFile()) {
            return QStringLiteral("データファイル(") + name + QStringLiteral(")が見つかりません");
        }
    }
    return QString();
}

} // namespace kestrel
