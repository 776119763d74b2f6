// State images and signals of the skinned push button.
#include "ui/kit/KestPushButton.h"
#include "ui/kit/Skin.h"
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestKestPushButton : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QStringList m_paths; // four images of distinct colours

    static void enter(QWidget *w)
    {
        QEvent e(QEvent::Enter);
        QApplication::sendEvent(w, &e);
    }
    static void leave(QWidget *w)
    {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    }
    QStringList images(int n) const { return m_paths.mid(0, n); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
        for (int i = 0; i < 4; ++i) {
            QImage img(20, 10, QImage::Format_ARGB32);
            img.fill(colours[i]);
            const QString path = m_dir.filePath(QString("state%1.png").arg(i));
            QVERIFY(img.save(path));
            m_paths << path;
        }
    }

    void singleImageNeverChangesPicture()
    {
        KestPushButton b(images(1));
        b.resize(20, 10);
        b.show();
        const QImage before = b.grab().toImage();
        enter(&b);
        QCOMPARE(b.curIndex(), 0);
        QTest::mousePress(&b, Qt::LeftButton);
        QCOMPARE(b.curIndex(), 0);
        QCOMPARE(b.grab().toImage(), before);
        QTest::mouseRelease(&b, Qt::LeftButton);
        QCOMPARE(b.curIndex(), 0);
        leave(&b);
        QCOMPARE(b.curIndex(), 0);
        QCOMPARE(b.grab().toImage(), before);
    }

    // Buttons share one decoded picture, a prefetched one alike; a file
    // rewritten meanwhile is read again once the pictures are cleared.
    void picturesAreDecodedOnceAndShared()
    {
        const QString path = m_dir.filePath("shared.png");
        QImage red(20, 10, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(path));
        prefetchPixmaps({path, m_dir.filePath("missing.png")});
        KestPushButton button({path});
        QCOMPARE(button.sizeHint(), QSize(20, 10));
        QCOMPARE(sharedPixmap(path).cacheKey(), sharedPixmap(path).cacheKey());
        QCOMPARE(sharedPixmap(path).toImage().pixelColor(0, 0), QColor(Qt::red));
        QVERIFY(sharedPixmap(m_dir.filePath("missing.png")).isNull());
        QImage blue(30, 10, QImage::Format_ARGB32);
        blue.fill(Qt::blue);
        QVERIFY(blue.save(path));
        QCOMPARE(sharedPixmap(path).width(), 20);
        clearSharedPixmaps();
        QCOMPARE(sharedPixmap(path).toImage().pixelColor(0, 0), QColor(Qt::blue));
    }

    void disabledButtonIgnoresEverything()
    {
        KestPushButton b(images(3), nullptr, "OK");
        b.resize(20, 10);
        b.show();
        QSignalSpy entered(&b, &KestPushButton::EnterSignal);
        QSignalSpy over(&b, &KestPushButton::OverSignal);
        QSignalSpy clicked(&b, &QPushButton::clicked);
        b.setEnabled(false);
        QCOMPARE(b.curIndex(), 3);
        enter(&b);
        QTest::mouseClick(&b, Qt::LeftButton);
        leave(&b);
        QCOMPARE(entered.count(), 0);
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(over.count(), 0);
        QCOMPARE(b.curIndex(), 3);
        b.setEnabled(true);
        QCOMPARE(b.curIndex(), 0);
        QTest::mouseClick(&b, Qt::LeftButton);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(clicked.count(), 1);
    }

    void disablingTheParentShowsTheDisabledState()
    {
        QWidget parent;
        auto *b = new KestPushButton(images(3), &parent);
        b->setCheckable(true);
        b->setChecked(true);
        parent.setEnabled(false);
        QCOMPARE(b->curIndex(), 3);
        parent.setEnabled(true);
        QCOMPARE(b->curIndex(), 1);
    }

    void checkableThreeImageSequence()
    {
        KestPushButton b(images(3));
        b.resize(20, 10);
        b.show();
        b.setCheckable(true);
        QStringList order;
        connect(&b, &KestPushButton::EnterSignal, this, [&] { order << "enter"; });
        connect(&b, &QPushButton::clicked, this, [&] { order << "clicked"; });
        QSignalSpy over(&b, &KestPushButton::OverSignal);

        enter(&b);
        QCOMPARE(b.curIndex(), 1);
        QCOMPARE(over.count(), 1);
        QCOMPARE(over.at(0).at(1).toBool(), true);
        QTest::mousePress(&b, Qt::LeftButton);
        QCOMPARE(b.curIndex(), 2); // was unchecked
        QVERIFY(b.isChecked());
        QTest::mouseRelease(&b, Qt::LeftButton);
        QCOMPARE(b.curIndex(), 1);
        QCOMPARE(order, QStringList({"enter", "clicked"}));
        leave(&b);
        QCOMPARE(over.count(), 1); // the press suppresses this leave's signal
        QCOMPARE(b.curIndex(), 1); // checked rests on image 1

        enter(&b);
        QCOMPARE(b.curIndex(), 1);
        QTest::mousePress(&b, Qt::LeftButton);
        QCOMPARE(b.curIndex(), 0); // was checked
        QVERIFY(!b.isChecked());
        QTest::mouseRelease(&b, Qt::LeftButton);
        QCOMPARE(b.curIndex(), 1);
        leave(&b);
        QCOMPARE(b.curIndex(), 0);

        enter(&b);
        leave(&b);
        QCOMPARE(over.count(), 4); // no press in between: both signals
        QCOMPARE(over.at(3).at(1).toBool(), false);
        QCOMPARE(over.at(3).at(0).value<KestPushButton *>(), &b);
    }

    void plainButtonShowsPressedImageEveryTime()
    {
        KestPushButton b(images(3));
        b.resize(20, 10);
        b.show();
        for (int i = 0; i < 3; ++i) {
            enter(&b);
            QTest::mousePress(&b, Qt::LeftButton);
            QCOMPARE(b.curIndex(), 2);
            QTest::mouseRelease(&b, Qt::LeftButton);
            QCOMPARE(b.curIndex(), 1);
            leave(&b);
            QCOMPARE(b.curIndex(), 0);
        }
        QVERIFY(!b.isChecked());
    }

    void twoImagesHaveNoPressedPicture()
    {
        KestPushButton b(images(2));
        b.resize(20, 10);
        b.show();
        enter(&b);
        QTest::mousePress(&b, Qt::LeftButton);
        QCOMPARE(b.curIndex(), 1);
    }

    void settersAndPainting()
    {
        KestPushButton b(images(4));
        b.resize(20, 10);
        QCOMPARE(b.sizeHint(), QSize(20, 10));
        b.setChecked(true);
        QCOMPARE(b.curIndex(), 1);
        QCOMPARE(b.grab().toImage().pixelColor(5, 5), QColor(Qt::green));
        b.setCheckable(true);
        QCOMPARE(b.curIndex(), 0);
        b.setEnabled(false);
        QCOMPARE(b.grab().toImage().pixelColor(5, 5), QColor(Qt::yellow)); // its own disabled image
        b.setEnabled(true);
        QCOMPARE(b.property("curIndex").toInt(), 1); // checkable and checked
        QVERIFY(b.setProperty("curIndex", 2));
        QCOMPARE(b.grab().toImage().pixelColor(5, 5), QColor(Qt::blue));

        b.setImages(images(1));
        b.setCurIndex(2); // no such image: image 0 is shown
        QCOMPARE(b.grab().toImage().pixelColor(5, 5), QColor(Qt::red));

        QPixmap fixed(40, 40);
        fixed.fill(Qt::black);
        b.setFixedPixmap(fixed);
        QCOMPARE(b.sizeHint(), QSize(40, 40));
        b.setText("DPI");
        QCOMPARE(b.text(), QString("DPI"));
    }
};

QTEST_MAIN(TestKestPushButton)
#include "tst_kestpushbutton.moc"
