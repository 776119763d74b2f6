// The keyboard layer: native and Qt key events become set-1 scan codes with
// hook flags that the key-code conversion turns into the expected keys; hooks
// of several kinds, injection, and the event passed on unchanged.
#include "platform/KeyboardHook.h"
#include "storage/KeyTables.h"
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWindow>
#include <QtTest>
#include <memory>
#include <vector>

namespace {
struct Seen {
    int scan;
    int flags;
    bool operator==(const Seen &o) const { return scan == o.scan && flags == o.flags; }
};

// X11, Wayland and evdev platforms report the evdev code + 8.
constexpr int kNativeOffset = 8;

// A window with a line edit that has the focus.
struct TypingWindow {
    QWidget widget;
    QLineEdit *edit;
    TypingWindow()
    {
        auto *layout = new QVBoxLayout(&widget);
        edit = new QLineEdit(&widget);
        edit->setObjectName("edit");
        layout->addWidget(edit);
        widget.show();
        widget.activateWindow();
        edit->setFocus();
    }
    QWindow *window() { return widget.windowHandle(); }
};

void sendNative(QWindow *window, QEvent::Type type, int evdev, Qt::Key key = Qt::Key_unknown,
                const QString &text = QString(), bool autoRepeat = false)
{
    QKeyEvent event(type, key, Qt::NoModifier, quint32(evdev + kNativeOffset), 0, 0, text, autoRepeat);
    QCoreApplication::sendEvent(window, &event);
}
}

class TestKeyboardHook : public QObject
{
    Q_OBJECT

private slots:
    void evdevCodesBecomeSetOneScanCodes_data()
    {
        QTest::addColumn<int>("evdev");
        QTest::addColumn<int>("scan");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("keyCode");
        QTest::newRow("A") << 30 << 0x1E << 0 << 0x1E;
        QTest::newRow("Esc") << 1 << 0x01 << 0 << 0x01;
        QTest::newRow("Enter") << 28 << 0x1C << 0 << 0x1C;
        QTest::newRow("left Ctrl") << 29 << 0x1D << 0 << 0x1D;
        QTest::newRow("right Ctrl") << 97 << 0x1D << 0x01 << 0xEE;
        QTest::newRow("left Shift") << 42 << 0x2A << 0 << 0x2A;
        QTest::newRow("right Shift") << 54 << 0x36 << 0 << 0x36;
        QTest::newRow("left Alt") << 56 << 0x38 << 0 << 0x38;
        QTest::newRow("right Alt") << 100 << 0x38 << 0x01 << 0xEF;
        QTest::newRow("left Windows") << 125 << 0x5B << 0x01 << 0x5B;
        QTest::newRow("right Windows") << 126 << 0x5C << 0x01 << 0x5C;
        QTest::newRow("App") << 127 << 0x5D << 0x01 << 0x5D;
        QTest::newRow("keypad 7") << 71 << 0x47 << 0 << 0xEB;
        QTest::newRow("Home") << 102 << 0x47 << 0x01 << 0x47;
        QTest::newRow("keypad 0") << 82 << 0x52 << 0 << 0xED;
        QTest::newRow("Insert") << 110 << 0x52 << 0x01 << 0x52;
        QTest::newRow("keypad .") << 83 << 0x53 << 0 << 0xE0;
        QTest::newRow("Delete") << 111 << 0x53 << 0x01 << 0x53;
        QTest::newRow("keypad *") << 55 << 0x37 << 0 << 0xE3;
        QTest::newRow("Print Screen") << 99 << 0x37 << 0x01 << 0x37;
        QTest::newRow("keypad Enter") << 96 << 0x1C << 0x01 << 0xE5;
        QTest::newRow("keypad /") << 98 << 0x35 << 0x01 << 0xE2;
        QTest::newRow("slash") << 53 << 0x35 << 0 << 0x35;
        QTest::newRow("Num Lock") << 69 << 0x45 << 0x01 << 0xE1;
        QTest::newRow("Pause") << 119 << 0x45 << 0 << 0x45;
        QTest::newRow("keypad -") << 74 << 0x4A << 0 << 0x4A;
        QTest::newRow("keypad 5") << 76 << 0x4C << 0 << 0x4C;
        QTest::newRow("Up") << 103 << 0x48 << 0x01 << 0x48;
        QTest::newRow("Page Down") << 109 << 0x51 << 0x01 << 0x51;
        QTest::newRow("F11") << 87 << 0x57 << 0 << 0x57;
        QTest::newRow("F12") << 88 << 0x58 << 0 << 0x58;
    }

