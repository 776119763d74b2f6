// The lighting page: effect menu, controls per effect, the breathing rows,
// sleep time and move-off, the single-lighting model, and the colour editor
// as the page opens it.
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "tests/support/AppDirFixture.h"
#include "ui/kit/KestLabel.h"
#include "ui/kit/KestPushButton.h"
#include "ui/panels/DefaultColorArea.h"
#include "ui/panels/KestColorArea.h"
#include "ui/panels/KestColorWindow.h"
#include "ui/panels/KestSlider.h"
#include "ui/panels/LightingPreview.h"
#include "ui/panels/PreviewColorArea.h"
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

namespace {
void setConfig(const QString &key, const QVariant &value)
{
    QSettings(configFilePath(), QSettings::IniFormat).setValue(key, value);
}

MouseSettings sampleSettings()
{
    MouseSettings settings;
    for (ProfileData &profile : settings.profiles) {
        makeDefaultProfile(profile);
        for (int m = 0; m < LED_MODE_COUNT; ++m) {
            profile.ledModes[m].bright = 1 + m % 3;
            profile.ledModes[m].breath = 1 + m % 5;
        }
    }
    settings.profiles[0].ledMode = 1;
    settings.profiles[0].ledSleepTime = 3;
    return settings;
}

QAction *menuAction(KestColorWindow &page, int mode)
{
    for (QAction *action : page.effectMenu()->actions()) {
        if (action->objectName() == QString("effectAction%1").arg(mode))
            return action;
    }
    return nullptr;
}

// Answers the next colour editor that opens with the given step.
void whenEditorOpens(std::function<void(KestColorArea *)> step)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        auto *editor = qobject_cast<KestColorArea *>(QApplication::activeModalWidget());
        if (!editor)
            return;
        timer->stop();
        timer->deleteLater();
        step(editor);
    });
    timer->start();
}
} // namespace

class TestLightingPanel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppDirFixture> m_app;
    MouseSettings m_settings;

    std::unique_ptr<KestColorWindow> openPage(int shownProfile = 0)
    {
        auto page = std::make_unique<KestColorWindow>(nullptr, 1.0);
        page->resize(KestColorWindow::BASE_WIDTH, KestColorWindow::BASE_HEIGHT);
        page->setSettings(&m_settings);
        page->setProfileData(&m_settings.profiles[shownProfile]);
        page->show();
        return page;
    }

