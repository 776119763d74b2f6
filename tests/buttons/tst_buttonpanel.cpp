// The assignment panel on its own: the left-click rule, the menus and their
// order, labels of codes no menu offers, the slot layout from the device
// description, and what each parameter dialog writes into the record.
#include "platform/KeyboardHook.h"
#include "storage/ConfigStorage.h"
#include "storage/MacroFiles.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MessageWatcher.h"
#include "tests/support/UiDrivers.h"
#include "ui/buttons/KestBtnWindow.h"
#include "ui/buttons/KestComboKeyWindow.h"
#include "ui/buttons/KestFireKeyWindow.h"
#include "ui/buttons/KestSingleKeyWindow.h"
#include "ui/buttons/KestSniperWindow.h"
#include "model/MacroSelection.h"
#include "ui/buttons/NumberValidator.h"
#include "ui/kit/KestAction.h"
#include "ui/kit/KestPushButton.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QTranslator>
#include <QtTest>
#include <memory>

namespace {
constexpr int kDown = 0;
constexpr int kExtended = ScanFlagExtended;
constexpr int kUp = ScanFlagRelease;

void press(int scan, int flags = 0)
{
    KeyboardHook::inject(scan, flags | kDown);
}

void release(int scan, int flags = 0)
{
    KeyboardHook::inject(scan, flags | kUp);
}

QStringList texts(const QMenu *menu)
{
    QStringList list;
    for (const QAction *action : menu->actions())
        list << action->text();
    return list;
}

// The demo profile's buttons: left, right, middle, forward, back, DPI +, DPI -; wheel up/down.
ProfileData demoButtons()
{
    ProfileData profile;
    const int funs[] = {1, 2, 3, 4, 5, 48, 49};
    for (int i = 0; i < 7; ++i)
        profile.buttonInfo[i].fun = funs[i];
    profile.buttonInfo[40].fun = 52;
    profile.buttonInfo[41].fun = 53;
    return profile;
}

void setDescription(const AppDirFixture &app, const QVariantMap &values)
{
    QSettings ini(app.filePath("DefaultProfile.bin"), QSettings::IniFormat);
    for (auto it = values.begin(); it != values.end(); ++it)
        ini.setValue("PROFILE/" + it.key(), it.value());
}

// count buttons, those in hidden given 255 as their "_Matrix2".
void setButtonLayout(const AppDirFixture &app, int count, const QList<int> &hidden)
{
    QVariantMap values{{"MouseDpi", 0}, {"ButtonCount", count}};
    for (int i = 0; i < 16; ++i)
        values.insert(QString("BUTTON_INFO_%1_Matrix2").arg(i), hidden.contains(i) ? 255 : i);
    setDescription(app, values);
}

bool storeMacro(const QString &name, int events)
{
    MacroFile macro;
    for (int i = 0; i < events; ++i)
        macro.events << MacroEvent{uint8_t(i % 2 ? 0x04 : 0x84), 0, uint8_t(4 + i / 2 % 26)};
    return saveMacroFile(name, macro) && addMacroName(name);
}
} // namespace

