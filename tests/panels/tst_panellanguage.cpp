// The DPI and lighting pages and the colour editor follow a language switch.
#include "tests/support/AppDirFixture.h"
#include "ui/kit/KestLabel.h"
#include "ui/kit/KestPushButton.h"
#include "ui/panels/KestColorArea.h"
#include "ui/panels/KestColorWindow.h"
#include "ui/panels/KestDPIWindow.h"
#include "ui/panels/KestReportRate.h"
#include "ui/panels/KestSingleDPI.h"
#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>
#include <memory>

class TestPanelLanguage : public QObject
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

    void pagesFollowTheLanguage()
    {
        MouseSettings settings;
        makeDefaultProfile(settings.profiles[0]);
        settings.profiles[0].ledMode = 1;
        settings.profiles[0].ledSleepTime = 4;
        settings.profiles[0].pollrate = 2;

        KestColorWindow lighting(nullptr, 1.0);
        lighting.setSettings(&settings);
        lighting.setProfileData(&settings.profiles[0]);
        KestDPIWindow dpi(settings.profiles[0]);
        dpi.setProfile(settings.profiles[0], 3389);
        KestReportRate rate;
        rate.setProfile(settings.profiles[0], 1);
        KestColorArea editor(nullptr, 1.0);
        for (QWidget *w : {static_cast<QWidget *>(&lighting), static_cast<QWidget *>(&dpi),
                           static_cast<QWidget *>(&rate), static_cast<QWidget *>(&editor)})
            w->show();
        QCOMPARE(lighting.effectButton()->text(), QString("FULL LIGHTED"));

        QTranslator translator;
        const QString qm = qEnvironmentVariable("MOUSECFG_APPDIR") + "/lang/sc.qm";
        QVERIFY2(translator.load(qm), qPrintable(qm));
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::processEvents();

        QCOMPARE(lighting.effectButton()->text(), QString::fromUtf8("常亮"));
        QCOMPARE(lighting.effectMenu()->actions().value(1)->text(), QString::fromUtf8("呼吸"));
        QCOMPARE(lighting.sleepValueLabel()->text(), QString::fromUtf8("4 分钟"));
        QCOMPARE(lighting.moveOffBox()->text(), QString::fromUtf8("移动时关闭灯光"));
        QCOMPARE(dpi.row(0)->linkBox()->text(), QString::fromUtf8("关联 XY"));
        QCOMPARE(rate.rateText(), QString("500 Hz"));
        QCOMPARE(rate.liftButton(0)->text(), QString("1 mm"));
        QCOMPARE(editor.confirmButton()->text(), QString::fromUtf8("应用"));
        QCOMPARE(editor.cancelButton()->text(), QString::fromUtf8("取消"));

        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::processEvents();
        QCOMPARE(lighting.effectButton()->text(), QString("FULL LIGHTED"));
        QCOMPARE(rate.rateText(), QString("500 HZ"));
    }
};

QTEST_MAIN(TestPanelLanguage)
#include "tst_panellanguage.moc"
