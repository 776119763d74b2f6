#include "tools/mousectl/ButtonSettingKeys.h"
#include "storage/ConfigStorage.h"
#include "model/ButtonAssignment.h"
#include "model/ButtonCatalog.h"
#include "model/ButtonFunctionText.h"
#include <QCoreApplication>

void addButtonKeys(QVector<SettingKey> &keys)
{
    const int sensor = mouseSensor();
    for (const ButtonKey &button : buttonKeys()) {
        const int record = button.recordIndex;
        SettingKey key;
        key.name = button.key;
        key.summary = button.wheel ? QStringLiteral("function of the wheel turned %1").arg(button.key.mid(6))
                                   : QStringLiteral("function of button %1").arg(button.key.mid(7));
        key.details = buttonFunctionHelp();
        key.values = buttonFunctionNames(button.wheel);
        key.read = [record, sensor](const MouseSettings &settings, int slot) {
            return QJsonValue(buttonFunctionText(settings.profiles[slot].buttonInfo[record], sensor));
        };
        key.write = [record, sensor, name = key.name](SettingEdit &edit, const QString &text) {
            ProfileData &profile = edit.settings.profiles[edit.slot];
            ButtonFunctionContext context;
            context.recordIndex = record;
            context.sensor = sensor;
            context.profile = &profile;
            // set takes its pairs together: buttonStateRefusal judges the outcome.
            context.checkLastLeftClick = false;
            QString adjusted;
            const QString error = assignButtonFunction(text, context, profile.buttonInfo[record], &adjusted);
            if (!error.isEmpty())
                return name + QStringLiteral(": ") + error;
            if (!adjusted.isEmpty())
                edit.notes << name + QStringLiteral(": ") + adjusted;
            return QString();
        };
        keys << key;
    }
}

namespace {
bool hasLeftClick(const ProfileData &profile)
{
    for (const ButtonInfo &record : profile.buttonInfo)
        if (record.fun == FunLeftClick)
            return true;
    return false;
}
} // namespace

QString buttonStateRefusal(const ProfileData &before, const ProfileData &after)
{
    if (!hasLeftClick(before) || hasLeftClick(after))
        return QString();
    QString name = QStringLiteral("button.1");
    for (const ButtonKey &button : buttonKeys()) {
        if (before.buttonInfo[button.recordIndex].fun == FunLeftClick) {
            name = button.key;
            break;
        }
    }
    return name + QStringLiteral(": ") + QCoreApplication::translate("MousecfgWidget", LAST_LEFT_CLICK_TEXT);
}
