#include "storage/IniText.h"
#include <QColor>
#include <QDataStream>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const char kHexDigits[] = "0123456789ABCDEF";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isSpecial(char c)
{
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "Group//key/" means "Group/key" to QSettings.
QString normalizedKey(const QString &key)
{
    if (!key.startsWith(QLatin1Char('/')) && !key.endsWith(QLatin1Char('/')) && !key.contains(QLatin1String("//")))
        return key;
    return key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}

// One logical line from pos: its start, length and first unquoted '='. A
// comment runs from a ';' at the start of a line to its end; an unquoted
// ';' later on ends the line; quotes and backslashes carry a line on.
bool nextLine(const char *d, int n, int &pos, int &start, int &length, int &equals)
{
    bool quoted = false;
    equals = -1;
    start = pos;
    while (start < n && isLineSpace(d[start]))
        ++start;
    int i = start;
    while (i < n) {
        const char c = d[i++];
        if (!isSpecial(c))
            continue;
        if (c == '=') {
            if (!quoted && equals < 0)
                equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!quoted) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < n) {
                const char next = d[i++];
                if (i < n && ((next == '\n' && d[i] == '\r') || (next == '\r' && d[i] == '\n')))
                    ++i;
            }
        } else if (c == '"') {
            quoted = !quoted;
        } else if (i == start + 1) { // ';' opening a comment
            while (i < n && d[i] != '\n' && d[i] != '\r')
                ++i;
            start = i;
        } else if (!quoted) {
            --i;
            break;
        }
    }
    pos = i;
    length = i - start;
    return length > 0;
}

// Keys are Latin-1 with "\" for "/" and %XX or %UXXXX escapes.
void appendUnescapedKey(const char *d, int from, int to, QString &out)
{
    int i = from;
    while (i < to) {
        const char c = d[i];
        if (c == '\\') {
            out += QLatin1Char('/');
            ++i;
            continue;
        }
        if (c != '%' || i == to - 1) {
            out += QLatin1Char(c);
            ++i;
            continue;
        }
        const bool wide = d[i + 1] == 'U';
        const int first = i + (wide ? 2 : 1);
        const int digits = wide ? 4 : 2;
        int code = 0;
        bool ok = first + digits <= to;
        for (int k = first; ok && k < first + digits; ++k) {
            const int v = hexValue(d[k]);
            ok = v >= 0;
            code = code * 16 + v;
        }
        if (!ok) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        out += QChar(ushort(code));
        i = first + digits;
    }
}

bool isPlainKeyChar(ushort c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
           || c == '.';
}

