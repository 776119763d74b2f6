#include "platform/KeyboardHook.h"
#include <QCoreApplication>
#include <QKeyEvent>
#include <QObject>
#include <QThread>
#include <vector>

namespace {

struct Registration {
    quint64 id;
    KeyboardHook::Procedure procedure;
};

// Alt keys held, as bits: the filter keeps them so that keys pressed under
// either Alt carry 0x20 even where the platform reports AltGr as a level shift.
constexpr int kLeftAltHeld = 1;
constexpr int kRightAltHeld = 2;

int altBit(int scanCode, int scanFlags)
{
    if (scanCode != ScanAlt)
        return 0;
    return (scanFlags & ScanFlagExtended) ? kRightAltHeld : kLeftAltHeld;
}

class KeyFilter : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

struct HookState {
    std::vector<Registration> kinds[KeyboardHook::KindCount];
    quint64 nextId = 1;
    KeyFilter *filter = nullptr;
    int altHeld = 0;

    bool empty() const
    {
        for (const auto &stack : kinds) {
            if (!stack.empty())
                return false;
        }
        return true;
    }
};

HookState &state()
{
    static HookState s;
    return s;
}

bool KeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    // Every key the window system delivers reaches a window first and is then
    // forwarded to the focused widget (and its parents): take it at the window only.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && watched->isWindowType()) {
        int scanCode = 0;
        int flags = 0;
        if (KeyboardHook::translate(*static_cast<QKeyEvent *>(event), scanCode, flags)) {
            if (const int bit = altBit(scanCode, flags)) {
                if (flags & ScanFlagRelease)
                    state().altHeld &= ~bit;
                else
                    state().altHeld |= bit;
            }
            KeyboardHook::inject(scanCode, flags);
        }
    }
    return false;
}

bool registered(quint64 id)
{
    for (const auto &stack : state().kinds) {
        for (const Registration &r : stack) {
            if (r.id == id)
                return true;
        }
    }
    return false;
}

} // namespace

KeyboardHook::KeyboardHook(Kind kind, Procedure procedure) : m_kind(kind)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || kind < 0 || kind >= KindCount || !procedure)
        return;
    Q_ASSERT(QThread::currentThread() == app->thread());
    HookState &s = state();
    if (!s.filter) {
        s.filter = new KeyFilter;
        s.altHeld = 0;
        app->installEventFilter(s.filter);
    }
    m_id = s.nextId++;
    s.kinds[kind].push_back({m_id, std::move(procedure)});
}

KeyboardHook::~KeyboardHook()
{
    if (!m_id)
        return;
    HookState &s = state();
    auto &stack = s.kinds[m_kind];
    for (auto it = stack.begin(); it != stack.end(); ++it) {
        if (it->id == m_id) {
            stack.erase(it);
            break;
        }
    }
    if (s.empty() && s.filter) {
        if (QCoreApplication *app = QCoreApplication::instance())
            app->removeEventFilter(s.filter);
        delete s.filter;
        s.filter = nullptr;
    }
}

void KeyboardHook::inject(int scanCode, int flags)
{
    // A procedure may remove hooks (its own or others'): take the current
    // procedures first and skip any whose hook has gone in the meantime.
    std::vector<Registration> current;
    for (const auto &stack : state().kinds) {
        if (!stack.empty())
            current.push_back(stack.back());
    }
    for (const Registration &r : current) {
        if (registered(r.id))
            r.procedure(scanCode, flags);
    }
}

bool KeyboardHook::isListening(Kind kind)
{
    return kind >= 0 && kind < KindCount && !state().kinds[kind].empty();
}

bool KeyboardHook::translate(const QKeyEvent &event, int &scanCode, int &flags)
{
    const bool release = event.type() == QEvent::KeyRelease;
    if (release && event.isAutoRepeat())
        return false;
    ScanEvent scan;
    if (!scanFromKeyEvent(event, scan))
        return false;
    int result = scan.flags & ScanFlagExtended;
    const int bit = altBit(scan.scanCode, result);
    bool altDown;
    if (bit)
        altDown = !release || (state().altHeld & ~bit);
    else
        altDown = state().altHeld || (event.modifiers() & Qt::AltModifier);
    if (altDown)
        result |= ScanFlagAltDown;
    if (release)
        result |= ScanFlagRelease;
    scanCode = scan.scanCode;
    flags = result;
    return true;
}

std::unique_ptr<KeyboardHook> KeyboardHook::install(Kind kind, Procedure procedure)
{
    auto hook = std::make_unique<KeyboardHook>(kind, std::move(procedure));
    if (!hook->isInstalled())
        hook.reset();
    return hook;
}
