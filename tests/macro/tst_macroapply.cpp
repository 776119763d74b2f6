// From the macro page to the mouse: a recorded macro and a gun file assigned
// to two buttons through the selection dialog, applied to the virtual mouse,
// and an edited macro sent again although its name did not change.
#include "platform/KeyboardHook.h"
#include "sim/VirtualMouse.h"
#include "storage/ConfigStorage.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MacroFixtures.h"
#include "tests/support/MessageWatcher.h"
#include "tests/support/UiDrivers.h"
#include "tests/support/VirtualMouseFixture.h"
#include "ui/buttons/KestBtnWindow.h"
#include "ui/kit/KestAction.h"
#include "ui/kit/KestPushButton.h"
#include "ui/macro/GunSet.h"
#include "ui/macro/KestMacroSelect.h"
#include "ui/macro/MacroDialog.h"
#include "ui/macro/MacroEventModel.h"
#include "ui/main/MousecfgWidget.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>
#include <memory>

namespace {
constexpr int kMacroButton = 3;
constexpr int kGunButton = 4;

// The macro area holds each event as map, low, high.
QByteArray slotBytes(const QVector<MacroEvent> &events)
{
    QByteArray bytes(MACRO_SLOT_SIZE, '\0');
    for (int i = 0; i < events.size(); ++i) {
        bytes[3 * i] = char(events[i].map);
        bytes[3 * i + 1] = char(events[i].low);
        bytes[3 * i + 2] = char(events[i].high);
    }
    return bytes;
}

QString entryText(const KeyEntryView &entry)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(entry[0], 2, 16, QLatin1Char('0'))
        .arg(entry[1], 2, 16, QLatin1Char('0'))
        .arg(entry[2], 2, 16, QLatin1Char('0'))
        .arg(entry[3], 2, 16, QLatin1Char('0'))
        .toUpper();
}

// Answers the selection dialog: the named macro, a mode and a loop count.
std::unique_ptr<DialogDriver> answerSelection(const QString &name, int mode, int loops)
{
    return std::make_unique<DialogDriver>("KestMacroSelect", [name, mode, loops](QDialog *d) {
        auto *select = static_cast<KestMacroSelect *>(d);
        for (QAction *action : select->macroMenu()->actions()) {
            if (action->text() == name)
                action->trigger();
        }
        select->chooseMode(mode);
        select->loopCountEdit()->setText(QString::number(loops));
        select->onYesClicked();
    });
}
} // namespace

