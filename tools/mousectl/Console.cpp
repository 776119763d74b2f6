#include "tools/mousectl/Console.h"
#include <cstdio>

namespace {

struct ResultText {
    int result;
    const char *text;
};

constexpr ResultText kResultTexts[] = {
    {1, "no mouse found"},
    {2, "the mouse did not confirm the data"},
    {4, "writing to the mouse failed"},
};

} // namespace

void printRawLine(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
}

void printJson(const QJsonDocument &document)
{
    printRawLine(document.toJson(QJsonDocument::Compact));
}

void printLine(const QString &line)
{
    printRawLine(line.toUtf8());
}

void printError(const QString &message)
{
    std::fflush(stdout);
    const QByteArray text = "mousectl: " + message.toUtf8() + '\n';
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fflush(stderr);
}

QString deviceResultText(int result)
{
    for (const ResultText &entry : kResultTexts) {
        if (entry.result == result)
            return QString::fromLatin1(entry.text);
    }
    return QStringLiteral("device error %1").arg(result);
}
