// The generated skin in the build's application folder: every image the
// program names exists, decodes, and keeps the sizes the widgets rely on.
#include <QBitmap>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QtTest>

namespace {

const char *const kFiles[] = {
    "cfgMainback.png", "close-1.png", "close-2.png", "close-3.png", "min-1.png", "min-2.png", "min-3.png",
    "tabbutton-1.png", "tabbutton-2.png", "tabbutton-3.png", "profile_import1.png", "profile_import2.png",
    "profile_export1.png", "profile_reset1.png", "profile_reset2.png", "profile_add1.png", "profile_add2.png",
    "profile_del1.png", "profile_del2.png", "profile_copy1.png", "profile_copy2.png", "profile_apply1.png",
    "profilesel.png", "lang.png", "bat1.png", "bat2.png", "lightning.png", "dongle.png", "dongle2.png", "cable.png",
    "mouselogo.png", "warn.png", "dlg.png", "dlg_gun.png", "process.png", "icon.ico", "rate.png", "pspeed.png",
    "checkbox1-1.png", "checkbox1-2.png", "checkbox2-1.png", "checkbox2-2.png", "btn_1.png", "btn_2.png",
    "btn_up1.png", "btn_up2.png", "btn_up3.png", "btn_up4.png", "btn_down1.png", "btn_down2.png",
    "btn_down3.png", "btn_down4.png", "add1.png", "left1.png", "right1.png", "up1.png", "down1.png",
    "insert_mouse_key_1.png", "gunset_slider.png", "gunset_bullet.png", "bulletsel.png",
    "mouse/TREVIK/Mouse.png", "mouse/TREVIK_Side.png", "mouse/TREVIK/mouse_1.png", "mouse/TREVIK/mouse_2.png",
    "mouse/TREVIK/mouse_3.png", "mouse/TREVIK/mouse_4.png", "mouse/TREVIK/mouse_5.png",
    "mouse/TREVIK/mouse_6.png", "mouse/TREVIK/mouse_7.png",
};

// Images that stand for the states of one button must match in size.
const QStringList kFamilies[] = {
    {"close-1.png", "close-2.png", "close-3.png"},
    {"min-1.png", "min-2.png", "min-3.png"},
    {"tabbutton-1.png", "tabbutton-2.png", "tabbutton-3.png"},
    {"profile_import1.png", "profile_import2.png", "profile_export1.png", "profile_apply1.png"},
    {"profile_reset1.png", "profile_reset2.png", "profile_add1.png", "profile_add2.png", "profile_del1.png",
     "profile_del2.png", "profile_copy1.png", "profile_copy2.png"},
    {"checkbox1-1.png", "checkbox1-2.png", "checkbox2-1.png", "checkbox2-2.png"},
    {"btn_1.png", "btn_2.png", "btn_up1.png", "btn_up2.png", "btn_up3.png", "btn_up4.png", "btn_down1.png",
     "btn_down2.png", "btn_down3.png", "btn_down4.png"},
    {"bat1.png", "bat2.png"},
    {"mouse/TREVIK/Mouse.png", "mouse/TREVIK/mouse_1.png", "mouse/TREVIK/mouse_7.png"},
};

int redPixels(const QImage &img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.alpha() > 200 && c.red() > 180 && c.green() < 90 && c.blue() < 90)
                ++n;
        }
    return n;
}

} // namespace

class TestSkin : public QObject
{
    Q_OBJECT

private:
    QString m_skin;
    QImage load(const QString &name) { return QImage(m_skin + name); }

private slots:
    void initTestCase()
    {
        const QString appDir = qEnvironmentVariable("MOUSECFG_APPDIR");
        if (appDir.isEmpty())
            QSKIP("MOUSECFG_APPDIR is not set (run through CTest)");
        m_skin = appDir + "/skin/";
        QVERIFY2(QFileInfo(m_skin).isDir(), qPrintable(m_skin + " missing: build the mousecfg_skin target"));
    }

