#include "model/ButtonFunctionText.h"
#include "device/ButtonEncoding.h"
#include "storage/DeviceDescription.h"
#include "storage/MacroFiles.h"
#include "storage/SafeName.h"
#include "model/ButtonAssignment.h"
#include "model/ButtonCatalog.h"
#include "model/ComboKeys.h"
#include "model/NearestNames.h"
#include "model/FireKeyTarget.h"
#include "model/SlotLayout.h"
#include "model/SniperRange.h"
#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

const QLatin1String kNone("none"); // a key dialog accepted without a key
const QLatin1String kOff("off");   // short for "Button Off"
const QLatin1String kKeyPrefix("key=");
const QLatin1String kStepPrefix("step=");
const QLatin1String kLoopPrefix("loop=");
constexpr int kButtonOff = 16;

// Modifiers by their combo position, whichever side: "Ctrl+Shift+S".
const char *const kModifierAliases[ComboMain] = {"Shift", "Ctrl", "Win", "Alt"};
// Play-mode options of a macro; the loop count mode is the default and has none.
const char *const kModeOptions[MACRO_PLAY_MODE_COUNT] = {nullptr, "hold", "toggle"};

// What a text carries once parsed.
struct Choice {
    int fun = 0;
    KeyCode key = 0;
    ComboKeyState combo;
    uint8_t fireTarget = 0;
    int times = FIRE_DEFAULT_TIMES;
    int delay = FIRE_DEFAULT_DELAY;
    int sniperStep = 0;
    MacroSelection macro;
};

struct NamedKey {
    QString name;
    KeyCode code;
};

// The keys the key dialogs can store, by the names they show, in table order.
const QVector<NamedKey> &keyboardKeys()
{
    static const QVector<NamedKey> keys = [] {
        QVector<NamedKey> list;
        const HidKeyRow *rows = hidKeyRows();
        for (int i = 0; i < HID_KEY_ROW_COUNT; ++i)
            list.append({keyName(rows[i].code), rows[i].code});
        return list;
    }();
    return keys;
}

const QVector<NamedKey> &comboKeys()
{
    static const QVector<NamedKey> keys = [] {
        QVector<NamedKey> list = keyboardKeys();
        for (int p = 0; p < ComboMain; ++p)
            list.append({QString::fromLatin1(kModifierAliases[p]), comboLeftKey(p)});
        return list;
    }();
    return keys;
}

QString keyNameList()
{
    QStringList names;
    for (const NamedKey &key : keyboardKeys())
        names << key.name;
    return names.join(", ");
}

bool findKey(const QString &name, KeyCode &code)
{
    const QString wanted = name.simplified();
    for (const NamedKey &key : keyboardKeys()) {
        if (key.name.compare(wanted, Qt::CaseInsensitive) == 0) {
            code = key.code;
            return true;
        }
    }
    return false;
}

QString unknownKey(const QString &text)
{
    return QString("Unknown key \"%1\"; keys: %2").arg(text, keyNameList());
}

QString hexByte(int value)
{
    return QString::asprintf("0x%02X", value);
}

QString numberIn(const QString &text, int minimum, int maximum, const char *what, int &value)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number < minimum || number > maximum)
        return QString("%1 must be %2-%3, not \"%4\"")
            .arg(QLatin1String(what), QString::number(minimum), QString::number(maximum), text.trimmed());
    value = number;
    return {};
}

// --- key:KEY ---------------------------------------------------------------