class TestButtonPanel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppDirFixture> m_app;
    std::unique_ptr<MessageWatcher> m_messages;
    ProfileData m_profile;

    std::unique_ptr<KestBtnWindow> makePanel()
    {
        auto panel = std::make_unique<KestBtnWindow>();
        panel->resize(340, 430);
        panel->setScale(1.0);
        panel->setProfileRecord(&m_profile);
        panel->show();
        return panel;
    }

    // Chooses the entry of a function for a slot, as the menu would.
    static void choose(KestBtnWindow &panel, int group, int index, int fun)
    {
        panel.setCurrentButton(quint8(index), quint8(group));
        panel.action(fun)->trigger();
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<KestPushButton *>();
    }

    void init()
    {
        m_app = std::make_unique<AppDirFixture>(AppDirFixture::DemoData);
        QVERIFY(m_app->isValid());
        m_messages = std::make_unique<MessageWatcher>();
        m_profile = demoButtons();
    }

    void cleanup()
    {
        setMacroSelector({});
        m_messages.reset();
        m_app.reset();
    }

    void theOnlyLeftClickIsKept()
    {
        auto panel = makePanel();
        QSignalSpy refused(panel.get(), &KestBtnWindow::PopOneClickBox);
        QSignalSpy highlight(panel.get(), &KestBtnWindow::SelBtnControl);
        choose(*panel, 0, 0, 48);
        QCOMPARE(refused.count(), 1);
        QCOMPARE(m_profile.buttonInfo[0].fun, 1);
        // Handling started, and ends at once: no closing highlight, the selection stays.
        QCOMPARE(highlight.count(), 1);
        QCOMPARE(highlight.at(0).at(1).toBool(), true);
        QCOMPARE(int(panel->currentRecord()), 0);

        // "Left" again is never refused.
        choose(*panel, 0, 0, 1);
        QCOMPARE(refused.count(), 1);
        QCOMPARE(m_profile.buttonInfo[0].fun, 1);
        QCOMPARE(highlight.last().at(1).toBool(), false);
        QCOMPARE(int(panel->currentGroup()), int(KestBtnWindow::NO_SELECTION));

        // With a second left click the first may go.
        choose(*panel, 0, 4, 1);
        choose(*panel, 0, 0, 48);
        QCOMPARE(refused.count(), 1);
        QCOMPARE(m_profile.buttonInfo[0].fun, 48);
        QCOMPARE(panel->slotButton(0, 0)->text(), QString("DPI +"));
        QCOMPARE(panel->slotButton(0, 4)->text(), QString("Left"));
    }

    void leftClicksInEveryGroupCount_data()
    {
        QTest::addColumn<int>("record");
        QTest::newRow("group 1") << 25;
        QTest::newRow("wheel") << 41;
    }

    void leftClicksInEveryGroupCount()
    {
        QFETCH(int, record);
        m_profile.buttonInfo[record].fun = 1;
        auto panel = makePanel();
        QSignalSpy refused(panel.get(), &KestBtnWindow::PopOneClickBox);
        choose(*panel, 0, 0, 16);
        QCOMPARE(refused.count(), 0);
        QCOMPARE(m_profile.buttonInfo[0].fun, 16);
        // Now that record holds the only left click.
        choose(*panel, record / 20, record % 20, 43);
        QCOMPARE(refused.count(), 1);
        QCOMPARE(m_profile.buttonInfo[record].fun, 1);
    }

    void menusInOrder()
    {
        auto panel = makePanel();
        QCOMPARE(texts(panel->mainMenu()),
                 (QStringList{"Left", "Right", "Middle", "Forward", "Back", "Basic", "Windows", "Advance", "Media",
                              "DPI", "Polling Rate", "Macro Manager", "Led Switch", "Button Off"}));
        QCOMPARE(texts(panel->wheelMenu()),
                 (QStringList{"Scroll Up", "Scroll Down", "Volume Up", "Volume Down", "Left", "Right", "Middle",
                              "Forward", "Back", "SINGLE KEY", "COMBO KEY"}));
        const QList<QAction *> main = panel->mainMenu()->actions();
        QCOMPARE(texts(main[7]->menu()), (QStringList{"SINGLE KEY", "COMBO KEY", "FIRE KEY"}));
        QCOMPARE(texts(main[10]->menu()), (QStringList{"Rate Switch", "Rate +", "Rate -"}));
        QCOMPARE(texts(main[6]->menu()).size(), 15);
        QCOMPARE(texts(main[6]->menu()).last(), QString("Boss Key"));
        // One entry stands in both menus.
        QVERIFY(panel->wheelMenu()->actions().contains(panel->action(43)));
        QVERIFY(main[8]->menu()->actions().contains(panel->action(43)));
        // Rebuilding keeps the same entries.
        panel->retranslate();
        QCOMPARE(panel->mainMenu()->actions().size(), 14);
        QCOMPARE(panel->wheelMenu()->actions().first(), panel->action(52));
    }

    void followsTheLanguage()
    {
        auto panel = makePanel();
        QTranslator chinese;
        QVERIFY(chinese.load(":/lang/sc.qm"));
        QCoreApplication::installTranslator(&chinese);
        QCoreApplication::processEvents();
        QCOMPARE(panel->mainMenu()->actions().first()->text(), QString::fromUtf8("左键"));
        QCOMPARE(panel->mainMenu()->actions().at(7)->text(), QString::fromUtf8("高级功能"));
        QCOMPARE(panel->slotButton(0, 1)->text(), QString::fromUtf8("右键"));
        QCOMPARE(panel->mainMenu()->actions().size(), 14);
        QCoreApplication::removeTranslator(&chinese);
        QCoreApplication::processEvents();
        QCOMPARE(panel->slotButton(0, 1)->text(), QString("Right"));
        QCOMPARE(panel->mainMenu()->actions().at(7)->text(), QString("Advance"));
    }

    void noMacroManagerWhenMacrosAreDisabled()
    {
        setDescription(*m_app, {{"DisableMacro", 1}});
        auto panel = makePanel();
        const QStringList main = texts(panel->mainMenu());
        QVERIFY(!main.contains("Macro Manager"));
        QCOMPARE(main.mid(main.size() - 2), (QStringList{"Led Switch", "Button Off"}));
        QCOMPARE(main.size(), 13);
    }

    void storedCodesOutsideTheMenusKeepTheirLabels()
    {
        const struct { int fun; const char *label; } stored[] = {
            {55, "SNIPER"}, {57, "Profile +"}, {58, "Profile -"}, {59, "Profile Switch"}};
        for (int i = 0; i < 4; ++i)
            m_profile.buttonInfo[1 + i].fun = stored[i].fun;
        m_profile.buttonInfo[5].fun = 510;
        m_profile.buttonInfo[5].macroName = "Spray";
        m_profile.buttonInfo[6].fun = 200;
        m_profile.buttonInfo[6].macroName = "Burst";
        auto panel = makePanel();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(panel->slotButton(0, 1 + i)->text(), QString(stored[i].label));
        QCOMPARE(panel->slotButton(0, 5)->text(), QString("Spray"));
        QCOMPARE(panel->slotButton(0, 6)->text(), QString("Burst"));
        QCOMPARE(panel->slotButton(2, 0)->text(), QString("Scroll Up"));
        QCOMPARE(panel->slotButton(2, 1)->text(), QString("Scroll Down"));
        // None of them is offered.
        QStringList offered;
        for (QAction *action : panel->mainMenu()->actions())
            offered << (action->menu() ? texts(action->menu()) : QStringList{action->text()});
        for (const char *label : {"SNIPER", "Profile +", "Profile -", "Profile Switch", "GunFile Manager"})
            QVERIFY2(!offered.contains(label), label);
        // Triggered all the same, a plain entry is handled.
        choose(*panel, 0, 3, 57);
        QCOMPARE(m_profile.buttonInfo[3].fun, 57);
        QCOMPARE(panel->slotButton(0, 3)->text(), QString("Profile +"));
    }

    void slotLayoutFromTheDescription()
    {
        // Twelve visible of sixteen: 20 pixels apart from 30 down.
        setButtonLayout(*m_app, 16, {3, 7, 11, 15});
        auto panel = makePanel();
        QCOMPARE(int(std::count(panel->visibleMainSlots().begin(), panel->visibleMainSlots().end(), true)), 12);
        int c = 0;
        for (int i = 0; i < 20; ++i) {
            const QRect r = panel->slotButton(0, i)->geometry();
            if (i >= 16 || i % 4 == 3) {
                QVERIFY2(r.isEmpty(), qPrintable(QString::number(i)));
                QCOMPARE(panel->slotNumber(0, i), 0);
                continue;
            }
            QCOMPARE(r, QRect(56, 30 + c * 50, 220, 30));
            QCOMPARE(panel->slotNumber(0, i), c + 1);
            ++c;
        }
        QCOMPARE(panel->minimumHeight(), 30 + 12 * 30 + 11 * 20 + 30);
        for (int i = 0; i < 20; ++i)
            QVERIFY(panel->slotButton(1, i)->geometry().isEmpty());
        QVERIFY(panel->slotButton(2, 0)->geometry().isEmpty());

        // Six visible: equal gaps that fill the height, (430 - 180) / 7 = 35.
        setButtonLayout(*m_app, 7, {2});
        panel->setScale(1.0);
        panel->resize(340, 430);
        const int expectedY[] = {35, 100, -1, 165, 230, 295, 360};
        for (int i = 0; i < 7; ++i) {
            if (expectedY[i] < 0)
                QVERIFY(panel->slotButton(0, i)->geometry().isEmpty());
            else
                QCOMPARE(panel->slotButton(0, i)->geometry(), QRect(56, expectedY[i], 220, 30));
        }
        QCOMPARE(panel->slotNumber(0, 3), 3);
        QCOMPARE(panel->minimumHeight(), 0);

        // Twice the scale doubles the slots but not the dense spacing.
        setButtonLayout(*m_app, 16, {});
        panel->setScale(2.0);
        QCOMPARE(panel->slotButton(0, 1)->geometry(), QRect(112, 30 + 80, 440, 60));
    }

    void hoverAndPressSelectSlots()
    {
        auto panel = makePanel();
        QSignalSpy highlight(panel.get(), &KestBtnWindow::SelBtnControl);
        panel->slotMouseOver(panel->slotButton(0, 2), true);
        QCOMPARE(highlight.count(), 1);
        QCOMPARE(highlight.at(0).at(0).value<KestPushButton *>(), panel->slotButton(0, 2));
        panel->slotMouseOver(nullptr, true);
        QCOMPARE(highlight.count(), 1);

        panel->slotMouseEnter(panel->slotButton(2, 1));
        QCOMPARE(int(panel->currentGroup()), 2);
        QCOMPARE(panel->currentRecord(), 41);
        panel->setCurrentButton(3, 1);
        QCOMPARE(panel->currentRecord(), 23);
        QVERIFY(!panel->slotButton(1, 3)->isHidden());
        QVERIFY(panel->slotButton(0, 0)->isHidden());
        panel->setCurrentButton(5, KestBtnWindow::NO_SELECTION);
        QCOMPARE(panel->currentRecord(), 25);
        panel->OnMouseEnterSlot(panel->slotButton(0, 6));
        QCOMPARE(panel->currentRecord(), 6);
        QVERIFY(!panel->slotButton(0, 0)->isHidden());
        QVERIFY(panel->slotButton(0, 6)->isChecked());

        // Nothing selected: a triggered entry changes nothing.
        panel->setCurrentButton(KestBtnWindow::NO_SELECTION, KestBtnWindow::NO_SELECTION);
        const int before = highlight.count();
        panel->action(48)->trigger();
        QCOMPARE(highlight.count(), before);
    }

    void singleKeyCaptureFiltersRepeats()
    {
        KestSingleKeyWindow dialog;
        QVERIFY(dialog.isCapturing());
        QCOMPARE(dialog.key(), KeyCode(0));
        QSignalSpy captured(&dialog, &KestSingleKeyWindow::SetSingleKeyValue);
        press(0x1E);
        press(0x1E);
        press(0x1E);
        QCOMPARE(captured.count(), 1);
        QCOMPARE(dialog.displayText(), QString("A"));
        release(0x1E);
        QCOMPARE(captured.count(), 2);
        press(0x1D, kExtended);
        QCOMPARE(dialog.key(), KeyCode(0xEE));
        QCOMPARE(dialog.displayText(), QString("RCtr"));
        press(0x1D);
        QCOMPARE(dialog.key(), KeyCode(0x1D));
        press(0x1C, kExtended);
        QCOMPARE(dialog.key(), KeyCode(0xE5));
        press(0x1C);
        QCOMPARE(dialog.key(), KeyCode(0x1C));
    }

    void singleKeyThroughThePanel()
    {
        auto panel = makePanel();
        // Cancel changes nothing.
        DialogDriver cancel("KestSingleKeyWindow", [](QDialog *d) {
            press(0x30);
            d->reject();
        });
        choose(*panel, 0, 3, 6);
        QVERIFY(cancel.done());
        QCOMPARE(m_profile.buttonInfo[3].fun, 4);
        QCOMPARE(panel->slotButton(0, 3)->text(), QString("Forward"));

        DialogDriver accept("KestSingleKeyWindow", [](QDialog *d) {
            press(0x1D, kExtended);
            release(0x1D, kExtended);
            static_cast<KestSingleKeyWindow *>(d)->okButton()->click();
        });
        choose(*panel, 0, 3, 6);
        QVERIFY(accept.done());
        QCOMPARE(m_profile.buttonInfo[3].fun, 6);
        QCOMPARE(int(m_profile.buttonInfo[3].res1), 0xEE);
        QCOMPARE(panel->slotButton(0, 3)->text(), QString("SINGLE KEY"));

        // Reopened on a single key it shows that key; OK without a key keeps it.
        QString shown;
        DialogDriver reopen("KestSingleKeyWindow", [&shown](QDialog *d) {
            shown = static_cast<KestSingleKeyWindow *>(d)->displayText();
            d->accept();
        });
        choose(*panel, 0, 3, 6);
        QCOMPARE(shown, QString("RCtr"));
        QCOMPARE(int(m_profile.buttonInfo[3].res1), 0xEE);

        // A fresh single key accepted without a key press stores 0.
        DialogDriver empty("KestSingleKeyWindow", [](QDialog *d) { d->accept(); });
        choose(*panel, 0, 4, 6);
        QCOMPARE(m_profile.buttonInfo[4].fun, 6);
        QCOMPARE(int(m_profile.buttonInfo[4].res1), 0);
    }

    void comboCaptureOrderAndRelease()
    {
        KestComboKeyWindow dialog;
        // Ctrl, then Shift, then A: shown in position order.
        press(0x1D);
        press(0x2A);
        press(0x1E);
        QCOMPARE(dialog.displayText(), QString("LShift + LCtr + A"));
        // Releasing keeps the combination.
        release(0x1E);
        release(0x2A);
        release(0x1D);
        QCOMPARE(dialog.displayText(), QString("LShift + LCtr + A"));
        QVERIFY(dialog.result().state[ComboCtrl]);
        // The first key-down after a full release starts anew.
        press(0x30);
        QCOMPARE(dialog.displayText(), QString("B"));
        QVERIFY(!dialog.result().state[ComboCtrl]);
        release(0x30);
        // Right-hand modifiers are shown and stored by their left key; right Alt
        // (0x38 extended, Alt held) is a key-down.
        press(0x1D, kExtended);
        press(0x38, kExtended | ScanFlagAltDown);
        press(0x1F, ScanFlagAltDown);
        QCOMPARE(dialog.displayText(), QString("LCtr + LAlt + S"));
        QCOMPARE(int(dialog.result().codeAt(ComboAlt)), 0x38);
        release(0x1F, ScanFlagAltDown);
        release(0x38, kExtended);
        release(0x1D, kExtended);
        QCOMPARE(dialog.displayText(), QString("LCtr + LAlt + S"));
        press(0x2C);
        QCOMPARE(dialog.displayText(), QString("Z"));
    }

    void comboPresetLastsUntilTheFirstKey()
    {
        ButtonInfo stored;
        ComboKeyState ctrlA;
        ctrlA.state[ComboCtrl] = ComboLeft;
        ctrlA.state[ComboMain] = 1;
        ctrlA.mainCode = 0x1E;
        QCOMPARE(storeComboKey(stored, ctrlA), 4);
        KestComboKeyWindow dialog;
        dialog.setKeyEvents(stored.keyInfo);
        QCOMPARE(dialog.displayText(), QString("LCtr + A"));
        QVERIFY(dialog.result().state[ComboCtrl]);
        // Even a release of an unrelated key discards the preset.
        release(0x30);
        QVERIFY(dialog.result().isEmpty());
        press(0x30);
        QCOMPARE(dialog.displayText(), QString("B"));
    }

    void comboThroughThePanel()
    {
        auto panel = makePanel();
        for (KeyInfo &k : m_profile.buttonInfo[5].keyInfo)
            k = {0x55, 0x55, 0x55};
        DialogDriver ctrlShiftA("KestComboKeyWindow", [](QDialog *d) {
            press(0x1D);
            press(0x2A);
            press(0x1E);
            static_cast<KestComboKeyWindow *>(d)->okButton()->click();
        });
        choose(*panel, 0, 5, 7);
        QVERIFY(ctrlShiftA.done());
        const ButtonInfo &b = m_profile.buttonInfo[5];
        QCOMPARE(b.fun, 7);
        QCOMPARE(b.keyNumber, 6);
        QCOMPARE(panel->slotButton(0, 5)->text(), QString("COMBO KEY"));
        // Presses Shift, Ctrl, A, then releases A, Ctrl, Shift; the rest cleared.
        const uint8_t expected[6][3] = {{0xE1, 5, 0x80}, {0xE0, 5, 0x80}, {0x04, 5, 0x80},
                                        {0x04, 5, 0x00}, {0xE0, 5, 0x00}, {0xE1, 5, 0x00}};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(int(b.keyInfo[i].map), int(expected[i][0]));
            QCOMPARE(int(b.keyInfo[i].low), int(expected[i][1]));
            QCOMPARE(int(b.keyInfo[i].high), int(expected[i][2]));
        }
        for (int i = 6; i < KEY_INFO_COUNT; ++i)
            QVERIFY(b.keyInfo[i].map == 0 && b.keyInfo[i].low == 0 && b.keyInfo[i].high == 0);

        // Reopened: the stored combination is shown; all four modifiers and a
        // main key give ten entries.
        QString shown;
        DialogDriver all("KestComboKeyWindow", [&shown](QDialog *d) {
            shown = static_cast<KestComboKeyWindow *>(d)->displayText();
            for (int scan : {0x2A, 0x1D, 0x5B, 0x38})
                press(scan, scan == 0x5B ? kExtended : 0);
            press(0x3B);
            d->accept();
        });
        choose(*panel, 0, 5, 7);
        QCOMPARE(shown, QString("LShift + LCtr + A"));
        QCOMPARE(b.keyNumber, 10);
        const uint8_t usages[] = {0xE1, 0xE0, 0xE3, 0xE2, 0x3A};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(int(b.keyInfo[i].map), int(usages[i]));
            QCOMPARE(int(b.keyInfo[9 - i].map), int(usages[i]));
            QCOMPARE(int(b.keyInfo[9 - i].high), 0);
        }
        QCOMPARE(int(b.keyInfo[10].map), 0);

        // A main key alone: two entries.
        DialogDriver single("KestComboKeyWindow", [](QDialog *d) {
            press(0x39);
            d->accept();
        });
        choose(*panel, 0, 5, 7);
        QCOMPARE(b.keyNumber, 2);
        QCOMPARE(int(b.keyInfo[0].map), 0x2C);
        QCOMPARE(int(b.keyInfo[1].map), 0x2C);
        QCOMPARE(int(b.keyInfo[2].map), 0);
    }

    void comboInsertionShiftsEntries()
    {
        ButtonInfo b;
        for (int i = 0; i < KEY_INFO_COUNT; ++i)
            b.keyInfo[i] = {uint8_t(i + 1), 0, 0};
        insertComboKey(b, 1, 0x1E);
        QCOMPARE(int(b.keyInfo[0].map), 1);
        QCOMPARE(int(b.keyInfo[1].map), 0x04);
        QCOMPARE(int(b.keyInfo[2].map), 0x04);
        QCOMPARE(int(b.keyInfo[3].map), 2);
        QCOMPARE(int(b.keyInfo[62].map), 61);
        // At the very end only the press fits; nothing moves.
        insertComboKey(b, 62, 0x30);
        QCOMPARE(int(b.keyInfo[62].map), 0x05);
        QCOMPARE(int(b.keyInfo[61].map), 60);
        // A code without a usage inserts usage 0.
        insertComboKey(b, 0, 0xF0);
        QCOMPARE(int(b.keyInfo[0].map), 0);
        QCOMPARE(int(b.keyInfo[0].high), 0x80);
    }

    void fireKeyDefaultsAndPresets()
    {
        KestFireKeyWindow fresh;
        QCOMPARE(fresh.choice(), int(KestFireKeyWindow::TargetLeft));
        QVERIFY(fresh.targetBox(0)->isChecked());
        QCOMPARE(fresh.timesText(), QString("3"));
        QCOMPARE(fresh.delayText(), QString("100"));
        QVERIFY(!fresh.isCapturing());

        ButtonInfo stored;
        stored.fun = 12;
        stored.res1 = 0x82;
        KestFireKeyWindow right;
        right.setRecord(stored);
        QCOMPARE(right.choice(), int(KestFireKeyWindow::TargetRight));
        QCOMPARE(right.timesText(), QString("3"));
        QCOMPARE(right.delayText(), QString("10"));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(right.targetBox(i)->isChecked(), i == 1);

        stored.res1 = 0xE4; // right Ctrl
        stored.loopNumber = 7;
        stored.keyNumber = 900; // beyond what the field takes
        KestFireKeyWindow key;
        key.setRecord(stored);
        QCOMPARE(key.choice(), int(KestFireKeyWindow::TargetKeyboard));
        QCOMPARE(int(key.keyCode()), 0xEE);
        QCOMPARE(key.displayText(), QString("RCtr"));
        QVERIFY(key.isCapturing());
        QCOMPARE(key.timesText(), QString("7"));
        QCOMPARE(key.delayText(), QString("255"));

        stored.res1 = 0;
        KestFireKeyWindow zero;
        zero.setRecord(stored);
        QCOMPARE(zero.choice(), int(KestFireKeyWindow::TargetLeft));

        QCOMPARE(int(KestFireKeyWindow::targetValue(0, 0)), 0x81);
        QCOMPARE(int(KestFireKeyWindow::targetValue(1, 0x1E)), 0x82);
        QCOMPARE(int(KestFireKeyWindow::targetValue(2, 0)), 0x84);
        QCOMPARE(int(KestFireKeyWindow::targetValue(3, 0xEE)), 0xE4);
        QCOMPARE(int(KestFireKeyWindow::targetValue(3, 0)), 0);
    }

    void numberFieldsRefuseOutOfRangeInput_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("state");
        QTest::newRow("empty") << "" << int(QValidator::Intermediate);
        QTest::newRow("1") << "1" << int(QValidator::Acceptable);
        QTest::newRow("255") << "255" << int(QValidator::Acceptable);
        QTest::newRow("0") << "0" << int(QValidator::Invalid);
        QTest::newRow("256") << "256" << int(QValidator::Invalid);
        QTest::newRow("leading zero") << "07" << int(QValidator::Invalid);
        QTest::newRow("minus") << "-1" << int(QValidator::Invalid);
        QTest::newRow("letter") << "1a" << int(QValidator::Invalid);
    }

    void numberFieldsRefuseOutOfRangeInput()
    {
        QFETCH(QString, input);
        QFETCH(int, state);
        NumberValidator validator(1, 255);
        int pos = input.size();
        QCOMPARE(int(validator.validate(input, pos)), state);
        // A larger lower bound lets a prefix stand while it can still reach it.
        NumberValidator from15(15, 255);
        QString one("1");
        QCOMPARE(int(from15.validate(one, pos)), int(QValidator::Intermediate));
        QString three("3");
        QCOMPARE(int(from15.validate(three, pos)), int(QValidator::Intermediate));
        QString big("30");
        QCOMPARE(int(from15.validate(big, pos)), int(QValidator::Acceptable));
    }

    void fireKeyTypingInTimesIsNotCaptured()
    {
        KestFireKeyWindow dialog;
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::mouseClick(dialog.targetBox(3), Qt::LeftButton, {}, QPoint(4, dialog.targetBox(3)->height() / 2));
        QCOMPARE(dialog.choice(), int(KestFireKeyWindow::TargetKeyboard));
        QVERIFY(dialog.isCapturing());

        // Typed through the window, as the keyboard delivers keys.
        QWindow *window = dialog.windowHandle();
        dialog.timesEdit()->setFocus();
        dialog.timesEdit()->clear();
        QTest::keyClick(window, Qt::Key_2);
        QTest::keyClick(window, Qt::Key_5);
        QCOMPARE(dialog.timesText(), QString("25"));
        QCOMPARE(int(dialog.keyCode()), 0);
        QCOMPARE(dialog.displayText(), QString());
        // Values beyond 255 cannot be typed.
        QTest::keyClick(window, Qt::Key_9);
        QCOMPARE(dialog.timesText(), QString("25"));
        QTest::keyClick(window, Qt::Key_5);
        QCOMPARE(dialog.timesText(), QString("255"));
        dialog.timesEdit()->clear();
        QTest::keyClick(window, Qt::Key_0);
        QCOMPARE(dialog.timesText(), QString());
        QTest::keyClick(window, Qt::Key_2);
        QTest::keyClick(window, Qt::Key_5);

        // Enter leaves the field; its release is not captured either.
        QTest::keyPress(window, Qt::Key_Return);
        QVERIFY(!dialog.timesEdit()->hasFocus());
        QVERIFY(dialog.isVisible()); // no default button takes the Enter
        QTest::keyRelease(window, Qt::Key_Return);
        QCOMPARE(int(dialog.keyCode()), 0);

        // The next key is.
        QTest::keyClick(window, Qt::Key_K);
        QCOMPARE(int(dialog.keyCode()), 0x25);
        QCOMPARE(dialog.displayText(), QString("K"));
        // Choosing a mouse button drops the key.
        dialog.targetBox(2)->click();
        QCOMPARE(int(dialog.keyCode()), 0);
        QVERIFY(!dialog.isCapturing());
        press(0x1E);
        QCOMPARE(int(dialog.keyCode()), 0);
    }

    void fireKeyThroughThePanel()
    {
        auto panel = makePanel();
        DialogDriver rightCtrl("KestFireKeyWindow", [](QDialog *d) {
            auto *fire = static_cast<KestFireKeyWindow *>(d);
            fire->targetBox(3)->click();
            press(0x1D, kExtended);
            fire->timesEdit()->setText("12");
            fire->delayEdit()->setText("");
            fire->okButton()->click();
        });
        choose(*panel, 0, 6, 12);
        QVERIFY(rightCtrl.done());
        const ButtonInfo &b = m_profile.buttonInfo[6];
        QCOMPARE(b.fun, 12);
        QCOMPARE(int(b.res1), 0xE4);
        QCOMPARE(b.loopNumber, 12);
        QCOMPARE(b.keyNumber, 0);
        QCOMPARE(panel->slotButton(0, 6)->text(), QString("FIRE KEY"));

        // Preset back as right Ctrl.
        QString shown;
        DialogDriver reopen("KestFireKeyWindow", [&shown](QDialog *d) {
            auto *fire = static_cast<KestFireKeyWindow *>(d);
            shown = fire->displayText() + "|" + fire->timesText() + "|" + fire->delayText();
            fire->targetBox(1)->click();
            d->accept();
        });
        choose(*panel, 0, 6, 12);
        QCOMPARE(shown, QString("RCtr|12|10"));
        QCOMPARE(int(b.res1), 0x82);
        QCOMPARE(b.keyNumber, 10);
    }

    void reopenedFireKeyKeepsWhatWasNotTouched_data()
    {
        // Counts and delays above 255 cannot be shown by the fields.
        QTest::addColumn<int>("loops");
        QTest::addColumn<int>("delay");
        QTest::addColumn<QString>("typedTimes");
        QTest::addColumn<int>("storedLoops");
        QTest::addColumn<int>("storedDelay");
        QTest::newRow("count 300 untouched") << 300 << 50 << QString() << 300 << 50;
        QTest::newRow("delay 900 untouched") << 7 << 900 << QString() << 7 << 900;
        QTest::newRow("count 300 retyped") << 300 << 900 << QString("20") << 20 << 900;
    }

    void reopenedFireKeyKeepsWhatWasNotTouched()
    {
        QFETCH(int, loops);
        QFETCH(int, delay);
        QFETCH(QString, typedTimes);
        QFETCH(int, storedLoops);
        QFETCH(int, storedDelay);
        auto panel = makePanel();
        ButtonInfo &b = m_profile.buttonInfo[6];
        b.fun = 12;
        b.res1 = 0x82;
        b.loopNumber = loops;
        b.keyNumber = delay;
        DialogDriver ok("KestFireKeyWindow", [typedTimes](QDialog *d) {
            auto *fire = static_cast<KestFireKeyWindow *>(d);
            if (!typedTimes.isEmpty()) {
                fire->timesEdit()->selectAll();
                QTest::keyClicks(fire->timesEdit(), typedTimes);
            }
            fire->okButton()->click();
        });
        choose(*panel, 0, 6, 12);
        QVERIFY(ok.done());
        QCOMPARE(b.loopNumber, storedLoops);
        QCOMPARE(b.keyNumber, storedDelay);
    }

    void sniperPresetsPerSensor_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("opens");
        QTest::addColumn<int>("sliderMin");
        QTest::addColumn<int>("sliderMax");
        QTest::newRow("3389 step 25") << 3389 << 25 << 6 << 2 << 20;
        QTest::newRow("3389 step 20") << 3389 << 20 << 20 << 2 << 20;
        QTest::newRow("3212 step 10") << 3212 << 10 << 16 << 16 << 32;
        QTest::newRow("3212 step 17") << 3212 << 17 << 17 << 16 << 32;
        QTest::newRow("3333 step 1") << 3333 << 1 << 2 << 2 << 10;
        QTest::newRow("3327 step 11") << 3327 << 11 << 3 << 1 << 10;
        QTest::newRow("3104 step 14") << 3104 << 14 << 14 << 14 << 26;
        QTest::newRow("other step 7") << 9999 << 7 << 7 << 1 << 10;
        QTest::newRow("other step 40") << 9999 << 40 << 10 << 1 << 10;
    }

    void sniperPresetsPerSensor()
    {
        QFETCH(int, sensor);
        QFETCH(int, stored);
        QFETCH(int, opens);
        QFETCH(int, sliderMin);
        QFETCH(int, sliderMax);
        {
            QSettings ini(m_app->filePath("Configs/Config.ini"), QSettings::IniFormat);
            ini.setValue("MouseSenSor/1", sensor);
        }
        KestSniperWindow dialog;
        QCOMPARE(dialog.sensor(), sensor);
        QCOMPARE(dialog.slider()->minimum(), sliderMin);
        QCOMPARE(dialog.slider()->maximum(), sliderMax);
        QSignalSpy preset(&dialog, &KestSniperWindow::SetSniperValue);
        dialog.setStep(stored);
        QCOMPARE(int(dialog.step()), opens);
        QCOMPARE(dialog.slider()->value(), opens);
        QCOMPARE(preset.count(), 1);
        QCOMPARE(dialog.dpiText(), QString::number(sensorDpi(opens, sensor)));
        dialog.slider()->setValue(sliderMax);
        QCOMPARE(int(dialog.step()), sliderMax);
        QCOMPARE(dialog.dpiText(), QString::number(sensorDpi(sliderMax, sensor)));
    }

    void sniperThroughThePanel()
    {
        {
            QSettings ini(m_app->filePath("Configs/Config.ini"), QSettings::IniFormat);
            ini.setValue("MouseSenSor/1", 3389);
        }
        auto panel = makePanel();
        int opened = 0;
        DialogDriver first("KestSniperWindow", [&opened](QDialog *d) {
            auto *sniper = static_cast<KestSniperWindow *>(d);
            opened = sniper->step(); // a new sniper opens at the sensor's default
            sniper->slider()->setValue(12);
            sniper->okButton()->click();
        });
        choose(*panel, 0, 2, 55);
        QCOMPARE(opened, 6);
        QCOMPARE(m_profile.buttonInfo[2].fun, 55);
        QCOMPARE(int(m_profile.buttonInfo[2].res1), 12);
        QCOMPARE(panel->slotButton(0, 2)->text(), QString("SNIPER"));
        DialogDriver reopen("KestSniperWindow", [&opened](QDialog *d) {
            opened = static_cast<KestSniperWindow *>(d)->step();
            d->reject();
        });
        choose(*panel, 0, 2, 55);
        QCOMPARE(opened, 12);
        QCOMPARE(int(m_profile.buttonInfo[2].res1), 12);
    }

    void macroWithoutStoredMacrosGoesToTheMacroPage()
    {
        auto panel = makePanel();
        QSignalSpy gotoMacro(panel.get(), &KestBtnWindow::GotoMacroTab);
        bool asked = false;
        setMacroSelector([&asked](QWidget *, const QString &, MacroSelection &) { return asked = true; });
        choose(*panel, 0, 3, 200);
        QCOMPARE(gotoMacro.count(), 1);
        QCOMPARE(gotoMacro.at(0).at(0).toInt(), 3);
        QVERIFY(!asked);
        QCOMPARE(m_profile.buttonInfo[3].fun, 4);
        choose(*panel, 0, 3, 510);
        QCOMPARE(gotoMacro.count(), 2);
    }

    void macroAssignmentLoadsTheFile()
    {
        QVERIFY(storeMacro("Burst", 4));
        QVERIFY(storeMacro("Long", 80));
        auto panel = makePanel();
        QString title;
        MacroSelection preset;
        setMacroSelector([&](QWidget *, const QString &t, MacroSelection &s) {
            title = t;
            preset = s;
            s.name = "Burst";
            s.loopCount = 5;
            s.mode = 1;
            return true;
        });
        choose(*panel, 0, 3, 200);
        QCOMPARE(title, QString("MACRO SELECT"));
        QCOMPARE(preset.name, QString());
        QCOMPARE(preset.loopCount, 1);
        QCOMPARE(preset.mode, 0);
        const ButtonInfo &b = m_profile.buttonInfo[3];
        QCOMPARE(b.fun, 200);
        QCOMPARE(b.macroName, QString("Burst"));
        QCOMPARE(b.loopNumber, 5);
        QCOMPARE(int(b.res1), 1);
        QCOMPARE(b.keyNumber, 4);
        QCOMPARE(int(b.keyInfo[0].map), 0x84);
        QCOMPARE(int(b.keyInfo[0].low), 4);
        QCOMPARE(int(b.keyInfo[1].map), 0x04);
        QCOMPARE(panel->slotButton(0, 3)->text(), QString("Burst"));

        // Reopened: preset from the record; more than 63 events load 63.
        setMacroSelector([&](QWidget *, const QString &t, MacroSelection &s) {
            title = t;
            preset = s;
            s.name = "Long";
            return true;
        });
        choose(*panel, 0, 3, 200);
        QCOMPARE(preset.name, QString("Burst"));
        QCOMPARE(preset.loopCount, 5);
        QCOMPARE(preset.mode, 1);
        QCOMPARE(b.keyNumber, 80);
        QCOMPARE(int(b.keyInfo[62].map), 0x84);

        // Cancelled, or accepted without a name: the record stays.
        setMacroSelector([](QWidget *, const QString &, MacroSelection &s) {
            s.name = "Burst";
            return false;
        });
        choose(*panel, 0, 3, 200);
        QCOMPARE(b.macroName, QString("Long"));
        setMacroSelector([](QWidget *, const QString &, MacroSelection &s) {
            s.name.clear();
            return true;
        });
        choose(*panel, 0, 3, 200);
        QCOMPARE(b.macroName, QString("Long"));
        QCOMPARE(panel->slotButton(0, 3)->text(), QString("Long"));

        // A gun file: its own title, preset only from a gun file.
        setMacroSelector([&](QWidget *, const QString &t, MacroSelection &s) {
            title = t;
            preset = s;
            s.name = "Burst";
            return true;
        });
        choose(*panel, 0, 3, 510);
        QCOMPARE(title, QString("GUNFILE SELECT"));
        QCOMPARE(preset.name, QString());
        QCOMPARE(b.fun, 510);
        QCOMPARE(b.keyNumber, 4);
    }

    void gunFileIsRefusedOnTheLeftButton()
    {
        QVERIFY(storeMacro("Burst", 2));
        m_profile.buttonInfo[1].fun = 1;
        auto panel = makePanel();
        bool asked = false;
        setMacroSelector([&asked](QWidget *, const QString &, MacroSelection &) { return asked = true; });
        choose(*panel, 0, 0, 510);
        QCOMPARE(m_messages->texts(), QStringList{"Left Button Can not be Gun Function."});
        QVERIFY(!asked);
        QCOMPARE(m_profile.buttonInfo[0].fun, 1);
    }

    void aMissingMacroFileAssignsNoEvents()
    {
        QVERIFY(addMacroName("Gone"));
        auto panel = makePanel();
        m_profile.buttonInfo[3].keyNumber = 9;
        setMacroSelector([](QWidget *, const QString &, MacroSelection &s) {
            s.name = "Gone";
            return true;
        });
        choose(*panel, 0, 3, 200);
        QCOMPARE(m_profile.buttonInfo[3].fun, 200);
        QCOMPARE(m_profile.buttonInfo[3].keyNumber, 0);
        QCOMPARE(m_profile.buttonInfo[3].macroName, QString("Gone"));
    }

    void menuOfASlotButton()
    {
        auto panel = makePanel();
        panel->activateWindow();
        MenuDriver menu({"DPI", "DPI -"});
        QTest::mouseClick(panel->slotButton(0, 4), Qt::LeftButton);
        QVERIFY(menu.done());
        QCOMPARE(m_profile.buttonInfo[4].fun, 49);
        QCOMPARE(panel->slotButton(0, 4)->text(), QString("DPI -"));
        QCOMPARE(menu.seen().value(1), (QStringList{"DPI Switch", "DPI +", "DPI -"}));
    }
};

QTEST_MAIN(TestButtonPanel)
#include "tst_buttonpanel.moc"
