#include "device/MacroEncoding.h"
#include <QDebug>
#include <algorithm>

namespace {

constexpr uint8_t DELAY_MAP = MacroDelay;
constexpr uint8_t ONE_UNIT_DELAY[3] = {DELAY_MAP, 0x01, 0x00};
constexpr int EVENTS_PER_DELAY = 4;
constexpr int SLOT_HEADER_BYTES = 5; // a slot whose first five bytes are zero is unused

bool hasDelay(const QVector<MacroEvent> &events)
{
    return std::any_of(events.begin(), events.end(), [](const MacroEvent &e) { return e.map == DELAY_MAP; });
}

void putTriple(QByteArray &out, int triple, const uint8_t *bytes)
{
    std::copy(bytes, bytes + 3, out.begin() + 3 * triple);
}

void putEvent(QByteArray &out, int triple, const MacroEvent &e)
{
    const uint8_t bytes[3] = {e.map, e.low, e.high};
    putTriple(out, triple, bytes);
}

constexpr int encodedSize(int events, bool delays)
{
    return 3 * (delays ? events : events + events / EVENTS_PER_DELAY + 2);
}

bool isPress(const MacroEvent &e)
{
    return e.map == (MacroKey | MacroPress) || e.map == (MacroMouseButton | MacroPress);
}

bool releases(const MacroEvent &release, const MacroEvent &press)
{
    return release.map == (press.map & ~MacroPress) && release.low == press.low && release.high == press.high;
}

bool usesMacro(const ButtonInfo &button)
{
    return button.fun == FunMacro || button.fun == FunGunFile;
}

} // namespace

QByteArray encodeMacroEvents(const QVector<MacroEvent> &events)
{
    const int n = events.size();
    if (hasDelay(events)) {
        QByteArray out(3 * n, '\0');
        for (int j = 0; j < n; ++j)
            putEvent(out, j, events[j]);
        return out;
    }
    // Without recorded delays the mouse needs a pause after every fourth event
    // and one at the end; event j moves to triple j + j / 4.
    const int closing = n + n / EVENTS_PER_DELAY;
    QByteArray out(3 * (closing + 2), '\0');
    for (int j = 0; j < n; ++j) {
        const int triple = j + j / EVENTS_PER_DELAY;
        putEvent(out, triple, events[j]);
        if (j % EVENTS_PER_DELAY == EVENTS_PER_DELAY - 1)
            putTriple(out, triple + 1, ONE_UNIT_DELAY);
    }
    putTriple(out, closing, ONE_UNIT_DELAY);
    // The pause that would follow a next fourth event is part of the stored form.
    if (n % EVENTS_PER_DELAY == EVENTS_PER_DELAY - 1)
        putTriple(out, closing + 1, ONE_UNIT_DELAY);
    return out;
}

int encodedMacroSize(const QVector<MacroEvent> &events)
{
    return encodedSize(events.size(), hasDelay(events));
}

bool fitsMacroSlot(const QVector<MacroEvent> &events)
{
    return encodedMacroSize(events) <= MACRO_SLOT_BYTES;
}

static_assert(encodedSize(MACRO_SLOT_PLAIN_EVENTS, false) <= MACRO_SLOT_BYTES
                  && encodedSize(MACRO_SLOT_PLAIN_EVENTS + 1, false) > MACRO_SLOT_BYTES,
              "MACRO_SLOT_PLAIN_EVENTS is the most that fit");

QVector<MacroEvent> eventsForSlot(const QVector<MacroEvent> &events)
{
    if (fitsMacroSlot(events))
        return events;
    // Walk forward keeping the presses still open; the last beginning that
    // fits with their releases wins. Releases add no delay events.
    QVector<MacroEvent> open;
    bool delays = false;
    int keep = 0;
    QVector<MacroEvent> keptOpen;
    for (int p = 0; p <= events.size(); ++p) {
        if (encodedSize(p + open.size(), delays) <= MACRO_SLOT_BYTES) {
            keep = p;
            keptOpen = open;
        }
        if (p == events.size())
            break;
        const MacroEvent &e = events[p];
        delays = delays || e.map == DELAY_MAP;
        if (isPress(e)) {
            open.append(e);
        } else {
            const auto match = std::find_if(open.begin(), open.end(), [&](const MacroEvent &o) { return releases(e, o); });
            if (match != open.end())
                open.erase(match);
        }
    }
    QVector<MacroEvent> kept = events.mid(0, keep);
    for (auto it = keptOpen.crbegin(); it != keptOpen.crend(); ++it)
        kept.append({uint8_t(it->map & ~MacroPress), it->high, it->low});
    qDebug() << "Macro of" << events.size() << "events cut to" << keep << "with" << keptOpen.size() << "releases";
    return kept;
}

void encodeMacroSlot(MacroArea &area, int slot, const QVector<MacroEvent> &events)
{
    if (slot < 0 || slot >= MACRO_AREA_SLOTS)
        return;
    const QByteArray encoded = encodeMacroEvents(eventsForSlot(events));
    auto begin = area.begin() + slot * MACRO_SLOT_BYTES;
    std::fill(begin, begin + MACRO_SLOT_BYTES, 0);
    std::copy(encoded.begin(), encoded.begin() + std::min(encoded.size(), MACRO_SLOT_BYTES), begin);
}

MacroFill fillMacroArea(MacroArea &area, const MouseSettings &image, const MacroNameMap &names,
                        const MacroReader &read)
{
    area.fill(0);
    for (const ProfileData &profile : image.profiles) {
        for (const ButtonInfo &button : profile.buttonInfo) {
            if (!usesMacro(button))
                continue;
            if (names.isEmpty())
                return MacroFill::NoMacros;
            const int slot = names.indexOf(button.macroName);
            if (slot < 0)
                continue;
            if (slot >= MACRO_AREA_SLOTS) {
                qDebug("iIndex>=MAX_MACRO_NUMBER_560\n");
                return MacroFill::SlotsExceeded;
            }
            encodeMacroSlot(area, slot, read(button.macroName));
        }
    }
    return MacroFill::Filled;
}

ReportList macroAreaReports(const MacroArea &area)
{
    ReportList reports;
    for (int s = 0; s < MACRO_AREA_SLOTS; ++s) {
        const auto slot = area.begin() + s * MACRO_SLOT_BYTES;
        if (std::all_of(slot, slot + SLOT_HEADER_BYTES, [](uint8_t b) { return b == 0; }))
            continue;
        for (int j = 0; j < MACRO_SLOT_BYTES / MACRO_CHUNK_BYTES; ++j) {
            const int offset = s * MACRO_SLOT_BYTES + j * MACRO_CHUNK_BYTES;
            const uint8_t tag = (s == 0 && j == 0) ? TagFirstChunk : TagNextChunk;
            reports.push_back(areaReport(OpMacros, static_cast<uint16_t>(offset), tag,
                                         area.data() + offset, MACRO_CHUNK_BYTES));
        }
    }
    if (!reports.empty())
        reports.push_back(closingReport(OpMacros));
    return reports;
}
