// The translations: the built .qm files, the completeness of the .ts files,
// the compiled-in copies, and the window's start-up language and language menu.
#include "storage/ConfigStorage.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MessageWatcher.h"
#include "tests/support/VirtualMouseFixture.h"
#include "ui/kit/KestPushButton.h"
#include "ui/main/MousecfgWidget.h"
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

namespace {
const char *const kLanguageFiles[] = {"en", "sc", "tc"};

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

// Every message of a .ts file; empty with an error text when it cannot be read.
QList<TsMessage> readTsFile(const QString &path, QString &error)
{
    QList<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot open " + path;
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage current;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            current = TsMessage();
            current.context = context;
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value("type").toString();
            current.unfinished = type == QLatin1String("unfinished");
            if (type == QLatin1String("obsolete") || type == QLatin1String("vanished"))
                current.unfinished = true;
            current.translation = xml.readElementText();
            messages << current;
        }
    }
    if (xml.hasError())
        error = path + ": " + xml.errorString();
    return messages;
}

QString tsPath(const QString &file)
{
    return qEnvironmentVariable("MOUSECFG_SOURCE_DIR") + "/data/lang/" + file + ".ts";
}

QString builtQmPath(const QString &file)
{
    return qEnvironmentVariable("MOUSECFG_APPDIR") + "/lang/" + file + ".qm";
}

// The placeholders of a text, sorted: "%1", "%2", ...
QStringList placeholders(const QString &text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression("%\\d+").globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

// A single "&" before a character marks a keyboard accelerator; "&&" is a literal ampersand.
bool hasAccelerator(const QString &text)
{
    return QRegularExpression("(^|[^&])&[^&\\s]").match(text).hasMatch();
}

QSet<QString> messageKeys(const QList<TsMessage> &messages)
{
    QSet<QString> keys;
    for (const TsMessage &m : messages)
        keys.insert(m.context + '\x1f' + m.source);
    return keys;
}

int storedLangId()
{
    return QSettings(langConfigFilePath(), QSettings::IniFormat).value("Config/LangID", -1).toInt();
}
}