class TestMacroApply : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppDirFixture> m_app;
    std::unique_ptr<VirtualMouseFixture> m_mouse;
    std::unique_ptr<MessageWatcher> m_messages;
    std::unique_ptr<MousecfgWidget> m_window;
    qint64 m_now = 0;

    MacroDialog *page() const { return m_window->macroPage(); }
    ButtonInfo &record(int index)
    {
        MouseSettings &s = m_window->workingSettings();
        return s.profiles[activeSlot(s)].buttonInfo[index];
    }

    void click(const char *objectName)
    {
        KestPushButton *b = page()->pageButton(QString::fromLatin1(objectName));
        QVERIFY2(b && b->isEnabled(), objectName);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    void tap(int scan, int msAfter)
    {
        KeyboardHook::inject(scan, 0);
        m_now += msAfter;
        KeyboardHook::inject(scan, KeyFlagRelease);
        m_now += msAfter;
    }

    void assign(int button, int fun, const QString &name, int mode, int loops)
    {
        m_window->selectPage(1);
        KestBtnWindow *panel = m_window->buttonPanel();
        QVERIFY(panel);
        const auto driver = answerSelection(name, mode, loops);
        panel->setCurrentButton(quint8(button), 0);
        panel->action(fun)->trigger();
        QVERIFY(driver->done());
    }

private slots:
    void init()
    {
        m_app = std::make_unique<AppDirFixture>(AppDirFixture::DemoData);
        QVERIFY(m_app->isValid());
        m_messages = std::make_unique<MessageWatcher>();
        m_mouse = std::make_unique<VirtualMouseFixture>(Connection::Receiver);
        m_window = std::make_unique<MousecfgWidget>();
        m_window->show();
        QVERIFY(page());
        m_now = 1000;
        page()->setRecorderClock([this] { return m_now; });
    }

    void cleanup()
    {
        m_window.reset();
        m_mouse.reset();
        m_messages.reset();
        m_app.reset();
    }

    void recordedMacroAndGunFileReachTheMouse()
    {
        m_window->selectPage(3);
        click("macroNewButton");
        QCOMPARE(page()->currentMacroName(), QString("name_1"));
        page()->findChild<QCheckBox *>("macroRecordDelayCheck")->click();
        click("macroStartButton");
        QVERIFY(!m_window->button("applyButton")->isEnabled()); // the window waits for STOP
        tap(SCAN_A, 30);
        tap(SCAN_B, 10);
        click("macroStopButton");
        QVERIFY(m_window->button("applyButton")->isEnabled());
        const QVector<MacroEvent> recorded = {keyPressRow(USAGE_A), delayEvent(3), keyReleaseRow(USAGE_A), delayEvent(3),
                                              keyPressRow(USAGE_B), delayEvent(1), keyReleaseRow(USAGE_B)};
        QCOMPARE(hexRows(storedEvents("name_1")), hexRows(recorded));

        const QVector<MacroEvent> gun = gunSetEvents(QVector<GunShot>(3, GunShot{100, 0, 5}));
        QVERIFY(page()->createGunFile("ak", gun));

        assign(kMacroButton, 200, "name_1", 1, 1);
        QCOMPARE(record(kMacroButton).fun, 200);
        QCOMPARE(record(kMacroButton).macroName, QString("name_1"));
        QCOMPARE(int(record(kMacroButton).res1), 1);
        QCOMPARE(record(kMacroButton).keyNumber, 7);
        assign(kGunButton, 510, "ak", 0, 3);
        QCOMPARE(record(kGunButton).fun, 510);
        QCOMPARE(record(kGunButton).loopNumber, 3);
        QCOMPARE(record(kGunButton).keyNumber, 12);

        m_window->apply();
        QVERIFY(m_messages->texts().isEmpty());
        const auto entries = virtualMouse().keyEntries();
        QCOMPARE(entryText(entries[kMacroButton]), QString("91 80 FF FF"));
        QCOMPARE(entryText(entries[kGunButton]), QString("9D 01 03 00"));
        QCOMPARE(virtualMouse().macroSlot(0).toHex(' '), slotBytes(recorded).toHex(' '));
        QCOMPARE(virtualMouse().macroSlot(1).toHex(' '), slotBytes(gun).toHex(' '));

        // The download that sent the buttons cleared the new macro's write
        // mark: Apply with nothing changed sends nothing.
        QCOMPARE(readWriteSign("name_1"), 0);
        virtualMouse().resetCounters();
        m_window->apply();
        QCOMPARE(virtualMouse().writeCount(0x46), 0); // no download began
        QCOMPARE(readWriteSign("name_1"), 0);
        m_window->apply();
        QCOMPARE(virtualMouse().writeCount(0x05), 0);

        // The macro edited on its page; the button keeps its name and events,
        // yet the write mark sends the new macro.
        m_window->selectPage(3);
        page()->selectMacro("name_1");
        page()->setCurrentRow(4);
        click("macroEditButton");
        KeyboardHook::inject(0x2E, 0); // C replaces B's press
        click("macroSaveButton");
        const QVector<MacroEvent> edited = {keyPressRow(USAGE_A), delayEvent(3), keyReleaseRow(USAGE_A), delayEvent(3),
                                            keyPressRow(0x06), delayEvent(1), keyReleaseRow(USAGE_B)};
        QCOMPARE(hexRows(storedEvents("name_1")), hexRows(edited));
        QCOMPARE(record(kMacroButton).macroName, QString("name_1"));
        virtualMouse().resetCounters();
        m_window->apply();
        QVERIFY(virtualMouse().writeCount(0x05) > 0);
        QCOMPARE(virtualMouse().macroSlot(0).toHex(' '), slotBytes(edited).toHex(' '));
        QCOMPARE(readWriteSign("name_1"), 0);
        QVERIFY(m_messages->texts().isEmpty());
    }

    void renameCarriesTheButtonsAndDeleteAsks()
    {
        const QVector<MacroEvent> events = {keyPressRow(USAGE_A), delayEvent(2), keyReleaseRow(USAGE_A)};
        QVERIFY(storeMacro("burst", events));
        ProfileData saved; // a library profile that is in no slot
        makeDefaultProfile(saved);
        QVERIFY(assignMacroToButton(saved.buttonInfo[5], "burst", FunGunFile));
        QVERIFY(saveProfileByName(saved, "Library"));
        page()->reloadList("burst");
        assign(kMacroButton, 200, "burst", 0, 1);
        m_window->apply();
        const QByteArray onMouse = virtualMouse().macroSlot(0);
        QCOMPARE(onMouse.toHex(' '), slotBytes(events).toHex(' '));

        QVERIFY(page()->renameMacro("rapid"));
        QCOMPARE(record(kMacroButton).macroName, QString("rapid"));
        QCOMPARE(loadProfileByName(saved, "Library"), 0);
        QCOMPARE(saved.buttonInfo[5].macroName, QString("rapid"));
        m_window->apply();
        QCOMPARE(virtualMouse().macroSlot(0), onMouse);
        QCOMPARE(entryText(virtualMouse().keyEntries()[kMacroButton]), QString("91 00 01 00"));

        const QString question = "The macro \"rapid\" is played by Profile 1, button 4. Those buttons will play "
                                 "nothing. Delete it anyway?";
        m_messages = std::make_unique<MessageWatcher>(false);
        page()->deleteMacro();
        QCOMPARE(m_messages->texts(), QStringList{question});
        QVERIFY(macroFileExists("rapid"));
        m_messages = std::make_unique<MessageWatcher>(true);
        page()->deleteMacro();
        QCOMPARE(m_messages->texts(), QStringList{question});
        QVERIFY(!macroFileExists("rapid"));
    }

    void macroSelectionPresetsFromTheButton()
    {
        QVERIFY(storeMacro("first", {keyPressRow(USAGE_A), keyReleaseRow(USAGE_A)}));
        QVERIFY(storeMacro("second", {keyPressRow(USAGE_B), keyReleaseRow(USAGE_B)}));
        assign(kMacroButton, 200, "second", 0, 9);
        QStringList seen;
        int presetMode = -1;
        int presetLoops = -1;
        DialogDriver reopen("KestMacroSelect", [&](QDialog *d) {
            auto *select = static_cast<KestMacroSelect *>(d);
            seen << select->chosenName();
            presetMode = select->mode();
            presetLoops = select->loopCount();
            select->reject();
        });
        m_window->buttonPanel()->setCurrentButton(kMacroButton, 0);
        m_window->buttonPanel()->action(200)->trigger();
        QVERIFY(reopen.done());
        QCOMPARE(seen, QStringList{"second"});
        QCOMPARE(presetMode, 0);
        QCOMPARE(presetLoops, 9);
        // Cancelled: the button keeps its macro.
        QCOMPARE(record(kMacroButton).macroName, QString("second"));
    }

    void recordingDisablesTheWindow()
    {
        m_window->selectPage(3);
        click("macroNewButton");
        click("macroStartButton");
        QVERIFY(!m_window->button("tabButton0")->isEnabled());
        QVERIFY(!m_window->profileNameEdit()->isEnabled());
        click("macroStopButton");
        QVERIFY(m_window->button("tabButton0")->isEnabled());
        click("macroInsertDelayButton");
        QVERIFY(!m_window->button("applyButton")->isEnabled());
        click("macroCancelButton");
        QVERIFY(m_window->button("applyButton")->isEnabled());
    }
};

QTEST_MAIN(TestMacroApply)
#include "tst_macroapply.moc"