void appendEscapedKey(QStringView key, QByteArray &out)
{
    for (const QChar qc : key) {
        const ushort c = qc.unicode();
        if (c == '/') {
            out += '\\';
        } else if (isPlainKeyChar(c)) {
            out += char(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += kHexDigits[c / 16];
            out += kHexDigits[c % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHexDigits[(c >> shift) & 0xF];
        }
    }
}

void chopTrailingBlanks(QString &s, int limit)
{
    int n = s.size();
    while (n > limit && (s.at(n - 1) == QLatin1Char(' ') || s.at(n - 1) == QLatin1Char('\t')))
        --n;
    s.truncate(n);
}

const char kSimpleEscapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'},
                                  {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};

// The text of a value: quotes, escapes, blanks around unquoted parts, and
// lists at unquoted commas. True when it was a list (then in `list`).
bool unescapeValue(const char *d, int from, int to, QString &text, QStringList &list)
{
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    int i = from;
    int chopLimit = 0;
    enum class Next { SkipBlanks, Normal, End } next = Next::SkipBlanks;
    for (;;) {
        if (next == Next::SkipBlanks)
            while (i < to && isBlank(d[i]))
                ++i;
        if (next == Next::End)
            break;
        chopLimit = text.size();
        next = Next::End;
        bool restart = false;
        while (i < to && !restart) {
            const char c = d[i];
            if (c == '\\') {
                ++i;
                if (i >= to)
                    goto end;
                const char e = d[i++];
                const auto simple = std::find_if(std::begin(kSimpleEscapes), std::end(kSimpleEscapes),
                                                 [&](const char *pair) { return pair[0] == e; });
                if (simple != std::end(kSimpleEscapes)) {
                    text += QLatin1Char((*simple)[1]);
                    next = Next::Normal, restart = true;
                    continue;
                }
                const bool hex = e == 'x' && i < to && hexValue(d[i]) >= 0;
                const bool octal = e >= '0' && e <= '7';
                if (e == 'x' && i >= to)
                    goto end;
                if (hex || octal) {
                    uint code = hex ? 0 : uint(e - '0');
                    const int base = hex ? 16 : 8;
                    for (; i < to; ++i) {
                        const int v = hexValue(d[i]);
                        if (v < 0 || v >= base)
                            break;
                        code = code * uint(base) + uint(v);
                    }
                    text += QChar(ushort(code & 0xFFFF));
                    if (i >= to)
                        goto end;
                    next = Next::Normal, restart = true;
                    continue;
                }
                if ((e == '\n' || e == '\r') && i < to && (d[i] == '\n' || d[i] == '\r') && d[i] != e)
                    ++i;
                chopLimit = text.size();
            } else if (c == '"') {
                ++i;
                quoted = true;
                inQuotes = !inQuotes;
                if (!inQuotes)
                    next = Next::SkipBlanks, restart = true;
            } else if (c == ',' && !inQuotes) {
                if (!quoted)
                    chopTrailingBlanks(text, chopLimit);
                if (!isList) {
                    isList = true;
                    list.clear();
                }
                list.append(text);
                text.clear();
                quoted = false;
                ++i;
                next = Next::SkipBlanks, restart = true;
            } else {
                int j = i + 1;
                while (j < to && d[j] != '\\' && d[j] != '"' && d[j] != ',')
                    ++j;
                // Each run is decoded on its own, a byte order mark at its start dropped.
                const int bom = (j - i >= 3 && std::memcmp(d + i, "\xEF\xBB\xBF", 3) == 0) ? 3 : 0;
                text += QString::fromUtf8(d + i + bom, j - i - bom);
                i = j;
            }
        }
        if (!restart) {
            if (!quoted)
                chopTrailingBlanks(text, chopLimit);
            break;
        }
    }
end:
    if (isList)
        list.append(text);
    return isList;
}

// QSettings' "@Rect(1 2 3 4)" arguments.
QStringList splitArguments(const QString &s, int open)
{
    QStringList args;
    QString item;
    for (int i = open + 1; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c == QLatin1Char(')')) {
            args.append(item);
        } else if (c == QLatin1Char(' ')) {
            args.append(item);
            item.clear();
        } else {
            item.append(c);
        }
    }
    return args;
}

// The value a text stands for. *foreign for a streamed variant other than a colour.
QVariant textVariant(const QString &s, bool *foreign)
{
    if (!s.startsWith(QLatin1Char('@')))
        return s;
    if (s.endsWith(QLatin1Char(')'))) {
        if (s.startsWith(QLatin1String("@ByteArray(")))
            return s.mid(11, s.size() - 12).toLatin1();
        if (s.startsWith(QLatin1String("@String(")))
            return s.mid(8, s.size() - 9);
        if (s.startsWith(QLatin1String("@Variant(")) || s.startsWith(QLatin1String("@DateTime("))) {
            // Only a colour's fixed-size form is ever streamed.
            const QByteArray stream = s.mid(9).toLatin1();
            if (!s.startsWith(QLatin1String("@Variant(")) || !stream.startsWith(QByteArray("\0\0\0\x43", 4))) {
                *foreign = true;
                return QVariant();
            }
            QDataStream in(stream);
            in.setVersion(QDataStream::Qt_4_0);
            QVariant colour;
            in >> colour;
            return colour;
        }
        if (s.startsWith(QLatin1String("@Rect("))) {
            const QStringList a = splitArguments(s, 5);
            if (a.size() == 4)
                return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
        } else if (s.startsWith(QLatin1String("@Size("))) {
            const QStringList a = splitArguments(s, 5);
            if (a.size() == 2)
                return QSize(a[0].toInt(), a[1].toInt());
        } else if (s.startsWith(QLatin1String("@Point("))) {
            const QStringList a = splitArguments(s, 6);
            if (a.size() == 2)
                return QPoint(a[0].toInt(), a[1].toInt());
        } else if (s == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    if (s.startsWith(QLatin1String("@@")))
        return s.mid(1);
    return s;
}

QVariant listVariant(const QStringList &items, bool *foreign)
{
    QStringList list = items;
    for (int i = 0; i < list.size(); ++i) {
        if (!list.at(i).startsWith(QLatin1Char('@')))
            continue;
        if (list.at(i).startsWith(QLatin1String("@@"))) {
            list[i].remove(0, 1);
            continue;
        }
        // From the items as read: those before this one lost an "@" above.
        QVariantList variants;
        for (const QString &item : items)
            variants.append(textVariant(item, foreign));
        return variants;
    }
    return list;
}

// The text QSettings writes for a value before escaping.
QString variantText(const QVariant &v)
{
    switch (v.userType()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray: {
        const QByteArray a = v.toByteArray();
        return QLatin1String("@ByteArray(") + QLatin1String(a.constData(), a.size()) + QLatin1Char(')');
    }
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Double:
    case QMetaType::QKeySequence: {
        QString s = v.toString();
        if (s.contains(QChar::Null))
            return QLatin1String("@String(") + s + QLatin1Char(')');
        if (s.startsWith(QLatin1Char('@')))
            s.prepend(QLatin1Char('@'));
        return s;
    }
    case QMetaType::QRect: {
        const QRect r = v.toRect();
        return QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
    }
    case QMetaType::QSize: {
        const QSize s = v.toSize();
        return QString::asprintf("@Size(%d %d)", s.width(), s.height());
    }
    case QMetaType::QPoint: {
        const QPoint p = v.toPoint();
        return QString::asprintf("@Point(%d %d)", p.x(), p.y());
    }
    default: {
        QByteArray a;
        {
            QDataStream out(&a, QIODevice::WriteOnly);
            out.setVersion(QDataStream::Qt_4_0);
            out << v;
        }
        return QLatin1String("@Variant(") + QLatin1String(a.constData(), a.size()) + QLatin1Char(')');
    }
    }
}

void appendHexEscape(ushort c, QByteArray &out)
{
    out += "\\x";
    out += QByteArray::number(c, 16);
}

bool isHexDigitChar(ushort c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Written without a codec: everything outside printable ASCII is escaped.
void appendEscapedText(const QString &s, QByteArray &out)
{
    static const struct {
        ushort c;
        const char *escape;
    } kEscapes[] = {{'\a', "\\a"}, {'\b', "\\b"}, {'\f', "\\f"}, {'\n', "\\n"}, {'\r', "\\r"},
                    {'\t', "\\t"}, {'\v', "\\v"}, {'"', "\\\""}, {'\\', "\\\\"}};
    const int start = out.size();
    bool needsQuotes = false;
    bool escapeHexDigit = false;
    for (const QChar qc : s) {
        const ushort c = qc.unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        // An escape is as long as its digits go: a digit right after one is escaped too.
        if (escapeHexDigit && isHexDigitChar(c)) {
            appendHexEscape(c, out);
            continue;
        }
        escapeHexDigit = false;
        const auto named = std::find_if(std::begin(kEscapes), std::end(kEscapes), [&](const auto &e) { return e.c == c; });
        if (c == 0) {
            out += "\\0";
            escapeHexDigit = true;
        } else if (named != std::end(kEscapes)) {
            out += named->escape;
        } else if (c <= 0x1F || c >= 0x7F) {
            appendHexEscape(c, out);
            escapeHexDigit = true;
        } else {
            out += char(c);
        }
    }
    if (needsQuotes || (out.size() > start && (out.at(start) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

QByteArray valueText(const QVariant &v)
{
    QByteArray out;
    const int type = v.userType();
    // Most values are numbers, which need no escaping.
    if (type == QMetaType::Int || type == QMetaType::UInt || type == QMetaType::LongLong)
        return QByteArray::number(v.toLongLong());
    if (type == QMetaType::QStringList || (type == QMetaType::QVariantList && v.toList().size() != 1)) {
        const QVariantList items = v.toList();
        if (items.isEmpty())
            return QByteArrayLiteral("@Invalid()");
        for (int i = 0; i < items.size(); ++i) {
            if (i)
                out += ", ";
            appendEscapedText(variantText(items.at(i)), out);
        }
        return out;
    }
    appendEscapedText(variantText(v), out);
    return out;
}

// A value QSettings reads as its own bytes and writes back unchanged.
bool isPlainValue(const char *d, int from, int to)
{
    if (from < to && d[from] == '@')
        return false;
    for (int i = from; i < to; ++i) {
        const char c = d[i];
        if (c < 0x20 || c > 0x7E || c == '"' || c == ',' || c == '\\' || c == '=' || c == ';')
            return false;
    }
    return true;
}

bool isPlainKey(const char *d, int from, int to)
{
    for (int i = from; i < to; ++i) {
        const char c = d[i];
        if (c == '\\' || c == '%')
            return false;
    }
    return true;
}

// Groups in name order ("" first, written as [General]), keys in name order inside each.
struct WriteKey {
    QStringView group;
    QStringView name;
};

WriteKey writeKeyOf(const QString &key)
{
    const int slash = key.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return {QStringView(), QStringView(key)};
    return {QStringView(key).left(slash), QStringView(key).mid(slash + 1)};
}

bool writtenBefore(const WriteKey &a, const WriteKey &b)
{
    const int byGroup = a.group.compare(b.group);
    return byGroup != 0 ? byGroup < 0 : a.name.compare(b.name) < 0;
}

} // namespace

QByteArray IniText::keyBytes(QStringView name)
{
    QByteArray out;
    appendEscapedKey(name, out);
    return out;
}

QByteArray IniText::valueBytes(const QVariant &value)
{
    return valueText(value);
}

bool IniText::holdsExactly(const QByteArray &bytes, const QByteArray &header, const QByteArray &keys,
                           std::vector<QVariant> *values)
{
    const char *d = bytes.constData();
    const int n = bytes.size();
    int pos = 0;
    int start = 0;
    int length = 0;
    int equals = -1;
    if (!nextLine(d, n, pos, start, length, equals) || length != header.size()
        || std::memcmp(d + start, header.constData(), size_t(length)) != 0)
        return false;
    QString text;
    QStringList list;
    // Escaped keys hold no '=', so each one ends at the next.
    for (int key = 0; key < keys.size();) {
        const int end = keys.indexOf('=', key);
        if (end < 0 || !nextLine(d, n, pos, start, length, equals) || equals - start != end - key
            || std::memcmp(d + start, keys.constData() + key, size_t(end - key)) != 0)
            return false;
        key = end + 1;
        if (!values)
            continue;
        // The value as parse() and value() make it.
        int valueStart = equals + 1;
        int valueEnd = start + length;
        while (valueStart < valueEnd && isBlank(d[valueStart]))
            ++valueStart;
        while (valueEnd > valueStart && isBlank(d[valueEnd - 1]))
            --valueEnd;
        if (isPlainValue(d, valueStart, valueEnd)) {
            values->push_back(QString::fromLatin1(d + valueStart, valueEnd - valueStart));
            continue;
        }
        text.clear();
        bool foreign = false;
        values->push_back(unescapeValue(d, equals + 1, start + length, text, list) ? listVariant(list, &foreign)
                                                                                   : textVariant(text, &foreign));
        if (foreign)
            return false;
    }
    return !nextLine(d, n, pos, start, length, equals);
}

std::vector<int> IniText::sectionStarts(const QByteArray &bytes)
{
    std::vector<int> starts;
    const char *d = bytes.constData();
    int pos = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    int start = 0;
    int length = 0;
    int equals = -1;
    while (nextLine(d, bytes.size(), pos, start, length, equals)) {
        if (d[start] == '[')
            starts.push_back(start);
    }
    return starts;
}

IniText::IniText(const QByteArray &bytes) : m_source(bytes)
{
    parse(bytes);
}

void IniText::append(Entry &&entry)
{
    const auto found = m_index.constFind(entry.key);
    if (found != m_index.constEnd()) {
        m_entries[size_t(*found)] = std::move(entry);
        return;
    }
    if (m_inWriteOrder && !m_entries.empty()) {
        const Entry &last = m_entries.back();
        m_inWriteOrder = !last.removed && writtenBefore(writeKeyOf(last.key), writeKeyOf(entry.key));
    }
    m_index.insert(entry.key, int(m_entries.size()));
    m_entries.push_back(std::move(entry));
}

void IniText::parse(const QByteArray &bytes)
{
    const char *d = bytes.constData();
    const int n = bytes.size();
    int pos = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    int start = 0;
    int length = 0;
    int equals = -1;
    QString section; // "" or "Group/"
    bool oddSection = false; // one that stray slashes make another group
    QString text;
    QStringList list;
    m_entries.reserve(size_t(n / 24));
    m_index.reserve(n / 24);
    while (nextLine(d, n, pos, start, length, equals)) {
        const int end = start + length;
        if (d[start] == '[') {
            const char *close = std::find(d + start, d + end, ']');
            if (close == d + end)
                m_syntaxErrors = true;
            const QByteArray name = QByteArray(d + start + 1, int(close - d) - start - 1).trimmed();
            section.clear();
            oddSection = false;
            if (qstricmp(name.constData(), "general") == 0)
                continue;
            if (qstricmp(name.constData(), "%general") == 0)
                section = QLatin1String(name.constData() + 1);
            else
                appendUnescapedKey(name.constData(), 0, name.size(), section);
            section += QLatin1Char('/');
            oddSection = section.startsWith(QLatin1Char('/')) || section.contains(QLatin1String("//"));
            continue;
        }
        // A line without "=" is skipped, as QSettings does, without counting
        // as an error: QSettings reports those only for sections it is asked about.
        if (equals < 0)
            continue;
        int keyEnd = equals;
        while (keyEnd > start && isBlank(d[keyEnd - 1]))
            --keyEnd;
        Entry entry;
        entry.key = section;
        bool oddKey = oddSection || keyEnd == start; // an empty key leaves the group's "/" at the end
        if (isPlainKey(d, start, keyEnd)) {
            entry.key += QLatin1String(d + start, keyEnd - start);
            oddKey = oddKey || std::memchr(d + start, '/', size_t(keyEnd - start));
        } else {
            appendUnescapedKey(d, start, keyEnd, entry.key);
            oddKey = true;
        }
        // A stray "/" kept in the key would be written as a "\" that hides the
        // "=" after it from the next read, and the entry would be lost.
        if (oddKey)
            entry.key = normalizedKey(entry.key);

        int valueStart = equals + 1;
        int valueEnd = end;
        while (valueStart < valueEnd && isBlank(d[valueStart]))
            ++valueStart;
        while (valueEnd > valueStart && isBlank(d[valueEnd - 1]))
            --valueEnd;
        if (isPlainValue(d, valueStart, valueEnd)) {
            entry.start = valueStart;
            entry.length = valueEnd - valueStart;
        } else {
            text.clear();
            bool foreign = false;
            entry.value = unescapeValue(d, equals + 1, end, text, list) ? listVariant(list, &foreign)
                                                                        : textVariant(text, &foreign);
            if (foreign) {
                ++m_dropped;
                continue;
            }
            entry.plain = false;
            entry.own = valueText(entry.value);
        }
        append(std::move(entry));
    }
}

QVariant IniText::value(const QString &key) const
{
    const auto found = m_index.constFind(normalizedKey(key));
    if (found == m_index.constEnd())
        return QVariant();
    const Entry &entry = m_entries[size_t(*found)];
    if (!entry.plain)
        return entry.value;
    if (entry.start >= 0)
        return QString::fromLatin1(m_source.constData() + entry.start, entry.length);
    return QString::fromLatin1(entry.own);
}

bool IniText::contains(const QString &key) const
{
    return m_index.contains(normalizedKey(key));
}

void IniText::setValue(const QString &key, const QVariant &value)
{
    Entry entry;
    entry.key = normalizedKey(key);
    entry.value = value;
    entry.plain = false;
    entry.own = valueText(value);
    append(std::move(entry));
}

void IniText::remove(const QString &key)
{
    const QString name = normalizedKey(key);
    if (name.isEmpty()) {
        clear();
        return;
    }
    const QString prefix = name + QLatin1Char('/');
    for (auto it = m_index.begin(); it != m_index.end();) {
        if (it.key() == name || it.key().startsWith(prefix)) {
            m_entries[size_t(*it)].removed = true;
            it = m_index.erase(it);
        } else {
            ++it;
        }
    }
}

void IniText::clear()
{
    m_entries.clear();
    m_index.clear();
    m_inWriteOrder = true;
}

QStringList IniText::allKeys() const
{
    QStringList keys = m_index.keys();
    std::sort(keys.begin(), keys.end());
    return keys;
}

QStringList IniText::childGroups() const
{
    QStringList groups;
    for (auto it = m_index.constBegin(); it != m_index.constEnd(); ++it) {
        const int slash = it.key().indexOf(QLatin1Char('/'));
        if (slash >= 0)
            groups.append(it.key().left(slash));
    }
    std::sort(groups.begin(), groups.end());
    groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
    return groups;
}

std::vector<int> IniText::writeOrder() const
{
    std::vector<int> order;
    order.reserve(m_entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (!m_entries[i].removed)
            order.push_back(int(i));
    }
    if (!m_inWriteOrder) {
        std::vector<WriteKey> keys(m_entries.size());
        for (int i : order)
            keys[size_t(i)] = writeKeyOf(m_entries[size_t(i)].key);
        std::sort(order.begin(), order.end(), [&](int a, int b) { return writtenBefore(keys[size_t(a)], keys[size_t(b)]); });
    }
    return order;
}

QByteArray IniText::toBytes() const
{
    const std::vector<int> order = writeOrder();
    QByteArray out;
    out.reserve(m_source.size() + 64);
    QStringView group;
    bool first = true;
    for (int i : order) {
        const Entry &entry = m_entries[size_t(i)];
        const WriteKey key = writeKeyOf(entry.key);
        if (first || key.group != group) {
            QByteArray header;
            appendEscapedKey(key.group, header);
            if (header.isEmpty())
                header = "General";
            else if (qstricmp(header.constData(), "general") == 0)
                header = "%General";
            if (!first)
                out += '\n';
            out += '[' + header + "]\n";
            group = key.group;
            first = false;
        }
        appendEscapedKey(key.name, out);
        out += '=';
        if (entry.start >= 0)
            out.append(m_source.constData() + entry.start, entry.length);
        else
            out += entry.own;
        out += '\n';
    }
    return out;
}
