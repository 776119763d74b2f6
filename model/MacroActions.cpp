#include "model/MacroActions.h"
#include "device/MacroEncoding.h"
#include "storage/DeviceDescription.h"
#include "storage/KeyTables.h"
#include <QCoreApplication>
#include <algorithm>

namespace {

const MouseButtonEntry kMouseButtons[MOUSE_BUTTON_COUNT] = {
    {QT_TRANSLATE_NOOP("MacroDialog", "LEFT CLICK"), QT_TRANSLATE_NOOP("MacroDialog", "Left Button"), 1},
    {QT_TRANSLATE_NOOP("MacroDialog", "MIDDLE CLICK"), QT_TRANSLATE_NOOP("MacroDialog", "Middle Button"), 4},
    {QT_TRANSLATE_NOOP("MacroDialog", "RIGHT CLICK"), QT_TRANSLATE_NOOP("MacroDialog", "Right Button"), 2},
    {QT_TRANSLATE_NOOP("MacroDialog", "FORWARD"), QT_TRANSLATE_NOOP("MacroDialog", "Forward Button"), 8},
    {QT_TRANSLATE_NOOP("MacroDialog", "BACKWARD"), QT_TRANSLATE_NOOP("MacroDialog", "Backward Button"), 16},
};

const char *const kMoveTexts[MOVE_DIRECTION_COUNT] = {
    QT_TRANSLATE_NOOP("MacroDialog", "MOVE UP"),
    QT_TRANSLATE_NOOP("MacroDialog", "MOVE DOWN"),
    QT_TRANSLATE_NOOP("MacroDialog", "MOVE LEFT"),
    QT_TRANSLATE_NOOP("MacroDialog", "MOVE RIGHT"),
};

// Which byte a direction moves and its sign.
struct MoveAxis {
    bool horizontal;
    int sign;
};
const MoveAxis kMoveAxes[MOVE_DIRECTION_COUNT] = {{false, -1}, {false, 1}, {true, -1}, {true, 1}};

QString macroText(const char *text)
{
    return QCoreApplication::translate("MacroDialog", text);
}

QString hexByte(uint8_t value)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

} // namespace

const MouseButtonEntry &mouseButtonAt(int index)
{
    return kMouseButtons[std::clamp(index, 0, MOUSE_BUTTON_COUNT - 1)];
}

int mouseButtonIndexOfBit(uint8_t bit)
{
    for (int i = 0; i < MOUSE_BUTTON_COUNT; ++i) {
        if (kMouseButtons[i].bit == bit)
            return i;
    }
    return -1;
}

MacroEvent mouseButtonEvent(int index, bool press)
{
    MacroEvent e;
    e.map = press ? MacroMouseButton | MacroPress : MacroMouseButton;
    e.low = mouseButtonAt(index).bit;
    return e;
}

MacroEvent keyRowEvent(int hidUsage, bool press)
{
    MacroEvent e;
    e.map = press ? MacroKey | MacroPress : MacroKey;
    e.low = uint8_t(hidUsage);
    return e;
}

MacroEvent moveEvent(MoveDirection direction, int distance)
{
    const MoveAxis axis = kMoveAxes[std::clamp(int(direction), 0, MOVE_DIRECTION_COUNT - 1)];
    const uint8_t amount = encodeMoveAmount(axis.sign * std::clamp(distance, 1, MACRO_MAX_MOVE));
    MacroEvent e;
    e.map = MacroMove;
    (axis.horizontal ? e.high : e.low) = amount;
    return e;
}

void decodeMove(const MacroEvent &event, MoveDirection &direction, int &distance)
{
    const bool horizontal = event.high != 0;
    const int amount = decodeMoveAmount(horizontal ? event.high : event.low);
    if (horizontal)
        direction = amount < 0 ? MoveLeft : MoveRight;
    else
        direction = amount < 0 ? MoveUp : MoveDown;
    distance = std::abs(amount);
}

MacroEvent withMoveDistance(const MacroEvent &event, int distance)
{
    MoveDirection direction;
    int old = 0;
    decodeMove(event, direction, old);
    MacroEvent e = moveEvent(direction, distance);
    e.map = event.map;
    return e;
}

const char *moveDirectionText(MoveDirection direction)
{
    return kMoveTexts[std::clamp(int(direction), 0, MOVE_DIRECTION_COUNT - 1)];
}

RowKind rowKind(const MacroEvent &event)
{
    // Mouse buttons are told by the whole byte, the other kinds by the low 7 bits.
    if (event.map == MacroMouseButton || event.map == (MacroMouseButton | MacroPress))
        return RowKind::MouseButton;
    switch (event.map & 0x7F) {
    case MacroMove:
        return RowKind::Move;
    case MacroKey:
        return RowKind::Key;
    case MacroDelay:
        return RowKind::Delay;
    default:
        return RowKind::Other;
    }
}

bool isPressRow(const MacroEvent &event)
{
    return event.map & MacroPress;
}

RowTexts rowTexts(const MacroEvent &event, int delayUnitMs)
{
    RowTexts t;
    const QString press = QCoreApplication::translate("MacroDialog", "Press");
    const QString release = QCoreApplication::translate("MacroDialog", "Release");
    switch (rowKind(event)) {
    case RowKind::MouseButton: {
        const int index = mouseButtonIndexOfBit(event.low);
        t.key = index < 0 ? hexByte(event.low) : macroText(kMouseButtons[index].rowName);
        t.action = isPressRow(event) ? press : release;
        break;
    }
    case RowKind::Key: {
        int code = 0;
        const QString name = hidUsageToKeyCode(event.low, code) ? keyName(KeyCode(code)) : QString();
        t.key = name.isEmpty() ? hexByte(event.low) : name;
        t.action = isPressRow(event) ? press : release;
        break;
    }
    case RowKind::Move: {
        MoveDirection direction;
        int distance = 0;
        decodeMove(event, direction, distance);
        t.key = macroText(moveDirectionText(direction));
        t.action = QString::number(distance);
        break;
    }
    case RowKind::Delay:
        t.delay = QCoreApplication::translate("MacroDialog", "%1 ms").arg(delayUnits(event) * (delayUnitMs > 0 ? delayUnitMs : DEFAULT_MIN_DELAY));
        break;
    case RowKind::Other:
        t.key = QStringLiteral("%1 %2 %3").arg(event.map).arg(event.high).arg(event.low);
        break;
    }
    return t;
}

bool macroHasRoom(const QVector<MacroEvent> &rows)
{
    return rows.size() <= KEY_INFO_COUNT && fitsMacroSlot(rows);
}
