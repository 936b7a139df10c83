#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "QtTestInGTest.h"

#include "platform/ProgramPaths.h"

namespace kestrel::test {

// A temporary program root holding a copy of the shipped SysData.
class DemoRoot {
public:
    DemoRoot() {
        const QString from = QStringLiteral(KESTREL_SOURCE_DIR "/data/SysData");
        QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString target = SysData() + path.mid(from.size());
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(path, target);
        }
    }
    ProgramPaths Paths() const { return ProgramPaths(m_dir.path()); }
    QString SysData() const { return m_dir.path() + QStringLiteral("/SysData"); }
    void Remove(const QString& name) const {
        QFile::remove(SysData() + QStringLiteral("/") + name);
    }

private:
    QTemporaryDir m_dir;
};

} // namespace kestrel::test
