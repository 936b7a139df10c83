#include "platform/clsIniFile.h"

#include "platform/TextFile.h"

namespace kestrel {

bool clsIniFile::Load(const QString& path) {
    m_entries.clear();
    m_enabled = false;
    QString text;
    if (!TextFile::Read(path, text)) {
        return false;
    }
    LoadText(text);
    return true;
}

void clsIniFile::LoadText(const QString& text) {
    m_entries.clear();
    m_enabled = true;
    // Lines are looked at in place, so a large file costs no copy of its lines.
    const QStringView all(text);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = start;
        while (end < all.size() && all[end] != QLatin1Char('\r') && all[end] != QLatin1Char('\n')) {
            ++end;
        }
        TakeLine(all.sliced(start, end - start).trimmed());
        start = end + 1;
        if (end + 1 < all.size() && all[end] == QLatin1Char('\r') &&
            all[end + 1] == QLatin1Char('\n')) {
            ++start;
        }
    }
}

void clsIniFile::TakeLine(QStringView line) {
    if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(u"//")) {
        return;
    }
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0) {
        return;
    }
    const QStringView key = line.first(eq).trimmed();
    const QStringView value = line.sliced(eq + 1).trimmed();
    if (key.isEmpty() || value.isEmpty()) {
        return;
    }
    m_entries.append(Entry{key.toString(), value.toString()});
}

const clsIniFile::Entry* clsIniFile::FindKey(const QString& key) const {
    for (const Entry& e : m_entries) {
        if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
            return &e;
        }
    }
    return nullptr;
}

const clsIniFile::Entry* clsIniFile::FindValue(const QString& value) const {
    for (const Entry& e : m_entries) {
        if (e.value.compare(value, Qt::CaseInsensitive) == 0) {
            return &e;
        }
    }
    return nullptr;
}

QString clsIniFile::GetValue(const QString& key) const {
    const Entry* e = FindKey(key);
    return e ? e->value : QString();
}

bool clsIniFile::Exists(const QString& key) const {
    return FindKey(key) != nullptr;
}

QString clsIniFile::GetKeyOfValue(const QString& value) const {
    const Entry* e = FindValue(value);
    return e ? e->key : QString();
}

QString clsIniFile::GetItem(const QString& key, const QString& defaultValue) const {
    const Entry* e = FindKey(key);
    return e ? e->value : defaultValue;
}

bool clsIniFile::KeyExists(const QString& value) const {
    return FindValue(value) != nullptr;
}

} // namespace kestrel
