// The macro selection dialog: the stored macros in index order, the presets,
// the play modes and the loop count field.
#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MessageWatcher.h"
#include "ui/kit/KestPushButton.h"
#include "ui/macro/KestMacroSelect.h"
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {
QStringList menuTexts(const KestMacroSelect &dialog)
{
    QStringList texts;
    for (QAction *action : dialog.macroMenu()->actions())
        texts << action->text();
    return texts;
}
} // namespace

class TestMacroSelect : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppDirFixture> m_app;

private slots:
    void init()
    {
        m_app = std::make_unique<AppDirFixture>(AppDirFixture::DemoData);
        QVERIFY(m_app->isValid());
        IniWriter ini(configFilePath());
        ini->setValue("MACRO_LIST/0", "zeta");
        ini->setValue("MACRO_LIST/1", "alpha");
        ini->setValue("MACRO_LIST/2", "");
        ini->setValue("MACRO_LIST/3", "spray");
        QVERIFY(ini.commit());
    }

    void cleanup() { m_app.reset(); }

    void listsTheStoredMacrosInIndexOrder()
    {
        KestMacroSelect dialog("MACRO SELECT", QString(), 1, 0);
        QCOMPARE(menuTexts(dialog), (QStringList{"zeta", "alpha", "spray"}));
        QCOMPARE(dialog.windowTitle(), QString("MACRO SELECT"));
        QCOMPARE(dialog.findChild<QLabel *>("msgBoxInfoLabel1")->text(), QString("MACRO SELECT"));
        QVERIFY(dialog.findChild<QLabel *>("msgBoxInfoLabel2"));
        QCOMPARE(dialog.size(), QSize(478, 309));
        QVERIFY(dialog.chosenName().isEmpty());
        QCOMPARE(dialog.loopCount(), 1);
        QCOMPARE(dialog.mode(), 0);
        dialog.macroMenu()->actions().at(2)->trigger();
        QCOMPARE(dialog.chosenName(), QString("spray"));
        QVERIFY(dialog.macroMenu()->actions().at(2)->isChecked());
    }

    void presetsTheButtonsChoice()
    {
        KestMacroSelect dialog("GUNFILE SELECT", "alpha", 12, 2);
        QCOMPARE(dialog.chosenName(), QString("alpha"));
        QCOMPARE(dialog.loopCountEdit()->text(), QString("12"));
        QCOMPARE(dialog.loopCount(), 12);
        QCOMPARE(dialog.mode(), 2);
        QVERIFY(dialog.modeButton(2)->isChecked());
        QVERIFY(!dialog.modeButton(0)->isChecked());
        QVERIFY(dialog.macroMenu()->actions().at(1)->isChecked());
        QVERIFY(dialog.findChild<KestPushButton *>("macroSelectButton")->text().contains("alpha"));
    }

    void modesAreExclusive()
    {
        KestMacroSelect dialog("MACRO SELECT", "zeta", 1, 0);
        dialog.show();
        QTest::mouseClick(dialog.modeButton(1), Qt::LeftButton);
        QCOMPARE(dialog.mode(), 1);
        QVERIFY(!dialog.modeButton(0)->isChecked());
        // Pressing the checked one keeps it checked.
        QTest::mouseClick(dialog.modeButton(1), Qt::LeftButton);
        QCOMPARE(dialog.mode(), 1);
        dialog.chooseMode(2);
        QVERIFY(!dialog.modeButton(1)->isChecked());
        QCOMPARE(dialog.mode(), 2);
    }

    void loopCountRejectsZeroAnd256()
    {
        KestMacroSelect dialog("MACRO SELECT", "zeta", 1, 0);
        dialog.show();
        QLineEdit *edit = dialog.loopCountEdit();
        QCOMPARE(edit->maxLength(), 3);
        QVERIFY(edit->alignment() & Qt::AlignRight);
        edit->clear();
        QTest::keyClicks(edit, "0");
        QCOMPARE(edit->text(), QString());
        QCOMPARE(dialog.loopCount(), 0);
        QTest::keyClicks(edit, "256");
        QCOMPARE(edit->text(), QString("25"));
        edit->clear();
        QTest::keyClicks(edit, "255");
        QCOMPARE(dialog.loopCount(), 255);
        edit->clear();
        QTest::keyClicks(edit, "1x");
        QCOMPARE(edit->text(), QString("1"));
    }

    void yesNeedsAMacroAndACount()
    {
        MessageWatcher messages;
        KestMacroSelect dialog("MACRO SELECT", QString(), 1, 0);
        dialog.show();
        auto *yes = dialog.findChild<QToolButton *>("selectYesButton");
        QTest::mouseClick(yes, Qt::LeftButton);
        QCOMPARE(messages.texts(), QStringList{"Please choose a macro."});
        QVERIFY(dialog.isVisible());
        dialog.macroMenu()->actions().at(0)->trigger();
        dialog.loopCountEdit()->clear();
        QTest::mouseClick(yes, Qt::LeftButton);
        QCOMPARE(messages.texts().size(), 2);
        QVERIFY(dialog.isVisible());
        // Repeating modes do not use the count.
        dialog.chooseMode(1);
        QTest::mouseClick(yes, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenName(), QString("zeta"));
        QCOMPARE(dialog.mode(), 1);
        QCOMPARE(dialog.loopCount(), 0);
    }

    // No and Esc reject; Enter is Yes.
    void answers_data()
    {
        QTest::addColumn<int>("key"); // 0: a click on No
        QTest::addColumn<int>("result");
        QTest::newRow("No") << 0 << int(QDialog::Rejected);
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(QDialog::Rejected);
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
    }
    void answers()
    {
        QFETCH(int, key);
        QFETCH(int, result);
        KestMacroSelect dialog("MACRO SELECT", "zeta", 3, 0);
        dialog.show();
        if (key)
            QTest::keyClick(&dialog, Qt::Key(key));
        else
            QTest::mouseClick(dialog.findChild<QToolButton *>("selectNoButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), result);
    }
};

QTEST_MAIN(TestMacroSelect)
#include "tst_macroselect.moc"
