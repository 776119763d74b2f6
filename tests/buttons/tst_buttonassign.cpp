// The CUSTOMIZE page of the window on the virtual mouse: functions chosen
// through the slot menus, the wheel hot-spots and the parameter dialogs reach
// the mouse's key table on Apply; hot-spots, hover pictures, views and the
// panel's signals.
#include "device/SensorEncoding.h"
#include "platform/KeyboardHook.h"
#include "sim/VirtualMouse.h"
#include "storage/ConfigStorage.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MessageWatcher.h"
#include "tests/support/UiDrivers.h"
#include "tests/support/VirtualMouseFixture.h"
#include "ui/buttons/KestBtnWindow.h"
#include "ui/buttons/KestComboKeyWindow.h"
#include "ui/buttons/KestFireKeyWindow.h"
#include "ui/buttons/KestSingleKeyWindow.h"
#include "ui/buttons/KestSniperWindow.h"
#include "ui/kit/KestAction.h"
#include "ui/kit/KestPushButton.h"
#include "ui/main/MousecfgWidget.h"
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QtTest>
#include <memory>

namespace {
using Entry = std::array<uint8_t, 4>;

void tap(int scan, int flags = 0)
{
    KeyboardHook::inject(scan, flags);
    KeyboardHook::inject(scan, flags | ScanFlagRelease);
}

// Opens a slot's menu by clicking its button and follows path in it.
void chooseFromSlotMenu(KestBtnWindow *panel, int index, const QStringList &path)
{
    MenuDriver menu(path);
    QTest::mouseClick(panel->slotButton(0, index), Qt::LeftButton);
    QVERIFY2(menu.done(), qPrintable(path.join(" > ")));
}

qint64 pictureKey(const QLabel *label)
{
    return label->pixmap(Qt::ReturnByValue).cacheKey();
}
} // namespace

class TestButtonAssign : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppDirFixture> m_app;
    std::unique_ptr<VirtualMouseFixture> m_mouse;
    std::unique_ptr<MessageWatcher> m_messages;
    std::unique_ptr<MousecfgWidget> m_window;

    KestBtnWindow *panel() const { return m_window->buttonPanel(); }
    ProfileData &profile() const { return m_window->workingSettings().profiles[m_window->workingSettings().profileId]; }
    QLabel *picture(const char *name) const { return m_window->findChild<QLabel *>(name); }

