#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

namespace kestrel {

// The shared key/value text format: each line trimmed; empty lines and lines starting with ";"
// or "//" are comments; otherwise split at the first "=", key and value trimmed; lines with no
// "=", an empty key or an empty value are ignored. Entries keep file order; keys and values
// compare without regard to case; the first matching entry wins.
class clsIniFile {
public:
    struct Entry {
        QString key;
        QString value;
    };

    // Reads the file (CP932). False when it cannot be read; the entries are then empty.
    bool Load(const QString& path);
    void LoadText(const QString& text);
    // Load under the program's own name; Enabled tells whether the last read succeeded.
    bool Initialize(const QString& path) { return Load(path); }
    bool Enabled() const { return m_enabled; }

    // The first entry's value for the key, or empty.
    QString GetValue(const QString& key) const;
    bool Exists(const QString& key) const;
    // The first entry whose value equals the given value (case-insensitive): its key, or empty.
    QString GetKeyOfValue(const QString& value) const;
    const QVector<Entry>& Entries() const { return m_entries; }

    // The program's own names for the look-ups: the value of the key or the default; whether
    // the key exists; the key of the value or empty; whether some entry has the value.
    QString GetItem(const QString& key, const QString& defaultValue = QString()) const;
    bool ItemExists(const QString& key) const { return Exists(key); }
    QString GetKey(const QString& value) const { return GetKeyOfValue(value); }
    bool KeyExists(const QString& value) const;

private:
    void TakeLine(QStringView line);
    const Entry* FindKey(const QString& key) const;
    const Entry* FindValue(const QString& value) const;

    QVector<Entry> m_entries;
    bool m_enabled = false;
};

} // namespace kestrel
