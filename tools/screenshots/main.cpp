// Writes a PNG of each page of the window, the message box and the busy
// dialog, on the virtual mouse, for looking at the interface.
#include "device/HidSeam.h"
#include "helpers/osd/OsdWindow.h"
#include "sim/VirtualHidApi.h"
#include "sim/VirtualMouse.h"
#include "platform/KeyboardHook.h"
#include "platform/RasterOnlyWindows.h"
#include "sim/control/VirtualMouseWindow.h"
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "ui/buttons/KestBtnWindow.h"
#include "ui/buttons/KestComboKeyWindow.h"
#include "ui/buttons/KestFireKeyWindow.h"
#include "ui/buttons/KestSingleKeyWindow.h"
#include "ui/buttons/KestSniperWindow.h"
#include "ui/kit/KestMessageBox.h"
#include "ui/kit/KestPushButton.h"
#include "ui/kit/KestProcessDialog.h"
#include "ui/kit/UiScale.h"
#include "ui/macro/GunSet.h"
#include "ui/macro/KestGunsetDialog.h"
#include "ui/macro/KestMacroSelect.h"
#include "model/MacroActions.h"
#include "ui/macro/MacroDialog.h"
#include "model/MacroLibrary.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/panels/KestColorArea.h"
#include "ui/panels/KestColorWindow.h"
#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QDir>
#include <QMenu>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

