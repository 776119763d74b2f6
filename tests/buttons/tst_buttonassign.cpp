// The CUSTOMIZE page of the window on the virtual mouse: functions chosen
// through the slot menus, the wheel hot-spots and the parameter dialogs reach
// the mouse's key table on Apply; hot-spots, hover pictures, views and the
// panel's signals; the text form of the functions, which the command line uses.
#include "device/SensorEncoding.h"
#include "platform/KeyboardHook.h"
#include "sim/VirtualMouse.h"
#include "storage/ConfigStorage.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MacroFixtures.h"
#include "tests/support/MessageWatcher.h"
#include "tests/support/UiDrivers.h"
#include "tests/support/VirtualMouseFixture.h"
#include "model/ButtonFunctionText.h"
#include "ui/buttons/KestBtnWindow.h"
#include "ui/buttons/KestComboKeyWindow.h"
#include "ui/buttons/KestFireKeyWindow.h"
#include "ui/buttons/KestSingleKeyWindow.h"
#include "ui/buttons/KestSniperWindow.h"
#include "ui/kit/KestAction.h"
#include "ui/kit/KestPushButton.h"
#include "ui/main/MousecfgWidget.h"
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSlider>
#include <QtTest>
#include <memory>

namespace {
using Entry = std::array<uint8_t, 4>;

void tap(int scan, int flags = 0)
{
    KeyboardHook::inject(scan, flags);
    KeyboardHook::inject(scan, flags | ScanFlagRelease);
}

// Opens a slot's menu by clicking its button and follows path in it.
void chooseFromSlotMenu(KestBtnWindow *panel, int index, const QStringList &path)
{
    MenuDriver menu(path);
    QTest::mouseClick(panel->slotButton(0, index), Qt::LeftButton);
    QVERIFY2(menu.done(), qPrintable(path.join(" > ")));
}

qint64 pictureKey(const QLabel *label)
{
    return label->pixmap(Qt::ReturnByValue).cacheKey();
}

// "fun res1 loopNumber keyNumber @macroName | index:map,low,high" of the non-empty key entries.
QString dump(const ButtonInfo &b)
{
    QString text = QString::asprintf("%d %02x %d %d", b.fun, b.res1, b.loopNumber, b.keyNumber);
    if (!b.macroName.isEmpty())
        text += " @" + b.macroName;
    QStringList entries;
    for (int i = 0; i < KEY_INFO_COUNT; ++i) {
        const KeyInfo &e = b.keyInfo[i];
        if (e.map || e.low || e.high)
            entries << QString::asprintf("%d:%02x%02x%02x", i, e.map, e.low, e.high);
    }
    return entries.isEmpty() ? text : text + " | " + entries.join(' ');
}
} // namespace

class TestButtonAssign : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppDirFixture> m_app;
    std::unique_ptr<VirtualMouseFixture> m_mouse;
    std::unique_ptr<MessageWatcher> m_messages;
    std::unique_ptr<MousecfgWidget> m_window;

    KestBtnWindow *panel() const { return m_window->buttonPanel(); }
    ProfileData &profile() const { return m_window->workingSettings().profiles[m_window->workingSettings().profileId]; }
    QLabel *picture(const char *name) const { return m_window->findChild<QLabel *>(name); }

