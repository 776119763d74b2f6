// Message box results and polling, busy dialog and its animation.
#include "storage/AppPaths.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/KestMessageBox.h"
#include "ui/kit/KestProcessDialog.h"
#include "ui/kit/UiScale.h"
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMovie>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>
#include <QtTest>

class TestKestDialogs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    void writeColourId(int id)
    {
        QDir().mkpath(m_dir.path() + "/Configs");
        QFile f(m_dir.path() + "/Configs/Config.ini");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QString("[Config]\nGColorID=%1\n").arg(id).toLatin1());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        setAppDir(m_dir.path());
        setUiScale(1.0);
    }

    void yesNoBoxResults_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("No") << "msgBoxNoBtn" << 0;
        QTest::newRow("Yes") << "msgBoxYesBtn" << 1;
    }

    void yesNoBoxResults()
    {
        QFETCH(QString, button);
        QFETCH(int, result);
        KestMessageBox box(1, QString(), "Warning", "Do you want to upgrade the firmware?");
        auto *b = box.findChild<QToolButton *>(button);
        QVERIFY(b);
        int got = -1;
        QTimer::singleShot(0, &box, [&] { QTest::mouseClick(b, Qt::LeftButton); });
        QTimer::singleShot(5000, &box, [&] { box.done(-2); }); // a stuck box fails instead of hanging
        got = box.exec();
        QCOMPARE(got, result);
    }

    // The keyboard: Enter presses the focused button (Yes, Ok or Apply at
    // first), Tab moves on, Esc gives the answer that changes nothing.
    void boxAnswersTheKeyboard_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("result");
        const QStringList enter{"Enter"}, esc{"Esc"}, tabEnter{"Tab", "Enter"};
        QTest::newRow("ask, Enter") << 1 << enter << 1;
        QTest::newRow("ask, Tab Enter") << 1 << tabEnter << 0;
        QTest::newRow("ask, Tab Tab Space") << 1 << QStringList{"Tab", "Tab", "Space"} << 1;
        QTest::newRow("ask, Esc") << 1 << esc << 0;
        QTest::newRow("tell, Esc") << 2 << esc << 1;
        QTest::newRow("unsaved, Enter") << 5 << enter << int(KestMessageBox::ApplyAnswer);
        QTest::newRow("unsaved, Tab Enter") << 5 << tabEnter << int(KestMessageBox::DiscardAnswer);
        QTest::newRow("unsaved, Tab Tab Space") << 5 << QStringList{"Tab", "Tab", "Space"} << int(KestMessageBox::CancelAnswer);
        QTest::newRow("unsaved, Esc") << 5 << esc << int(KestMessageBox::CancelAnswer);
    }
    void boxAnswersTheKeyboard()
    {
        QFETCH(int, type);
        QFETCH(QStringList, keys);
        QFETCH(int, result);
        static const QMap<QString, Qt::Key> kKeys{
            {"Enter", Qt::Key_Return}, {"Esc", Qt::Key_Escape}, {"Tab", Qt::Key_Tab}, {"Space", Qt::Key_Space}};
        KestMessageBox box(type, QString(), "Warning", "Some changes have not been applied to the mouse yet.");
        QTimer::singleShot(0, &box, [&] {
            for (const QString &key : keys)
                QTest::keyClick(box.focusWidget() ? box.focusWidget() : &box, kKeys.value(key));
        });
        QTimer::singleShot(5000, &box, [&] { box.done(-2); }); // a stuck box fails instead of hanging
        QCOMPARE(box.exec(), result);
    }

    void boxLayoutByType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("hasNo");
        QTest::addColumn<QString>("yesText");
        QTest::newRow("ask") << 1 << true << "Yes";
        QTest::newRow("tell") << 2 << false << "Ok";
        QTest::newRow("receiver") << 4 << false << "Ok";
        QTest::newRow("unsaved") << 5 << true << "Apply";
    }

    void boxLayoutByType()
    {
        QFETCH(int, type);
        QFETCH(bool, hasNo);
        QFETCH(QString, yesText);
        setUiScale(1.5);
        KestMessageBox box(type, "title", "Warning", "Dongle Disconnect!");
        setUiScale(1.0);
        QCOMPARE(box.size(), QSize(717, 464)); // 478 x 309 at 1.5, rounded
        QCOMPARE(box.windowTitle(), QString("title"));
        QVERIFY(box.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(box.findChild<QToolButton *>("msgBoxNoBtn") != nullptr, hasNo);
        QCOMPARE(box.findChild<QToolButton *>("msgBoxYesBtn")->text(), yesText);
        auto *caption = box.findChild<QLabel *>("msgBoxInfoLabel1");
        auto *message = box.findChild<QLabel *>("msgBoxInfoLabel2");
        QVERIFY(caption && message);
        QCOMPARE(caption->text(), QString("Warning"));
        QCOMPARE(message->text(), QString("Dongle Disconnect!"));
        QVERIFY(message->wordWrap());
        // The language's face, never a monospace one.
        QCOMPARE(caption->font().family(), languageFontFamily());
        QVERIFY(!QFontInfo(caption->font()).fixedPitch());
    }

    void frameTakesThemeColour_data()
    {
        QTest::addColumn<int>("colourId");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("red") << 0 << QColor(255, 0, 0);
        QTest::newRow("orange") << 6 << QColor(255, 125, 0);
        QTest::newRow("out of table") << 9 << QColor(255, 0, 0);
    }

    void frameTakesThemeColour()
    {
        QFETCH(int, colourId);
        QFETCH(QColor, colour);
        writeColourId(colourId);
        KestMessageBox box(2, QString(), "Warning", "x");
        const QImage img = box.grab().toImage();
        QCOMPARE(img.pixelColor(1, 1), colour);
        QCOMPARE(img.pixelColor(img.width() - 2, img.height() / 2), colour);
        const QString style = box.findChild<QToolButton *>("msgBoxYesBtn")->styleSheet();
        QVERIFY2(style.contains(QString("border: 1px rgb(%1, %2, %3);").arg(colour.red()).arg(colour.green()).arg(colour.blue())),
                 qPrintable(style));
        QFile::remove(m_dir.path() + "/Configs/Config.ini");
    }

    void pollingBoxClosesOnceAllowed()
    {
        bool canClose = false;
        KestMessageBox box(4, QString(), "Warning", "Dongle Disconnect!", nullptr, [&] { return canClose; });
        box.open();
        QTest::qWait(3 * KestMessageBox::kPollIntervalMs);
        QVERIFY(box.isVisible()); // polls without closing while not allowed
        canClose = true;
        QTRY_VERIFY_WITH_TIMEOUT(!box.isVisible(), 5000);
        QCOMPARE(box.result(), 1);
    }

    void boxWithoutPollStaysOpen()
    {
        KestMessageBox box(2, QString(), "Warning", "x");
        box.open();
        box.GetPlugInSignal(); // nothing to poll: no effect
        QTest::qWait(2 * KestMessageBox::kPollIntervalMs);
        QVERIFY(box.isVisible());
        box.reject();
        QCOMPARE(box.result(), 0);
    }

    void busyDialogPlaysTheAnimation()
    {
        KestProcessDialog dlg;
        QCOMPARE(dlg.size(), QSize(128, 128));
        QVERIFY(dlg.movie());
        QVERIFY2(dlg.movie()->isValid(), "\":/skin/loading.gif\" must be compiled in and decodable");
        QCOMPARE(dlg.movie()->state(), QMovie::Running);
        QCOMPARE(dlg.movie()->frameCount(), 12);
        const QImage frame = dlg.movie()->currentImage();
        QCOMPARE(frame.size(), QSize(72, 72));
        // Drawn on the flat well of the plate: corners are its grey.
        QCOMPARE(frame.pixelColor(0, 0), QColor(24, 24, 24));
        // The first frame's leading dot is at twelve o'clock and near white.
        QVERIFY(qGray(frame.pixel(36, 10)) > 200);
        QVERIFY(qGray(frame.pixel(36, 36)) < 40);
    }

    void busyDialogIsCentredOnTheWindow()
    {
        QWidget window;
        window.setGeometry(100, 200, 999, 640);
        KestProcessDialog dlg(&window);
        const QPointF offset = QRectF(dlg.geometry()).center() - QRectF(window.geometry()).center();
        QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1, "not centred on the window");
    }

    void busyDialogEndsOnWorkerSignal()
    {
        KestProcessDialog dlg;
        QThread *worker = QThread::create([&dlg] {
            QThread::msleep(50);
            QMetaObject::invokeMethod(&dlg, "slotProcessDlg", Qt::QueuedConnection);
        });
        QTimer::singleShot(5000, &dlg, [&] { dlg.done(-2); });
        worker->start();
        QCOMPARE(dlg.exec(), 1);
        QVERIFY(worker->wait(5000));
        delete worker;
    }
};

QTEST_MAIN(TestKestDialogs)
#include "tst_kestdialogs.moc"
