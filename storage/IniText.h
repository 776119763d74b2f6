#pragma once
// The entries of one INI file in memory, read from and written to bytes in
// exactly the form QSettings' IniFormat reads and writes: the same line and
// quoting rules, the same escapes, groups and keys written in sorted order,
// non-ASCII text written as "\x" escapes and read both so and as raw UTF-8.
// Parsing a profile this way takes a fraction of what QSettings needs, and a
// save can compare the bytes it would write with those on disk.
//
// Values of the form @Variant(...) other than colours are never streamed
// (a hostile file could ask QDataStream for any amount of memory): their
// entries are left out, as if the line were not there, and counted.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <map>

class IniText
{
public:
    IniText() = default;
    // dropped counts the entries left out for holding foreign variants.
    explicit IniText(const QByteArray &bytes);

    // A section header without "]" or a line without "=": QSettings' FormatError.
    bool hasSyntaxErrors() const { return m_syntaxErrors; }
    bool isEmpty() const { return m_entries.empty(); }
    int droppedEntries() const { return m_dropped; }

    // Keys as QSettings takes them ("Group/key"; stray slashes do not count).
    QVariant value(const QString &key) const;
    bool contains(const QString &key) const;
    void setValue(const QString &key, const QVariant &value);
    // The key and every key below it, as QSettings::remove.
    void remove(const QString &key);
    void clear() { m_entries.clear(); }
    QStringList allKeys() const;
    QStringList childGroups() const;

    // What QSettings writes for these entries.
    QByteArray toBytes() const;

private:
    struct Entry {
        QByteArray text;   // the value as written, escapes and quotes included
        QVariant value;    // set for every entry whose text is not plain
        bool plain = true; // text is the value itself, Latin-1
    };
    void parse(const QByteArray &bytes);

    std::map<QString, Entry> m_entries;
    bool m_syntaxErrors = false;
    int m_dropped = 0;
};
