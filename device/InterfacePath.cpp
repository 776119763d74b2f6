#include "device/InterfacePath.h"
#include <QRegularExpression>
#include <array>

namespace {

struct PathPattern {
    const char *expression;
    int collection;
    bool composite;
};

const std::array<PathPattern, 4> kPatterns = {{
    {"HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col01", 1, false},
    {"HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col04", 4, false},
    {"HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&MI_00&col01", 1, true},
    {"HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&MI_00&col04", 4, true},
}};

const std::array<QRegularExpression, 4> &compiledPatterns()
{
    static const std::array<QRegularExpression, 4> compiled = [] {
        std::array<QRegularExpression, 4> out;
        for (size_t i = 0; i < kPatterns.size(); ++i)
            out[i] = QRegularExpression(QString::fromLatin1(kPatterns[i].expression),
                                        QRegularExpression::CaseInsensitiveOption);
        return out;
    }();
    return compiled;
}

} // namespace

InterfacePathMatch classifyInterfacePath(const QString &path)
{
    InterfacePathMatch result;
    const auto &compiled = compiledPatterns();
    for (size_t i = 0; i < kPatterns.size(); ++i) {
        const QRegularExpressionMatch m = compiled[i].match(path);
        if (!m.hasMatch())
            continue;
        result.matched = true;
        result.collection = kPatterns[i].collection;
        result.composite = kPatterns[i].composite;
        // \w also admits letters beyond hexadecimal; such ids parse as 0.
        result.vendorId = m.captured(QStringLiteral("vid")).toInt(nullptr, 16);
        result.productId = m.captured(QStringLiteral("pid")).toInt(nullptr, 16);
        return result;
    }
    return result;
}