namespace {
// Off: each widget paints itself into the image. On: the pixels the window system shows.
bool fromScreen = false;

QPixmap shot(QWidget &widget)
{
    if (!fromScreen)
        return widget.grab();
    QTest::qWaitForWindowExposed(&widget);
    QTest::qWait(100);
    return widget.screen()->grabWindow(widget.winId());
}

bool save(QWidget &widget, const QString &dir, const QString &name)
{
    QCoreApplication::processEvents();
    const QString path = dir + "/" + name + ".png";
    const bool ok = shot(widget).save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

// The CUSTOMIZE page with a lit button and in the side view, a slot menu, and
// each parameter dialog holding a captured value.
bool saveCustomizeShots(MousecfgWidget &window, const QString &dir)
{
    bool ok = true;
    window.selectPage(1);
    KestBtnWindow *panel = window.buttonPanel();
    panel->setCurrentButton(5, 0);
    emit panel->SelBtnControl(panel->slotButton(0, 5), true);
    ok &= save(window, dir, "page-customize-hover");
    emit panel->SelBtnControl(panel->slotButton(0, 5), false);
    window.button("sideButton")->click();
    ok &= save(window, dir, "page-customize-side");
    window.button("frontButton")->click();

    QMenu *menu = panel->mainMenu();
    menu->popup(window.mapToGlobal(QPoint(0, 0)));
    ok &= save(*menu, dir, "button-menu");
    menu->hide();
    panel->wheelMenu()->popup(window.mapToGlobal(QPoint(0, 0)));
    ok &= save(*panel->wheelMenu(), dir, "wheel-menu");
    panel->wheelMenu()->hide();
    panel->setCurrentButton(KestBtnWindow::NO_SELECTION, KestBtnWindow::NO_SELECTION);

    auto tap = [](int scan, int flags) {
        KeyboardHook::inject(scan, flags);
        KeyboardHook::inject(scan, flags | ScanFlagRelease);
    };
    {
        KestSingleKeyWindow single(&window);
        single.show();
        tap(0x1D, ScanFlagExtended);
        ok &= save(single, dir, "dialog-single-key");
    }
    {
        KestComboKeyWindow combo(&window);
        combo.show();
        for (int scan : {0x1D, 0x2A, 0x1E})
            KeyboardHook::inject(scan, 0);
        ok &= save(combo, dir, "dialog-combo-key");
    }
    {
        KestFireKeyWindow fire(&window);
        fire.show();
        fire.targetBox(KestFireKeyWindow::TargetKeyboard)->click();
        tap(0x25, 0);
        ok &= save(fire, dir, "dialog-fire-key");
    }
    {
        KestSniperWindow sniper(&window);
        sniper.show();
        ok &= save(sniper, dir, "dialog-sniper");
    }
    return ok;
}

// The MACRO page with a sample macro and a gun file, in edit mode, and the
// selection and gun set dialogs. The samples leave the macro store as it was.
bool saveMacroShots(MousecfgWidget &window, const QString &dir)
{
    const QStringList before = macroNames();
    const QString combo = uniqueMacroName(QStringLiteral("Reload Combo"));
    MacroFile macro = emptyMacro();
    macro.delayType = 1;
    macro.loopType = 1;
    macro.loopTime = 3;
    macro.events = {keyRowEvent(0xE0, true), delayEvent(5), keyRowEvent(0x15, true), delayEvent(8),
                    keyRowEvent(0x15, false), delayEvent(2), keyRowEvent(0xE0, false), delayEvent(12),
                    mouseButtonEvent(0, true), delayEvent(1), moveEvent(MoveUp, 12), moveEvent(MoveLeft, 4),
                    delayEvent(3), mouseButtonEvent(0, false), delayEvent(30), keyRowEvent(0x2C, true),
                    delayEvent(6), keyRowEvent(0x2C, false)};
    createMacro(combo, macro);
    const QString spray = uniqueMacroName(QStringLiteral("AK Spray"));
    createMacro(spray, gunMacroFile(gunSetEvents({{90, 0, 6}, {90, -1, 7}, {100, 2, 8}})));

    bool ok = true;
    MacroDialog *page = window.macroPage();
    window.selectPage(3);
    page->reloadList(combo);
    page->setCurrentRow(4);
    ok &= save(window, dir, "page-macro");
    page->setCurrentRow(10);
    page->editRow();
    ok &= save(window, dir, "page-macro-edit");
    page->cancelEdit();

    {
        KestMacroSelect select(QCoreApplication::translate("KestBtnWindow", "MACRO SELECT"), combo, 3, 0, &window);
        select.show();
        ok &= save(select, dir, "dialog-macro-select");
    }
    {
        KestGunsetDialog gun(&window, uiScale());
        gun.nameEdit()->setText(spray);
        gun.setBulletCount(3);
        const int y[3] = {6, 7, 8};
        const int x[3] = {0, -1, 2};
        for (int i = 0; i < 3; ++i) {
            gun.ySpin(i)->setValue(y[i]);
            gun.xSpin(i)->setValue(x[i]);
            gun.delaySpin(i)->setValue(i == 2 ? 100 : 90);
        }
        gun.show();
        ok &= save(gun, dir, "dialog-gun-set");
    }

    writeMacroNames(before);
    deleteMacroFile(combo);
    deleteMacroFile(spray);
    page->reloadList();
    return ok;
}
}

int main(int argc, char **argv)
{
    // As the utility itself draws.
    useRasterOnlyWindows();
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Screenshots of the window on the virtual mouse");
    parser.addHelpOption();
    parser.addPositionalArgument("folder", "where the PNG files go");
    parser.addOption({"app-dir", "application directory", "dir"});
    parser.addOption({"from-screen", "take the pixels from the window system, not from the widgets"});
    parser.process(app);
    fromScreen = parser.isSet("from-screen");
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(64);
    const QString dir = parser.positionalArguments().first();
    QDir().mkpath(dir);
    if (parser.isSet("app-dir"))
        setAppDir(parser.value("app-dir"));

    setHidApi(&virtualHidApi());
    virtualMouse().reset(Connection::Receiver);

    MousecfgWidget window;
    window.show();
    bool ok = true;
    const char *const pages[] = {"lighting", "customize", "dpi", "macro"};
    for (int i = 0; i < 4; ++i) {
        window.selectPage(i);
        ok &= save(window, dir, QString("page-%1").arg(pages[i]));
    }

    KestMessageBox box(1, QString(), QCoreApplication::translate("MousecfgWidget", "Warning"),
                       QCoreApplication::translate("MousecfgWidget", "Send data failed, please try again."), &window);
    box.show();
    ok &= save(box, dir, "message-box");
    box.hide();

    VirtualMouseWindow control;
    control.show();
    ok &= save(control, dir, "virtual-mouse");

    KestProcessDialog busy(&window);
    busy.show();
    ok &= save(busy, dir, "busy-dialog");
    busy.hide();

    QMenu *saved = window.savedProfileMenu();
    saved->popup(window.mapToGlobal(QPoint(0, 0)));
    ok &= save(*saved, dir, "saved-profile-menu");
    saved->hide();

    // The OSD helper's notice, as the utility sends it.
    OsdWindow osd;
    osd.showMessage(osdNotice(QCoreApplication::translate("MousecfgWidget", "DPI") + "2:1600", themeColor()));
    ok &= save(osd, dir, "osd-notice");
    // The colour editor as the lighting page opens it, and the page with a
    // multi-colour effect chosen.
    KestColorArea editor(&window, uiScale());
    editor.setColor(QColor(0, 200, 255));
    editor.show();
    ok &= save(editor, dir, "color-editor");
    editor.hide();
    if (auto *lighting = window.findChild<KestColorWindow *>()) {
        window.selectPage(0);
        lighting->chooseEffect(9);
        ok &= save(window, dir, "page-lighting-wave");
    }
    ok &= saveCustomizeShots(window, dir);
    ok &= saveMacroShots(window, dir);
    return ok ? 0 : 1;
}