QString parseSingleKey(const QString &argument, int, Choice &choice, QString &)
{
    const QString text = argument.trimmed();
    if (text.compare(kNone, Qt::CaseInsensitive) == 0) {
        choice.key = 0;
        return {};
    }
    // A key the dialog captures but has no name for (the ISO key beside left Shift, ...).
    static const QRegularExpression hex("^0x([0-9a-f]{1,2})$", QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = hex.match(text);
    if (match.hasMatch()) {
        choice.key = KeyCode(match.captured(1).toInt(nullptr, 16));
        return {};
    }
    if (findKey(text, choice.key))
        return {};
    return unknownKey(text) + "; none for no key, 0x01-0xFF for a key without a name";
}

QString formatSingleKey(const ButtonInfo &record, int)
{
    if (record.res1 == 0)
        return kNone;
    int usage = 0;
    return keyCodeToHidUsage(record.res1, usage) ? keyName(record.res1) : hexByte(record.res1);
}

// --- combo:KEYS ------------------------------------------------------------

QString addComboKey(ComboKeyState &combo, KeyCode code)
{
    int position = 0;
    uint8_t side = 0;
    if (comboModifierOf(code, position, side)) {
        combo.state[size_t(position)] |= side;
    } else if (combo.state[ComboMain] && combo.mainCode != code) {
        return QString("A combo takes one key besides Shift, Ctrl, Win and Alt, not both \"%1\" and \"%2\"")
            .arg(keyName(combo.mainCode), keyName(code));
    } else {
        combo.state[ComboMain] = 1;
        combo.mainCode = code;
    }
    return {};
}

QString parseCombo(const QString &argument, int, Choice &choice, QString &)
{
    const QString text = argument.trimmed();
    choice.combo = {};
    if (text.compare(kNone, Qt::CaseInsensitive) == 0)
        return {};
    const auto skipSpaces = [&text](int pos) {
        while (pos < text.size() && text[pos].isSpace())
            ++pos;
        return pos;
    };
    // Names may hold "+" ("Num +"): a name counts where a "+" or the end follows it.
    int pos = 0;
    while (true) {
        pos = skipSpaces(pos);
        const NamedKey *found = nullptr;
        int end = pos;
        for (const NamedKey &key : comboKeys()) {
            if (text.midRef(pos, key.name.size()).compare(key.name, Qt::CaseInsensitive) != 0)
                continue;
            end = skipSpaces(pos + key.name.size());
            if (end == text.size() || text[end] == '+') {
                found = &key;
                break;
            }
        }
        if (!found) {
            const QString part = text.mid(pos).section('+', 0, 0).trimmed();
            if (part.isEmpty())
                return QString("A key is missing after \"+\" in \"%1\"").arg(text);
            return unknownKey(part) + "; Shift, Ctrl, Win and Alt stand for either side";
        }
        const QString error = addComboKey(choice.combo, found->code);
        if (!error.isEmpty())
            return error;
        if (end == text.size())
            return {};
        pos = end + 1;
    }
}

QString formatCombo(const ButtonInfo &record, int)
{
    const ComboKeyState combo = comboFromKeyEvents(record.keyInfo, COMBO_POSITION_COUNT);
    if (combo.isEmpty())
        return kNone;
    QStringList names;
    for (int p = 0; p < COMBO_POSITION_COUNT; ++p) {
        if (combo.state[size_t(p)])
            names << keyName(combo.codeAt(p));
    }
    return names.join('+');
}

// --- fire:TARGET[:TIMES[:DELAY]] --------------------------------------------

QString parseFireTarget(const QString &text, uint8_t &value)
{
    for (int target = FireLeft; target < FireKeyboard; ++target) {
        if (text.compare(QLatin1String(fireTargetLabel(target)), Qt::CaseInsensitive) == 0) {
            value = fireTargetValue(target, 0);
            return {};
        }
    }
    KeyCode key = 0;
    const QString name = text.startsWith(kKeyPrefix, Qt::CaseInsensitive) ? text.mid(kKeyPrefix.size()) : text;
    if (text.compare(kNone, Qt::CaseInsensitive) == 0 || findKey(name, key)) {
        value = fireTargetValue(FireKeyboard, key);
        return {};
    }
    return QString("Unknown fire key target \"%1\"; use Left, Right, Middle, none, or key=KEY with KEY one of: %2")
        .arg(text, keyNameList());
}

QString parseFire(const QString &argument, int, Choice &choice, QString &)
{
    const QStringList parts = argument.split(':');
    if (parts.size() > 3)
        return QString("fire takes TARGET[:TIMES[:DELAY]], e.g. fire:Left:3:100, not \"fire:%1\"").arg(argument);
    QString error = parseFireTarget(parts[0].trimmed(), choice.fireTarget);
    if (error.isEmpty() && parts.size() > 1)
        error = numberIn(parts[1], FIRE_NUMBER_MIN, FIRE_NUMBER_MAX, "Fire key times", choice.times);
    if (error.isEmpty() && parts.size() > 2)
        error = numberIn(parts[2], FIRE_NUMBER_MIN, FIRE_NUMBER_MAX, "Fire key delay (ms)", choice.delay);
    return error;
}

QString formatFire(const ButtonInfo &record, int)
{
    KeyCode key = 0;
    const int target = fireTargetOf(record.res1, key);
    QString text;
    if (record.res1 == 0)
        text = kNone;
    else if (target != FireKeyboard)
        text = QLatin1String(fireTargetLabel(target));
    else
        text = key ? kKeyPrefix + keyName(key) : hexByte(record.res1);
    return QString("%1:%2:%3").arg(text, QString::number(record.loopNumber), QString::number(record.keyNumber));
}

// --- sniper:DPI ------------------------------------------------------------

// Sensors without a DPI table show 0 for every step; there the step is the value.
bool sensorShowsDpi(int sensor)
{
    return sensorDpi(sniperRange(sensor).sliderMin, sensor) > 0;
}

QString parseSniper(const QString &argument, int sensor, Choice &choice, QString &note)
{
    const SniperRange &range = sniperRange(sensor);
    const QString text = argument.trimmed();
    if (text.startsWith(kStepPrefix, Qt::CaseInsensitive))
        return numberIn(text.mid(kStepPrefix.size()), range.sliderMin, range.sliderMax, "Sniper step",
                        choice.sniperStep);
    if (!sensorShowsDpi(sensor))
        return QString("Sensor %1 has no DPI table; give the sniper step: sniper:step=N with N %2-%3")
            .arg(QString::number(sensor), QString::number(range.sliderMin), QString::number(range.sliderMax));

    QStringList steps;
    int lowest = sensorDpi(range.sliderMin, sensor);
    int highest = lowest;
    for (int step = range.sliderMin; step <= range.sliderMax; ++step) {
        const int dpi = sensorDpi(step, sensor);
        lowest = std::min(lowest, dpi);
        highest = std::max(highest, dpi);
        steps << QString::number(dpi);
    }
    bool ok = false;
    const int wanted = text.toInt(&ok);
    if (!ok || wanted < lowest || wanted > highest)
        return QString("Sniper DPI must be %1-%2 on sensor %3, in the steps %4; not \"%5\"")
            .arg(QString::number(lowest), QString::number(highest), QString::number(sensor), steps.join(", "), text);

    // The nearest step; between two, the lower.
    int best = range.sliderMin;
    for (int step = range.sliderMin; step <= range.sliderMax; ++step) {
        if (std::abs(sensorDpi(step, sensor) - wanted) < std::abs(sensorDpi(best, sensor) - wanted))
            best = step;
    }
    choice.sniperStep = best;
    const int dpi = sensorDpi(best, sensor);
    if (dpi != wanted)
        note = QString("Sniper DPI %1 is not a step of sensor %2; set to %3")
                   .arg(QString::number(wanted), QString::number(sensor), QString::number(dpi));
    return {};
}

QString formatSniper(const ButtonInfo &record, int sensor)
{
    const SniperRange &range = sniperRange(sensor);
    const bool onSlider = record.res1 >= range.sliderMin && record.res1 <= range.sliderMax;
    if (onSlider && sensorShowsDpi(sensor))
        return QString::number(sensorDpi(record.res1, sensor));
    return kStepPrefix + QString::number(record.res1);
}

// --- macro:NAME[:loop=N|:hold|:toggle], gun:NAME[...] ----------------------

QString parseMacro(const QString &argument, int, Choice &choice, QString &)
{
    const QStringList parts = argument.split(':');
    choice.macro = MacroSelection{};
    choice.macro.name = parts[0].trimmed();
    if (choice.macro.name.isEmpty())
        return "Give the stored macro's name, e.g. macro:NAME";
    bool modeGiven = false;
    for (int i = 1; i < parts.size(); ++i) {
        const QString option = parts[i].trimmed();
        if (option.startsWith(kLoopPrefix, Qt::CaseInsensitive)) {
            const QString error = numberIn(option.mid(kLoopPrefix.size()), MACRO_LOOP_COUNT_MIN, MACRO_LOOP_COUNT_MAX,
                                           "Macro loop count", choice.macro.loopCount);
            if (!error.isEmpty())
                return error;
            continue;
        }
        const auto *mode = std::find_if(std::begin(kModeOptions), std::end(kModeOptions), [&option](const char *name) {
            return name && option.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
        });
        if (mode == std::end(kModeOptions))
            return QString("Unknown macro option \"%1\"; use :loop=N (%2-%3), :hold or :toggle")
                .arg(option, QString::number(MACRO_LOOP_COUNT_MIN), QString::number(MACRO_LOOP_COUNT_MAX));
        const int modeIndex = int(mode - std::begin(kModeOptions));
        if (modeGiven && choice.macro.mode != modeIndex)
            return "Give one of :hold and :toggle, not both";
        choice.macro.mode = modeIndex;
        modeGiven = true;
    }
    return {};
}

QString formatMacro(const ButtonInfo &record, int)
{
    QString text = record.macroName;
    if (record.res1 != MacroPlayLoops) {
        text += record.res1 < MACRO_PLAY_MODE_COUNT ? QString(':') + QLatin1String(kModeOptions[record.res1])
                                                     : QString(":mode=%1").arg(record.res1);
    }
    if (record.loopNumber != MacroSelection().loopCount)
        text += ':' + kLoopPrefix + QString::number(record.loopNumber);
    return text;
}

// The stored macro a name means: the exact name, else the one name equal
// but for case.
QString resolveMacroName(QString &name)
{
    const QStringList stored = macroNames();
    if (stored.isEmpty())
        return "No macros are stored; record or import one on the macro page first";
    if (!stored.contains(name)) {
        QStringList alike;
        for (const QString &s : stored) {
            if (s.compare(name, Qt::CaseInsensitive) == 0)
                alike << s;
        }
        if (alike.size() != 1)
            return QString("No macro named \"%1\"; stored: %2").arg(name, stored.join(", "));
        name = alike.first();
    }
    return fileNameProblem(name);
}

// --- the forms -------------------------------------------------------------

using Parser = QString (*)(const QString &argument, int sensor, Choice &choice, QString &note);
using Formatter = QString (*)(const ButtonInfo &record, int sensor);
using Writer = void (*)(const Choice &choice, ButtonInfo &record);

struct ParameterForm {
    int fun;
    const char *prefix;
    const char *usage;
    Parser parse;
    Formatter format;
    Writer write;
};

void writeMacro(const Choice &choice, ButtonInfo &record)
{
    assignMacroSelection(record, choice.fun, choice.macro);
}

const ParameterForm kForms[] = {
    {FunSingleKey, "key", "key:KEY", parseSingleKey, formatSingleKey,
     [](const Choice &c, ButtonInfo &r) { assignSingleKey(r, c.key); }},
    {FunComboKey, "combo", "combo:KEYS", parseCombo, formatCombo,
     [](const Choice &c, ButtonInfo &r) { assignComboKey(r, c.combo); }},
    {FunFireKey, "fire", "fire:TARGET[:TIMES[:DELAY]]", parseFire, formatFire,
     [](const Choice &c, ButtonInfo &r) { assignFireKey(r, c.fireTarget, c.times, c.delay); }},
    {FunSniper, "sniper", "sniper:DPI", parseSniper, formatSniper,
     [](const Choice &c, ButtonInfo &r) { assignSniper(r, c.sniperStep); }},
    {FunMacro, "macro", "macro:NAME[:loop=N|:hold|:toggle]", parseMacro, formatMacro, writeMacro},
    {FunGunFile, "gun", "gun:NAME[:loop=N|:hold|:toggle]", parseMacro, formatMacro, writeMacro},
};

const ParameterForm *formOf(int fun)
{
    const auto *form =
        std::find_if(std::begin(kForms), std::end(kForms), [fun](const ParameterForm &f) { return f.fun == fun; });
    return form == std::end(kForms) ? nullptr : form;
}

const ParameterForm *formByPrefix(const QString &prefix)
{
    const auto *form = std::find_if(std::begin(kForms), std::end(kForms), [&prefix](const ParameterForm &f) {
        return prefix.compare(QLatin1String(f.prefix), Qt::CaseInsensitive) == 0;
    });
    return form == std::end(kForms) ? nullptr : form;
}

// --- which button takes what ------------------------------------------------

bool inWheelMenu(int fun)
{
    int count = 0;
    const int *codes = wheelMenuCodes(count);
    return std::find(codes, codes + count, fun) != codes + count;
}

// The wheel takes its menu. A button takes its menu's entries and those the
// panel handles outside any menu (sniper, gun files, profile switching), but
// not the wheel's own directions; macros only while the model shows them.
bool offered(int fun, bool wheel)
{
    if (wheel)
        return inWheelMenu(fun);
    const CatalogEntry *entry = catalogEntry(fun);
    if (!entry || (entry->place == CatalogPlace::NoMenu && inWheelMenu(fun)))
        return false;
    return !isMacroFunction(fun) || disableMacro() == 0;
}

QVector<int> offeredCodes(bool wheel)
{
    QVector<int> codes;
    if (wheel) {
        int count = 0;
        const int *wheelCodes = wheelMenuCodes(count);
        std::copy(wheelCodes, wheelCodes + count, std::back_inserter(codes));
        return codes;
    }
    int count = 0;
    const CatalogEntry *entries = catalogEntries(count);
    for (int i = 0; i < count; ++i) {
        if (offered(entries[i].fun, false))
            codes << entries[i].fun;
    }
    return codes;
}

// The few names nearest to what was typed; the whole list is one command away.
QString takers(bool wheel, const QString &input)
{
    return QString("nearest for %1: %2 (mousectl help functions lists all)")
        .arg(wheel ? "the wheel" : "a button", nearestNames(input, buttonFunctionNames(wheel)).join(", "));
}

// The function a text names; argument is what follows the first ':', when there is one.
QString identify(const QString &input, bool wheel, int &fun, QString &argument, bool &hasArgument)
{
    const int colon = input.indexOf(':');
    hasArgument = colon >= 0;
    const QString head = hasArgument ? input.left(colon).trimmed() : input;
    if (const ParameterForm *form = formByPrefix(head)) {
        fun = form->fun;
        argument = input.mid(colon + 1);
        return {};
    }
    if (!hasArgument) {
        if (sameLooseName(input, kOff)) {
            fun = kButtonOff;
            return {};
        }
        int count = 0;
        const CatalogEntry *entries = catalogEntries(count);
        for (int i = 0; i < count; ++i) {
            if (sameLooseName(input, QLatin1String(entries[i].label))) {
                fun = entries[i].fun;
                return {};
            }
        }
    }
    return QString("Unknown function \"%1\"; %2").arg(input, takers(wheel, input));
}

} // namespace

