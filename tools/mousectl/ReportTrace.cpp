#include "tools/mousectl/ReportTrace.h"
#include "device/HidSeam.h"
#include "tools/mousectl/Console.h"

namespace {

void printReport(char direction, const unsigned char *data, size_t length)
{
    printRawLine(reportTraceLine(direction, data, length));
}

} // namespace

QByteArray reportTraceLine(char direction, const unsigned char *data, size_t length)
{
    QByteArray line;
    line.reserve(int(2 + length * 3));
    line.append(direction);
    line.append(' ');
    line.append(QByteArray(reinterpret_cast<const char *>(data), int(length)).toHex(' '));
    return line;
}

void startReportTrace()
{
    installHidTrace(printReport);
}

void stopReportTrace()
{
    removeHidTrace();
}