class TestLanguage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppDirFixture> m_app;
    std::unique_ptr<VirtualMouseFixture> m_mouse;
    std::unique_ptr<MessageWatcher> m_messages;

    // The built translations, copied beside the fixture's configuration like an installation.
    bool installTranslations(const QStringList &files)
    {
        if (!QDir().mkpath(m_app->filePath("lang")))
            return false;
        for (const QString &file : files) {
            if (!QFile::copy(builtQmPath(file), m_app->filePath("lang/" + file + ".qm")))
                return false;
        }
        return true;
    }

    std::unique_ptr<MousecfgWidget> openWindow()
    {
        m_mouse = std::make_unique<VirtualMouseFixture>(Connection::Receiver);
        auto window = std::make_unique<MousecfgWidget>();
        window->show();
        return window;
    }

    static QMenu *languageMenu(const MousecfgWidget &window)
    {
        KestPushButton *button = window.button("languageButton");
        return button ? button->menu() : nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariable("MOUSECFG_SOURCE_DIR").isEmpty(), "MOUSECFG_SOURCE_DIR is not set");
        QVERIFY2(!qEnvironmentVariable("MOUSECFG_APPDIR").isEmpty(), "MOUSECFG_APPDIR is not set");
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

    void builtFilesTranslate_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("expected");
        const char *ctx = "MousecfgWidget";
        QTest::newRow("en Apply") << "en" << ctx << "Apply" << "Apply";
        QTest::newRow("sc Apply") << "sc" << ctx << "Apply" << QString::fromUtf8("应用");
        QTest::newRow("tc Apply") << "tc" << ctx << "Apply" << QString::fromUtf8("套用");
        QTest::newRow("sc LOAD1") << "sc" << ctx << "LOAD1" << QString::fromUtf8("导入");
        QTest::newRow("tc LOAD1") << "tc" << ctx << "LOAD1" << QString::fromUtf8("匯入");
        QTest::newRow("sc MACRO") << "sc" << ctx << "MACRO" << QString::fromUtf8("宏");
        QTest::newRow("tc MACRO") << "tc" << ctx << "MACRO" << QString::fromUtf8("巨集");
        QTest::newRow("sc quit") << "sc" << ctx << "&Quit" << QString::fromUtf8("退出(&Q)");
        QTest::newRow("tc send failed") << "tc" << ctx << "Send data failed, please try again."
                                        << QString::fromUtf8("資料傳送失敗，請再試一次。");
        QTest::newRow("en send failed") << "en" << ctx << "Send data failed, please try again."
                                        << "Send data failed, please try again.";
        QTest::newRow("sc message box") << "sc" << "KestMessageBox" << "Ok" << QString::fromUtf8("确定");
        QTest::newRow("tc control window") << "tc" << "VirtualMouseWindow" << "Report rate"
                                           << QString::fromUtf8("回報率");
    }

    void builtFilesTranslate()
    {
        QFETCH(QString, file);
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, expected);
        QTranslator translator;
        QVERIFY2(translator.load(builtQmPath(file)), qPrintable(builtQmPath(file)));
        QCOMPARE(translator.translate(context.toUtf8(), source.toUtf8()), expected);
    }

    void everyMessageIsTranslated_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *file : kLanguageFiles)
            QTest::newRow(file) << file;
    }

    void everyMessageIsTranslated()
    {
        QFETCH(QString, file);
        QString error;
        const QList<TsMessage> messages = readTsFile(tsPath(file), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!messages.isEmpty());
        for (const TsMessage &m : messages) {
            const QString where = m.context + " \"" + m.source + "\"";
            QVERIFY2(!m.unfinished, qPrintable(where + " is unfinished"));
            QVERIFY2(!m.translation.trimmed().isEmpty(), qPrintable(where + " has no translation"));
            if (file == QLatin1String("en"))
                QCOMPARE(m.translation, m.source);
            QCOMPARE(placeholders(m.translation), placeholders(m.source));
            QVERIFY2(hasAccelerator(m.translation) == hasAccelerator(m.source),
                     qPrintable(where + ": accelerator lost or added in \"" + m.translation + "\""));
        }
        // The Chinese files translate exactly the texts of the English one.
        QString enError;
        QCOMPARE(messageKeys(messages), messageKeys(readTsFile(tsPath("en"), enError)));
    }

    void chineseFilesDifferFromTheSource_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("sc") << "sc";
        QTest::newRow("tc") << "tc";
    }

    void chineseFilesDifferFromTheSource()
    {
        // A copied English text would pass as finished. Only texts made of
        // units, numbers and placeholders may stay as they are.
        static const QRegularExpression unitsOnly(
            "^(?:\\s|\\d|%\\d+|[[:punct:]]|\\b(?:DPI|HZ|Hz|mm|ms|RGB|USB)\\b)*$");
        QFETCH(QString, file);
        QString error;
        const QList<TsMessage> messages = readTsFile(tsPath(file), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        for (const TsMessage &m : messages) {
            if (m.translation == m.source)
                QVERIFY2(unitsOnly.match(m.source).hasMatch(),
                         qPrintable(m.context + " \"" + m.source + "\" is left in English"));
        }
    }

    void resourcesHoldEveryLanguage_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("expected");
        const QString texts[] = {"Apply", QString::fromUtf8("应用"), QString::fromUtf8("套用")};
        for (int i = 0; i < 3; ++i) {
            const QString file = kLanguageFiles[i];
            QTest::newRow(qPrintable(":/lang/" + file)) << ":/lang/" + file + ".qm" << texts[i];
            QTest::newRow(qPrintable(":/" + file)) << ":/" + file + ".qm" << texts[i];
        }
    }

    void resourcesHoldEveryLanguage()
    {
        QFETCH(QString, resource);
        QFETCH(QString, expected);
        QVERIFY2(QFile::exists(resource), qPrintable(resource));
        QTranslator translator;
        QVERIFY(translator.load(resource));
        QCOMPARE(translator.translate("MousecfgWidget", "Apply"), expected);
    }

    void startsInTheStoredLanguage()
    {
        QVERIFY(installTranslations({"en", "sc", "tc"}));
        QVERIFY(writeFileBytes(langConfigFilePath(), "[Config]\nLangID=1\n"));
        auto window = openWindow();
        QCOMPARE(window->button("applyButton")->text(), QString::fromUtf8("应用"));
        QCOMPARE(window->button("loadButton")->text(), QString::fromUtf8("导入"));
        QCOMPARE(window->button("tabButton0")->text(), QString::fromUtf8("灯效"));
        QCOMPARE(window->button("languageButton")->text(), QString::fromUtf8("简体中文"));
    }

    void menuSwitchesLanguage()
    {
        QVERIFY(installTranslations({"en", "sc", "tc"}));
        auto window = openWindow();
        QCOMPARE(window->button("applyButton")->text(), QString("Apply"));
        QMenu *menu = languageMenu(*window);
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 3);

        menu->actions().at(2)->trigger();
        QCOMPARE(window->button("applyButton")->text(), QString::fromUtf8("套用"));
        QCOMPARE(window->button("tabButton3")->text(), QString::fromUtf8("巨集"));
        QCOMPARE(window->button("languageButton")->text(), QString::fromUtf8("繁體中文"));
        QCOMPARE(storedLangId(), 2);

        menu->actions().at(0)->trigger();
        QCOMPARE(window->button("applyButton")->text(), QString("Apply"));
        QCOMPARE(storedLangId(), 0);
    }

    void missingFileKeepsEnglish()
    {
        QVERIFY(installTranslations({"en", "sc"}));
        auto window = openWindow();
        QMenu *menu = languageMenu(*window);
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 3);

        menu->actions().at(2)->trigger();
        QCOMPARE(window->button("applyButton")->text(), QString("Apply"));
        QCOMPARE(window->button("tabButton3")->text(), QString("MACRO"));
        // The choice is kept for the next start even though nothing could be loaded.
        QCOMPARE(window->button("languageButton")->text(), QString::fromUtf8("繁體中文"));
        QCOMPARE(storedLangId(), 2);
    }

    void missingFileAtStartKeepsEnglish()
    {
        QVERIFY(installTranslations({"en", "sc"}));
        QVERIFY(writeFileBytes(langConfigFilePath(), "[Config]\nLangID=2\n"));
        auto window = openWindow();
        QCOMPARE(window->button("applyButton")->text(), QString("Apply"));
        QCOMPARE(window->button("loadButton")->text(), QString("LOAD1"));
        QCOMPARE(storedLangId(), 2);
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
