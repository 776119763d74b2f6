// The DPI and lighting pages inside the window on the virtual mouse: edits
// made through the panels' widgets reach the mouse on Apply, and changes made
// with the mouse's own buttons show on the panels.
#include "device/SensorEncoding.h"
#include "sim/VirtualMouse.h"
#include "storage/ConfigStorage.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MessageWatcher.h"
#include "tests/support/VirtualMouseFixture.h"
#include "ui/kit/KestPushButton.h"
#include "ui/kit/UiScale.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/panels/DefaultColorArea.h"
#include "ui/panels/KestColorArea.h"
#include "ui/panels/KestColorWindow.h"
#include "ui/panels/KestDPIWindow.h"
#include "ui/panels/KestPointSpeed.h"
#include "ui/panels/KestReportRate.h"
#include "ui/panels/KestSingleDPI.h"
#include "ui/panels/KestSlider.h"
#include "ui/panels/KestTwoBarSlider.h"
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {
// The demo description's stages (raw 3327 values) and its sensor.
const uint32_t kDemoStages[DPI_STAGE_COUNT] = {7, 15, 23, 31, 49, 79, 99, 106};
constexpr int kDemoSensor = 3327;
constexpr int kDemoStageCount = 6;

QAction *effectAction(KestColorWindow *page, int mode)
{
    for (QAction *action : page->effectMenu()->actions()) {
        if (action->objectName() == QString("effectAction%1").arg(mode))
            return action;
    }
    return nullptr;
}

// Clicks the colour swatch and picks a preset in the editor that opens.
void pickPreset(KestColorWindow *page, int preset)
{
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto *editor = qobject_cast<KestColorArea *>(QApplication::activeModalWidget());
        if (!editor)
            return;
        timer.stop();
        QTest::mouseClick(editor->preset(preset), Qt::LeftButton);
        QTest::mouseClick(editor->confirmButton(), Qt::LeftButton);
    });
    timer.start();
    QTest::mouseClick(page->colorSwatch(), Qt::LeftButton);
}

void clickIndicator(QRadioButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
}
} // namespace

class TestPanelsApply : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppDirFixture> m_app;
    std::unique_ptr<VirtualMouseFixture> m_mouse;
    std::unique_ptr<MessageWatcher> m_messages;

    std::unique_ptr<MousecfgWidget> openWindow()
    {
        m_mouse = std::make_unique<VirtualMouseFixture>(Connection::Receiver);
        auto window = std::make_unique<MousecfgWidget>();
        window->show();
        return window;
    }