private slots:
    void init()
    {
        m_app = std::make_unique<AppDirFixture>(AppDirFixture::DemoData);
        QVERIFY(m_app->isValid());
        m_settings = sampleSettings();
    }

    void cleanup() { m_app.reset(); }

    void menuOffersTheEffectsInOrder()
    {
        auto page = openPage();
        QStringList texts;
        for (QAction *action : page->effectMenu()->actions())
            texts << action->text();
        QCOMPARE(texts, (QStringList{"FULL LIGHTED", "BREATHING", "7 COLOR BREATHING", "RAINBOW", "WAVE", "REACTIVE",
                                     "GO WITHOUT TRACE", "yo-yo", "Marbles", "OFF"}));
        QCOMPARE(page->effectButton()->text(), QString("FULL LIGHTED"));
    }

    void controlsPerEffect_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("brightness");
        QTest::addColumn<bool>("speed");
        QTest::addColumn<bool>("colour");
        QTest::newRow("0") << 0 << "OFF" << false << false << false;
        QTest::newRow("1") << 1 << "FULL LIGHTED" << true << false << true;
        QTest::newRow("2") << 2 << "BREATHING" << false << true << true;
        QTest::newRow("3") << 3 << "7 COLOR BREATHING" << false << true << false;
        QTest::newRow("4") << 4 << "RAINBOW" << true << true << false;
        QTest::newRow("5") << 5 << "FLASH" << true << true << false;
        QTest::newRow("6") << 6 << "Horizontal WAVE" << true << true << false;
        QTest::newRow("7") << 7 << "Horizontal GO WITHOUT TRACE" << true << true << false;
        QTest::newRow("8") << 8 << "Raindrop" << true << true << false;
        QTest::newRow("9") << 9 << "WAVE" << true << true << false;
        QTest::newRow("10") << 10 << "GO WITHOUT TRACE" << true << true << false;
        QTest::newRow("11") << 11 << "REACTIVE" << true << false << false;
        QTest::newRow("12") << 12 << "yo-yo" << true << true << false;
        QTest::newRow("13") << 13 << "Marbles" << true << true << false;
    }

    void controlsPerEffect()
    {
        QFETCH(int, mode);
        QFETCH(QString, name);
        QFETCH(bool, brightness);
        QFETCH(bool, speed);
        QFETCH(bool, colour);
        // Stored modes show even when the menu does not offer them (5 to 8).
        m_settings.profiles[0].ledMode = uint8_t(mode);
        auto page = openPage();
        QCOMPARE(page->effectButton()->text(), name);
        QCOMPARE(page->brightnessSlider()->isVisible(), brightness);
        QCOMPARE(page->brightnessCaption()->isVisible(), brightness);
        QCOMPARE(page->speedSlider()->isVisible(), speed);
        QCOMPARE(page->speedCaption()->isVisible(), speed);
        QCOMPARE(page->colorSwatch()->isVisible(), colour);
        QCOMPARE(page->colorCaption()->isVisible(), colour);
        QCOMPARE(menuAction(*page, mode) != nullptr, mode < 5 || mode > 8);
        if (brightness)
            QCOMPARE(page->brightnessSlider()->value(), m_settings.profiles[0].ledModes[mode].bright);
        if (speed)
            QCOMPARE(page->speedSlider()->value(), m_settings.profiles[0].ledModes[mode].breath);
    }

    void breathingMovesSpeedIntoTheFirstRow()
    {
        auto page = openPage();
        const QRect firstCaption = page->brightnessCaption()->geometry();
        const QRect firstSlider = page->brightnessSlider()->geometry();
        QCOMPARE(firstSlider, QRect(30, 97, 228, 25));
        QCOMPARE(page->speedSlider()->geometry(), QRect(30, 156, 228, 25));

        menuAction(*page, 2)->trigger();
        QCOMPARE(int(m_settings.profiles[0].ledMode), 2);
        QCOMPARE(page->effectButton()->text(), QString("BREATHING"));
        QVERIFY(page->speedSlider()->isVisible());
        QVERIFY(!page->brightnessSlider()->isVisible());
        QCOMPARE(page->speedSlider()->geometry(), firstSlider);
        QCOMPARE(page->speedCaption()->geometry(), firstCaption);
        QCOMPARE(page->speedSlider()->value(), m_settings.profiles[0].ledModes[2].breath);

        menuAction(*page, 3)->trigger();
        QCOMPARE(page->speedSlider()->geometry(), firstSlider);
        QVERIFY(!page->colorSwatch()->isVisible());

        menuAction(*page, 1)->trigger();
        QVERIFY(page->brightnessSlider()->isVisible());
        QVERIFY(!page->speedSlider()->isVisible());
        QCOMPARE(page->brightnessSlider()->geometry(), firstSlider);
        QCOMPARE(page->brightnessCaption()->geometry(), firstCaption);
        QCOMPARE(page->speedSlider()->geometry(), QRect(30, 156, 228, 25));
    }

    void singleLightingModelUsesProfileZero_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<int>("changed");
        QTest::newRow("6350") << "6350" << 0;
        QTest::newRow("TREVIK") << "TREVIK" << 3;
        QTest::newRow("63500") << "63500" << 3;
    }

    void singleLightingModelUsesProfileZero()
    {
        QFETCH(QString, device);
        QFETCH(int, changed);
        setConfig("Mouse_List/0", device);
        m_settings.profileId = 3;
        m_settings.profiles[0].ledMode = 1;
        m_settings.profiles[3].ledMode = 4;
        auto page = openPage(changed);
        menuAction(*page, 9)->trigger();
        QCOMPARE(int(m_settings.profiles[changed].ledMode), 9);
        const int other = changed == 0 ? 3 : 0;
        QCOMPARE(int(m_settings.profiles[other].ledMode), other == 0 ? 1 : 4);
    }

    void showsWhatTheMouseGets_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("effect");
        QTest::newRow("TREVIK: the slot's effect") << "TREVIK" << 3 << "RAINBOW";
        QTest::newRow("6350: profile 0's effect") << "6350" << 0 << "FULL LIGHTED";
    }

    void showsWhatTheMouseGets()
    {
        // Slot 4 holds lighting of its own; the mouse takes all but the effect from profile 0.
        QFETCH(QString, device);
        QFETCH(int, shown);
        QFETCH(QString, effect);
        setConfig("Mouse_List/0", device);
        m_settings.profileId = 3;
        ProfileData &first = m_settings.profiles[0], &slot = m_settings.profiles[3];
        slot.ledMode = 4;
        for (int m = 0; m < LED_MODE_COUNT; ++m) {
            first.ledModes[m] = {QColor(10, 20, 30), 0, 0, 0, 2, 4};
            slot.ledModes[m] = {QColor(200, 0, 0), 0, 0, 0, 3, 1};
        }
        first.ledMoveOff = 0;
        slot.ledMoveOff = 255;
        slot.ledSleepTime = 7;
        auto page = openPage(shown);
        QCOMPARE(page->effectButton()->text(), effect);
        QCOMPARE(page->brightnessSlider()->value(), 2);
        QCOMPARE(page->speedSlider()->value(), 4);
        QCOMPARE(page->sleepSlider()->value(), 3);
        QCOMPARE(page->sleepValueLabel()->text(), QString("3 MINUTE"));
        QVERIFY(page->moveOffBox()->isChecked());
        menuAction(*page, 1)->trigger();
        QCOMPARE(page->colorSwatch()->color(), QColor(10, 20, 30));
        QCOMPARE(page->brightnessSlider()->value(), 2);
    }

    void levelsGoToTheShownModeAndToProfileZero()
    {
        // The mouse takes every level from profile 0's table; the shown
        // profile records the change so that it is sent.
        m_settings.profileId = 2;
        m_settings.profiles[0].ledMode = 1;
        m_settings.profiles[2].ledMode = 9;
        const MouseSettings before = m_settings;
        auto page = openPage(2);
        page->brightnessSlider()->setValue(3);
        page->speedSlider()->setValue(5);
        for (int p : {0, 2}) {
            QCOMPARE(m_settings.profiles[p].ledModes[9].bright, 3);
            QCOMPARE(m_settings.profiles[p].ledModes[9].breath, 5);
        }
        QCOMPARE(m_settings.profiles[0].ledModes[1].bright, before.profiles[0].ledModes[1].bright);
        QCOMPARE(m_settings.profiles[1].ledModes[9].bright, before.profiles[1].ledModes[9].bright);
        QCOMPARE(int(m_settings.profiles[0].ledMode), 1);
    }

    void levelsOnProfileZero()
    {
        auto page = openPage();
        page->brightnessSlider()->setValue(2);
        QCOMPARE(m_settings.profiles[0].ledModes[1].bright, 2);
        QCOMPARE(page->brightnessSlider()->maximum(), 3);
        QCOMPARE(page->speedSlider()->maximum(), 5);
        QCOMPARE(page->sleepSlider()->maximum(), 9);
        QCOMPARE(page->brightnessSlider()->minimum(), 1);
    }

    void sleepTimeGoesToProfileZero()
    {
        auto page = openPage();
        QCOMPARE(page->sleepValueLabel()->text(), QString("3 MINUTE"));
        page->sleepSlider()->setValue(9);
        QCOMPARE(int(m_settings.profiles[0].ledSleepTime), 9);
        QCOMPARE(page->sleepValueLabel()->text(), QString("9 MINUTE"));
    }

    void moveToLightOff()
    {
        m_settings.profiles[0].ledMoveOff = 0;
        auto page = openPage();
        QVERIFY(page->moveOffBox()->isChecked());
        QCOMPARE(page->moveOffBox()->text(), QString("MOVE TO LIGHT OFF"));
        page->moveOffBox()->click();
        QCOMPARE(int(m_settings.profiles[0].ledMoveOff), 255);
        page->moveOffBox()->click();
        QCOMPARE(int(m_settings.profiles[0].ledMoveOff), 0);
        // Only a user's click counts; setting the box from the profile stores nothing.
        m_settings.profiles[0].ledMoveOff = 255;
        page->refresh();
        QVERIFY(!page->moveOffBox()->isChecked());
        QCOMPARE(int(m_settings.profiles[0].ledMoveOff), 255);
    }

    void sleepControlsHiddenWhenTheModelHasNone_data()
    {
        QTest::addColumn<QByteArray>("showSleep");
        QTest::addColumn<bool>("shown");
        QTest::newRow("0") << QByteArray("ShowSleep=0\n") << false;
        QTest::newRow("1") << QByteArray("ShowSleep=1\n") << true;
        QTest::newRow("absent") << QByteArray() << true;
    }

    void sleepControlsHiddenWhenTheModelHasNone()
    {
        QFETCH(QByteArray, showSleep);
        QFETCH(bool, shown);
        QVERIFY(writeFileBytes(deviceDescriptionPath(), "[PROFILE]\n" + showSleep));
        auto page = openPage();
        for (QWidget *w : {static_cast<QWidget *>(page->sleepSlider()), static_cast<QWidget *>(page->sleepCaption()),
                           static_cast<QWidget *>(page->sleepValueLabel()), static_cast<QWidget *>(page->moveOffBox())}) {
            QCOMPARE(w->isVisible(), shown);
            QCOMPARE(w->size().isEmpty(), !shown);
        }
    }

    void cancelledEditorLeavesTheColour()
    {
        m_settings.profiles[0].ledModes[1].rgb = QColor(10, 20, 30);
        auto page = openPage();
        QColor offered, picked;
        whenEditorOpens([&](KestColorArea *editor) {
            offered = editor->preview()->oldColor();
            QTest::mouseClick(editor->preset(1), Qt::LeftButton);
            picked = editor->color();
            QTest::mouseClick(editor->cancelButton(), Qt::LeftButton);
        });
        QTest::mouseClick(page->colorSwatch(), Qt::LeftButton);
        QCOMPARE(offered, QColor(10, 20, 30));
        QCOMPARE(picked, QColor(0, 255, 0));
        QCOMPARE(m_settings.profiles[0].ledModes[1].rgb, QColor(10, 20, 30));
        QCOMPARE(page->colorSwatch()->color(), QColor(10, 20, 30));
    }

    void acceptedEditorStoresTheColour()
    {
        m_settings.profileId = 1;
        m_settings.profiles[1].ledMode = 2;
        auto page = openPage(1);
        whenEditorOpens([](KestColorArea *editor) {
            editor->hexEdit()->selectAll();
            QTest::keyClicks(editor->hexEdit(), "12ab");
            QTest::keyClick(editor->hexEdit(), Qt::Key_Return);
            QTest::mouseClick(editor->confirmButton(), Qt::LeftButton);
        });
        QTest::mouseClick(page->colorSwatch(), Qt::LeftButton);
        const QColor chosen(0x12, 0xAB, 0x00);
        QCOMPARE(m_settings.profiles[1].ledModes[2].rgb, chosen);
        QCOMPARE(m_settings.profiles[0].ledModes[2].rgb, chosen);
        QCOMPARE(page->colorSwatch()->color(), chosen);
        QVERIFY(m_settings.profiles[2].ledModes[2].rgb != chosen);
    }

    void previewShowsTheEffect()
    {
        m_settings.profiles[0].ledModes[1].rgb = QColor(0, 128, 255);
        m_settings.profiles[0].ledModes[1].bright = 1;
        auto page = openPage();
        LightingPreview *preview = page->preview();
        QCOMPARE(preview->glow(), LightingPreview::Glow::Single);
        QCOMPARE(preview->glowColor(), QColor(0, 128, 255));
        const qreal dim = preview->glowStrength();
        page->brightnessSlider()->setValue(3);
        QVERIFY(preview->glowStrength() > dim);
        menuAction(*page, 9)->trigger();
        QCOMPARE(preview->glow(), LightingPreview::Glow::Rainbow);
        menuAction(*page, 0)->trigger();
        QCOMPARE(preview->glow(), LightingPreview::Glow::None);
        QCOMPARE(preview->glowStrength(), 0.0);
        menuAction(*page, 2)->trigger(); // breathing: colour without a brightness of its own
        QCOMPARE(preview->glow(), LightingPreview::Glow::Single);
        QCOMPARE(preview->glowStrength(), 1.0);
    }

    void colourGoesWhereTheEditorWasOpened()
    {
        // The mouse switches to profile 2 while the editor is open on profile 1.
        m_settings.profileId = 1;
        m_settings.profiles[1].ledMode = 1;
        m_settings.profiles[2].ledMode = 2;
        const QColor before = m_settings.profiles[2].ledModes[2].rgb;
        auto page = openPage(1);
        KestColorWindow *window = page.get();
        whenEditorOpens([this, window](KestColorArea *editor) {
            m_settings.profileId = 2;
            window->setProfileData(&m_settings.profiles[2]);
            QTest::mouseClick(editor->preset(4), Qt::LeftButton);
            QTest::mouseClick(editor->confirmButton(), Qt::LeftButton);
        });
        QTest::mouseClick(page->colorSwatch(), Qt::LeftButton);
        QCOMPARE(m_settings.profiles[1].ledModes[1].rgb, QColor(255, 255, 0));
        QCOMPARE(m_settings.profiles[2].ledModes[2].rgb, before);
        QCOMPARE(page->colorSwatch()->color(), before);
    }

    void sentLedStateWritesTheTargetMode()
    {
        setConfig("Mouse_List/0", "6350");
        m_settings.profileId = 4;
        m_settings.profiles[0].ledMode = 2;
        auto page = openPage(0);
        page->slotSendLedState(QColor(1, 2, 3));
        QCOMPARE(m_settings.profiles[0].ledModes[2].rgb, QColor(1, 2, 3));
        QVERIFY(m_settings.profiles[4].ledModes[2].rgb != QColor(1, 2, 3));
    }
};

QTEST_MAIN(TestLightingPanel)
#include "tst_lightingpanel.moc"
