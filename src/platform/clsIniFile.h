#pragma once

#include <QString>
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

    // The first entry's value for the key, or empty.
    QString GetValue(const QString& key) const;
    bool Exists(const QString& key) const;
    // The first entry whose value equals the given value (case-insensitive): its key, or empty.
    QString GetKeyOfValue(const QString& value) const;
    const QVector<Entry>& Entries() const { return m_entries; }

private:
    QVector<Entry> m_entries;
};

} // namespace kestrel