    void evdevCodesBecomeSetOneScanCodes()
    {
        QFETCH(int, evdev);
        QFETCH(int, scan);
        QFETCH(int, flags);
        QFETCH(int, keyCode);
        ScanEvent event;
        QVERIFY(scanFromEvdev(evdev, event));
        QCOMPARE(event.scanCode, scan);
        QCOMPARE(event.flags, flags);

        // The same key through a window, pressed and released.
        TypingWindow w;
        std::vector<Seen> seen;
        KeyboardHook hook(KeyboardHook::SingleKey, [&](int s, int f) { seen.push_back({s, f}); });
        sendNative(w.window(), QEvent::KeyPress, evdev);
        sendNative(w.window(), QEvent::KeyRelease, evdev);
        QCOMPARE(int(seen.size()), 2);
        const int alt = evdev == 56 || evdev == 100 ? ScanFlagAltDown : 0;
        QCOMPARE(seen[0].scan, scan);
        QCOMPARE(seen[0].flags, flags | alt);
        QCOMPARE(seen[1].flags, flags | ScanFlagRelease);
        QCOMPARE(int(keyEventToKeyCode(seen[0].scan, seen[0].flags)), keyCode);
        QCOMPARE(int(keyEventToKeyCode(seen[1].scan, seen[1].flags)), keyCode);
    }

    void unknownEvdevCodesAreNotReported()
    {
        ScanEvent event;
        QVERIFY(!scanFromEvdev(0, event));
        QVERIFY(!scanFromEvdev(113, event)); // KEY_MUTE has no key code here
        QVERIFY(!scanFromEvdev(-5, event));
        QVERIFY(!scanFromEvdev(0x10000 + 30, event));
    }

    void qtKeysWithoutNativeCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("keyCode");
        QTest::newRow("A") << int(Qt::Key_A) << int(Qt::NoModifier) << 0x1E;
        QTest::newRow("shifted 1") << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << 0x02;
        QTest::newRow("keypad 7") << int(Qt::Key_7) << int(Qt::KeypadModifier) << 0xEB;
        QTest::newRow("digit 7") << int(Qt::Key_7) << int(Qt::NoModifier) << 0x08;
        QTest::newRow("Home") << int(Qt::Key_Home) << int(Qt::NoModifier) << 0x47;
        QTest::newRow("keypad Home") << int(Qt::Key_Home) << int(Qt::KeypadModifier) << 0xEB;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 0xE5;
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << 0x1C;
        QTest::newRow("keypad /") << int(Qt::Key_Slash) << int(Qt::KeypadModifier) << 0xE2;
        QTest::newRow("Num Lock") << int(Qt::Key_NumLock) << int(Qt::KeypadModifier) << 0xE1;
        QTest::newRow("Pause") << int(Qt::Key_Pause) << int(Qt::NoModifier) << 0x45;
        QTest::newRow("Print") << int(Qt::Key_Print) << int(Qt::NoModifier) << 0x37;
        QTest::newRow("Control") << int(Qt::Key_Control) << int(Qt::NoModifier) << 0x1D;
        QTest::newRow("AltGr") << int(Qt::Key_AltGr) << int(Qt::NoModifier) << 0xEF;
        QTest::newRow("Meta") << int(Qt::Key_Meta) << int(Qt::NoModifier) << 0x5B;
        QTest::newRow("F12") << int(Qt::Key_F12) << int(Qt::NoModifier) << 0x58;
    }

    void qtKeysWithoutNativeCodes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, keyCode);
        TypingWindow w;
        std::vector<Seen> seen;
        KeyboardHook hook(KeyboardHook::ComboKey, [&](int s, int f) { seen.push_back({s, f}); });
        // As the offscreen platform delivers keys: no native scan code.
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::KeyboardModifiers(modifiers));
            QCOMPARE(event.nativeScanCode(), quint32(0));
            QCoreApplication::sendEvent(w.window(), &event);
        }
        QCOMPARE(int(seen.size()), 2);
        QCOMPARE(int(keyEventToKeyCode(seen[0].scan, seen[0].flags)), keyCode);
        QVERIFY(!(seen[0].flags & ScanFlagRelease));
        QVERIFY(seen[1].flags & ScanFlagRelease);
        QCOMPARE(int(keyEventToKeyCode(seen[1].scan, seen[1].flags)), keyCode);
    }

    void altHeldIsReported()
    {
        TypingWindow w;
        std::vector<Seen> seen;
        KeyboardHook hook(KeyboardHook::MacroRecorder, [&](int s, int f) { seen.push_back({s, f}); });
        sendNative(w.window(), QEvent::KeyPress, 100);   // right Alt
        sendNative(w.window(), QEvent::KeyPress, 30);    // A under right Alt
        sendNative(w.window(), QEvent::KeyRelease, 30);
        sendNative(w.window(), QEvent::KeyRelease, 100);
        sendNative(w.window(), QEvent::KeyPress, 30);
        const std::vector<Seen> expected = {{0x38, 0x21}, {0x1E, 0x20}, {0x1E, 0xA0}, {0x38, 0x81}, {0x1E, 0x00}};
        QVERIFY(seen == expected);
        QCOMPARE(int(keyEventToKeyCode(0x38, 0x21)), 0xEF);
        QCOMPARE(int(keyEventToKeyCode(0x38, 0x81)), 0xEF);
    }

    void theEventGoesOnUnchangedAndIsSeenOnce()
    {
        TypingWindow w;
        std::vector<Seen> seen;
        KeyboardHook hook(KeyboardHook::SingleKey, [&](int s, int f) { seen.push_back({s, f}); });
        // The line edit ignores Escape, which then travels up to the window widget.
        sendNative(w.window(), QEvent::KeyPress, 1, Qt::Key_Escape);
        sendNative(w.window(), QEvent::KeyPress, 30, Qt::Key_A, "a");
        sendNative(w.window(), QEvent::KeyRelease, 30, Qt::Key_A, "a");
        QCOMPARE(w.edit->text(), QString("a"));
        QCOMPARE(int(seen.size()), 3);
        // Sent straight to the widget: the widget gets it, the hook does not.
        QTest::keyClick(w.edit, Qt::Key_B);
        QCOMPARE(w.edit->text(), QString("ab"));
        QCOMPARE(int(seen.size()), 3);
    }

    void autoRepeatRepeatsThePressOnly()
    {
        TypingWindow w;
        std::vector<Seen> seen;
        KeyboardHook hook(KeyboardHook::SingleKey, [&](int s, int f) { seen.push_back({s, f}); });
        sendNative(w.window(), QEvent::KeyPress, 30, Qt::Key_A, "a");
        sendNative(w.window(), QEvent::KeyRelease, 30, Qt::Key_A, "a", true);
        sendNative(w.window(), QEvent::KeyPress, 30, Qt::Key_A, "a", true);
        sendNative(w.window(), QEvent::KeyRelease, 30, Qt::Key_A, "a");
        const std::vector<Seen> expected = {{0x1E, 0}, {0x1E, 0}, {0x1E, 0x80}};
        QVERIFY(seen == expected);
    }

    void onePerKindNewestFirst()
    {
        std::vector<int> calls;
        {
            KeyboardHook older(KeyboardHook::SingleKey, [&](int, int) { calls.push_back(1); });
            KeyboardHook recorder(KeyboardHook::MacroRecorder, [&](int, int) { calls.push_back(9); });
            QVERIFY(older.isInstalled());
            KeyboardHook::inject(0x1E, 0);
            QCOMPARE(calls, (std::vector<int>{1, 9}));
            calls.clear();
            {
                KeyboardHook newer(KeyboardHook::SingleKey, [&](int, int) { calls.push_back(2); });
                KeyboardHook::inject(0x1E, 0);
                QCOMPARE(calls, (std::vector<int>{2, 9}));
                calls.clear();
            }
            KeyboardHook::inject(0x1E, 0);
            QCOMPARE(calls, (std::vector<int>{1, 9}));
            QVERIFY(KeyboardHook::isListening(KeyboardHook::SingleKey));
            QVERIFY(!KeyboardHook::isListening(KeyboardHook::FireKey));
        }
        QVERIFY(!KeyboardHook::isListening(KeyboardHook::SingleKey));
        calls.clear();
        KeyboardHook::inject(0x1E, 0);
        QVERIFY(calls.empty());
    }

    void aProcedureMayRemoveAnotherHook()
    {
        int comboCalls = 0;
        auto combo = std::make_unique<KeyboardHook>(KeyboardHook::ComboKey, [&](int, int) { ++comboCalls; });
        KeyboardHook single(KeyboardHook::SingleKey, [&](int, int) { combo.reset(); });
        KeyboardHook::inject(0x1E, 0);
        QCOMPARE(comboCalls, 0);
        QVERIFY(!KeyboardHook::isListening(KeyboardHook::ComboKey));
        KeyboardHook::inject(0x1E, 0);
        QCOMPARE(comboCalls, 0);
    }
};

QTEST_MAIN(TestKeyboardHook)
#include "tst_keyboardhook.moc"