QVector<ButtonKey> buttonKeys()
{
    uint8_t layout[DESCRIPTION_BUTTON_COUNT] = {};
    const QVector<int> numbers = slotNumbers(visibleSlots(layout, loadButtonLayout(layout)));
    QVector<ButtonKey> keys;
    for (int i = 0; i < numbers.size(); ++i) {
        if (numbers[i])
            keys.append({QString("button.%1").arg(numbers[i]), i, false});
    }
    keys.append({"wheel.up", WHEEL_UP_SLOT, true});
    keys.append({"wheel.down", WHEEL_DOWN_SLOT, true});
    return keys;
}

QString buttonFunctionText(const ButtonInfo &record, int sensor)
{
    if (const ParameterForm *form = formOf(record.fun))
        return QLatin1String(form->prefix) + ':' + form->format(record, sensor);
    if (const CatalogEntry *entry = catalogEntry(record.fun))
        return QLatin1String(entry->label);
    return QString("code:%1").arg(record.fun);
}

QString assignButtonFunction(const QString &text, const ButtonFunctionContext &context, ButtonInfo &record,
                             QString *adjusted)
{
    if (adjusted)
        adjusted->clear();
    if (context.recordIndex < 0 || context.recordIndex >= BUTTON_SLOT_COUNT)
        return QString("No button record %1; records are 0-%2")
            .arg(QString::number(context.recordIndex), QString::number(BUTTON_SLOT_COUNT - 1));
    const bool wheel = context.recordIndex >= WHEEL_UP_SLOT;
    const QString input = text.trimmed();

    int fun = 0;
    QString argument;
    bool hasArgument = false;
    QString error = identify(input, wheel, fun, argument, hasArgument);
    if (!error.isEmpty())
        return error;
    if (!offered(fun, wheel))
        return QString("\"%1\" is not offered here; %2").arg(QLatin1String(catalogEntry(fun)->label), takers(wheel, input));
    const ParameterForm *form = formOf(fun);
    if (form && !hasArgument)
        return QString("\"%1\" needs its parameters: %2").arg(input, QLatin1String(form->usage));

    Choice choice;
    choice.fun = fun;
    QString note;
    if (form) {
        error = form->parse(argument, context.sensor, choice, note);
        if (!error.isEmpty())
            return error;
    }

    // The panel's refusals, in its order.
    if (context.checkLastLeftClick && takesLastLeftClick(record, fun, context.profile, context.recordIndex))
        return QCoreApplication::translate("MousecfgWidget", LAST_LEFT_CLICK_TEXT);
    if (fun == FunGunFile && !gunFileAllowed(context.recordIndex))
        return QCoreApplication::translate("KestBtnWindow", GUN_ON_LEFT_BUTTON_TEXT);
    if (isMacroFunction(fun)) {
        error = resolveMacroName(choice.macro.name);
        if (!error.isEmpty())
            return error;
    }

    if (form)
        form->write(choice, record);
    else
        assignPlainFunction(record, fun);
    if (adjusted)
        *adjusted = note;
    return {};
}