private slots:
    void init()
    {
        m_app = std::make_unique<AppDirFixture>(AppDirFixture::DemoData);
        QVERIFY(m_app->isValid());
        // The text form needs the installation data, not the window.
        if (QByteArray(QTest::currentTestFunction()).startsWith("text"))
            return;
        // The pictures and hot-spot images of the installation.
        const QString skin = qEnvironmentVariable("MOUSECFG_APPDIR") + "/skin";
        QVERIFY2(QFile::exists(skin + "/mouse/TREVIK/Mouse.png"), qPrintable(skin));
        QVERIFY(QFile::link(skin, m_app->filePath("skin")));
        m_messages = std::make_unique<MessageWatcher>();
        m_mouse = std::make_unique<VirtualMouseFixture>(Connection::Receiver);
        m_window = std::make_unique<MousecfgWidget>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->selectPage(1);
    }

    void cleanup()
    {
        m_window.reset();
        m_messages.reset();
        m_mouse.reset();
        m_app.reset();
    }

    void choicesReachTheKeyTable()
    {
        QCOMPARE(panel()->profileRecord(), &profile());
        QVERIFY(panel()->slotButton(0, 3)->isVisibleTo(m_window.get()));
        const ProfileData before = profile();

        chooseFromSlotMenu(panel(), 3, {"DPI", "DPI +"});
        QCOMPARE(profile().buttonInfo[3].fun, 48);

        DialogDriver singleKey("KestSingleKeyWindow", [](QDialog *d) {
            tap(0x30); // B
            static_cast<KestSingleKeyWindow *>(d)->okButton()->click();
        });
        chooseFromSlotMenu(panel(), 4, {"Advance", "SINGLE KEY"});
        QVERIFY(singleKey.done());

        DialogDriver combo("KestComboKeyWindow", [](QDialog *d) {
            KeyboardHook::inject(0x1D, 0);
            KeyboardHook::inject(0x2A, 0);
            KeyboardHook::inject(0x1E, 0);
            static_cast<KestComboKeyWindow *>(d)->okButton()->click();
        });
        chooseFromSlotMenu(panel(), 5, {"Advance", "COMBO KEY"});
        QVERIFY(combo.done());

        DialogDriver fire("KestFireKeyWindow", [](QDialog *d) {
            auto *dialog = static_cast<KestFireKeyWindow *>(d);
            dialog->targetBox(KestFireKeyWindow::TargetKeyboard)->click();
            tap(0x25); // K
            dialog->timesEdit()->setText("5");
            dialog->delayEdit()->setText("50");
            dialog->okButton()->click();
        });
        chooseFromSlotMenu(panel(), 6, {"Advance", "FIRE KEY"});
        QVERIFY(fire.done());

        // No menu offers the sniper; its entry is handled all the same.
        DialogDriver sniper("KestSniperWindow", [](QDialog *d) {
            auto *dialog = static_cast<KestSniperWindow *>(d);
            dialog->slider()->setValue(7);
            dialog->okButton()->click();
        });
        panel()->setCurrentButton(2, 0);
        panel()->action(55)->trigger();
        QVERIFY(sniper.done());

        chooseFromSlotMenu(panel(), 1, {"Button Off"});

        // The wheel through its hot-spots on the picture.
        for (int i = 0; i < 2; ++i) {
            MenuDriver wheel({i == 0 ? "Volume Up" : "Middle"});
            KestPushButton *spot = m_window->hotSpot(MousecfgWidget::WheelView, i);
            QVERIFY(spot->isVisibleTo(m_window.get()));
            QTest::mouseClick(spot, Qt::LeftButton);
            QTRY_VERIFY(wheel.done());
            QCOMPARE(m_window->selectedHotSpot(MousecfgWidget::WheelView), i);
        }
        QCOMPARE(profile().buttonInfo[40].fun, 43);
        QCOMPARE(profile().buttonInfo[41].fun, 3);
        QCOMPARE(panel()->slotButton(0, 5)->text(), QString("COMBO KEY"));

        // As text, each choice makes the same record from where the panel started.
        const int changed[] = {1, 2, 3, 4, 5, 6, 40, 41};
        QStringList texts;
        for (int r : changed) {
            const ButtonInfo &made = profile().buttonInfo[r];
            texts << buttonFunctionText(made, mouseSensor());
            ButtonInfo again = before.buttonInfo[r];
            QCOMPARE(assignButtonFunction(texts.last(), {r, mouseSensor(), &before}, again), QString());
            QCOMPARE(dump(again), dump(made));
        }
        QCOMPARE(texts, (QStringList{"Button Off", "sniper:800", "DPI +", "key:B", "combo:LShift+LCtr+A",
                                     "fire:key=K:5:50", "Volume Up", "Middle"}));

        m_window->apply();
        QVERIFY(m_messages->texts().isEmpty());
        const auto entries = virtualMouse().keyEntries();
        const uint8_t sniperValue = encodeSniperValue(3327, 7);
        const Entry expected[] = {
            {0x81, 0x00, 0x00, 0x00},               // left, untouched
            {0x00, 0x00, 0x00, 0x00},               // Button Off
            {0x9A, 0x01, sniperValue, sniperValue}, // sniper step 7
            {0x8A, 0x00, 0x00, 0x00},               // DPI +
            {0x90, 0x00, 0x05, 0x00},               // single key B (usage 0x05)
            {0x8F, 0x03, 0x04, 0x00},               // Ctrl + Shift + A
            {0x99, 0x0E, 0x05, 0x05},               // fire K, 5 times, 50 ms
        };
        for (int i = 0; i < 7; ++i)
            QCOMPARE(entries[size_t(i)], expected[i]);
        QCOMPARE(entries[22], (Entry{0x8E, 0x01, 0xE9, 0x00})); // Volume Up
        QCOMPARE(entries[23], (Entry{0x83, 0x00, 0x00, 0x00})); // Middle

        // The write is remembered: nothing changed, nothing sent again.
        virtualMouse().resetCounters();
        m_window->apply();
        QCOMPARE(virtualMouse().writeCount(0x03), 0);
    }

    void hotSpotsFollowTheButtons()
    {
        // The demo model shows seven buttons, numbered as on the panel.
        for (int i = 0; i < MousecfgWidget::HOT_SPOT_COUNT; ++i) {
            KestPushButton *spot = m_window->hotSpot(MousecfgWidget::FrontView, i);
            if (i < 7) {
                QVERIFY(spot->isVisibleTo(m_window.get()));
                QCOMPARE(spot->text(), QString::number(i + 1));
                QCOMPARE(spot->toolTip(), panel()->slotButton(0, i)->text());
                QVERIFY(picture("frontPicture")->rect().contains(spot->geometry()));
            } else {
                QVERIFY(spot->isHidden());
            }
        }
        // Square wheel images for this model.
        QCOMPARE(m_window->hotSpot(MousecfgWidget::WheelView, 0)->imageCount(), 3);
        QCOMPARE(m_window->hotSpot(MousecfgWidget::WheelView, 0)->toolTip(), QString("Scroll Up"));

        // A front hot-spot selects the panel's slot and opens its menu.
        MenuDriver menu({"Media", "Mute"});
        QTest::mouseClick(m_window->hotSpot(MousecfgWidget::FrontView, 3), Qt::LeftButton);
        QTRY_VERIFY(menu.done());
        QCOMPARE(m_window->selectedHotSpot(MousecfgWidget::FrontView), 3);
        QVERIFY(m_window->hotSpot(MousecfgWidget::FrontView, 3)->isChecked());
        QCOMPARE(profile().buttonInfo[3].fun, 45);
        QCOMPARE(m_window->hotSpot(MousecfgWidget::FrontView, 3)->toolTip(), QString("Mute"));
    }

    void frontAndSideViews()
    {
        QLabel *front = picture("frontPicture");
        QLabel *side = picture("sidePicture");
        QVERIFY(front->isVisible());
        QVERIFY(m_window->button("frontButton")->isChecked());
        QTest::mouseClick(m_window->button("sideButton"), Qt::LeftButton);
        QVERIFY(!m_window->frontView());
        QVERIFY(side->isVisible());
        QVERIFY(!front->isVisible());
        QCOMPARE(m_window->currentView(), int(MousecfgWidget::SideView));
        QVERIFY(m_window->button("sideButton")->isChecked());
        QVERIFY(!m_window->button("frontButton")->isChecked());
        // Side hot-spots for the buttons the side picture shows; the wheel ones stay with the front.
        QVERIFY(m_window->hotSpot(MousecfgWidget::SideView, 3)->isVisible());
        QVERIFY(m_window->hotSpot(MousecfgWidget::SideView, 1)->isHidden());
        QVERIFY(!m_window->hotSpot(MousecfgWidget::WheelView, 0)->isVisible());
        MenuDriver menu({"Back"});
        QTest::mouseClick(m_window->hotSpot(MousecfgWidget::SideView, 4), Qt::LeftButton);
        QTRY_VERIFY(menu.done());
        QCOMPARE(profile().buttonInfo[4].fun, 5);
        QTest::mouseClick(m_window->button("frontButton"), Qt::LeftButton);
        QVERIFY(front->isVisible());
        QCOMPARE(m_window->currentView(), int(MousecfgWidget::FrontView));
        // Other pages hide the pictures and their hot-spots.
        m_window->selectPage(0);
        QVERIFY(!m_window->hotSpot(MousecfgWidget::FrontView, 0)->isVisible());
    }

    void hoverLightsThePicture()
    {
        QLabel *front = picture("frontPicture");
        const qint64 plain = pictureKey(front);
        emit panel()->SelBtnControl(panel()->slotButton(0, 5), true);
        QVERIFY(pictureKey(front) != plain);
        QVERIFY(m_window->hotSpot(MousecfgWidget::FrontView, 5)->isChecked());
        emit panel()->SelBtnControl(panel()->slotButton(0, 5), false);
        QCOMPARE(pictureKey(front), plain);
        QVERIFY(!m_window->hotSpot(MousecfgWidget::FrontView, 5)->isChecked());
        // A button without its own picture leaves the plain one.
        emit panel()->SelBtnControl(panel()->slotButton(0, 9), true);
        QCOMPARE(pictureKey(front), plain);
        emit panel()->SelBtnControl(panel()->slotButton(0, 9), false);
        // Hovering a hot-spot lights its button too.
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(m_window->hotSpot(MousecfgWidget::FrontView, 1), &enter);
        QVERIFY(pictureKey(front) != plain);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(m_window->hotSpot(MousecfgWidget::FrontView, 1), &leave);
        QCOMPARE(pictureKey(front), plain);
    }

    void panelSignalsReachTheWindow()
    {
        // The only left click: refused with the window's message.
        panel()->setCurrentButton(0, 0);
        panel()->action(48)->trigger();
        QCOMPARE(m_messages->texts(), QStringList{"AT LEAST ONE CLICK FUNCTION TO BE RETAINED."});
        QCOMPARE(profile().buttonInfo[0].fun, 1);
        // A macro with none stored: the macro page.
        panel()->setCurrentButton(3, 0);
        panel()->action(200)->trigger();
        QCOMPARE(m_window->currentPage(), 3);
    }

    void textForms_data()
    {
        // The record of the demo profile starts with its function and the
        // sentinels res1 77, counts 77 and key entry 62; written is its dump()
        // after the text, empty for a refusal, whose message starts with formatted.
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("startFun"); // -1: the demo profile's
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("formatted");
        QTest::addColumn<QString>("note"); // part of the note on a fitted value
        const QString kept = " | 62:777777";
        auto row = [](const char *name, int record, const QString &text, const QString &written,
                      const QString &formatted, int startFun = -1, const QString &note = {}) {
            QTest::newRow(name) << record << startFun << text << written << formatted << note;
        };
        row("label", 3, "DPI +", "48 77 77 77" + kept, "DPI +");
        row("label in any case", 3, " dpi + ", "48 77 77 77" + kept, "DPI +");
        row("off", 1, "off", "16 77 77 77" + kept, "Button Off");
        row("profile entry outside the menus", 3, "Profile +", "57 77 77 77" + kept, "Profile +");
        row("wheel", 40, "volume up", "43 77 77 77" + kept, "Volume Up");
        row("wheel menu only", 40, "DPI +", "", "\"DPI +\" is not offered here; nearest for the wheel: ");
        row("scroll stays on the wheel", 3, "Scroll Up", "", "\"Scroll Up\" is not offered here; nearest for a button: ");
        row("last left click", 0, "DPI +", "", "AT LEAST ONE CLICK FUNCTION TO BE RETAINED.");
        row("left kept", 0, "Left", "1 77 77 77" + kept, "Left");
        row("unknown", 3, "DPI ++", "", "Unknown function \"DPI ++\"; nearest for a button: DPI +, ");
        row("label without its spaces", 3, "DPI+", "48 77 77 77" + kept, "DPI +");
        row("wheel label run together", 40, "VOLUMEUP", "43 77 77 77" + kept, "Volume Up");
        row("dialog entry", 3, "SINGLE KEY", "", "\"SINGLE KEY\" needs its parameters: key:KEY");

        row("key", 4, "key:F5", "6 3f 77 77" + kept, "key:F5");
        row("key in any case", 4, "KEY:page up", "6 49 77 77" + kept, "key:Page Up");
        row("key without a name", 4, "key:0x56", "6 56 77 77" + kept, "key:0x56");
        row("no key", 40, "key:none", "6 00 77 77" + kept, "key:none");
        row("mouse button as key", 4, "key:Left Button", "", "Unknown key \"Left Button\"; keys: A, B, C,");

        row("combo", 5, "combo:Ctrl+Shift+A", "7 77 77 6 | 0:e10580 1:e00580 2:040580 3:040500 4:e00500 5:e10500",
            "combo:LShift+LCtr+A");
        row("combo key holding +", 41, "combo: rctr + num +", "7 77 77 4 | 0:e00580 1:570580 2:570500 3:e00500",
            "combo:LCtr+Num +");
        row("empty combo", 5, "combo:none", "7 77 77 0", "combo:none");
        row("combo of two keys", 5, "combo:Ctrl+A+B", "", "A combo takes one key besides Shift, Ctrl, Win and Alt");
        row("combo cut short", 5, "combo:Ctrl+", "", "A key is missing after \"+\"");

        row("fire", 6, "fire:Left:3:100", "12 81 3 100" + kept, "fire:Left:3:100");
        row("fire a key", 6, "fire:k:5:50", "12 0e 5 50" + kept, "fire:key=K:5:50");
        row("fire an arrow key, new numbers", 6, "fire:key=Left", "12 50 3 100" + kept, "fire:key=Left:3:100");
        row("fire without a key", 6, "fire:none:1:255", "12 00 1 255" + kept, "fire:none:1:255");
        row("fire times", 6, "fire:Right:0:100", "", "Fire key times must be 1-255, not \"0\"");
        row("fire delay", 6, "fire:Right:3:256", "", "Fire key delay (ms) must be 1-255, not \"256\"");
        row("fire not on the wheel", 41, "fire:Left", "", "\"FIRE KEY\" is not offered here");

        row("sniper", 2, "sniper:400", "55 03 77 77" + kept, "sniper:400");
        row("sniper between steps", 2, "sniper:450", "55 03 77 77" + kept, "sniper:400", -1, "set to 400");
        row("sniper step", 2, "sniper:step=7", "55 07 77 77" + kept, "sniper:800");
        row("sniper range", 2, "sniper:1200", "", "Sniper DPI must be 200-1100 on sensor 3327");

        const QString events = " | 0:840400 1:040400" + QString(kept).remove(" |");
        row("macro", 3, "macro:m1", "200 00 1 2 @m1" + events, "macro:m1");
        row("macro name in any case, loops", 3, "macro:M1:loop=5", "200 00 5 2 @m1" + events, "macro:m1:loop=5");
        row("macro while held", 3, "macro:m1:hold:loop=9", "200 01 9 2 @m1" + events, "macro:m1:hold:loop=9");
        row("macro until pressed again", 3, "macro:m1:toggle", "200 02 1 2 @m1" + events, "macro:m1:toggle");
        row("macro loop range", 3, "macro:m1:loop=256", "", "Macro loop count must be 1-255");
        row("macro modes", 3, "macro:m1:hold:toggle", "", "Give one of :hold and :toggle");
        row("unknown macro", 3, "macro:m2", "", "No macro named \"m2\"; stored: m1");
        row("gun", 3, "gun:m1", "510 00 1 2 @m1" + events, "gun:m1");
        row("no gun on the left button", 0, "gun:m1", "", "Left Button Can not be Gun Function.", 48);
    }

    void textForms()
    {
        QFETCH(int, record);
        QFETCH(int, startFun);
        QFETCH(QString, text);
        QFETCH(QString, written);
        QFETCH(QString, formatted);
        QFETCH(QString, note);
        QVERIFY(storeMacro("m1", {keyPressRow(USAGE_A), keyReleaseRow(USAGE_A)}));
        ProfileData demo;
        makeDefaultProfile(demo);
        ButtonInfo &b = demo.buttonInfo[record];
        if (startFun >= 0)
            b.fun = startFun;
        b.res1 = 0x77;
        b.loopNumber = 77;
        b.keyNumber = 77;
        b.keyInfo[62] = {0x77, 0x77, 0x77};
        const ButtonInfo start = b;
        const ButtonFunctionContext context{record, mouseSensor(), &demo};

        QString adjusted = "stale";
        const QString error = assignButtonFunction(text, context, b, &adjusted);
        if (written.isEmpty()) {
            QVERIFY2(error.startsWith(formatted), qPrintable(error));
            QCOMPARE(dump(b), dump(start));
            return;
        }
        QCOMPARE(error, QString());
        QCOMPARE(dump(b), written);
        QVERIFY2(note.isEmpty() ? adjusted.isEmpty() : adjusted.contains(note), qPrintable(adjusted));
        QCOMPARE(buttonFunctionText(b, mouseSensor()), formatted);
        const ButtonInfo made = b;
        QCOMPARE(assignButtonFunction(formatted, context, b), QString());
        QCOMPARE(dump(b), dump(made));
    }

    void textFormsFollowTheModel()
    {
        // The demo model shows seven buttons; a hidden one leaves a gap in the records, not in the numbers.
        QVector<ButtonKey> keys = buttonKeys();
        QCOMPARE(keys.size(), 9);
        QCOMPARE(keys[6].key, QString("button.7"));
        QCOMPARE(keys[7].key, QString("wheel.up"));
        QCOMPARE(keys[8].recordIndex, 41);
        QVERIFY(keys[8].wheel && !keys[6].wheel);
        QSettings description(m_app->filePath("DefaultProfile.bin"), QSettings::IniFormat);
        description.setValue("PROFILE/BUTTON_INFO_2_Matrix2", 255);
        description.sync();
        keys = buttonKeys();
        QCOMPARE(keys.size(), 8);
        QCOMPARE(keys[2].key, QString("button.3"));
        QCOMPARE(keys[2].recordIndex, 3);

        QCOMPARE(buttonFunctionNames(true), (QStringList{"Scroll Up", "Scroll Down", "Volume Up", "Volume Down",
                                                          "Left", "Right", "Middle", "Forward", "Back", "key:KEY",
                                                          "combo:KEYS"}));
        const QString help = buttonFunctionHelp();
        for (const QString &form : buttonFunctionNames(false)) {
            if (form.contains(':'))
                QVERIFY2(help.contains(form.section(':', 0, 0) + ':'), qPrintable(form));
        }

        ProfileData demo;
        makeDefaultProfile(demo);
        ButtonInfo &b = demo.buttonInfo[3];
        QVERIFY(assignButtonFunction("macro:m1", {3, 3327, &demo}, b).startsWith("No macros are stored"));
        // A model without macros offers none.
        QVERIFY(storeMacro("m1"));
        description.setValue("PROFILE/DisableMacro", 1);
        description.sync();
        QVERIFY(assignButtonFunction("gun:m1", {3, 3327, &demo}, b).startsWith("\"GunFile Manager\" is not offered"));
        QVERIFY(!buttonFunctionNames(false).join(' ').contains("macro:"));
        QCOMPARE(b.fun, 4);

        // A sensor without a DPI table: the sniper is given as its step.
        QVERIFY(assignButtonFunction("sniper:400", {3, 9999, &demo}, b).startsWith("Sensor 9999 has no DPI table"));
        QCOMPARE(assignButtonFunction("sniper:step=4", {3, 9999, &demo}, b), QString());
        QCOMPARE(buttonFunctionText(b, 9999), QString("sniper:step=4"));
    }

    void profileSwitchRepointsThePanel()
    {
        m_window->workingSettings().profiles[2].buttonInfo[1].fun = 47;
        m_window->switchToSlot(2, false);
        QCOMPARE(panel()->profileRecord(), &m_window->workingSettings().profiles[2]);
        QCOMPARE(panel()->slotButton(0, 1)->text(), QString("DPI Switch"));
        panel()->setCurrentButton(1, 0);
        panel()->action(50)->trigger();
        QCOMPARE(m_window->workingSettings().profiles[2].buttonInfo[1].fun, 50);
        QCOMPARE(m_window->workingSettings().profiles[0].buttonInfo[1].fun, 2);
    }
};

QTEST_MAIN(TestButtonAssign)
#include "tst_buttonassign.moc"