private slots:
    void init()
    {
        m_app = std::make_unique<AppDirFixture>(AppDirFixture::DemoData);
        QVERIFY(m_app->isValid());
        // The pictures and hot-spot images of the installation.
        const QString skin = qEnvironmentVariable("MOUSECFG_APPDIR") + "/skin";
        QVERIFY2(QFile::exists(skin + "/mouse/TREVIK/Mouse.png"), qPrintable(skin));
        QVERIFY(QFile::link(skin, m_app->filePath("skin")));
        m_messages = std::make_unique<MessageWatcher>();
        m_mouse = std::make_unique<VirtualMouseFixture>(Connection::Receiver);
        m_window = std::make_unique<MousecfgWidget>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->selectPage(1);
    }

    void cleanup()
    {
        m_window.reset();
        m_messages.reset();
        m_mouse.reset();
        m_app.reset();
    }

    void choicesReachTheKeyTable()
    {
        QCOMPARE(panel()->profileRecord(), &profile());
        QVERIFY(panel()->slotButton(0, 3)->isVisibleTo(m_window.get()));

        chooseFromSlotMenu(panel(), 3, {"DPI", "DPI +"});
        QCOMPARE(profile().buttonInfo[3].fun, 48);

        DialogDriver singleKey("KestSingleKeyWindow", [](QDialog *d) {
            tap(0x30); // B
            static_cast<KestSingleKeyWindow *>(d)->okButton()->click();
        });
        chooseFromSlotMenu(panel(), 4, {"Advance", "SINGLE KEY"});
        QVERIFY(singleKey.done());

        DialogDriver combo("KestComboKeyWindow", [](QDialog *d) {
            KeyboardHook::inject(0x1D, 0);
            KeyboardHook::inject(0x2A, 0);
            KeyboardHook::inject(0x1E, 0);
            static_cast<KestComboKeyWindow *>(d)->okButton()->click();
        });
        chooseFromSlotMenu(panel(), 5, {"Advance", "COMBO KEY"});
        QVERIFY(combo.done());

        DialogDriver fire("KestFireKeyWindow", [](QDialog *d) {
            auto *dialog = static_cast<KestFireKeyWindow *>(d);
            dialog->targetBox(KestFireKeyWindow::TargetKeyboard)->click();
            tap(0x25); // K
            dialog->timesEdit()->setText("5");
            dialog->delayEdit()->setText("50");
            dialog->okButton()->click();
        });
        chooseFromSlotMenu(panel(), 6, {"Advance", "FIRE KEY"});
        QVERIFY(fire.done());

        // No menu offers the sniper; its entry is handled all the same.
        DialogDriver sniper("KestSniperWindow", [](QDialog *d) {
            auto *dialog = static_cast<KestSniperWindow *>(d);
            dialog->slider()->setValue(7);
            dialog->okButton()->click();
        });
        panel()->setCurrentButton(2, 0);
        panel()->action(55)->trigger();
        QVERIFY(sniper.done());

        chooseFromSlotMenu(panel(), 1, {"Button Off"});

        // The wheel through its hot-spots on the picture.
        for (int i = 0; i < 2; ++i) {
            MenuDriver wheel({i == 0 ? "Volume Up" : "Middle"});
            KestPushButton *spot = m_window->hotSpot(MousecfgWidget::WheelView, i);
            QVERIFY(spot->isVisibleTo(m_window.get()));
            QTest::mouseClick(spot, Qt::LeftButton);
            QTRY_VERIFY(wheel.done());
            QCOMPARE(m_window->selectedHotSpot(MousecfgWidget::WheelView), i);
        }
        QCOMPARE(profile().buttonInfo[40].fun, 43);
        QCOMPARE(profile().buttonInfo[41].fun, 3);
        QCOMPARE(panel()->slotButton(0, 5)->text(), QString("COMBO KEY"));

        m_window->apply();
        QVERIFY(m_messages->texts().isEmpty());
        const auto entries = virtualMouse().keyEntries();
        const uint8_t sniperValue = encodeSniperValue(3327, 7);
        const Entry expected[] = {
            {0x81, 0x00, 0x00, 0x00},               // left, untouched
            {0x00, 0x00, 0x00, 0x00},               // Button Off
            {0x9A, 0x01, sniperValue, sniperValue}, // sniper step 7
            {0x8A, 0x00, 0x00, 0x00},               // DPI +
            {0x90, 0x00, 0x05, 0x00},               // single key B (usage 0x05)
            {0x8F, 0x03, 0x04, 0x00},               // Ctrl + Shift + A
            {0x99, 0x0E, 0x05, 0x05},               // fire K, 5 times, 50 ms
        };
        for (int i = 0; i < 7; ++i)
            QCOMPARE(entries[size_t(i)], expected[i]);
        QCOMPARE(entries[22], (Entry{0x8E, 0x01, 0xE9, 0x00})); // Volume Up
        QCOMPARE(entries[23], (Entry{0x83, 0x00, 0x00, 0x00})); // Middle

        // The write is remembered: nothing changed, nothing sent again.
        virtualMouse().resetCounters();
        m_window->apply();
        QCOMPARE(virtualMouse().writeCount(0x03), 0);
    }

    void hotSpotsFollowTheButtons()
    {
        // The demo model shows seven buttons, numbered as on the panel.
        for (int i = 0; i < MousecfgWidget::HOT_SPOT_COUNT; ++i) {
            KestPushButton *spot = m_window->hotSpot(MousecfgWidget::FrontView, i);
            if (i < 7) {
                QVERIFY(spot->isVisibleTo(m_window.get()));
                QCOMPARE(spot->text(), QString::number(i + 1));
                QCOMPARE(spot->toolTip(), panel()->slotButton(0, i)->text());
                QVERIFY(picture("frontPicture")->rect().contains(spot->geometry()));
            } else {
                QVERIFY(spot->isHidden());
            }
        }
        // Square wheel images for this model.
        QCOMPARE(m_window->hotSpot(MousecfgWidget::WheelView, 0)->imageCount(), 3);
        QCOMPARE(m_window->hotSpot(MousecfgWidget::WheelView, 0)->toolTip(), QString("Scroll Up"));

        // A front hot-spot selects the panel's slot and opens its menu.
        MenuDriver menu({"Media", "Mute"});
        QTest::mouseClick(m_window->hotSpot(MousecfgWidget::FrontView, 3), Qt::LeftButton);
        QTRY_VERIFY(menu.done());
        QCOMPARE(m_window->selectedHotSpot(MousecfgWidget::FrontView), 3);
        QVERIFY(m_window->hotSpot(MousecfgWidget::FrontView, 3)->isChecked());
        QCOMPARE(profile().buttonInfo[3].fun, 45);
        QCOMPARE(m_window->hotSpot(MousecfgWidget::FrontView, 3)->toolTip(), QString("Mute"));
    }

    void frontAndSideViews()
    {
        QLabel *front = picture("frontPicture");
        QLabel *side = picture("sidePicture");
        QVERIFY(front->isVisible());
        QVERIFY(m_window->button("frontButton")->isChecked());
        QTest::mouseClick(m_window->button("sideButton"), Qt::LeftButton);
        QVERIFY(!m_window->frontView());
        QVERIFY(side->isVisible());
        QVERIFY(!front->isVisible());
        QCOMPARE(m_window->currentView(), int(MousecfgWidget::SideView));
        QVERIFY(m_window->button("sideButton")->isChecked());
        QVERIFY(!m_window->button("frontButton")->isChecked());
        // Side hot-spots for the buttons the side picture shows; the wheel ones stay with the front.
        QVERIFY(m_window->hotSpot(MousecfgWidget::SideView, 3)->isVisible());
        QVERIFY(m_window->hotSpot(MousecfgWidget::SideView, 1)->isHidden());
        QVERIFY(!m_window->hotSpot(MousecfgWidget::WheelView, 0)->isVisible());
        MenuDriver menu({"Back"});
        QTest::mouseClick(m_window->hotSpot(MousecfgWidget::SideView, 4), Qt::LeftButton);
        QTRY_VERIFY(menu.done());
        QCOMPARE(profile().buttonInfo[4].fun, 5);
        QTest::mouseClick(m_window->button("frontButton"), Qt::LeftButton);
        QVERIFY(front->isVisible());
        QCOMPARE(m_window->currentView(), int(MousecfgWidget::FrontView));
        // Other pages hide the pictures and their hot-spots.
        m_window->selectPage(0);
        QVERIFY(!m_window->hotSpot(MousecfgWidget::FrontView, 0)->isVisible());
    }

    void hoverLightsThePicture()
    {
        QLabel *front = picture("frontPicture");
        const qint64 plain = pictureKey(front);
        emit panel()->SelBtnControl(panel()->slotButton(0, 5), true);
        QVERIFY(pictureKey(front) != plain);
        QVERIFY(m_window->hotSpot(MousecfgWidget::FrontView, 5)->isChecked());
        emit panel()->SelBtnControl(panel()->slotButton(0, 5), false);
        QCOMPARE(pictureKey(front), plain);
        QVERIFY(!m_window->hotSpot(MousecfgWidget::FrontView, 5)->isChecked());
        // A button without its own picture leaves the plain one.
        emit panel()->SelBtnControl(panel()->slotButton(0, 9), true);
        QCOMPARE(pictureKey(front), plain);
        emit panel()->SelBtnControl(panel()->slotButton(0, 9), false);
        // Hovering a hot-spot lights its button too.
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(m_window->hotSpot(MousecfgWidget::FrontView, 1), &enter);
        QVERIFY(pictureKey(front) != plain);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(m_window->hotSpot(MousecfgWidget::FrontView, 1), &leave);
        QCOMPARE(pictureKey(front), plain);
    }

    void panelSignalsReachTheWindow()
    {
        // The only left click: refused with the window's message.
        panel()->setCurrentButton(0, 0);
        panel()->action(48)->trigger();
        QCOMPARE(m_messages->texts(), QStringList{"AT LEAST ONE CLICK FUNCTION TO BE RETAINED."});
        QCOMPARE(profile().buttonInfo[0].fun, 1);
        // A macro with none stored: the macro page.
        panel()->setCurrentButton(3, 0);
        panel()->action(200)->trigger();
        QCOMPARE(m_window->currentPage(), 3);
    }

    void profileSwitchRepointsThePanel()
    {
        m_window->workingSettings().profiles[2].buttonInfo[1].fun = 47;
        m_window->switchToSlot(2, false);
        QCOMPARE(panel()->profileRecord(), &m_window->workingSettings().profiles[2]);
        QCOMPARE(panel()->slotButton(0, 1)->text(), QString("DPI Switch"));
        panel()->setCurrentButton(1, 0);
        panel()->action(50)->trigger();
        QCOMPARE(m_window->workingSettings().profiles[2].buttonInfo[1].fun, 50);
        QCOMPARE(m_window->workingSettings().profiles[0].buttonInfo[1].fun, 2);
    }
};

QTEST_MAIN(TestButtonAssign)
#include "tst_buttonassign.moc"
