#pragma once
// The settings mousectl get and set name: one entry per key, reading and
// writing the settings record with the ranges and rules of the window's pages.
#include "storage/MouseSettings.h"
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

// One run of set: the record being edited and what the values became.
struct SettingEdit {
    MouseSettings &settings;
    int slot;                // 0..4: the profile the keys address
    QStringList notes;       // values that were rounded to what the mouse can do
    QString newName;         // a slot name to give once every other value is checked
};

struct SettingKey {
    QString name;
    QString summary;         // one line
    QString details;         // what values it takes
    QStringList values;      // the valid values when they are a short list
    std::function<QJsonValue(const MouseSettings &, int slot)> read;
    // Empty when the value was taken; else one line naming the valid values.
    std::function<QString(SettingEdit &, const QString &value)> write;
    // Set when a stored value can lie outside what write takes: one line
    // saying so, empty while it is inside.
    std::function<QString(const MouseSettings &, int slot)> rangeNote;
};

// The keys of the configured mouse, in the order get lists them.
const QVector<SettingKey> &settingKeys();
const SettingKey *findSettingKey(const QString &name);
// One line naming the key families, for unknown keys.
QString settingKeyFamilies();
// A read value as get prints it and set takes it back.
QString settingText(const QJsonValue &value);
