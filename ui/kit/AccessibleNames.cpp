#include "ui/kit/AccessibleNames.h"
#include "ui/kit/KestAccessible.h"
#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QWidget>
#include <iterator>

namespace {

struct NameRow {
    const char *objectName; // exact, or a prefix when it ends in '*' ("gunXSpin*")
    const char *text;
};

#define NAME(objectName, text) {objectName, QT_TRANSLATE_NOOP("AccessibleNames", text)}

// Controls whose meaning is not written on them.
const NameRow kNames[] = {
    // the window
    NAME("closeButton", "Close"),
    NAME("minButton", "Minimise"),
    NAME("exportButton", "Export profile"),
    NAME("importButton", "Import profile"),
    NAME("savedProfileButton", "Saved profiles"),
    NAME("profileNameEdit", "Profile name"),
    NAME("languageButton", "Language"),
    NAME("slotButton", "Profile slot"),
    NAME("mouseSelectButton", "Mouse"),
    NAME("batteryBar", "Battery"),
    NAME("chargingIcon", "Charging"),
    NAME("receiverIcon", "Receiver connected"),
    NAME("cableIcon", "Cable connected"),
    // LIGHTING
    NAME("brightnessSlider", "Brightness"),
    NAME("speedSlider", "Effect speed"),
    NAME("sleepSlider", "Sleep time"),
    // DPI
    NAME("linkedSlider", "DPI stage %1"),
    NAME("xSlider", "DPI stage %1, X"),
    NAME("ySlider", "DPI stage %1, Y"),
    NAME("enableBox", "Use DPI stage %1"),
    NAME("dpiEdit", "DPI stage %1, typed value"),
    NAME("pointerSpeedSlider", "Pointer speed"),
    NAME("scrollSpeedSpinBox", "Scroll speed"),
    // MACRO
    NAME("macroList", "Macros"),
    NAME("macroActionTree", "Actions to insert"),
    NAME("macroEventTable", "Macro events"),
    NAME("macroKeyEdit", "Key"),
    NAME("macroMoveEdit", "Movement"),
    NAME("macroDelayEdit", "Delay (ms)"),
    NAME("macroDefaultDelayEdit", "Default delay (ms)"),
    NAME("macroLoopTimeEdit", "Loop count"),
    // MACRO SELECT and GUN SET
    NAME("macroSelectButton", "Macro"),
    NAME("macroLoopCountEdit", "Loop count"),
    NAME("gunNameEdit", "Gun file name"),
    NAME("gunDelaySpin*", "Bullet %1, delay (ms)"),
    NAME("gunXSpin*", "Bullet %1, X"),
    NAME("gunYSpin*", "Bullet %1, Y"),
    // colour editor
    NAME("hSpin", "Hue"),
    NAME("sSpin", "Saturation"),
    NAME("vSpin", "Value"),
    NAME("rSpin", "Red"),
    NAME("gSpin", "Green"),
    NAME("bSpin", "Blue"),
    NAME("hexEdit", "Colour code"),
    // key, fire key and sniper dialogs
    NAME("keyDisplay", "Captured key"),
    NAME("timesEdit", "Times"),
    NAME("delayEdit", "Delay (ms)"),
    NAME("sniperSlider", "Sniper DPI"),
};

#undef NAME

const char kTableName[] = "mousecfgTableName";

const QRegularExpression &trailingNumber()
{
    static const QRegularExpression re(QStringLiteral("(\\d+)$"));
    return re;
}

// The number a row's "%1" stands for: the one ending a '*' row's own match as
// it stands, else 1 + the one ending the nearest numbered ancestor (which
// count from 0: "dpiStage2" is the third stage).
QString numberFor(const QWidget *widget, bool own)
{
    if (own)
        return trailingNumber().match(widget->objectName()).captured(1);
    for (const QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        const QRegularExpressionMatch m = trailingNumber().match(w->objectName());
        if (m.hasMatch())
            return QString::number(m.captured(1).toInt() + 1);
    }
    return QString();
}

bool matches(const NameRow &row, const QString &objectName, bool &prefix)
{
    const QLatin1String pattern(row.objectName);
    prefix = pattern.endsWith(QLatin1Char('*'));
    if (!prefix)
        return objectName == pattern;
    const QString stem = QString(pattern).chopped(1);
    return objectName.startsWith(stem) && trailingNumber().match(objectName.mid(stem.size())).capturedStart() == 0;
}

void name(QWidget *widget)
{
    QString text = accessibleNameFor(widget);
    if (text.isEmpty())
        return;
    // A name given in code wins; only the table's own name is replaced.
    const QString current = widget->accessibleName();
    if (!current.isEmpty() && current != widget->property(kTableName).toString())
        return;
    widget->setProperty(kTableName, text);
    widget->setAccessibleName(text);
}

class Namer : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Polish || type == QEvent::LanguageChange) && watched->isWidgetType())
            name(static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

QString accessibleNameFor(const QWidget *widget)
{
    const QString objectName = widget->objectName();
    for (const NameRow &row : kNames) {
        bool prefix = false;
        if (!matches(row, objectName, prefix))
            continue;
        const QString text = QCoreApplication::translate("AccessibleNames", row.text);
        return text.contains(QLatin1String("%1")) ? text.arg(numberFor(widget, prefix)) : text;
    }
    if (auto *bar = qobject_cast<const QScrollBar *>(widget))
        return bar->orientation() == Qt::Vertical ? QCoreApplication::translate("AccessibleNames", "Vertical scroll bar")
                                                  : QCoreApplication::translate("AccessibleNames", "Horizontal scroll bar");
    return QString();
}

void installAccessibleNames()
{
    static bool installed = false;
    if (installed || !qApp)
        return;
    installed = true;
    QAccessible::installFactory(kitAccessibleFactory);
    qApp->installEventFilter(new Namer(qApp));
}