    void everyImageExistsAndDecodes()
    {
        for (const char *name : kFiles) {
            QImageReader reader(m_skin + name);
            const QImage img = reader.read();
            QVERIFY2(!img.isNull(), qPrintable(QString("%1: %2").arg(name, reader.errorString())));
        }
    }

    void sizesTheWidgetsRelyOn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("main") << "cfgMainback.png" << QSize(999, 640);
        QTest::newRow("dialog") << "dlg.png" << QSize(478, 309);
        QTest::newRow("gun dialog") << "dlg_gun.png" << QSize(619, 400);
        QTest::newRow("busy plate") << "process.png" << QSize(128, 128);
        QTest::newRow("bullet area") << "gunset_slider.png" << QSize(297, 12);
    }

    void sizesTheWidgetsRelyOn()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QCOMPARE(load(name).size(), size);
    }

    void mainBackgroundGivesTheWindowItsShape()
    {
        const QImage img = load("cfgMainback.png");
        QVERIFY(img.hasAlphaChannel());
        const QPoint corners[] = {{0, 0}, {img.width() - 1, 0}, {0, img.height() - 1},
                                  {img.width() - 1, img.height() - 1}, {5, 5}, {img.width() - 12, img.height() - 12}};
        for (const QPoint &p : corners)
            QVERIFY2(qAlpha(img.pixel(p)) == 0, qPrintable(QString("corner %1,%2 not transparent").arg(p.x()).arg(p.y())));
        QCOMPARE(qAlpha(img.pixel(img.width() / 2, img.height() / 2)), 255);
        QCOMPARE(qAlpha(img.pixel(img.width() / 2, 2)), 255);
        // The mask the window takes from it keeps the inside and drops the corners.
        const QBitmap mask = QPixmap::fromImage(img).mask();
        const QImage m = mask.toImage();
        QVERIFY(m.pixelColor(0, 0) != m.pixelColor(img.width() / 2, img.height() / 2));
    }

    void statesOfOneButtonMatchInSize()
    {
        for (const QStringList &family : kFamilies) {
            const QSize first = load(family.first()).size();
            for (const QString &name : family)
                QVERIFY2(load(name).size() == first, qPrintable(name));
        }
    }

    void eachHighlightLightsItsOwnButton()
    {
        const QImage plain = load("mouse/TREVIK/Mouse.png");
        const int plainRed = redPixels(plain);
        QList<QImage> lit;
        for (int i = 1; i <= 7; ++i) {
            const QImage img = load(QString("mouse/TREVIK/mouse_%1.png").arg(i));
            QVERIFY2(redPixels(img) > plainRed + 40, qPrintable(QString("mouse_%1 shows no lit button").arg(i)));
            for (const QImage &other : lit)
                QVERIFY(img != other);
            lit << img;
        }
    }

    void iconHoldsSeveralSizes()
    {
        QImageReader reader(m_skin + "icon.ico");
        QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
        QCOMPARE(reader.imageCount(), 4);
        QSet<int> widths;
        for (int i = 0; i < reader.imageCount(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage img = reader.read();
            QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
            widths << img.width();
        }
        QCOMPARE(widths, QSet<int>({16, 32, 48, 256}));
    }

    void busyAnimationSitsOnThePlatesWell()
    {
        const QImage plate = load("process.png");
        QImageReader gif(m_skin + "loading.gif");
        QCOMPARE(gif.imageCount(), 12);
        const QImage frame = gif.read();
        // The label centres the frame on the plate; all of it lies on the flat well.
        const int offset = (127 - frame.width()) / 2;
        QCOMPARE(plate.pixelColor(offset, offset), frame.pixelColor(0, 0));
        QCOMPARE(plate.pixelColor(offset + frame.width() - 1, offset + frame.height() - 1),
                 frame.pixelColor(frame.width() - 1, frame.height() - 1));
    }
};

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
