// The DPI page on its own, over an apply session: what collect() takes from
// the panels into the working record, and what it leaves.
#include "tests/support/AppDirFixture.h"
#include "ui/kit/KestPushButton.h"
#include "ui/main/ApplySession.h"
#include "ui/main/PerformancePage.h"
#include "ui/panels/KestDPIWindow.h"
#include "ui/panels/KestPointSpeed.h"
#include "ui/panels/KestReportRate.h"
#include "ui/panels/KestSingleDPI.h"
#include "ui/panels/KestTwoBarSlider.h"
#include <QMenu>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

class TestPerformancePage : public QObject
{
    Q_OBJECT

private slots:
    void collectTakesEditsOnly_data()
    {
        QTest::addColumn<bool>("otherSlot"); // the slot changed after the panels were loaded
        QTest::newRow("same slot") << false;
        QTest::newRow("slot changed since") << true;
    }

    void collectTakesEditsOnly()
    {
        QFETCH(bool, otherSlot);
        AppDirFixture app(AppDirFixture::DemoData);
        ApplySession session;
        session.load();
        session.working().profileId = 0;
        PerformancePage page(&session);
        page.refresh();
        const ProfileData before = session.working().profiles[0];

        page.findChild<KestReportRate *>()->rateMenu()->actions().at(2)->trigger(); // 500 Hz
        page.findChild<KestPointSpeed *>()->scrollSpinBox()->setValue(7);
        page.findChild<KestDPIWindow *>()->row(1)->slider()->linkedSlider()->setValue(40);
        // Elsewhere meanwhile: a value none of the panels was edited for.
        session.working().profiles[0].mouseSpeed = uint8_t(before.mouseSpeed + 1);
        // Nothing reaches the working record before collect.
        QCOMPARE(int(session.working().profiles[0].pollrate), int(before.pollrate));
        QCOMPARE(session.working().profiles[0].dpiInfo[1].x, before.dpiInfo[1].x);
        if (otherSlot)
            session.working().profileId = 1;

        page.collect();
        const ProfileData &after = session.working().profiles[0];
        QCOMPARE(int(after.mouseSpeed), before.mouseSpeed + 1);
        QCOMPARE(int(after.pollrate), otherSlot ? int(before.pollrate) : 2);
        QCOMPARE(int(after.scrollSpeed), otherSlot ? int(before.scrollSpeed) : 7);
        QCOMPARE(after.dpiInfo[1].x, otherSlot ? before.dpiInfo[1].x : 40u);

        // Collected edits are the new starting point: a later outside change stays.
        session.working().profileId = 0;
        page.refresh();
        session.working().profiles[0].pollrate = 8;
        page.collect();
        QCOMPARE(int(session.working().profiles[0].pollrate), 8);
    }
};

QTEST_MAIN(TestPerformancePage)
#include "tst_performancepage.moc"
