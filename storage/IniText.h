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
#include <QHash>
#include <vector>

class IniText
{
public:
    IniText() = default;
    // dropped counts the entries left out for holding foreign variants.
    explicit IniText(const QByteArray &bytes);

    // A section header without "]": what QSettings reports as FormatError on opening.
    bool hasSyntaxErrors() const { return m_syntaxErrors; }
    bool isEmpty() const { return m_index.isEmpty(); }
    int droppedEntries() const { return m_dropped; }

    // Keys as QSettings takes them ("Group/key"; stray slashes do not count).
    QVariant value(const QString &key) const;
    bool contains(const QString &key) const;
    void setValue(const QString &key, const QVariant &value);
    // The key and every key below it, as QSettings::remove.
    void remove(const QString &key);
    void clear();
    QStringList allKeys() const;
    QStringList childGroups() const;

    // What QSettings writes for these entries.
    QByteArray toBytes() const;

    // How a key (within its group) and a value are written, for writers that
    // produce a file's bytes without building its entries.
    static QByteArray keyBytes(QStringView name);
    static QByteArray valueBytes(const QVariant &value);
    // True when bytes parse to exactly one group, headed `header` ("[Name]"),
    // holding the entries `keys` names ("key1=key2=...", as keyBytes writes
    // them) in that order and nothing else: a save over such bytes writes
    // only its own entries. values, when given, receives each entry's value
    // as value() gives it; an entry that parsing leaves out makes it false.
    static bool holdsExactly(const QByteArray &bytes, const QByteArray &header, const QByteArray &keys,
                             std::vector<QVariant> *values = nullptr);
    // Where each section header line of bytes starts, as the parser reads them.
    static std::vector<int> sectionStarts(const QByteArray &bytes);

private:
    struct Entry {
        QString key;
        QByteArray own;     // the value as written, when not a run of m_source
        int start = -1;     // else where it stands in m_source
        int length = 0;
        QVariant value;     // for every entry whose text is not plain
        bool plain = true;  // the text is the value itself, Latin-1
        bool removed = false;
    };
    void parse(const QByteArray &bytes);
    void append(Entry &&entry);
    // Entries in the order they are written: by group, then by key.
    std::vector<int> writeOrder() const;

    QByteArray m_source;
    // In the order read or added; an index of the live ones by key.
    std::vector<Entry> m_entries;
    QHash<QString, int> m_index;
    bool m_inWriteOrder = true;
    bool m_syntaxErrors = false;
    int m_dropped = 0;
};
