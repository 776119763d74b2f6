// Label, action, list row and battery bar of the kit.
#include "storage/AppPaths.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/KestAction.h"
#include "ui/kit/KestLabel.h"
#include "ui/kit/KestListItem.h"
#include "ui/kit/KestProcessbar.h"
#include "ui/kit/UiScale.h"
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
int whitePixels(const QImage &img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qRed(img.pixel(x, y)) > 230 && qGreen(img.pixel(x, y)) > 230 && qBlue(img.pixel(x, y)) > 230)
                ++n;
    return n;
}
} // namespace

class TestKestWidgets : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        setAppDir(m_dir.path());
        QDir().mkpath(m_dir.path() + "/Configs");
        QFile f(m_dir.path() + "/Configs/Config.ini");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[FONT_LIST]\nFONT_0=DejaVu Sans\nFONT_SIZE_0=14\nFONT_1=DejaVu Serif\nFONT_SIZE_1=20\n");
    }

    void cleanup()
    {
        setUiScale(1.0);
        setCurrentLanguage(0);
    }

    void labelFontSizes_data()
    {
        QTest::addColumn<int>("fixed");
        QTest::addColumn<int>("decrement");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("pixels");
        QTest::newRow("language size") << 0 << 0 << 1.0 << 14;
        QTest::newRow("scaled") << 0 << 0 << 2.0 << 28;
        QTest::newRow("fixed") << 18 << 0 << 1.0 << 18;
        QTest::newRow("decrement") << 0 << 4 << 1.0 << 10;
        QTest::newRow("fixed minus decrement, scaled") << 18 << 2 << 1.5 << 24;
        QTest::newRow("decrement past zero") << 0 << 40 << 1.0 << 1;
    }

    void labelFontSizes()
    {
        QFETCH(int, fixed);
        QFETCH(int, decrement);
        QFETCH(double, scale);
        QFETCH(int, pixels);
        setUiScale(scale);
        KestLabel label("DPI");
        label.setPixelSize(fixed);
        label.setSizeDecrement(decrement);
        QCOMPARE(label.textFont().pixelSize(), pixels);
        QCOMPARE(label.textFont().family(), QString("DejaVu Sans"));
    }

    void labelTextAndSignals()
    {
        KestLabel label;
        QCOMPARE(label.alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        label.setNumber(-12);
        QCOMPARE(label.text(), QString("-12"));
        QSignalSpy spy(&label, &KestLabel::EnterSignal);
        QTest::mouseClick(&label, Qt::RightButton);
        QCOMPARE(spy.count(), 0);
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<KestLabel *>(), &label);
    }

    void verticalLabelIsTallAndDrawsInside()
    {
        KestLabel label("LONG VERTICAL TEXT");
        const QSize flat = label.sizeHint();
        label.setVertical(true);
        QCOMPARE(label.sizeHint(), flat.transposed());
        label.resize(label.sizeHint());
        label.setAlignment(Qt::AlignCenter);
        label.setFill(true);
        QPalette pal = label.palette();
        pal.setColor(QPalette::Window, Qt::black);
        label.setPalette(pal);
        const QImage img = label.grab().toImage();
        QVERIFY(img.height() > img.width());
        QVERIFY(whitePixels(img) > 20); // the text is drawn, not clipped away
        QCOMPARE(img.pixelColor(0, 0), QColor(Qt::black));
    }

    void actionFontFollowsLanguage()
    {
        setCurrentLanguage(1);
        setUiScale(1.25);
        KestAction action("&Quit");
        QCOMPARE(action.font().family(), QString("DejaVu Serif"));
        QCOMPARE(action.font().pixelSize(), 25);
        setCurrentLanguage(0);
        action.setText("&Load Config");
        QCOMPARE(action.text(), QString("&Load Config"));
        QCOMPARE(action.font().family(), QString("DejaVu Sans"));
        QCOMPARE(action.font().pixelSize(), 18); // 14 x 1.25, rounded
    }

    void listItemEditing()
    {
        KestListItem item("macro1");
        item.show();
        QSignalSpy spy(&item, &KestListItem::EditFinishedSignal);
        QVERIFY(!item.isEditing());
        item.editPressSlot();
        QVERIFY(item.isEditing());
        QCOMPARE(item.lineEdit()->text(), QString("macro1"));
        item.lineEdit()->setText("  recoil  ");
        item.lostFocusSlot();
        QVERIFY(!item.isEditing());
        QCOMPARE(item.text(), QString("recoil"));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(1).toString(), QString("recoil"));

        // Clearing the field does not wipe the name.
        item.editPressSlot();
        item.lineEdit()->clear();
        item.lostFocusSlot();
        QCOMPARE(item.text(), QString("recoil"));
        QCOMPARE(spy.count(), 1);

        // Return ends the edit as well; a second end is ignored.
        QTest::mouseDClick(&item, Qt::LeftButton);
        QVERIFY(item.isEditing());
        item.lineEdit()->setText("spray");
        QTest::keyClick(item.lineEdit(), Qt::Key_Return);
        item.lostFocusSlot();
        QCOMPARE(item.text(), QString("spray"));
        QCOMPARE(spy.count(), 2);
    }

    void batteryBarOverlay()
    {
        KestProcessbar bar;
        bar.resize(150, 24);
        bar.setTextVisible(false);
        bar.setRange(0, 100);
        bar.setValue(0);
        bar.setStyleSheet("QProgressBar{background: rgb(100,100,100); border: none;}"
                          "QProgressBar::chunk{background: rgb(100,100,100);}");
        const int plain = whitePixels(bar.grab().toImage());
        QVERIFY(bar.overlayText().isEmpty());
        bar.setText("MOUSE OFF");
        QCOMPARE(bar.overlayText(), QString("MOUSE OFF"));
        QVERIFY(whitePixels(bar.grab().toImage()) > plain + 20);
        bar.setText(QString());
        QCOMPARE(whitePixels(bar.grab().toImage()), plain);
    }
};

QTEST_MAIN(TestKestWidgets)
#include "tst_kestwidgets.moc"
