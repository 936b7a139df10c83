#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "MessageCollector.h"
#include "TempRoot.h"

namespace kestrel::test {

inline QString DataPath(const QString& name) {
    return QStringLiteral(KESTREL_TEST_DATA "/store/") + name;
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QByteArray();
    }
    return file.readAll();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace kestrel::test
