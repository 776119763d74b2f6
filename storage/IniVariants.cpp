#include "storage/IniVariants.h"
#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

// Forms QSettings reads without QDataStream, or reads as a fixed-size colour.
const char *const kSafeForms[] = {
    "@@", "@ByteArray(", "@String(", "@Rect(", "@Size(", "@Point(", "@Invalid(",
    "@Variant(\\0\\0\\0\\x43\\", "@Variant(\\0\\0\\0C",
};

bool startsWith(const char *p, const char *end, const char *prefix)
{
    const size_t n = std::strlen(prefix);
    return size_t(end - p) >= n && std::memcmp(p, prefix, n) == 0;
}

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// An escape that yields '@' (programs write a leading '@' as "@@", never escaped).
bool escapesAt(const char *p, const char *end)
{
    if (p + 1 >= end)
        return false;
    const char kind = p[1];
    unsigned value = 0;
    if (kind == 'x') {
        for (const char *q = p + 2; q < end && isHex(*q); ++q)
            value = (value * 16 + unsigned(std::isdigit(uchar(*q)) ? *q - '0' : (*q | 0x20) - 'a' + 10)) & 0xFFFF;
        return value == '@';
    }
    if (kind >= '0' && kind <= '7') {
        for (const char *q = p + 1; q < end && *q >= '0' && *q <= '7'; ++q)
            value = (value * 8 + unsigned(*q - '0')) & 0xFFFF;
        return value == '@';
    }
    return kind == '@';
}

// One element of a value, starting at p: a variant QSettings would stream?
bool foreignVariantAt(const char *p, const char *end)
{
    // Blanks, quotes and escaped line breaks come before what QSettings reads.
    while (p < end) {
        if (*p == ' ' || *p == '\t' || *p == '"' || *p == '\r' || *p == '\n')
            ++p;
        else if (*p == '\\' && p + 1 < end && (p[1] == '\n' || p[1] == '\r'))
            p += 2;
        else
            break;
    }
    if (p == end)
        return false;
    if (*p == '\\')
        return escapesAt(p, end);
    if (*p != '@')
        return false;
    return std::none_of(std::begin(kSafeForms), std::end(kSafeForms),
                        [&](const char *form) { return startsWith(p, end, form); });
}

// The value and every element of an unquoted list.
bool valueHasForeignVariant(const char *p, const char *end)
{
    if (foreignVariantAt(p, end))
        return true;
    bool quoted = false;
    for (; p < end; ++p) {
        if (*p == '\\') {
            ++p;
        } else if (*p == '"') {
            quoted = !quoted;
        } else if (*p == ',' && !quoted && foreignVariantAt(p + 1, end)) {
            return true;
        }
    }
    return false;
}

bool continues(const char *line, const char *eol)
{
    const char *last = eol - 1;
    int backslashes = 0;
    for (; last >= line && *last == '\\'; --last)
        ++backslashes;
    return backslashes % 2 == 1;
}

} // namespace

QByteArray withoutForeignVariants(const QByteArray &text, int *dropped)
{
    *dropped = 0;
    if (!text.contains('@') && !text.contains('\\'))
        return text;
    QByteArray out;
    out.reserve(text.size());
    const char *p = text.constData();
    const char *const end = p + text.size();
    const auto isBreak = [](char c) { return c == '\n' || c == '\r'; };
    while (p < end) {
        // QSettings ends a line at CR or LF; one that ends in a backslash goes on.
        const char *lineEnd = p;
        for (;;) {
            lineEnd = std::find_if(lineEnd, end, isBreak);
            if (lineEnd == end || !continues(p, lineEnd))
                break;
            lineEnd += (lineEnd + 1 < end && lineEnd[0] == '\r' && lineEnd[1] == '\n') ? 2 : 1;
        }
        const char *next = std::find_if_not(lineEnd, end, isBreak);
        const char *equals = std::find(p, lineEnd, '=');
        if (equals != lineEnd && valueHasForeignVariant(equals + 1, lineEnd)) {
            ++*dropped;
            out.append(lineEnd, int(next - lineEnd));
        } else {
            out.append(p, int(next - p));
        }
        p = next;
    }
    return out;
}
