// UI scale steps, per-language fonts and skin paths.
#include "storage/AppPaths.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

class TestLook : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    void writeConfig(const QByteArray &text)
    {
        QDir().mkpath(m_dir.path() + "/Configs");
        QFile f(m_dir.path() + "/Configs/Config.ini");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
        f.close();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        setAppDir(m_dir.path());
    }

    void cleanup()
    {
        setUiScale(1.0);
        setCurrentLanguage(0);
    }

    void scaleStepForRatio_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("scale");
        QTest::newRow("96 dpi") << 1.0 << 0 << 1.0;
        QTest::newRow("just below 1.1") << 1.0999 << 0 << 1.0;
        QTest::newRow("exactly 1.1") << 1.1 << 1 << 1.25;
        QTest::newRow("120 dpi") << 1.25 << 1 << 1.25;
        QTest::newRow("144 dpi") << 1.5 << 2 << 1.5;
        QTest::newRow("168 dpi") << 1.75 << 3 << 1.75;
        QTest::newRow("192 dpi") << 2.0 << 4 << 2.0;
        QTest::newRow("exactly 2.1") << 2.1 << 5 << 2.25;
        QTest::newRow("2.5") << 2.5 << 6 << 2.5;
        QTest::newRow("exactly 4.6") << 4.6 << 15 << 4.75;
        QTest::newRow("exactly 4.8") << 4.8 << 16 << 5.0;
        QTest::newRow("huge") << 12.0 << 16 << 5.0;
        QTest::newRow("below one") << 0.5 << 0 << 1.0;
        QTest::newRow("not a number") << qQNaN() << 0 << 1.0;
    }

    void scaleStepForRatio()
    {
        QFETCH(double, ratio);
        QFETCH(int, index);
        QFETCH(double, scale);
        const ScaleStep s = ::scaleStepForRatio(ratio);
        QCOMPARE(s.index, index);
        QCOMPARE(s.scale, scale);
    }

    void everyStepIsReachableAndIncreasing()
    {
        double previous = 0;
        for (int i = 0; i < SCALE_STEP_COUNT; ++i) {
            const ScaleStep s = scaleStepAt(i);
            QCOMPARE(s.index, i);
            QVERIFY(s.scale > previous);
            QCOMPARE(::scaleStepForRatio(s.scale).index, i); // a step's own ratio lands on it
            previous = s.scale;
        }
        QCOMPARE(scaleStepAt(-3).index, 0);
        QCOMPARE(scaleStepAt(40).index, SCALE_STEP_COUNT - 1);
        QCOMPARE(scaleStepForScreen(nullptr).index, 0);
    }

    void initialWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("index");
        QTest::newRow("999") << 999 << 0;
        QTest::newRow("990") << 990 << 0;
        QTest::newRow("1008") << 1008 << 0;
        QTest::newRow("1009") << 1009 << -1;
        QTest::newRow("1248") << 1248 << 1;
        QTest::newRow("1490") << 1490 << 2;
        QTest::newRow("1757") << 1757 << 3;
        QTest::newRow("2000") << 2000 << -1;
    }

    void initialWidth()
    {
        QFETCH(int, width);
        QFETCH(int, index);
        QCOMPARE(scaleStepForInitialWidth(width), index);
    }

    void fittingScale_data()
    {
        QTest::addColumn<double>("wanted");
        QTest::addColumn<QSize>("available"); // device-independent pixels
        QTest::addColumn<double>("scale");
        QTest::newRow("1920x1080 at 1x") << 1.0 << QSize(1920, 1040) << 1.0;
        QTest::newRow("1920x1200 at 2x") << 1.0 << QSize(960, 600) << 0.937;
        QTest::newRow("1280x800 at 2x") << 1.0 << QSize(640, 400) << 0.625;
        QTest::newRow("1280x800 at 2x, 200 dpi") << 2.0 << QSize(640, 400) << 0.625;
        QTest::newRow("3840x2160, 192 dpi") << 2.0 << QSize(3840, 2100) << 2.0;
        QTest::newRow("1366x768 with a panel, 120 dpi") << 1.25 << QSize(1366, 728) << 1.137;
        QTest::newRow("tiny screen") << 1.0 << QSize(100, 80) << MIN_FIT_SCALE;
        QTest::newRow("no screen size") << 1.5 << QSize() << 1.5;
    }

    void fittingScale()
    {
        QFETCH(double, wanted);
        QFETCH(QSize, available);
        QFETCH(double, scale);
        const double s = ::fittingScale(wanted, QSize(999, 640), available);
        QCOMPARE(s, scale);
        if (s > MIN_FIT_SCALE && !available.isEmpty()) {
            QVERIFY(int(999 * s) <= available.width());
            QVERIFY(int(640 * s) <= available.height());
        }
    }

    void scaledRoundsAndRejectsNonsense()
    {
        setUiScale(1.25);
        QCOMPARE(scaled(999), 1249);
        QCOMPARE(scaled(30), 38);
        setUiScale(0);
        QCOMPARE(uiScale(), 1.0);
    }

    void fontFollowsLanguageAndScale()
    {
        writeConfig("[FONT_LIST]\nFONT_0=DejaVu Sans\nFONT_SIZE_0=12\nFONT_1=WenQuanYi Micro Hei\nFONT_SIZE_1=16\n");
        setCurrentLanguage(1);
        setUiScale(1.5);
        const QFont f = languageFont();
        QCOMPARE(f.family(), QString("WenQuanYi Micro Hei"));
        QCOMPARE(f.pixelSize(), 24);
        QCOMPARE(languageFont(10).pixelSize(), 15);
        setCurrentLanguage(0);
        QCOMPARE(languageFontFamily(), QString("DejaVu Sans"));
        QCOMPARE(languageFontPixelSize(), 12);
    }

    void fontSeesEditedConfiguration()
    {
        writeConfig("[FONT_LIST]\nFONT_0=DejaVu Sans\nFONT_SIZE_0=12\n");
        QCOMPARE(languageFontPixelSize(), 12);
        writeConfig("[FONT_LIST]\nFONT_0=WenQuanYi Micro Hei\nFONT_SIZE_0=18\n");
        // Give the rewritten file a distinct time stamp whatever the file system's resolution.
        QFile f(m_dir.path() + "/Configs/Config.ini");
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        f.close();
        QCOMPARE(languageFontFamily(), QString("WenQuanYi Micro Hei"));
        QCOMPARE(languageFontPixelSize(), 18);
    }

    void installedFamily_data()
    {
        QTest::addColumn<QString>("configured");
        QTest::addColumn<QString>("expected"); // empty: any proportional family
        QTest::newRow("installed") << "DejaVu Sans" << "DejaVu Sans";
        QTest::newRow("other case") << "dejavu sans" << "DejaVu Sans";
        QTest::newRow("spaces around") << " WenQuanYi Micro Hei " << "WenQuanYi Micro Hei";
        QTest::newRow("not installed") << "Consolas" << "";
        QTest::newRow("installed but monospace") << "DejaVu Sans Mono" << "";
        QTest::newRow("generic monospace") << "monospace" << "";
        QTest::newRow("empty") << "" << "";
    }

    void installedFamily()
    {
        QFETCH(QString, configured);
        QFETCH(QString, expected);
        const QString family = installedFontFamily(configured);
        QVERIFY(!family.isEmpty());
        if (!expected.isEmpty())
            QCOMPARE(family, expected);
        QFont font(family);
        QVERIFY2(!QFontInfo(font).fixedPitch(), qPrintable(family));
        QVERIFY(QFontDatabase().families().contains(family));
    }

    void missingOrBrokenSizeFallsBack()
    {
        writeConfig("[FONT_LIST]\nFONT_SIZE_0=-4\n");
        QFile f(m_dir.path() + "/Configs/Config.ini");
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(10), QFileDevice::FileModificationTime));
        f.close();
        QCOMPARE(languageFontPixelSize(), DEFAULT_FONT_PIXEL_SIZE);
        setCurrentLanguage(7); // no entries at all
        QCOMPARE(languageFontPixelSize(), DEFAULT_FONT_PIXEL_SIZE);
        QVERIFY(languageFont().pixelSize() >= 1);
    }

    void skinPathAndMenuStyle()
    {
        QCOMPARE(skinPath("dlg.png"), m_dir.path() + "/skin/dlg.png");
        QMenu menu;
        applyPopupMenuStyle(&menu);
        QVERIFY(menu.styleSheet().contains("rgb(50,50,50)"));
        QVERIFY(menu.styleSheet().contains("padding: 0px 20px"));
        applyPopupMenuStyle(nullptr);
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
