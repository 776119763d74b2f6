// The macro list of the macro page and the store behind it: NEW, DELETE,
// CHANGE NAME, IMPORT, EXPORT, BATCH and GUN SET, the 50-macro limit and
// names that cannot be file names.
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "model/MacroLibrary.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MacroFixtures.h"
#include "tests/support/MessageWatcher.h"
#include "tests/support/UiDrivers.h"
#include "ui/kit/KestListItem.h"
#include "ui/kit/KestPushButton.h"
#include "ui/macro/KestGunsetDialog.h"
#include "ui/macro/MacroDialog.h"
#include "ui/macro/MacroEventModel.h"
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {
const QByteArray kExternalMacro = "[Setting]\nCount=2\nMap_0=132\nDataH_0=0\nDataL_0=4\nMap_1=4\nDataH_1=0\nDataL_1=4\n";

QString slotEntry(int slot)
{
    return IniFile(configFilePath()).stringValue(QString("MACRO_LIST/%1").arg(slot));
}
} // namespace

class TestMacroLibrary : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppDirFixture> m_app;
    std::unique_ptr<MessageWatcher> m_messages;
    std::unique_ptr<MacroDialog> m_page;
    std::unique_ptr<QTemporaryDir> m_outside;

    void openPage()
    {
        m_page = std::make_unique<MacroDialog>();
        m_page->resize(620, 430);
        m_page->show();
    }

    void click(const char *objectName)
    {
        KestPushButton *b = m_page->pageButton(QString::fromLatin1(objectName));
        QVERIFY2(b && b->isEnabled(), objectName);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    QString outside(const QString &file) const { return m_outside->filePath(file); }

private slots:
    void init()
    {
        m_app = std::make_unique<AppDirFixture>(AppDirFixture::DemoData);
        QVERIFY(m_app->isValid());
        m_outside = std::make_unique<QTemporaryDir>();
        m_messages = std::make_unique<MessageWatcher>();
    }

    void cleanup()
    {
        m_page.reset();
        m_messages.reset();
        m_outside.reset();
        m_app.reset();
    }

    void newTakesTheFirstFreeNumber()
    {
        QVERIFY(storeMacro("name_1"));
        QVERIFY(storeMacro("name_3"));
        openPage();
        click("macroNewButton");
        QCOMPARE(macroNames(), (QStringList{"name_1", "name_3", "name_2"}));
        QCOMPARE(m_page->currentMacroName(), QString("name_2"));
        MacroFile created;
        QCOMPARE(loadMacroFile("name_2", created), 0);
        QCOMPARE(created.defaultDelay, 10);
        QCOMPARE(created.loopTime, 1);
        QCOMPARE(m_page->findChild<QLineEdit *>("macroDefaultDelayEdit")->text(), QString("10"));
        QVERIFY(m_messages->texts().isEmpty());
    }

    void fullStoreRefusesNewImportAndGunSet()
    {
        QVERIFY(fillMacroStore(MACRO_LIST_SIZE));
        openPage();
        QCOMPARE(m_page->listedNames().size(), 50);
        click("macroNewButton");
        click("macroImportButton"); // refused before any file dialog opens
        click("macroGunSetButton"); // refused before the gun set opens
        QCOMPARE(m_messages->texts(), QStringList(QVector<QString>(3, "TOO MANY MACROS TO BE CREATE!").toList()));
        QCOMPARE(macroCount(), 50);
        QVERIFY(!macroFileExists("name_1"));
        QVERIFY(!m_page->createGunFile("ak", {}));
        QVERIFY(!macroFileExists("ak"));
    }

    void importCopiesTheFileUnderItsName()
    {
        QVERIFY(storeMacro("first"));
        openPage();
        QVERIFY(writeFileBytes(outside("recoil.MSMACRO"), kExternalMacro));
        QFile::setPermissions(outside("recoil.MSMACRO"), QFile::ReadOwner); // the copy must stay writable
        m_page->importMacroFiles({outside("recoil.MSMACRO")});
        QCOMPARE(macroNames(), (QStringList{"first", "recoil"}));
        QCOMPARE(m_page->currentMacroName(), QString("recoil"));
        QCOMPARE(m_page->eventModel()->rowCount(), 2);
        QCOMPARE(readFileBytes(macroFilePath("recoil")), kExternalMacro);
        m_page->setCurrentRow(1);
        click("macroDeleteRowButton");
        click("macroSaveButton");
        QVERIFY(m_messages->texts().isEmpty());
        QCOMPARE(storedEvents("recoil").size(), 1);

        // The same name again: refused, the stored file stays.
        QVERIFY(writeFileBytes(outside("other/recoil.MSMACRO"), "[Setting]\nCount=0\n"));
        m_page->importMacroFiles({outside("other/recoil.MSMACRO")});
        QCOMPARE(m_messages->texts(), QStringList{"Macro Exist!"});
        QCOMPARE(storedEvents("recoil").size(), 1);
        QCOMPARE(macroCount(), 2);
    }

    void importRefusesWhatCannotBeStored()
    {
        openPage();
        QVERIFY(writeFileBytes(outside("a|b.MSMACRO"), kExternalMacro));
        // 52 key events without delays: more than the mouse's slot takes.
        QString tooLong = "[Setting]\nCount=52\n";
        for (int i = 0; i < 52; ++i)
            tooLong += QString("Map_%1=132\nDataH_%1=0\nDataL_%1=4\n").arg(i);
        QVERIFY(writeFileBytes(outside("long.MSMACRO"), tooLong.toLatin1()));
        m_page->importMacroFiles({outside("a|b.MSMACRO"), outside("missing.MSMACRO"), outside("long.MSMACRO")});
        QCOMPARE(m_messages->texts().size(), 3);
        QVERIFY(m_messages->texts().at(0).contains("cannot contain"));
        QVERIFY(m_messages->texts().at(1).contains("could not be copied"));
        QCOMPARE(m_messages->texts().at(2), QDir::toNativeSeparators(outside("long.MSMACRO"))
                                                + " is too long for the mouse: it takes at most 63 events in a macro, "
                                                  "or 51 without delays.");
        QCOMPARE(macroCount(), 0);
        QVERIFY(!macroFileExists("missing"));
        QVERIFY(!macroFileExists("long"));
    }

    void importStopsAtTheLimit()
    {
        QVERIFY(fillMacroStore(MACRO_LIST_SIZE - 1));
        openPage();
        QVERIFY(writeFileBytes(outside("x1.MSMACRO"), kExternalMacro));
        QVERIFY(writeFileBytes(outside("x2.MSMACRO"), kExternalMacro));
        m_page->setBatchMode(true);
        m_page->importMacroFiles({outside("x1.MSMACRO"), outside("x2.MSMACRO")});
        QCOMPARE(m_messages->texts(), QStringList{"TOO MANY MACROS TO BE CREATE!"});
        QVERIFY(macroNames().contains("x1"));
        QVERIFY(!macroFileExists("x2"));
    }

    void deleteRewritesTheList()
    {
        QVERIFY(storeMacro("a", {keyPressRow(4)}));
        QVERIFY(storeMacro("b", {keyPressRow(5)}));
        QVERIFY(storeMacro("c", {keyPressRow(6)}));
        openPage();
        m_page->selectMacro("b");
        click("macroDeleteButton");
        QCOMPARE(slotEntry(0), QString("a"));
        QCOMPARE(slotEntry(1), QString("c"));
        QCOMPARE(slotEntry(2), QString());
        QVERIFY(!macroFileExists("b"));
        QCOMPARE(m_page->currentMacroName(), QString("c"));
        QCOMPARE(hexRows(m_page->eventModel()->events()), hexRows({keyPressRow(6)}));
        click("macroDeleteButton");
        QCOMPARE(m_page->currentMacroName(), QString("a"));
        click("macroDeleteButton");
        QVERIFY(m_page->currentMacroName().isEmpty());
        QCOMPARE(m_page->eventModel()->rowCount(), 0);
        QCOMPARE(macroCount(), 0);
        QVERIFY(!m_page->pageButton("macroStartButton")->isEnabled());
    }

    void changeNameThroughTheListRow()
    {
        QVERIFY(storeMacro("old", {keyPressRow(4)}));
        openPage();
        click("macroRenameButton");
        auto *row = qobject_cast<KestListItem *>(m_page->macroList()->itemWidget(m_page->macroList()->currentItem()));
        QVERIFY(row && row->isEditing());
        row->lineEdit()->setText("burst");
        emit row->lineEdit()->editingFinished();
        QTRY_COMPARE(m_page->currentMacroName(), QString("burst"));
        QCOMPARE(macroNames(), QStringList{"burst"});
        QVERIFY(macroFileExists("burst"));
        QVERIFY(!macroFileExists("old"));
        QCOMPARE(hexRows(storedEvents("burst")), hexRows({keyPressRow(4)}));
    }

    void changeNameRefusals_data()
    {
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QString>("message");
        QTest::newRow("taken") << "taken" << "Macro Exist!";
        QTest::newRow("path separator") << "../evil" << "The name cannot contain / \\ < > : \" | ? * or control characters.";
        QTest::newRow("dot dot") << ".." << "The name cannot be \".\" or \"..\".";
    }

    void changeNameRefusals()
    {
        QFETCH(QString, newName);
        QFETCH(QString, message);
        QVERIFY(storeMacro("mine", {keyPressRow(4)}));
        QVERIFY(storeMacro("taken", {keyPressRow(5)}));
        openPage();
        m_page->selectMacro("mine");
        QVERIFY(!m_page->renameMacro(newName));
        QCOMPARE(m_messages->texts(), QStringList{message});
        QCOMPARE(macroNames(), (QStringList{"mine", "taken"}));
        QCOMPARE(hexRows(storedEvents("mine")), hexRows({keyPressRow(4)}));
        QCOMPARE(hexRows(storedEvents("taken")), hexRows({keyPressRow(5)}));
        QCOMPARE(m_page->currentMacroName(), QString("mine"));
        QCOMPARE(m_page->listedNames(), (QStringList{"mine", "taken"}));
    }

    void exportCopiesTheFile()
    {
        QVERIFY(storeMacro("mine", {keyPressRow(4)}));
        openPage();
        QVERIFY(writeFileBytes(outside("out.MSMACRO"), "old"));
        QVERIFY(m_page->exportMacroTo(outside("out.MSMACRO")));
        QCOMPARE(readFileBytes(outside("out.MSMACRO")), readFileBytes(macroFilePath("mine")));
        QVERIFY(!m_page->exportMacroTo(outside("no/such/folder/out.MSMACRO")));
        QCOMPARE(m_messages->texts().size(), 1);
    }

    // An export that cannot be written in full leaves the file it was to replace.
    void failedExportKeepsTheTarget()
    {
        QVector<MacroEvent> events;
        for (int i = 0; i < 60; ++i)
            events << keyPressRow(4 + i % 20) << keyReleaseRow(4 + i % 20);
        QVERIFY(storeMacro("big", events));
        QVERIFY(QFileInfo(macroFilePath("big")).size() > 4096);
        const QByteArray kept = "[Setting]\nCount=0\n";
        QVERIFY(writeFileBytes(outside("keep.MSMACRO"), kept));
        struct rlimit previous;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        struct rlimit small = previous;
        small.rlim_cur = 1024;
        const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const MacroStoreResult result = exportMacroFile("big", outside("keep.MSMACRO"));
        setrlimit(RLIMIT_FSIZE, &previous);
        signal(SIGXFSZ, oldHandler);
        QCOMPARE(int(result.error), int(MacroStoreError::CopyFailed));
        QCOMPARE(readFileBytes(outside("keep.MSMACRO")), kept);
        QCOMPARE(QDir(m_outside->path()).entryList(QDir::Files), QStringList{"keep.MSMACRO"});
    }

    // A file far larger than any macro is refused before it is read.
    void oversizedImportIsRefused()
    {
        QByteArray bytes = kExternalMacro + "[Junk]\n";
        for (int i = 0; bytes.size() < 5 * 1024 * 1024; ++i)
            bytes += "junk" + QByteArray::number(i) + "=" + QByteArray(40, 'x') + "\n";
        QVERIFY(writeFileBytes(outside("huge.MSMACRO"), bytes));
        const MacroStoreResult result = importMacroFile(outside("huge.MSMACRO"));
        QCOMPARE(int(result.error), int(MacroStoreError::TooLarge));
        QVERIFY2(result.message.contains("is too large for a macro file"), qPrintable(result.message));
        QVERIFY(!macroFileExists("huge"));
        QCOMPARE(macroNames(), QStringList());
    }

    void batchModeChecksAndExports()
    {
        QVERIFY(storeMacro("a", {keyPressRow(4)}));
        QVERIFY(storeMacro("b", {keyPressRow(5)}));
        QVERIFY(storeMacro("c", {keyPressRow(6)}));
        openPage();
        click("macroBatchButton");
        QVERIFY(m_page->isBatchMode());
        QVERIFY(m_page->pageButton("macroBatchButton")->isChecked());
        for (const char *name : {"macroStartButton", "macroNewButton", "macroEditButton", "macroInsertDelayButton"})
            QVERIFY2(!m_page->pageButton(name)->isEnabled(), name);
        QVERIFY(m_page->pageButton("macroExportButton")->isEnabled());
        QListWidget *list = m_page->macroList();
        QCOMPARE(list->count(), 3);
        list->item(0)->setCheckState(Qt::Checked);
        list->item(2)->setCheckState(Qt::Checked);
        QCOMPARE(m_page->checkedNames(), (QStringList{"a", "c"}));
        m_page->exportCheckedTo(m_outside->path());
        QCOMPARE(readFileBytes(outside("a.MSMACRO")), readFileBytes(macroFilePath("a")));
        QCOMPARE(readFileBytes(outside("c.MSMACRO")), readFileBytes(macroFilePath("c")));
        QVERIFY(!QFile::exists(outside("b.MSMACRO")));
        click("macroBatchButton");
        QVERIFY(!m_page->isBatchMode());
        QVERIFY(m_page->pageButton("macroStartButton")->isEnabled());
        QVERIFY(qobject_cast<KestListItem *>(list->itemWidget(list->item(0))));
    }

    void gunSetIsStoredUnderAFreeName()
    {
        QVERIFY(storeMacro("ak", {keyPressRow(4)}));
        openPage();
        DialogDriver gun("KestGunsetDialog", [](QDialog *d) {
            auto *dialog = static_cast<KestGunsetDialog *>(d);
            dialog->nameEdit()->setText("ak");
            dialog->setBulletCount(3);
            for (int i = 0; i < 3; ++i)
                dialog->ySpin(i)->setValue(5);
            dialog->OnYesClick();
        });
        click("macroGunSetButton");
        QVERIFY(gun.done());
        QCOMPARE(macroNames(), (QStringList{"ak", "ak_1"}));
        QCOMPARE(m_page->currentMacroName(), QString("ak_1"));
        QCOMPARE(m_page->eventModel()->rowCount(), 12);
        QCOMPARE(hexRows(storedEvents("ak")), hexRows({keyPressRow(4)}));
        MacroFile gunFile;
        QCOMPARE(loadMacroFile("ak_1", gunFile), 12);
        QCOMPARE(gunFile.defaultDelay, 10);
        QCOMPARE(gunFile.delayType, 1);
        QCOMPARE(gunFile.loopType, 0);
        QCOMPARE(gunFile.loopTime, 1);
        QCOMPARE(m_page->delayType(), 1);
        // A third one takes the next number.
        QVERIFY(m_page->createGunFile("ak", {}));
        QCOMPARE(m_page->currentMacroName(), QString("ak_2"));
    }

    void selectingAnotherMacroLoadsItsRowsAndOptions()
    {
        MacroFile first;
        first.delayType = 2;
        first.defaultDelay = 40;
        first.loopType = 2;
        first.loopTime = 7;
        first.events = {keyPressRow(4)};
        QVERIFY(saveMacroFile("one", first) && addMacroName("one"));
        QVERIFY(storeMacro("two", {keyPressRow(5), keyReleaseRow(5)}));
        openPage();
        QCOMPARE(m_page->currentMacroName(), QString("one"));
        QCOMPARE(m_page->delayType(), 2);
        QCOMPARE(m_page->loopType(), 2);
        QCOMPARE(m_page->findChild<QLineEdit *>("macroDefaultDelayEdit")->text(), QString("40"));
        QCOMPARE(m_page->findChild<QLineEdit *>("macroLoopTimeEdit")->text(), QString("7"));
        m_page->macroList()->setCurrentRow(1);
        QCOMPARE(m_page->currentMacroName(), QString("two"));
        QCOMPARE(m_page->eventModel()->rowCount(), 2);
        QCOMPARE(m_page->delayType(), 0);
        QCOMPARE(m_page->loopType(), 0);
        // Selecting writes nothing.
        QCOMPARE(readWriteSign("one"), 1);
        QVERIFY(clearWriteSign("one"));
        m_page->macroList()->setCurrentRow(0);
        QCOMPARE(readWriteSign("one"), 0);
    }

    void languageSwitchRetranslatesThePage()
    {
        QVERIFY(storeMacro("mine", {keyPressRow(4)}));
        openPage();
        QTranslator chinese;
        QVERIFY(chinese.load(":/lang/sc.qm"));
        QCoreApplication::installTranslator(&chinese);
        QTRY_COMPARE(m_page->pageButton("macroNewButton")->text(), QString::fromUtf8("新建"));
        QCOMPARE(m_page->eventModel()->index(0, MacroEventModel::ActionColumn).data().toString(), QString::fromUtf8("按下"));
        QCOMPARE(m_page->eventModel()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString::fromUtf8("按键"));
        QCoreApplication::removeTranslator(&chinese);
        QTRY_COMPARE(m_page->pageButton("macroNewButton")->text(), QString("NEW"));
    }

    void unwritableStoreKeepsTheEdit()
    {
        QVERIFY(storeMacro("mine", {keyPressRow(4)}));
        openPage();
        click("macroInsertDelayButton");
        // A folder where the file should be: no save can replace it, even as root.
        QVERIFY(QFile::remove(macroFilePath("mine")));
        QVERIFY(QDir().mkpath(macroFilePath("mine")));
        click("macroSaveButton");
        QCOMPARE(m_messages->texts().size(), 1);
        QVERIFY(m_messages->texts().first().startsWith("The macro could not be saved."));
        QVERIFY(m_page->isEditing());
        QCOMPARE(m_page->eventModel()->rowCount(), 2);
        QVERIFY(QDir().rmdir(macroFilePath("mine")));
        click("macroSaveButton");
        QVERIFY(!m_page->isEditing());
        QCOMPARE(storedEvents("mine").size(), 2);
    }
};

QTEST_MAIN(TestMacroLibrary)
#include "tst_macrolibrary.moc"
