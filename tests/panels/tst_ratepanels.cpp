// Report rate, lift-off distance, pointer speed and scroll speed panels.
#include "tests/support/AppDirFixture.h"
#include "ui/kit/KestPushButton.h"
#include "ui/panels/KestPointSpeed.h"
#include "ui/panels/KestReportRate.h"
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>
#include <memory>

namespace {
ProfileData profileWithRate(int pollrate)
{
    ProfileData profile;
    profile.pollrate = uint8_t(pollrate);
    return profile;
}

void clickIndicator(QRadioButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
}
} // namespace

class TestRatePanels : public QObject
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

    void rateTextFollowsThePollRate_data()
    {
        QTest::addColumn<int>("pollrate");
        QTest::addColumn<QString>("text");
        QTest::newRow("8") << 8 << "125 HZ";
        QTest::newRow("4") << 4 << "250 HZ";
        QTest::newRow("2") << 2 << "500 HZ";
        QTest::newRow("1") << 1 << "1000 HZ";
    }

    void rateTextFollowsThePollRate()
    {
        QFETCH(int, pollrate);
        QFETCH(QString, text);
        KestReportRate panel;
        panel.setProfile(profileWithRate(pollrate), 2);
        QCOMPARE(panel.rateText(), text);
        QCOMPARE(int(panel.profileData().pollrate), pollrate);
    }

    void unknownPollRateKeepsTheText()
    {
        KestReportRate panel;
        panel.setProfile(profileWithRate(4), 2);
        QCOMPARE(panel.rateText(), QString("250 HZ"));
        panel.setProfile(profileWithRate(3), 2);
        QCOMPARE(panel.rateText(), QString("250 HZ"));
        // The copy still holds what it was given; nothing is corrected behind the user's back.
        QCOMPARE(int(panel.profileData().pollrate), 3);
    }

    void menuSetsRateAndText()
    {
        KestReportRate panel;
        panel.setProfile(profileWithRate(1), 2);
        const QList<QAction *> actions = panel.rateMenu()->actions();
        QCOMPARE(actions.size(), 4);
        const QStringList texts = {"125 HZ", "250 HZ", "500 HZ", "1000 HZ"};
        const int rates[] = {8, 4, 2, 1};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(actions[i]->text(), texts[i]);
            actions[i]->trigger();
            QCOMPARE(int(panel.profileData().pollrate), rates[i]);
            QCOMPARE(panel.rateText(), texts[i]);
        }
    }

    void liftDefaultsToTwoMillimetres_data()
    {
        QTest::addColumn<int>("lift");
        QTest::addColumn<int>("expected");
        QTest::newRow("0") << 0 << 2;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("2") << 2 << 2;
        QTest::newRow("7") << 7 << 2;
        QTest::newRow("255") << 255 << 2;
    }

    void liftDefaultsToTwoMillimetres()
    {
        QFETCH(int, lift);
        QFETCH(int, expected);
        KestReportRate panel;
        QSignalSpy spy(&panel, &KestReportRate::RefreshLift);
        // Start from the other choice so that the check really moves.
        panel.setProfile(profileWithRate(1), expected == 2 ? 1 : 2);
        panel.setProfile(profileWithRate(1), uchar(lift));
        QCOMPARE(int(panel.lift()), expected);
        QVERIFY(panel.liftButton(expected - 1)->isChecked());
        QVERIFY(!panel.liftButton(2 - expected)->isChecked());
        QCOMPARE(panel.liftButton(1)->text(), QString("2 mm"));
        QCOMPARE(spy.count(), 0); // loading is not a choice
    }

    void choosingLiftSignalsIt()
    {
        KestReportRate panel;
        panel.setProfile(profileWithRate(1), 2);
        panel.show();
        QSignalSpy spy(&panel, &KestReportRate::RefreshLift);
        clickIndicator(panel.liftButton(0));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<uchar>(), uchar(1));
        QCOMPARE(int(panel.lift()), 1);
        clickIndicator(panel.liftButton(1));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).value<uchar>(), uchar(2));
        // Nothing sends it to the mouse, and the control says so.
        for (QWidget *w : {static_cast<QWidget *>(panel.liftButton(0)), static_cast<QWidget *>(panel.liftButton(1))})
            QCOMPARE(w->toolTip(), QString("Kept with your settings only: the mouse is not told the lift-off distance."));
    }

    void pointerSpeedEditsTheProfile()
    {
        ProfileData profile;
        profile.mouseSpeed = 10;
        profile.scrollSpeed = 3;
        KestPointSpeed panel(&profile);
        panel.refresh(1.0);
        QCOMPARE(panel.speedSlider()->value(), 10);
        QCOMPARE(panel.scrollSpinBox()->value(), 3);
        QCOMPARE(panel.speedSlider()->minimum(), 1);
        QCOMPARE(panel.speedSlider()->maximum(), 20);

        panel.speedSlider()->setValue(20);
        QCOMPARE(int(profile.mouseSpeed), 20);
        panel.scrollSpinBox()->setValue(7);
        QCOMPARE(int(profile.scrollSpeed), 7);
    }

    void scrollSpinBoxStaysWithinOneToTwenty()
    {
        ProfileData profile;
        profile.scrollSpeed = 20;
        KestPointSpeed panel(&profile);
        panel.refresh(1.0);
        panel.scrollSpinBox()->stepUp();
        QCOMPARE(panel.scrollSpinBox()->value(), 20);
        panel.scrollSpinBox()->setValue(0);
        QCOMPARE(panel.scrollSpinBox()->value(), 1);
        QCOMPARE(int(profile.scrollSpeed), 1);
        panel.scrollSpinBox()->stepDown();
        QCOMPARE(int(profile.scrollSpeed), 1);
        panel.scrollSpinBox()->setValue(99);
        QCOMPARE(int(profile.scrollSpeed), 20);
    }

    void showingValuesWritesNothing()
    {
        // A profile without pointer values (an old file) is shown at the
        // lowest position but keeps its zeros until the user moves something.
        ProfileData profile;
        KestPointSpeed panel(&profile);
        panel.refresh(1.5);
        QCOMPARE(panel.speedSlider()->value(), 1);
        QCOMPARE(int(profile.mouseSpeed), 0);
        QCOMPARE(int(profile.scrollSpeed), 0);
        QCOMPARE(panel.scrollSpinBox()->geometry(), QRect(15, 165, 108, 39));
    }
};

QTEST_MAIN(TestRatePanels)
#include "tst_ratepanels.moc"
