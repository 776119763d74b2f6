// The DPI panel: slider ranges and end labels per sensor, linked and apart
// sliders, enable and link boxes, the active stage and the visible rows.
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "tests/support/AppDirFixture.h"
#include "ui/kit/KestLabel.h"
#include "ui/panels/KestDPIWindow.h"
#include "ui/panels/KestSingleDPI.h"
#include "ui/panels/KestTwoBarSlider.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>
#include <memory>

namespace {
ProfileData stagedProfile()
{
    ProfileData profile;
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        DpiStage &stage = profile.dpiInfo[i];
        stage.used = i % 2 ? 0 : 1;
        stage.link = 1;
        stage.xy = 77;
        stage.x = stage.y = uint32_t(10 + 5 * i);
    }
    profile.dpi = 1;
    return profile;
}

QColor textColor(QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}
} // namespace

class TestDpiPanel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppDirFixture> m_app;

private slots:
    void init()
    {
        m_app = std::make_unique<AppDirFixture>(AppDirFixture::DemoData);
        QVERIFY(m_app->isValid());
    }

    void cleanup() { m_app.reset(); }

    void rangePerSensor_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("rawMin");
        QTest::addColumn<int>("rawMax");
        QTest::addColumn<QString>("minLabel");
        QTest::addColumn<QString>("maxLabel");
        QTest::addColumn<bool>("linkShown");
        const QString any = "OTHER";
        QTest::newRow("3325") << 3325 << any << 1 << 50 << "100" << "5000" << false;
        QTest::newRow("33252") << 33252 << any << 1 << 75 << "100" << "10000" << false;
        QTest::newRow("3311") << 3311 << any << 1 << 120 << "100" << "12000" << false;
        QTest::newRow("33112") << 33112 << any << 1 << 180 << "100" << "24000" << false;
        QTest::newRow("3360") << 3360 << any << 1 << 180 << "100" << "24000" << true;
        QTest::newRow("3370") << 3370 << any << 1 << 290 << "50" << "19000" << false;
        QTest::newRow("3389") << 3389 << any << 2 << 480 << "100" << "32000" << true;
        QTest::newRow("3212") << 3212 << any << 16 << 111 << "600" << "7200" << false;
        QTest::newRow("3104") << 3104 << any << 14 << 105 << "500" << "4200" << true;
        QTest::newRow("31042") << 31042 << any << 14 << 158 << "500" << "8400" << true;
        QTest::newRow("3335") << 3335 << any << 1 << 160 << "100" << "16000" << false;
        QTest::newRow("33352") << 33352 << any << 1 << 240 << "100" << "32000" << false;
        QTest::newRow("3333") << 3333 << any << 2 << 120 << "200" << "16000" << false;
        QTest::newRow("3395") << 3395 << any << 0 << 519 << "50" << "26000" << true;
        QTest::newRow("33952") << 33952 << any << 0 << 779 << "50" << "52000" << false;
        QTest::newRow("3399") << 3399 << any << 0 << 599 << "50" << "40000" << true;
        QTest::newRow("3327 TREVIK") << 3327 << "TREVIK" << 1 << 92 << "200" << "12400" << false;
        QTest::newRow("3327 Q508-RGB") << 3327 << "Q508-RGB" << 1 << 92 << "200" << "12400" << false;
        QTest::newRow("3327 MONARVE") << 3327 << "MONARVE" << 1 << 92 << "200" << "12400" << false;
        QTest::newRow("3327 other") << 3327 << any << 1 << 106 << "200" << "16400" << false;
        QTest::newRow("3327 lower case") << 3327 << "trevik" << 1 << 106 << "200" << "16400" << false;
    }

    void rangePerSensor()
    {
        QFETCH(int, sensor);
        QFETCH(QString, product);
        QFETCH(int, rawMin);
        QFETCH(int, rawMax);
        QFETCH(QString, minLabel);
        QFETCH(QString, maxLabel);
        QFETCH(bool, linkShown);
        QVERIFY(setCurrentProductName(product));
        KestSingleDPI row(nullptr, 0);
        row.setSensor(sensor);
        QCOMPARE(row.sensor(), sensor);
        for (QSlider *slider : {row.slider()->xSlider(), row.slider()->ySlider(), row.slider()->linkedSlider()}) {
            QCOMPARE(slider->minimum(), rawMin);
            QCOMPARE(slider->maximum(), rawMax);
            QCOMPARE(slider->singleStep(), 1);
            QCOMPARE(slider->pageStep(), 1);
        }
        QCOMPARE(row.minLabel()->text(), minLabel);
        QCOMPARE(row.maxLabel()->text(), maxLabel);
        QCOMPARE(row.linkBox()->isVisibleTo(&row), linkShown);
    }

    void valueLabelShowsSensorDpi()
    {
        KestSingleDPI row(nullptr, 0);
        row.setSensor(3389);
        row.setLink(1);
        row.slider()->linkedSlider()->setValue(480);
        QCOMPARE(row.valueLabel()->text(), QString("DPI : 32000"));
        row.slider()->linkedSlider()->setValue(2);
        QCOMPARE(row.valueLabel()->text(), QString("DPI : 100"));
        // Beyond the top end the slider stops at its maximum.
        row.slider()->linkedSlider()->setValue(900);
        QCOMPARE(row.slider()->linkedSlider()->value(), 480);
    }

    void unknownSensorKeepsThePreviousRange()
    {
        KestSingleDPI row(nullptr, 0);
        row.setSensor(3389);
        row.setSensor(1234);
        QCOMPARE(row.sensor(), 3389);
        QCOMPARE(row.slider()->minimum(), 2);
        QCOMPARE(row.slider()->maximum(), 480);
        QCOMPARE(row.maxLabel()->text(), QString("32000"));

        KestDPIWindow window(stagedProfile());
        window.setProfile(stagedProfile(), 3389);
        window.setProfile(stagedProfile(), 0);
        QCOMPARE(window.sensor(), 3389);
        QCOMPARE(window.row(5)->slider()->maximum(), 480);
    }

    void newRowStartsOnTheDefaultSensor()
    {
        KestDPIWindow window(stagedProfile());
        QCOMPARE(window.sensor(), 3325);
        QCOMPARE(window.row(0)->slider()->maximum(), 50);
        QCOMPARE(window.row(0)->maxLabel()->text(), QString("5000"));
    }

    void linkedSliderWritesBothAxesAndLeavesXy()
    {
        KestDPIWindow window(stagedProfile());
        window.setProfile(stagedProfile(), 3327);
        KestSingleDPI *row = window.row(2);
        QVERIFY(row->slider()->isLinked());
        QVERIFY(row->slider()->linkedSlider()->isVisibleTo(row));
        QVERIFY(!row->slider()->xSlider()->isVisibleTo(row));
        QSignalSpy dpi(row, &KestSingleDPI::DPISignal);
        row->slider()->linkedSlider()->setValue(40);
        QCOMPARE(dpi.count(), 1);
        QCOMPARE(dpi.at(0).at(2).value<uchar>(), uchar(2));
        const DpiStage &stage = window.profileData().dpiInfo[2];
        QCOMPARE(stage.x, 40u);
        QCOMPARE(stage.y, 40u);
        QCOMPARE(stage.xy, 77u);
        QCOMPARE(row->valueLabel()->text(), QString("DPI : %1").arg(sensorDpi(40, 3327)));
        // Other stages are untouched.
        QCOMPARE(window.profileData().dpiInfo[1].x, 15u);
    }

    // Keys on a focused slider: arrows one step, Page Up/Down a tenth of the
    // range (3389: 2..480, so 47), Home/End the ends.
    void sliderKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<uint>("raw");
        QTest::newRow("Right") << int(Qt::Key_Right) << 101u;
        QTest::newRow("Left") << int(Qt::Key_Left) << 99u;
        QTest::newRow("Up") << int(Qt::Key_Up) << 101u;
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 147u;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 53u;
        QTest::newRow("Home") << int(Qt::Key_Home) << 2u;
        QTest::newRow("End") << int(Qt::Key_End) << 480u;
    }
    void sliderKeys()
    {
        QFETCH(int, key);
        QFETCH(uint, raw);
        ProfileData profile = stagedProfile();
        profile.dpiInfo[2].x = profile.dpiInfo[2].y = 100;
        KestDPIWindow window(profile);
        window.setProfile(profile, 3389);
        QSlider *slider = window.row(2)->slider()->linkedSlider();
        QVERIFY(slider->focusPolicy() & Qt::TabFocus);
        QTest::keyClick(slider, Qt::Key(key));
        QCOMPARE(window.profileData().dpiInfo[2].x, raw);
        QCOMPARE(window.profileData().dpiInfo[2].y, raw);
    }

    // A typed DPI goes to the nearest value the sensor offers (the lower on a
    // tie), within the slider's range, on both axes.
    void typedDpiIsRoundedToTheSensor_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<uint>("raw");
        QTest::addColumn<QString>("shown");
        QTest::newRow("exact") << 3389 << "7000" << 140u << "7000";
        QTest::newRow("between two, the lower") << 3389 << "7025" << 140u << "7000";
        QTest::newRow("nearer the upper") << 3389 << "7030" << 141u << "7050";
        QTest::newRow("above the range") << 3389 << "99999" << 480u << "32000";
        QTest::newRow("below the range") << 3389 << "0" << 2u << "100";
        QTest::newRow("steps of ten") << 3212 << "1000" << 26u << "980";
        QTest::newRow("reduced 3327") << 3327 << "16400" << 92u << "12400";
    }
    void typedDpiIsRoundedToTheSensor()
    {
        QFETCH(int, sensor);
        QFETCH(QString, typed);
        QFETCH(uint, raw);
        QFETCH(QString, shown);
        QVERIFY(setCurrentProductName("TREVIK"));
        ProfileData profile = stagedProfile();
        profile.dpiInfo[3].link = 0;
        KestDPIWindow window(profile);
        window.setProfile(profile, sensor);
        KestSingleDPI *row = window.row(3);
        QSignalSpy dpi(row, &KestSingleDPI::DPISignal);
        QLineEdit *edit = row->dpiEdit();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(window.profileData().dpiInfo[3].x, raw);
        QCOMPARE(window.profileData().dpiInfo[3].y, raw);
        QCOMPARE(row->valueLabel()->text(), "DPI : " + shown);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(dpi.count(), 1);
    }

    // Tab along a row: stage, enable box, slider, typed value, link box.
    void tabFollowsTheRow()
    {
        KestDPIWindow window(stagedProfile());
        window.setProfile(stagedProfile(), 3389);
        KestSingleDPI *row = window.row(1);
        QStringList order;
        for (QWidget *w = row->selectButton(); order.size() < 5; w = w->nextInFocusChain()) {
            if (row->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(row))
                order << w->objectName();
        }
        QCOMPARE(order, QStringList({"selectButton", "enableBox", "linkedSlider", "dpiEdit", "linkBox"}));
    }

    void slidersApartWriteOneAxisEach()
    {
        ProfileData profile = stagedProfile();
        profile.dpiInfo[4].link = 0;
        profile.dpiInfo[4].x = 30;
        profile.dpiInfo[4].y = 60;
        KestDPIWindow window(profile);
        window.setProfile(profile, 3389);
        KestSingleDPI *row = window.row(4);
        QVERIFY(!row->slider()->isLinked());
        QCOMPARE(row->slider()->xSlider()->value(), 30);
        QCOMPARE(row->slider()->ySlider()->value(), 60);
        QCOMPARE(row->valueLabel()->text(), QString("DPI : 3000")); // the label follows Y

        row->slider()->xSlider()->setValue(100);
        QCOMPARE(window.profileData().dpiInfo[4].x, 100u);
        QCOMPARE(window.profileData().dpiInfo[4].y, 60u);
        row->slider()->ySlider()->setValue(400);
        QCOMPARE(window.profileData().dpiInfo[4].x, 100u);
        QCOMPARE(window.profileData().dpiInfo[4].y, 400u);
        QCOMPARE(row->valueLabel()->text(), QString("DPI : %1").arg(sensorDpi(400, 3389)));
    }

    void slidersShowTheStoredValuesAcrossTheLinkBox()
    {
        // Each slider group shows what the stage holds, whichever is visible,
        // so unticking never brings back values that are no longer stored.
        KestDPIWindow window(stagedProfile());
        window.setProfile(stagedProfile(), 3389);
        KestSingleDPI *row = window.row(3);
        KestTwoBarSlider *slider = row->slider();
        slider->linkedSlider()->setValue(40);
        row->linkBox()->click();
        QCOMPARE(slider->xSlider()->value(), 40);
        QCOMPARE(slider->ySlider()->value(), 40);
        slider->xSlider()->setValue(50);
        const DpiStage &stage = window.profileData().dpiInfo[3];
        QCOMPARE(stage.x, 50u);
        QCOMPARE(stage.y, 40u);
        row->linkBox()->click();
        QCOMPARE(slider->linkedSlider()->value(), 50);
        QCOMPARE(stage.y, 40u);
    }

    void linkAndEnableBoxesWriteTheStage()
    {
        KestDPIWindow window(stagedProfile());
        window.setProfile(stagedProfile(), 3389);
        KestSingleDPI *row = window.row(3);
        QVERIFY(row->linkBox()->isChecked());
        QSignalSpy link(row, &KestSingleDPI::LinkSignal);
        row->linkBox()->click();
        QCOMPARE(window.profileData().dpiInfo[3].link, uint8_t(0));
        QVERIFY(!row->slider()->isLinked());
        QCOMPARE(link.count(), 1);
        QCOMPARE(link.at(0).at(0).value<uchar>(), uchar(0));
        QCOMPARE(link.at(0).at(1).value<uchar>(), uchar(3));
        row->linkBox()->click();
        QCOMPARE(window.profileData().dpiInfo[3].link, uint8_t(1));
        QVERIFY(row->slider()->isLinked());

        QVERIFY(!row->enableBox()->isChecked()); // stage 3 is off in the sample
        row->enableBox()->click();
        QCOMPARE(window.profileData().dpiInfo[3].used, uint8_t(1));
        row->enableBox()->click();
        QCOMPARE(window.profileData().dpiInfo[3].used, uint8_t(0));
    }

    void loadingEmitsNothingAndKeepsValuesBeyondTheRange()
    {
        ProfileData profile = stagedProfile();
        profile.dpiInfo[5].x = profile.dpiInfo[5].y = 106; // above the 92 of this product
        KestDPIWindow window(profile);
        QSignalSpy dpi(window.row(5), &KestSingleDPI::DPISignal);
        window.setProfile(profile, 3327);
        QCOMPARE(dpi.count(), 0);
        QCOMPARE(window.row(5)->slider()->linkedSlider()->value(), 92);
        QCOMPARE(window.profileData().dpiInfo[5].x, 106u);
        QCOMPARE(window.row(5)->valueLabel()->text(), QString("DPI : 16400"));
    }

    void clickedStageBecomesActive()
    {
        QSettings(configFilePath(), QSettings::IniFormat).setValue("Config/GColorID", 2);
        KestDPIWindow window(stagedProfile());
        window.setProfile(stagedProfile(), 3327);
        window.show();
        QCOMPARE(window.selectedStage(), 1);
        QVERIFY(window.row(1)->selectButton()->isChecked());
        QCOMPARE(textColor(window.row(1)->valueLabel()), themeColorAt(2));

        QTest::mouseClick(window.row(4)->selectButton(), Qt::LeftButton, {}, QPoint(4, window.row(4)->selectButton()->height() / 2));
        QCOMPARE(window.selectedStage(), 4);
        QCOMPARE(int(window.profileData().dpi), 4);
        QCOMPARE(textColor(window.row(4)->valueLabel()), themeColorAt(2));
        QCOMPARE(textColor(window.row(1)->valueLabel()), QColor(Qt::white));
        QVERIFY(!window.row(1)->selectButton()->isChecked());

        // A press on the stage's figure or on the row selects it as well.
        QTest::mouseClick(window.row(2)->valueLabel(), Qt::LeftButton);
        QCOMPARE(int(window.profileData().dpi), 2);
        QTest::mouseClick(window.row(0), Qt::LeftButton, {}, QPoint(window.row(0)->width() - 2, 2));
        QCOMPARE(int(window.profileData().dpi), 0);
        QVERIFY(window.row(0)->isSelected());
        QVERIFY(!window.row(2)->isSelected());
    }

    void damagedStageIndexLightsNoRow()
    {
        ProfileData profile = stagedProfile();
        profile.dpi = 200;
        KestDPIWindow window(stagedProfile());
        window.setProfile(stagedProfile(), 3327);
        QVERIFY(window.row(1)->selectButton()->isChecked());
        window.setProfile(profile, 3327);
        for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
            QVERIFY(!window.row(i)->isSelected());
            QVERIFY(!window.row(i)->selectButton()->isChecked());
        }
        QCOMPARE(int(window.profileData().dpi), 200); // kept until the user picks a stage
        window.MouseinSignal(2);
        QCOMPARE(int(window.profileData().dpi), 2);
        QVERIFY(window.row(2)->isSelected());
    }

    void visibleRowsFollowTheDescription_data()
    {
        QTest::addColumn<int>("coded");
        QTest::addColumn<int>("rows");
        QTest::newRow("demo (6)") << -1 << 6;
        QTest::newRow("5") << 5 << 5;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("0") << 0 << 8;
        QTest::newRow("12") << 12 << 8;
    }

    void visibleRowsFollowTheDescription()
    {
        QFETCH(int, coded);
        QFETCH(int, rows);
        if (coded >= 0) {
            // Counts are stored XOR-coded: stages = DPICount ^ ButtonCount ^ MouseDpi.
            const QByteArray text = QString("[PROFILE]\nMouseDpi=9\nButtonCount=%1\nDPICount=%2\n")
                                        .arg(9 ^ 6)
                                        .arg(coded ^ 6)
                                        .toLatin1();
            QVERIFY(writeFileBytes(deviceDescriptionPath(), text));
        }
        KestDPIWindow window(stagedProfile());
        window.resize(KestDPIWindow::BASE_WIDTH, KestDPIWindow::BASE_HEIGHT);
        window.show();
        QCOMPARE(window.visibleStageCount(), rows);
        for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
            QCOMPARE(window.row(i)->isVisible(), i < rows);
            QCOMPARE(window.row(i)->geometry().isEmpty(), i >= rows);
        }
        // Every shown row lies inside the panel, also with eight of them.
        for (int i = 0; i < rows; ++i)
            QVERIFY(window.rect().contains(window.row(i)->geometry()));
    }

    void layoutFollowsTheScale()
    {
        KestDPIWindow window(stagedProfile());
        window.setScale(1.0);
        QCOMPARE(window.row(1)->geometry(), QRect(15, 93, 440, 48));
        window.setScale(2.0);
        QCOMPARE(window.row(1)->geometry(), QRect(30, 186, 880, 96));
    }
};

QTEST_MAIN(TestDpiPanel)
#include "tst_dpipanel.moc"
