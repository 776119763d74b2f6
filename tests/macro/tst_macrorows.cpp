// Editing the rows of a macro on the macro page: mouse actions and movements
// from the action panel, delays, row moves, deletion, the row clipboard, the
// edit fields, SAVE and CANCEL, the row limit and the loop options.
#include "tests/support/AppDirFixture.h"
#include "tests/support/MacroFixtures.h"
#include "tests/support/MessageWatcher.h"
#include "ui/kit/KestPushButton.h"
#include "ui/macro/KestTreeWidget.h"
#include "ui/macro/MacroDialog.h"
#include "ui/macro/MacroEventModel.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(QVector<MacroEvent>)

namespace {
MacroEvent button(uint8_t bit, bool press)
{
    return {uint8_t(press ? 0x81 : 0x01), 0, bit};
}

MacroEvent move(uint8_t high, uint8_t low)
{
    return {MacroMove, high, low};
}

const QVector<MacroEvent> kFour = {keyPressRow(4), keyReleaseRow(4), keyPressRow(5), keyReleaseRow(5)};
} // namespace

class TestMacroRows : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppDirFixture> m_app;
    std::unique_ptr<MessageWatcher> m_messages;
    std::unique_ptr<MacroDialog> m_page;

    void click(const char *objectName)
    {
        KestPushButton *b = m_page->pageButton(QString::fromLatin1(objectName));
        QVERIFY2(b && b->isEnabled(), objectName);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // Presses an entry of the action panel as the mouse would.
    void pressEntry(QTreeWidgetItem *item)
    {
        KestTreeWidget *tree = m_page->actionTree();
        tree->scrollToItem(item);
        const QRect r = tree->visualItemRect(item);
        QVERIFY(r.isValid());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    }

    QStringList rows() const { return hexRows(m_page->eventModel()->events()); }

    void open(const QVector<MacroEvent> &events, int delayType = 0)
    {
        QVERIFY(storeMacro("edit", events, delayType));
        m_page->reloadList("edit");
        QCOMPARE(m_page->currentMacroName(), QString("edit"));
    }

private slots:
    void init()
    {
        m_app = std::make_unique<AppDirFixture>(AppDirFixture::DemoData);
        QVERIFY(m_app->isValid());
        m_messages = std::make_unique<MessageWatcher>();
        m_page = std::make_unique<MacroDialog>();
        m_page->resize(620, 430);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    }

    void cleanup()
    {
        m_page.reset();
        m_messages.reset();
        m_app.reset();
    }

    void movementsKeepTheirDirection_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("120 to the left") << int(MoveLeft) << "120" << "02 88 00" << "MOVE LEFT";
        QTest::newRow("7 to the right") << int(MoveRight) << "7" << "02 07 00" << "MOVE RIGHT";
        QTest::newRow("7 up") << int(MoveUp) << "7" << "02 00 f9" << "MOVE UP";
        QTest::newRow("120 down") << int(MoveDown) << "120" << "02 00 78" << "MOVE DOWN";
    }

    void movementsKeepTheirDirection()
    {
        QFETCH(int, direction);
        QFETCH(QString, distance);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        open({});
        QLineEdit *field = m_page->actionTree()->distanceEdit(MoveDirection(direction));
        field->setText(distance);
        pressEntry(m_page->actionTree()->moveItem(MoveDirection(direction)));
        QCOMPARE(rows(), QStringList{stored});
        QVERIFY(m_page->isEditing());
        click("macroSaveButton");
        QCOMPARE(hexRows(storedEvents("edit")), QStringList{stored});
        // Read back from the file: same direction and distance.
        m_page->reloadList("edit");
        QCOMPARE(m_page->eventModel()->index(0, MacroEventModel::KeyColumn).data().toString(), shown);
        QCOMPARE(m_page->eventModel()->index(0, MacroEventModel::ActionColumn).data().toString(), distance);
    }

    void distanceFieldKeepsWithinTheRange()
    {
        open({});
        QLineEdit *field = m_page->actionTree()->distanceEdit(MoveRight);
        QTest::keyClicks(field, "999"); // the validator takes no fourth digit and nothing above 120
        QVERIFY(field->text().toInt() <= 120);
        field->setText("0");
        pressEntry(m_page->actionTree()->moveItem(MoveRight));
        QCOMPARE(rows(), QStringList{"02 01 00"});
        QCOMPARE(field->text(), QString("1"));
    }

    void mouseButtonEntries_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("bit");
        QTest::newRow("LEFT CLICK") << 0 << 1;
        QTest::newRow("MIDDLE CLICK") << 1 << 4;
        QTest::newRow("RIGHT CLICK") << 2 << 2;
        QTest::newRow("FORWARD") << 3 << 8;
        QTest::newRow("BACKWARD") << 4 << 16;
    }

    void mouseButtonEntries()
    {
        QFETCH(int, index);
        QFETCH(int, bit);
        open({});
        KestTreeWidget *tree = m_page->actionTree();
        // The first press opens the entry, the next one inserts a whole click.
        pressEntry(tree->buttonItem(index));
        QVERIFY(tree->buttonItem(index)->isExpanded());
        QCOMPARE(m_page->eventModel()->rowCount(), 0);
        QVERIFY(!m_page->isEditing());
        pressEntry(tree->buttonItem(index));
        QCOMPARE(rows(), hexRows({button(uint8_t(bit), true), button(uint8_t(bit), false)}));
        pressEntry(tree->releaseItem(index));
        pressEntry(tree->pressItem(index));
        QCOMPARE(rows(), hexRows({button(uint8_t(bit), true), button(uint8_t(bit), false), button(uint8_t(bit), false),
                                  button(uint8_t(bit), true)}));
        // Opening another entry closes this one.
        pressEntry(tree->buttonItem((index + 1) % MOUSE_BUTTON_COUNT));
        QVERIFY(!tree->buttonItem(index)->isExpanded());
    }

    void insertedActionsCarryTheirDelay_data()
    {
        QTest::addColumn<int>("delayType");
        QTest::addColumn<int>("defaultDelay");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("no delays") << 0 << 30 << hexRows({button(1, true), button(1, false)});
        QTest::newRow("recorded delays: 10 ms") << 1 << 30
                                                 << hexRows({button(1, true), delayEvent(1), button(1, false), delayEvent(1)});
        QTest::newRow("default delay: 30 ms") << 2 << 30
                                               << hexRows({button(1, true), delayEvent(3), button(1, false), delayEvent(3)});
    }

    void insertedActionsCarryTheirDelay()
    {
        QFETCH(int, delayType);
        QFETCH(int, defaultDelay);
        QFETCH(QStringList, expected);
        MacroFile macro;
        macro.delayType = delayType;
        macro.defaultDelay = defaultDelay;
        macro.loopTime = 1;
        QVERIFY(saveMacroFile("edit", macro) && addMacroName("edit"));
        m_page->reloadList("edit");
        QCOMPARE(m_page->delayType(), delayType);
        m_page->TreeitemClick(m_page->actionTree()->buttonItem(0), 0);
        m_page->TreeitemClick(m_page->actionTree()->buttonItem(0), 0);
        QCOMPARE(rows(), expected);
    }

    void insertionsGoAfterTheCurrentRow()
    {
        open(kFour);
        m_page->setCurrentRow(1);
        click("macroInsertDelayButton");
        QCOMPARE(rows(), hexRows({kFour[0], kFour[1], delayEvent(1), kFour[2], kFour[3]}));
        QCOMPARE(m_page->currentRow(), 2);
        QCOMPARE(m_page->eventModel()->index(2, MacroEventModel::DelayColumn).data().toString(), QString("10 ms"));
        m_page->setCurrentRow(-1);
        m_page->TreeitemClick(m_page->actionTree()->moveItem(MoveUp), 0);
        QCOMPARE(m_page->eventModel()->rowCount(), 6);
        QCOMPARE(m_page->currentRow(), 5);
    }

    void rowMoves()
    {
        open(kFour);
        m_page->setCurrentRow(0);
        click("macroMoveUpButton"); // already first
        QVERIFY(!m_page->isEditing());
        QCOMPARE(rows(), hexRows(kFour));
        m_page->setCurrentRow(1);
        click("macroMoveUpButton");
        QCOMPARE(rows(), hexRows({kFour[1], kFour[0], kFour[2], kFour[3]}));
        QCOMPARE(m_page->currentRow(), 0);
        click("macroBottomButton");
        QCOMPARE(rows(), hexRows({kFour[0], kFour[2], kFour[3], kFour[1]}));
        QCOMPARE(m_page->currentRow(), 3);
        click("macroMoveDownButton"); // already last
        QCOMPARE(m_page->currentRow(), 3);
        m_page->setCurrentRow(1);
        click("macroMoveDownButton");
        QCOMPARE(rows(), hexRows({kFour[0], kFour[3], kFour[2], kFour[1]}));
        click("macroTopButton");
        QCOMPARE(rows(), hexRows({kFour[2], kFour[0], kFour[3], kFour[1]}));
        QCOMPARE(m_page->currentRow(), 0);
        QVERIFY(m_page->isEditing());
        // CANCEL brings the file back.
        click("macroCancelButton");
        QVERIFY(!m_page->isEditing());
        QCOMPARE(rows(), hexRows(kFour));
    }

    void deleteSelectsTheRowThatTookItsPlace()
    {
        open(kFour);
        m_page->setCurrentRow(1);
        click("macroDeleteRowButton");
        QCOMPARE(rows(), hexRows({kFour[0], kFour[2], kFour[3]}));
        QCOMPARE(m_page->currentRow(), 1);
        m_page->setCurrentRow(2);
        click("macroDeleteRowButton");
        QCOMPARE(rows(), hexRows({kFour[0], kFour[2]}));
        QCOMPARE(m_page->currentRow(), 1);
        click("macroClearButton");
        QCOMPARE(m_page->eventModel()->rowCount(), 0);
        click("macroSaveButton");
        QCOMPARE(storedEvents("edit").size(), 0);
    }

    void rowClipboard()
    {
        open(kFour);
        QTableView *table = m_page->eventTable();
        m_page->setCurrentRow(0);
        table->selectionModel()->select(QItemSelection(m_page->eventModel()->index(0, 0), m_page->eventModel()->index(1, 2)),
                                        QItemSelectionModel::ClearAndSelect);
        click("macroCopyButton");
        QCOMPARE(hexRows(m_page->rowClipboard()), hexRows({kFour[0], kFour[1]}));
        QVERIFY(!m_page->isEditing()); // copying changes nothing
        m_page->setCurrentRow(3);
        click("macroPasteButton");
        QCOMPARE(rows(), hexRows({kFour[0], kFour[1], kFour[2], kFour[3], kFour[0], kFour[1]}));
        QCOMPARE(m_page->currentRow(), 5);

        m_page->setCurrentRow(2);
        click("macroCutButton");
        QCOMPARE(hexRows(m_page->rowClipboard()), QStringList{hexRows({kFour[2]})});
        QCOMPARE(rows(), hexRows({kFour[0], kFour[1], kFour[3], kFour[0], kFour[1]}));
        m_page->setCurrentRow(-1);
        click("macroPasteButton");
        QCOMPARE(rows().last(), hexRows({kFour[2]}).first());
        click("macroSaveButton");
        QCOMPARE(storedEvents("edit").size(), 6);
        // The clipboard outlives the macro: rows go from one macro to another.
        QVERIFY(storeMacro("other", {}));
        m_page->reloadList("other");
        click("macroPasteButton");
        QCOMPARE(rows(), hexRows({kFour[2]}));
    }

    void editFieldsRewriteTheCurrentRow()
    {
        open({move(0xF9, 0), delayEvent(5), keyPressRow(4)});
        m_page->setCurrentRow(0);
        click("macroEditButton");
        auto *moveEdit = m_page->findChild<QLineEdit *>("macroMoveEdit");
        QVERIFY(moveEdit->isEnabled());
        QCOMPARE(moveEdit->text(), QString("7"));
        moveEdit->clear();
        QTest::keyClicks(moveEdit, "50");
        QCOMPARE(rows().at(0), QString("02 ce 00")); // still to the left: 256 - 50
        m_page->setCurrentRow(1);
        auto *delayEdit = m_page->findChild<QLineEdit *>("macroDelayEdit");
        QVERIFY(delayEdit->isEnabled());
        QVERIFY(!moveEdit->isEnabled());
        QCOMPARE(delayEdit->text(), QString("50"));
        delayEdit->clear();
        QTest::keyClicks(delayEdit, "250");
        QCOMPARE(rows().at(1), QString("06 00 19"));
        QCOMPARE(m_page->eventModel()->index(1, MacroEventModel::DelayColumn).data().toString(), QString("250 ms"));
        click("macroSaveButton");
        QCOMPARE(hexRows(storedEvents("edit")), hexRows({move(0xCE, 0), delayEvent(25), keyPressRow(4)}));
        QVERIFY(!delayEdit->isEnabled());
    }

    void editModeLocksTheList()
    {
        open(kFour);
        QVERIFY(storeMacro("second", {}));
        m_page->reloadList("edit");
        QSignalSpy enable(m_page.get(), &MacroDialog::EnableButtonsSignal);
        click("macroInsertDelayButton");
        QCOMPARE(enable.count(), 1);
        QVERIFY(!m_page->macroList()->isEnabled());
        for (const char *name : {"macroNewButton", "macroDeleteButton", "macroRenameButton", "macroStartButton",
                                 "macroRecordAfterButton", "macroGunSetButton", "macroBatchButton"})
            QVERIFY2(!m_page->pageButton(name)->isEnabled(), name);
        QVERIFY(m_page->pageButton("macroSaveButton")->isEnabled());
        click("macroSaveButton");
        QCOMPARE(enable.count(), 2);
        QVERIFY(enable.at(1).at(0).toBool());
        QVERIFY(m_page->macroList()->isEnabled());
        QVERIFY(!m_page->pageButton("macroSaveButton")->isEnabled());
    }

    void roomForEdits_data()
    {
        // 63 events with delays; without them, 51: the pauses the mouse adds take the rest.
        QTest::addColumn<QVector<MacroEvent>>("events");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<int>("rowsAfter");
        QTest::addColumn<QString>("message");
        const QString full = "The macro has no room for this. The mouse takes at most 63 events in a macro, or 51 "
                             "without delays.";
        const QVector<MacroEvent> delays(62, delayEvent(1));
        const QVector<MacroEvent> keys(50, keyPressRow(4));
        QVector<MacroEvent> keysAndADelay(60, keyPressRow(4));
        keysAndADelay.prepend(delayEvent(1));
        QTest::newRow("a click past 63 events") << delays << "click" << 62 << full;
        QTest::newRow("a delay to 63 events") << delays << "delay" << 63 << QString();
        QTest::newRow("a click past 51 events without delays") << keys << "click" << 50 << full;
        QTest::newRow("a paste past 51 events without delays") << keys << "paste" << 50 << full;
        QTest::newRow("a press to 51 events without delays") << keys << "press" << 51 << QString();
        QTest::newRow("deleting the delay of 60 key events") << keysAndADelay << "delete" << 61
            << "Without its delays the macro would be too long for the mouse: it takes at most 51 events without delays.";
    }

    void roomForEdits()
    {
        QFETCH(QVector<MacroEvent>, events);
        QFETCH(QString, edit);
        QFETCH(int, rowsAfter);
        QFETCH(QString, message);
        open(events);
        KestTreeWidget *tree = m_page->actionTree();
        if (edit == "click") {
            m_page->TreeitemClick(tree->buttonItem(0), 0);
            m_page->TreeitemClick(tree->buttonItem(0), 0);
        } else if (edit == "press") {
            m_page->TreeitemClick(tree->pressItem(0), 0);
        } else if (edit == "delay") {
            click("macroInsertDelayButton");
        } else if (edit == "paste") {
            m_page->setCurrentRow(0);
            m_page->eventTable()->selectionModel()->select(
                QItemSelection(m_page->eventModel()->index(0, 0), m_page->eventModel()->index(1, 2)),
                QItemSelectionModel::ClearAndSelect);
            click("macroCopyButton");
            click("macroPasteButton");
        } else {
            m_page->setCurrentRow(0);
            click("macroDeleteRowButton");
        }
        QCOMPARE(m_messages->texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(m_page->eventModel()->rowCount(), rowsAfter);
    }

    void loopOptionsAreExclusiveAndStored()
    {
        open(kFour);
        QCheckBox *loops[3];
        for (int i = 0; i < 3; ++i)
            loops[i] = m_page->findChild<QCheckBox *>(QString("macroLoopCheck%1").arg(i + 1));
        loops[0]->click();
        loops[2]->click();
        QVERIFY(!loops[0]->isChecked());
        QCOMPARE(m_page->loopType(), 3);
        auto *loopTime = m_page->findChild<QLineEdit *>("macroLoopTimeEdit");
        loopTime->clear();
        QTest::keyClicks(loopTime, "0");
        QCOMPARE(loopTime->text(), QString());
        QTest::keyClicks(loopTime, "256");
        QCOMPARE(loopTime->text(), QString("25"));
        // Options are stored at once while nothing else is being edited.
        MacroFile stored;
        loadMacroFile("edit", stored);
        QCOMPARE(stored.loopType, 3);
        QCOMPARE(stored.loopTime, 25);
        QCOMPARE(stored.events.size(), 4);
        QVERIFY(!m_page->isEditing());
        loops[2]->click();
        QCOMPARE(m_page->loopType(), 0);
    }

    void loadingSkipsRowsTheEditorCannotShow()
    {
        open({{0x05, 0, 4}, button(32, true), button(2, true), move(3, 4), keyReleaseRow(4)});
        QCOMPARE(rows(), hexRows({button(2, true), move(0, 0), keyReleaseRow(4)}));
    }
};

QTEST_MAIN(TestMacroRows)
#include "tst_macrorows.moc"
