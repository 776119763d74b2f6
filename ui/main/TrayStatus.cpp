#include "ui/main/TrayStatus.h"
#include <QCoreApplication>
#include <QStringList>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TrayStatus", text);
}

// Indexed by receiver + 2 x cable.
const char *const kConnections[] = {
    QT_TRANSLATE_NOOP("TrayStatus", "Not connected"),
    QT_TRANSLATE_NOOP("TrayStatus", "Connected through the receiver"),
    QT_TRANSLATE_NOOP("TrayStatus", "Connected by cable"),
    QT_TRANSLATE_NOOP("TrayStatus", "Connected by cable and receiver"),
};

} // namespace

QString trayToolTip(const TrayStatus &status)
{
    QStringList lines;
    if (!status.product.isEmpty())
        lines << status.product;
    lines << tr(kConnections[int(status.receiver) + 2 * int(status.cable)]);
    if ((status.receiver || status.cable) && status.measured) {
        if (status.off)
            lines << tr("Mouse is off or asleep");
        else if (status.charging)
            lines << tr("Battery %1 %, charging").arg(status.percent);
        else
            lines << tr("Battery %1 %").arg(status.percent);
    }
    return lines.join(QLatin1Char('\n'));
}