private slots:
    void init()
    {
        m_app = std::make_unique<AppDirFixture>(AppDirFixture::DemoData);
        QVERIFY(m_app->isValid());
        m_messages = std::make_unique<MessageWatcher>();
    }

    void cleanup()
    {
        m_messages.reset();
        m_mouse.reset();
        m_app.reset();
    }

    void panelsShowTheLoadedProfile()
    {
        auto window = openWindow();
        window->selectPage(2);
        auto *dpi = window->findChild<KestDPIWindow *>();
        auto *rate = window->findChild<KestReportRate *>();
        auto *lighting = window->findChild<KestColorWindow *>();
        QVERIFY(dpi && rate && lighting && window->findChild<KestPointSpeed *>());
        QCOMPARE(dpi->sensor(), kDemoSensor);
        QCOMPARE(dpi->visibleStageCount(), kDemoStageCount);
        QCOMPARE(dpi->selectedStage(), 1);
        QCOMPARE(dpi->row(0)->slider()->maximum(), 92); // TREVIK's 3327 range
        QCOMPARE(rate->rateText(), QString("1000 HZ"));
        QVERIFY(rate->liftButton(1)->isChecked());
        QCOMPARE(lighting->effectButton()->text(), QString("FULL LIGHTED"));
        // The pages fill the window's page area.
        QCOMPARE(lighting->size(), lighting->parentWidget()->size());
        window->selectPage(2);
        QVERIFY(dpi->parentWidget()->rect().contains(dpi->geometry()));
        QVERIFY(dpi->parentWidget()->rect().contains(rate->geometry()));
        QVERIFY(dpi->parentWidget()->rect().contains(window->findChild<KestPointSpeed *>()->geometry()));
        QVERIFY(!dpi->geometry().intersects(rate->geometry()));

        // A new UI scale resizes the pages; the panels follow.
        setUiScale(1.5);
        QWidget *page = dpi->parentWidget();
        page->resize(page->size() * 1.5);
        QCOMPARE(dpi->row(1)->geometry(), QRect(22, 139, 660, 72));
        setUiScale(1.0);
    }

    void editedPanelsReachTheMouseOnApply()
    {
        auto window = openWindow();
        window->selectPage(2);
        auto *dpi = window->findChild<KestDPIWindow *>();
        auto *rate = window->findChild<KestReportRate *>();
        auto *speed = window->findChild<KestPointSpeed *>();
        auto *lighting = window->findChild<KestColorWindow *>();

        // DPI page: stage 2 to raw 40, stage 6 off, stage 4 active, 500 Hz, 1 mm, pointer and scroll.
        dpi->row(1)->slider()->linkedSlider()->setValue(40);
        dpi->row(5)->enableBox()->click();
        clickIndicator(dpi->row(3)->selectButton());
        rate->rateMenu()->actions().at(2)->trigger();
        clickIndicator(rate->liftButton(0));
        speed->speedSlider()->setValue(15);
        speed->scrollSpinBox()->setValue(5);
        // Nothing of it is in the working record before Apply, except the global lift-off.
        QCOMPARE(int(window->workingSettings().profiles[0].dpi), 1);
        QCOMPARE(int(window->workingSettings().liftHigh), 1);

        // Lighting page: full light in cyan at brightness 2, then breathing in magenta at speed 4.
        window->selectPage(0);
        effectAction(lighting, 1)->trigger();
        lighting->brightnessSlider()->setValue(2);
        pickPreset(lighting, 3);
        effectAction(lighting, 2)->trigger();
        lighting->speedSlider()->setValue(4);
        pickPreset(lighting, 5);

        virtualMouse().resetCounters();
        window->apply();
        QVERIFY2(m_messages->texts().isEmpty(), qPrintable(m_messages->texts().join('\n')));

        const DpiTableView table = virtualMouse().dpiTable();
        QCOMPARE(int(table.count), kDemoStageCount);
        for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
            const uint32_t raw = i == 1 ? 40 : kDemoStages[i];
            const std::array<uint8_t, 4> expected = encodeDpiStage(kDemoSensor, raw, raw, 0);
            QCOMPARE(table.stages[i].registers, expected);
            const int used = i < kDemoStageCount && i != 5 ? 1 : 0;
            QCOMPARE(int(table.stages[i].used), used);
        }

        // Report bytes 19-26: rates of the five profiles, 0x1F, active stage, effect.
        const QByteArray basic = virtualMouse().area(MemoryArea::Basic);
        QVERIFY(basic.size() >= 19);
        const QByteArray expectedTail = QByteArray::fromHex("0201010101" "1F" "03" "03");
        QCOMPARE(basic.mid(11, 8).toHex(), expectedTail.toHex());
        QCOMPARE(int(virtualMouse().basicSettings().scrollSpeed[0]), 5);

        const auto records = virtualMouse().lightingRecords();
        const LightingRecordView fullLight = {0x80, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x02, 0x02};
        const LightingRecordView breathing = {0x80, 0xFF, 0x00, 0xFF, 0x01, 0x04, 0x04, 0x03};
        QCOMPARE(records[1], fullLight);
        QCOMPARE(records[2], breathing);

        const ProfileData &applied = window->appliedSettings().profiles[0];
        QCOMPARE(int(applied.dpi), 3);
        QCOMPARE(applied.dpiInfo[1].x, 40u);
        QCOMPARE(applied.dpiInfo[1].xy, 15u);
        QCOMPARE(int(applied.mouseSpeed), 15);
        QCOMPARE(int(applied.pollrate), 2);
        QCOMPARE(QSettings(configFilePath(), QSettings::IniFormat).value("Config/LiftHigh").toInt(), 1);

        // A second Apply finds nothing left to send.
        virtualMouse().resetCounters();
        window->apply();
        QCOMPARE(virtualMouse().writeCount(0x01), 0);
        QCOMPARE(virtualMouse().writeCount(0x02), 0);
    }

    void applyKeepsChangesMadeOutsideThePanels()
    {
        // A value put into the working record elsewhere is not undone by the
        // panels' older copies; what the user edited on them still goes out.
        auto window = openWindow();
        window->selectPage(2);
        auto *rate = window->findChild<KestReportRate *>();
        window->workingSettings().profiles[0].scrollSpeed = 4;
        window->workingSettings().profiles[0].dpiInfo[2].x = 60;
        rate->rateMenu()->actions().at(1)->trigger(); // 250 Hz
        window->apply();
        QVERIFY(m_messages->texts().isEmpty());
        QCOMPARE(int(virtualMouse().basicSettings().scrollSpeed[0]), 4);
        QCOMPARE(int(virtualMouse().basicSettings().pollRate[0]), 4);
        QCOMPARE(window->appliedSettings().profiles[0].dpiInfo[2].x, 60u);

        // Again, with nothing new: nothing is taken back from the panels.
        window->workingSettings().profiles[0].pollrate = 8;
        window->apply();
        QCOMPARE(int(virtualMouse().basicSettings().pollRate[0]), 8);
    }

    void mouseButtonsShowOnThePanels()
    {
        auto window = openWindow();
        window->selectPage(2);
        auto *dpi = window->findChild<KestDPIWindow *>();
        auto *rate = window->findChild<KestReportRate *>();
        QTRY_VERIFY(window->statusThreadRunning());
        QCOMPARE(dpi->selectedStage(), 1);
        dpi->row(3)->slider()->linkedSlider()->setValue(40); // an edit not applied yet

        // The mouse starts on index 0: the first press reports the stage the
        // window already shows, the second one moves it.
        virtualMouse().pressDpiButton();
        virtualMouse().pressDpiButton();
        QTRY_COMPARE_WITH_TIMEOUT(int(window->workingSettings().profiles[0].dpi), 2, 5000);
        QCOMPARE(dpi->selectedStage(), 2);
        QVERIFY(dpi->row(2)->isSelected());
        QVERIFY(!dpi->row(1)->isSelected());

        virtualMouse().pressRateButton(); // 1000 Hz -> 125 Hz
        QTRY_COMPARE_WITH_TIMEOUT(rate->rateText(), QString("125 HZ"), 5000);
        QCOMPARE(int(rate->profileData().pollrate), 8);
        // Only the stage and the rate changed: the edit is still there.
        QCOMPARE(dpi->row(3)->slider()->linkedSlider()->value(), 40);
    }
};

QTEST_MAIN(TestPanelsApply)
#include "tst_panelsapply.moc"
