// What a screen reader and the eye get from the window and its dialogs, in
// every language: a name, a role and, for sliders and bars, a value on every
// control the user can reach; and one font family throughout.
#include "storage/ConfigStorage.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MessageWatcher.h"
#include "tests/support/VirtualMouseFixture.h"
#include "ui/buttons/KestComboKeyWindow.h"
#include "ui/buttons/KestFireKeyWindow.h"
#include "ui/buttons/KestSingleKeyWindow.h"
#include "ui/buttons/KestSniperWindow.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/KestMessageBox.h"
#include "ui/kit/KestProcessDialog.h"
#include "ui/kit/UiScale.h"
#include "ui/macro/KestGunsetDialog.h"
#include "ui/macro/KestMacroSelect.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/panels/KestColorArea.h"
#include <QAbstractButton>
#include <QAccessible>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

using DialogMaker = std::function<QWidget *(QWidget *parent)>;

struct DialogRow {
    const char *name;
    DialogMaker make;
};

const DialogRow kDialogs[] = {
    {"message box yes/no", [](QWidget *p) { return new KestMessageBox(1, {}, "Warning", "Delete?", p); }},
    {"message box receiver", [](QWidget *p) { return new KestMessageBox(4, {}, "Warning", "Dongle Disconnect!", p); }},
    {"busy dialog", [](QWidget *p) { return new KestProcessDialog(p); }},
    {"macro select", [](QWidget *p) { return new KestMacroSelect("MACRO SELECT", QString(), 1, 0, p); }},
    {"gun set", [](QWidget *p) { return new KestGunsetDialog(p, uiScale()); }},
    {"colour editor", [](QWidget *p) { return new KestColorArea(p, uiScale()); }},
    {"single key", [](QWidget *p) { return new KestSingleKeyWindow(p); }},
    {"combo key", [](QWidget *p) { return new KestComboKeyWindow(p); }},
    {"fire key", [](QWidget *p) { return new KestFireKeyWindow(p); }},
    {"sniper", [](QWidget *p) { return new KestSniperWindow(p); }},
};

// Roles a user acts on; each needs a name of its own.
bool interactive(QAccessible::Role role)
{
    static const QAccessible::Role roles[] = {
        QAccessible::PushButton, QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ButtonMenu,
        QAccessible::ButtonDropDown, QAccessible::ComboBox, QAccessible::Slider, QAccessible::SpinBox,
        QAccessible::Dial, QAccessible::EditableText, QAccessible::ProgressBar, QAccessible::ScrollBar,
        QAccessible::PageTab, QAccessible::List, QAccessible::Table, QAccessible::Tree,
    };
    return std::find(std::begin(roles), std::end(roles), role) != std::end(roles);
}

bool carriesValue(QAccessible::Role role)
{
    return role == QAccessible::Slider || role == QAccessible::ProgressBar || role == QAccessible::ScrollBar;
}

struct Walk {
    int named = 0;
    QStringList faults;
};

QString describe(QAccessibleInterface *iface)
{
    QObject *o = iface->object();
    return QString("%1 \"%2\" (role 0x%3)")
        .arg(o ? QString::fromLatin1(o->metaObject()->className()) : QString("?"),
             o ? o->objectName() : QString())
        .arg(int(iface->role()), 0, 16);
}

void walk(QAccessibleInterface *iface, Walk &out, int depth = 0)
{
    if (!iface || depth > 40)
        return;
    if (iface->state().invisible)
        return;
    const QAccessible::Role role = iface->role();
    if (interactive(role)) {
        if (iface->text(QAccessible::Name).trimmed().isEmpty())
            out.faults << "no name: " + describe(iface);
        else
            ++out.named;
        if (carriesValue(role) && !iface->valueInterface())
            out.faults << "no value: " + describe(iface);
    }
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), out, depth + 1);
}

Walk walkWidget(QWidget *widget)
{
    Walk w;
    walk(QAccessible::queryAccessibleInterface(widget), w);
    return w;
}

// Every family a widget tree paints its texts in.
QSet<QString> families(QWidget *root)
{
    QSet<QString> found;
    QList<QWidget *> all = root->findChildren<QWidget *>();
    all.prepend(root);
    for (QWidget *w : all) {
        if (qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w))
            found.insert(QFontInfo(w->font()).family());
    }
    return found;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppDirFixture> m_app;
    std::unique_ptr<VirtualMouseFixture> m_mouse;
    std::unique_ptr<MessageWatcher> m_messages;

    std::unique_ptr<MousecfgWidget> openWindow(int language)
    {
        // The built translations beside the fixture, as installed.
        QDir().mkpath(m_app->filePath("lang"));
        for (const char *file : {"en", "sc", "tc"})
            QFile::copy(qEnvironmentVariable("MOUSECFG_APPDIR") + "/lang/" + file + ".qm",
                        m_app->filePath(QString("lang/%1.qm").arg(file)));
        setLangId(language);
        m_mouse = std::make_unique<VirtualMouseFixture>(Connection::Receiver);
        auto window = std::make_unique<MousecfgWidget>();
        window->show();
        return window;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariable("MOUSECFG_APPDIR").isEmpty(), "MOUSECFG_APPDIR is not set");
        QAccessible::setActive(true);
    }

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

    void everyControlIsNamed_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Simplified Chinese") << 1;
        QTest::newRow("Traditional Chinese") << 2;
    }

    void everyControlIsNamed()
    {
        QFETCH(int, language);
        auto window = openWindow(language);
        QCOMPARE(currentLanguage(), language);
        int named = 0;
        QStringList faults;
        for (int page = 0; page < 4; ++page) {
            window->selectPage(page);
            const Walk w = walkWidget(window.get());
            named += w.named;
            for (const QString &f : w.faults)
                faults << QString("page %1: %2").arg(page).arg(f);
        }
        for (const DialogRow &row : kDialogs) {
            std::unique_ptr<QWidget> dialog(row.make(window.get()));
            dialog->show();
            const Walk w = walkWidget(dialog.get());
            named += w.named;
            for (const QString &f : w.faults)
                faults << QString("%1: %2").arg(row.name, f);
        }
        qInfo("%d named controls", named);
        for (const QString &f : faults)
            qWarning("%s", qPrintable(f));
        QVERIFY2(faults.isEmpty(), qPrintable(QString("%1 controls without a name or value").arg(faults.size())));
    }

    void dialogsShareTheWindowsFont_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Simplified Chinese") << 1;
    }

    void dialogsShareTheWindowsFont()
    {
        QFETCH(int, language);
        auto window = openWindow(language);
        const QString family = QFontInfo(window->font()).family();
        QVERIFY(!QFontInfo(window->font()).fixedPitch());
        for (const DialogRow &row : kDialogs) {
            std::unique_ptr<QWidget> dialog(row.make(window.get()));
            for (const QString &f : families(dialog.get()))
                QVERIFY2(f == family, qPrintable(QString("%1: %2, the window: %3").arg(row.name, f, family)));
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
