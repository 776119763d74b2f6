// Recording the keyboard on the macro page through the keyboard layer, with a
// controlled clock: repeats, delay rows, table limits, held keys at STOP,
// RECORD AFTER and replacing the key of a row in edit mode.
#include "platform/KeyboardHook.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MacroFixtures.h"
#include "tests/support/MessageWatcher.h"
#include "ui/kit/KestPushButton.h"
#include "ui/macro/MacroDialog.h"
#include "ui/macro/MacroEventModel.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace {
void press(int scan, int flags = 0)
{
    KeyboardHook::inject(scan, flags);
}

void release(int scan, int flags = 0)
{
    KeyboardHook::inject(scan, flags | KeyFlagRelease);
}

MacroEvent delayRow(int units)
{
    return delayEvent(units);
}
} // namespace

class TestMacroRecording : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppDirFixture> m_app;
    std::unique_ptr<MessageWatcher> m_messages;
    std::unique_ptr<MacroDialog> m_page;
    qint64 m_now = 5000;

    void click(const char *objectName)
    {
        KestPushButton *button = m_page->pageButton(QString::fromLatin1(objectName));
        QVERIFY2(button, objectName);
        QVERIFY2(button->isEnabled() && button->isVisible(), objectName);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void check(const char *objectName)
    {
        auto *box = m_page->findChild<QCheckBox *>(QString::fromLatin1(objectName));
        QVERIFY2(box, objectName);
        box->click();
    }

    QVector<MacroEvent> rows() const { return m_page->eventModel()->events(); }

private slots:
    void init()
    {
        m_app = std::make_unique<AppDirFixture>(AppDirFixture::DemoData);
        QVERIFY(m_app->isValid());
        QVERIFY(storeMacro("rec"));
        m_messages = std::make_unique<MessageWatcher>();
        m_page = std::make_unique<MacroDialog>();
        m_page->resize(620, 430);
        m_page->show();
        m_now = 5000;
        m_page->setRecorderClock([this] { return m_now; });
        QCOMPARE(m_page->currentMacroName(), QString("rec"));
        QCOMPARE(m_page->delayUnit(), 10);
    }

    void cleanup()
    {
        m_page.reset();
        m_messages.reset();
        m_app.reset();
        QVERIFY(!KeyboardHook::isListening(KeyboardHook::MacroRecorder));
    }

    void heldKeyRecordsOnePressAndOneRelease()
    {
        QSignalSpy enable(m_page.get(), &MacroDialog::EnableButtonsSignal);
        click("macroStartButton");
        QVERIFY(m_page->isRecording());
        QVERIFY(KeyboardHook::isListening(KeyboardHook::MacroRecorder));
        // A held key repeats its press; only the first one counts.
        for (int i = 0; i < 5; ++i)
            press(SCAN_A);
        release(SCAN_A);
        click("macroStopButton");
        QVERIFY(!m_page->isRecording());
        const QStringList expected = hexRows({keyPressRow(USAGE_A), keyReleaseRow(USAGE_A)});
        QCOMPARE(hexRows(rows()), expected);
        QCOMPARE(hexRows(storedEvents("rec")), expected);
        QCOMPARE(m_messages->texts(), QStringList());
        QCOMPARE(enable.count(), 2);
        QCOMPARE(enable.at(0).at(0).toBool(), false);
        QCOMPARE(enable.at(1).at(0).toBool(), true);
        QCOMPARE(m_page->eventModel()->index(0, MacroEventModel::KeyColumn).data().toString(), QString("A"));
        QCOMPARE(m_page->eventModel()->index(0, MacroEventModel::ActionColumn).data().toString(), QString("Press"));
        QCOMPARE(m_page->eventModel()->index(1, MacroEventModel::ActionColumn).data().toString(), QString("Release"));
    }

    void recordedDelaysCountWholeUnits()
    {
        check("macroRecordDelayCheck");
        QCOMPARE(m_page->delayType(), int(DelayRecorded));
        click("macroStartButton");
        press(SCAN_A);     // the first event gets no delay before it
        m_now += 25;
        release(SCAN_A);   // 25 ms: 2 units
        m_now += 3;
        press(SCAN_B);     // 3 ms: at least one unit
        m_now += 0;
        release(SCAN_B);   // no time at all: still one unit
        click("macroStopButton");
        QCOMPARE(hexRows(rows()), hexRows({keyPressRow(USAGE_A), delayRow(2), keyReleaseRow(USAGE_A), delayRow(1),
                                           keyPressRow(USAGE_B), delayRow(1), keyReleaseRow(USAGE_B)}));
        QCOMPARE(m_page->eventModel()->index(1, MacroEventModel::DelayColumn).data().toString(), QString("20 ms"));
        QCOMPARE(m_page->eventModel()->index(3, MacroEventModel::DelayColumn).data().toString(), QString("10 ms"));
        MacroFile stored;
        QCOMPARE(loadMacroFile("rec", stored), 7);
        QCOMPARE(stored.delayType, int(DelayRecorded));
    }

    void defaultDelayIsInsertedBetweenEvents()
    {
        check("macroDefaultDelayCheck");
        QCOMPARE(m_page->delayType(), int(DelayDefault));
        auto *edit = m_page->findChild<QLineEdit *>("macroDefaultDelayEdit");
        edit->clear();
        QTest::keyClicks(edit, "35");
        click("macroStartButton");
        press(SCAN_A);
        m_now += 500; // the real time does not matter
        release(SCAN_A);
        click("macroStopButton");
        QCOMPARE(hexRows(rows()), hexRows({keyPressRow(USAGE_A), delayRow(3), keyReleaseRow(USAGE_A)}));
        MacroFile stored;
        loadMacroFile("rec", stored);
        QCOMPARE(stored.defaultDelay, 35);
        QCOMPARE(stored.delayType, int(DelayDefault));
    }

    void delayTypeBoxesAreExclusive()
    {
        auto *recorded = m_page->findChild<QCheckBox *>("macroRecordDelayCheck");
        auto *fixed = m_page->findChild<QCheckBox *>("macroDefaultDelayCheck");
        recorded->click();
        fixed->click();
        QVERIFY(!recorded->isChecked());
        QVERIFY(fixed->isChecked());
        QCOMPARE(m_page->delayType(), int(DelayDefault));
        fixed->click();
        QCOMPARE(m_page->delayType(), int(DelayNone));
        QVERIFY(!recorded->isChecked() && !fixed->isChecked());
    }

    void tableLimits_data()
    {
        // A press is taken only with room left for its release.
        QTest::addColumn<QString>("delayBox");
        QTest::addColumn<int>("before"); // key rows already there: RECORD AFTER them
        QTest::addColumn<int>("rows");
        QTest::newRow("no delays: 50 rows, the most whole pairs that fit") << QString() << 0 << 50;
        QTest::newRow("no delays, after 48 rows: one more pair") << QString() << 48 << 50;
        QTest::newRow("recorded delays: the 64th row is dropped") << QString("macroRecordDelayCheck") << 0 << 63;
        QTest::newRow("default delays: the 64th row is dropped") << QString("macroDefaultDelayCheck") << 0 << 63;
    }

    void tableLimits()
    {
        QFETCH(QString, delayBox);
        QFETCH(int, before);
        QFETCH(int, rows);
        if (before > 0) {
            QVector<MacroEvent> pairs;
            for (int i = 0; i < before / 2; ++i)
                pairs << keyPressRow(USAGE_B) << keyReleaseRow(USAGE_B);
            QVERIFY(storeMacro("rec", pairs));
            m_page->reloadList("rec");
            m_page->setCurrentRow(before - 1);
        }
        if (!delayBox.isEmpty())
            check(delayBox.toLatin1().constData());
        click(before > 0 ? "macroRecordAfterButton" : "macroStartButton");
        for (int i = 0; i < 30; ++i) {
            m_now += 10;
            press(SCAN_A);
            m_now += 10;
            release(SCAN_A);
        }
        click("macroStopButton");
        QCOMPARE(m_page->eventModel()->rowCount(), rows);
        // The table ends with a key release, never with a lone delay or press.
        QCOMPARE(int(this->rows().last().map), int(MacroKey));
        QCOMPARE(storedEvents("rec").size(), rows);
    }

    void keyHeldAtStopWarnsAndKeepsTheRows()
    {
        click("macroStartButton");
        press(SCAN_LSHIFT);
        press(SCAN_A);
        release(SCAN_A);
        click("macroStopButton");
        QCOMPARE(m_messages->texts(), QStringList{"ONE OR MORE KEYS HAS NOT BEEN RELEASED."});
        const QStringList expected = hexRows({keyPressRow(USAGE_LSHIFT), keyPressRow(USAGE_A), keyReleaseRow(USAGE_A)});
        QCOMPARE(hexRows(rows()), expected);
        QCOMPARE(hexRows(storedEvents("rec")), expected);
    }

    void altFlagDoesNotChangeTheKey_data()
    {
        QTest::addColumn<int>("scan");
        QTest::addColumn<int>("downFlags");
        QTest::addColumn<int>("upFlags");
        QTest::addColumn<int>("usage");
        QTest::newRow("right Alt") << 0x38 << 0x21 << 0x81 << 0xE6;
        QTest::newRow("left Alt") << 0x38 << 0x20 << 0x80 << 0xE2;
        QTest::newRow("Up under Alt") << 0x48 << 0x21 << 0xA1 << 0x52;
        QTest::newRow("keypad 8 under Alt") << 0x48 << 0x20 << 0xA0 << 0x60;
        QTest::newRow("right Ctrl under Alt") << 0x1D << 0x21 << 0xA1 << 0xE4;
    }

    void altFlagDoesNotChangeTheKey()
    {
        QFETCH(int, scan);
        QFETCH(int, downFlags);
        QFETCH(int, upFlags);
        QFETCH(int, usage);
        click("macroStartButton");
        KeyboardHook::inject(scan, downFlags);
        KeyboardHook::inject(scan, upFlags);
        click("macroStopButton");
        QCOMPARE(hexRows(rows()), hexRows({keyPressRow(usage), keyReleaseRow(usage)}));
        QVERIFY(m_messages->texts().isEmpty());
    }

    void keyWithoutUsageIsNotRecorded()
    {
        click("macroStartButton");
        press(0x54);
        release(0x54);
        press(SCAN_A);
        release(SCAN_A);
        click("macroStopButton");
        QCOMPARE(hexRows(rows()), hexRows({keyPressRow(USAGE_A), keyReleaseRow(USAGE_A)}));
    }

    void startWithoutMacroRecordsNothing()
    {
        QVERIFY(writeMacroNames({}));
        deleteMacroFile("rec");
        m_page->reloadList();
        QVERIFY(m_page->currentMacroName().isEmpty());
        QSignalSpy enable(m_page.get(), &MacroDialog::EnableButtonsSignal);
        m_page->startRecording();
        QVERIFY(!m_page->isRecording());
        QVERIFY(!KeyboardHook::isListening(KeyboardHook::MacroRecorder));
        press(SCAN_A);
        QCOMPARE(m_page->eventModel()->rowCount(), 0);
        QCOMPARE(enable.count(), 0);
        QVERIFY(!m_page->pageButton("macroStartButton")->isEnabled());
    }

    void startClearsAndRecordAfterInserts()
    {
        QVERIFY(storeMacro("rec", {keyPressRow(USAGE_A), keyReleaseRow(USAGE_A)}));
        m_page->reloadList("rec");
        QCOMPARE(m_page->eventModel()->rowCount(), 2);
        m_page->setCurrentRow(0);
        click("macroRecordAfterButton");
        QVERIFY(m_page->isRecording());
        press(SCAN_B);
        release(SCAN_B);
        click("macroStopButton");
        const QStringList expected = hexRows({keyPressRow(USAGE_A), keyPressRow(USAGE_B), keyReleaseRow(USAGE_B),
                                              keyReleaseRow(USAGE_A)});
        QCOMPARE(hexRows(rows()), expected);
        QCOMPARE(hexRows(storedEvents("rec")), expected);

        click("macroStartButton");
        QCOMPARE(m_page->eventModel()->rowCount(), 0);
        press(SCAN_B);
        release(SCAN_B);
        click("macroStopButton");
        QCOMPARE(hexRows(storedEvents("rec")), hexRows({keyPressRow(USAGE_B), keyReleaseRow(USAGE_B)}));
    }

    void recordingDisablesTheOtherControls()
    {
        click("macroStartButton");
        for (const char *name : {"macroNewButton", "macroDeleteButton", "macroImportButton", "macroGunSetButton",
                                 "macroEditButton", "macroClearButton", "macroInsertDelayButton"})
            QVERIFY2(!m_page->pageButton(name)->isEnabled(), name);
        QVERIFY(!m_page->pageButton("macroStartButton")->isVisible());
        QVERIFY(m_page->pageButton("macroStopButton")->isVisible());
        click("macroStopButton");
        QVERIFY(m_page->pageButton("macroStartButton")->isVisible());
        QVERIFY(m_page->pageButton("macroNewButton")->isEnabled());
    }

    void editModeReplacesTheKeyOfTheCurrentRow()
    {
        QVERIFY(storeMacro("rec", {keyPressRow(USAGE_A), keyReleaseRow(USAGE_A)}));
        m_page->reloadList("rec");
        QSignalSpy enable(m_page.get(), &MacroDialog::EnableButtonsSignal);
        m_page->setCurrentRow(0);
        click("macroEditButton");
        QVERIFY(m_page->isEditing());
        QVERIFY(KeyboardHook::isListening(KeyboardHook::MacroRecorder));
        press(SCAN_B);
        QCOMPARE(hexRows(rows()), hexRows({keyPressRow(USAGE_B), keyReleaseRow(USAGE_A)}));
        QCOMPARE(m_page->findChild<QLineEdit *>("macroKeyEdit")->text(), QString("B"));
        // The file changes only on SAVE.
        QCOMPARE(hexRows(storedEvents("rec")), hexRows({keyPressRow(USAGE_A), keyReleaseRow(USAGE_A)}));
        click("macroSaveButton");
        QVERIFY(!m_page->isEditing());
        QVERIFY(!KeyboardHook::isListening(KeyboardHook::MacroRecorder));
        QCOMPARE(hexRows(storedEvents("rec")), hexRows({keyPressRow(USAGE_B), keyReleaseRow(USAGE_A)}));
        QCOMPARE(readWriteSign("rec"), 1);
        QCOMPARE(enable.count(), 2);
        QCOMPARE(enable.at(0).at(0).toBool(), false);
        QCOMPARE(enable.at(1).at(0).toBool(), true);
    }

    void typedDistanceIsNotTakenAsAKey()
    {
        QVERIFY(storeMacro("rec", {keyPressRow(USAGE_A), keyReleaseRow(USAGE_A)}));
        m_page->reloadList("rec");
        m_page->setCurrentRow(0);
        click("macroEditButton");
        auto *distance = m_page->findChild<QLineEdit *>("macroDistanceEdit0");
        distance->setFocus();
        QApplication::setActiveWindow(m_page.get());
        if (QApplication::focusWidget() != distance)
            QSKIP("no keyboard focus on this platform");
        press(SCAN_B);
        QCOMPARE(hexRows(rows()), hexRows({keyPressRow(USAGE_A), keyReleaseRow(USAGE_A)}));
        click("macroCancelButton");
    }
};

QTEST_MAIN(TestMacroRecording)
#include "tst_macrorecording.moc"