QStringList buttonFunctionNames(bool wheel)
{
    QStringList labels;
    QStringList forms;
    for (int fun : offeredCodes(wheel)) {
        if (const ParameterForm *form = formOf(fun)) {
            forms << QLatin1String(form->usage);
            continue;
        }
        labels << QLatin1String(catalogEntry(fun)->label);
        if (fun == kButtonOff)
            labels << kOff;
    }
    return labels + forms;
}

QString buttonFunctionHelp()
{
    const QString range = QString("%1-%2").arg(FIRE_NUMBER_MIN).arg(FIRE_NUMBER_MAX);
    const QString loops = QString("%1-%2").arg(MACRO_LOOP_COUNT_MIN).arg(MACRO_LOOP_COUNT_MAX);
    return QStringList{
        "A button's function is one of:",
        "  LABEL            an entry of the button menu: \"Left\", \"DPI +\", \"Volume Up\","
        " \"Button Off\" (or off), ...",
        "  key:KEY          one key: key:F5, key:Page Up; key:0xNN for a key without a name, key:none for none",
        "  combo:KEYS       keys pressed together: combo:Ctrl+Shift+S (Shift, Ctrl, Win, Alt and one more key)",
        QString("  fire:TARGET[:TIMES[:DELAY]]  fires Left, Right, Middle or key=KEY TIMES times (%1, default %2),"
                " DELAY ms apart (%1, default %3)")
            .arg(range)
            .arg(FIRE_DEFAULT_TIMES)
            .arg(FIRE_DEFAULT_DELAY),
        "  sniper:DPI       the DPI while held, rounded to a step of the sensor (sniper:step=N: the step itself)",
        QString("  macro:NAME       a stored macro, played once; :loop=N plays it N times (%1),"
                " :hold repeats it while held, :toggle until pressed again")
            .arg(loops),
        "  gun:NAME         a stored gun file, with the same options; not on the first (left) button",
        "The wheel takes: " + buttonFunctionNames(true).join(", "),
        "Labels are matched regardless of case and spaces (DPI+ is DPI +), key names regardless of case.",
    }
        .join('\n');
}
