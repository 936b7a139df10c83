#include "platform/clsIniFile.h"

#include "platform/TextFile.h"

namespace kestrel {

bool clsIniFile::Load(const QString& path) {
    m_entries.clear();
    QString text;
    if (!TextFile::Read(path, text)) {
        return false;
    }
    LoadText(text);
    return true;
}

void clsIniFile::LoadText(const QString& text) {
    m_entries.clear();
    for (const QString& raw : TextFile::SplitLines(text)) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1String("//"))) {
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0) {
            continue;
        }
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key.isEmpty() || value.isEmpty()) {
            continue;
        }
        m_entries.append(Entry{key, value});
    }
}

QString clsIniFile::GetValue(const QString& key) const {
    for (const Entry& e : m_entries) {
        if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
            return e.value;
        }
    }
    return QString();
}

bool clsIniFile::Exists(const QString& key) const {
    for (const Entry& e : m_entries) {
        if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

QString clsIniFile::GetKeyOfValue(const QString& value) const {
    for (const Entry& e : m_entries) {
        if (e.value.compare(value, Qt::CaseInsensitive) == 0) {
            return e.key;
        }
    }
    return QString();
}

} // namespace kestrel
