#include "storage/SlotNames.h"
#include "storage/ConfigStorage.h"
#include <QDebug>
#include <QFile>
#include <algorithm>

namespace {

bool isFree(const MouseSettings &settings, const QString &name)
{
    const auto end = std::end(settings.profileNames);
    return std::find(std::begin(settings.profileNames), end, name) == end && !QFile::exists(profileFilePath(name));
}

QString freeName(const MouseSettings &settings, int slot)
{
    const QString base = QStringLiteral("Profile %1").arg(slot + 1);
    QString name = base;
    for (int n = 2; !isFree(settings, name); ++n)
        name = QStringLiteral("%1 (%2)").arg(base).arg(n);
    return name;
}

} // namespace

QList<int> separateSlotNames(MouseSettings &settings)
{
    QList<int> renamed;
    for (int i = 1; i < PROFILE_COUNT; ++i) {
        const QString &name = settings.profileNames[i];
        if (std::find(settings.profileNames, settings.profileNames + i, name) == settings.profileNames + i)
            continue;
        const QString fresh = freeName(settings, i);
        qWarning().noquote() << "Slot" << i + 1 << "shares the profile name" << name << "with an earlier slot - it is now"
                             << fresh;
        settings.profileNames[i] = fresh;
        settings.profiles[i].profileName = fresh;
        renamed << i;
    }
    return renamed;
}
