// The colour editor: presets, hexadecimal entry and completion, HSV and RGB
// spin boxes in step, the hue bar and the saturation/value square.
#include "tests/support/AppDirFixture.h"
#include "ui/panels/DefaultColorArea.h"
#include "ui/panels/HColorArea.h"
#include "ui/panels/KestColorArea.h"
#include "ui/panels/KestSlider.h"
#include "ui/panels/PreviewColorArea.h"
#include "ui/panels/SVColorArea.h"
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {
QColor spinRgb(KestColorArea &editor)
{
    return QColor(editor.spinBox('R')->value(), editor.spinBox('G')->value(), editor.spinBox('B')->value());
}

QVector<int> spinHsv(KestColorArea &editor)
{
    return {editor.spinBox('H')->value(), editor.spinBox('S')->value(), editor.spinBox('V')->value()};
}

// QTest takes a null position for "the centre"; the corner needs its own events.
void pointerAt(QWidget *widget, QEvent::Type type, const QPoint &pos)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
} // namespace

class TestColorEditor : public QObject
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

    void presetSetsEveryEditorOnce_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("hex");
        QTest::newRow("red") << 0 << QColor(255, 0, 0) << "FF0000";
        QTest::newRow("green") << 1 << QColor(0, 255, 0) << "00FF00";
        QTest::newRow("blue") << 2 << QColor(0, 0, 255) << "0000FF";
        QTest::newRow("cyan") << 3 << QColor(0, 255, 255) << "00FFFF";
        QTest::newRow("yellow") << 4 << QColor(255, 255, 0) << "FFFF00";
        QTest::newRow("magenta") << 5 << QColor(255, 0, 255) << "FF00FF";
        QTest::newRow("white") << 6 << QColor(255, 255, 255) << "FFFFFF";
    }

    void presetSetsEveryEditorOnce()
    {
        QFETCH(int, index);
        QFETCH(QColor, color);
        QFETCH(QString, hex);
        KestColorArea editor(nullptr, 1.0);
        editor.setColor(QColor(40, 80, 120));
        editor.show();
        QSignalSpy changed(&editor, &KestColorArea::KestChangeColor);
        QSignalSpy applied(&editor, &KestColorArea::ApplyColor);
        QTest::mouseClick(editor.preset(index), Qt::LeftButton);
        QCOMPARE(spinRgb(editor), color);
        QCOMPARE(editor.hexText(), hex);
        QCOMPARE(editor.color(), color);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<QColor>(), color);
        QCOMPARE(applied.count(), 1);
        QCOMPARE(editor.preview()->oldColor(), QColor(40, 80, 120));
        if (color.hsvHue() >= 0)
            QCOMPARE(editor.spinBox('H')->value(), color.hsvHue());
        QCOMPARE(editor.spinBox('S')->value(), color.hsvSaturation());
        QCOMPARE(editor.spinBox('V')->value(), 255);
    }

    void presetEqualToTheBlueAlreadyShownStillUpdates()
    {
        KestColorArea editor(nullptr, 1.0);
        editor.setColor(QColor(30, 30, 255));
        QTest::mouseClick(editor.preset(2), Qt::LeftButton);
        QCOMPARE(editor.hexText(), QString("0000FF"));
        QCOMPARE(editor.color(), QColor(0, 0, 255));
    }

    void hexCompletion_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("completed");
        QTest::newRow("empty") << "" << "000000";
        QTest::newRow("one") << "f" << "F00000";
        QTest::newRow("three") << "abc" << "ABC000";
        QTest::newRow("five") << "12345" << "123450";
        QTest::newRow("six") << "a1b2c3" << "A1B2C3";
    }

    void hexCompletion()
    {
        QFETCH(QString, typed);
        QFETCH(QString, completed);
        QCOMPARE(KestColorArea::completeHex(typed), completed);

        KestColorArea editor(nullptr, 1.0);
        editor.setColor(Qt::white);
        editor.show();
        editor.hexEdit()->selectAll();
        QTest::keyClick(editor.hexEdit(), Qt::Key_Delete);
        QTest::keyClicks(editor.hexEdit(), typed);
        QTest::keyClick(editor.hexEdit(), Qt::Key_Return);
        QCOMPARE(editor.hexText(), completed);
        const QColor expected(completed.mid(0, 2).toInt(nullptr, 16), completed.mid(2, 2).toInt(nullptr, 16),
                              completed.mid(4, 2).toInt(nullptr, 16));
        QCOMPARE(editor.color(), expected);
        QCOMPARE(spinRgb(editor), expected);
    }

    void hexFieldRefusesOtherCharacters()
    {
        KestColorArea editor(nullptr, 1.0);
        editor.show();
        editor.hexEdit()->selectAll();
        QTest::keyClicks(editor.hexEdit(), "zz12/gG3456789");
        QCOMPARE(editor.hexText(), QString("123456"));
        QCOMPARE(editor.color(), QColor(0x12, 0x34, 0x56));
    }

    void typingUpdatesAsYouGo()
    {
        KestColorArea editor(nullptr, 1.0);
        editor.show();
        editor.hexEdit()->selectAll();
        QTest::keyClicks(editor.hexEdit(), "80");
        QCOMPARE(spinRgb(editor), QColor(0x80, 0, 0));
        QCOMPARE(spinHsv(editor), (QVector<int>{0, 255, 0x80}));
    }

    void rgbAndHsvStayInStep()
    {
        KestColorArea editor(nullptr, 1.0);
        editor.setColor(QColor(255, 0, 0));
        editor.spinBox('G')->setValue(255);
        QCOMPARE(editor.hexText(), QString("FFFF00"));
        QCOMPARE(spinHsv(editor), (QVector<int>{60, 255, 255}));
        QCOMPARE(editor.hueArea()->hue(), 60);
        QCOMPARE(editor.svArea()->saturation(), 255);

        editor.spinBox('H')->setValue(240);
        QCOMPARE(spinRgb(editor), QColor(0, 0, 255));
        QCOMPARE(editor.hexText(), QString("0000FF"));
        QCOMPARE(editor.color(), QColor(0, 0, 255));
        editor.spinBox('V')->setValue(128);
        QCOMPARE(spinRgb(editor), QColor::fromHsv(240, 255, 128).toRgb());
        // 360 is the same hue as 0.
        editor.spinBox('H')->setValue(360);
        QCOMPARE(editor.color().hsvHue(), 0);
    }

    void greyKeepsTheHue()
    {
        KestColorArea editor(nullptr, 1.0);
        editor.setColor(QColor(0, 0, 255));
        editor.spinBox('S')->setValue(0);
        QCOMPARE(editor.spinBox('H')->value(), 240);
        QCOMPARE(editor.hueArea()->hue(), 240);
        QCOMPARE(editor.color(), QColor(255, 255, 255));
        editor.spinBox('R')->setValue(100); // 100,255,255: hue 180
        editor.spinBox('G')->setValue(100); // 100,100,255: hue 240
        editor.spinBox('B')->setValue(100); // grey
        QCOMPARE(editor.spinBox('H')->value(), 240);
        QCOMPARE(editor.spinBox('S')->value(), 0);
        QCOMPARE(editor.hexText(), QString("646464"));
    }

    void hueBarAndSquareFollowThePointer()
    {
        KestColorArea editor(nullptr, 1.0);
        editor.setColor(QColor(255, 0, 0));
        editor.show();
        QSignalSpy applied(&editor, &KestColorArea::ApplyColor);
        HColorArea *hue = editor.hueArea();
        pointerAt(hue, QEvent::MouseButtonPress, QPoint(hue->width() / 2, 0));
        QCOMPARE(hue->hue(), 359);
        pointerAt(hue, QEvent::MouseButtonRelease, QPoint(hue->width() / 2, 0));
        QCOMPARE(applied.count(), 1);
        QTest::mouseClick(hue, Qt::LeftButton, {}, QPoint(hue->width() / 2, hue->height() - 1));
        QCOMPARE(hue->hue(), 0);
        QCOMPARE(editor.spinBox('H')->value(), 0);

        SVColorArea *square = editor.svArea();
        pointerAt(square, QEvent::MouseButtonPress, QPoint(0, 0));
        QCOMPARE(square->saturation(), 0);
        QCOMPARE(square->value(), 255);
        QCOMPARE(editor.color(), QColor(255, 255, 255));
        // Dragging past the square keeps the marker on its edge.
        pointerAt(square, QEvent::MouseMove, QPoint(square->width() + 40, square->height() + 40));
        QCOMPARE(square->markerPosition(), QPoint(square->width() - 1, square->height() - 1));
        QCOMPARE(square->saturation(), 255);
        QCOMPARE(square->value(), 0);
        pointerAt(square, QEvent::MouseMove, QPoint(-30, -30));
        QCOMPARE(square->markerPosition(), QPoint(0, 0));
        QCOMPARE(spinHsv(editor), (QVector<int>{0, 0, 255}));
        QCOMPARE(editor.hexText(), QString("FFFFFF"));
        pointerAt(square, QEvent::MouseButtonRelease, QPoint(0, 0));
        QCOMPARE(applied.count(), 3); // two hue releases and this one
    }

    void hueChangeRecoloursTheSquareSelection()
    {
        KestColorArea editor(nullptr, 1.0);
        editor.setColor(QColor::fromHsv(0, 200, 100));
        editor.show();
        HColorArea *hue = editor.hueArea();
        QTest::mouseClick(hue, Qt::LeftButton, {}, QPoint(hue->width() / 2, hue->height() / 2));
        const int h = hue->hue();
        QVERIFY(h > 150 && h < 210);
        QCOMPARE(spinHsv(editor), (QVector<int>{h, 200, 100}));
        QCOMPARE(editor.color(), QColor::fromHsv(h, 200, 100).toRgb());
    }

    void scaleResizesTheAreas()
    {
        KestColorArea small(nullptr, 1.0);
        KestColorArea large(nullptr, 2.0);
        QCOMPARE(small.width(), 400);
        QCOMPARE(large.width(), 800);
        QCOMPARE(small.svArea()->size(), QSize(128, 128));
        QCOMPARE(large.svArea()->size(), QSize(256, 256));
        QCOMPARE(large.hueArea()->height(), 256);
        large.setColor(QColor(255, 0, 0));
        QCOMPARE(large.svArea()->markerPosition(), QPoint(255, 0));
        large.setColor(QColor(0, 0, 0));
        QCOMPARE(large.svArea()->markerPosition(), QPoint(0, 255));
    }

    void buttonsAcceptAndReject()
    {
        KestColorArea editor(nullptr, 1.0);
        QCOMPARE(editor.confirmButton()->objectName(), QString("msgBoxYesBtn"));
        QCOMPARE(editor.cancelButton()->objectName(), QString("msgBoxNoBtn"));
        QCOMPARE(editor.confirmButton()->text(), QString("APPLY"));
        QCOMPARE(editor.cancelButton()->text(), QString("Cancel"));
        QCOMPARE(editor.windowTitle(), QString("Color Edit"));
        editor.show();
        QTest::mouseClick(editor.confirmButton(), Qt::LeftButton);
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        editor.show();
        QTest::mouseClick(editor.cancelButton(), Qt::LeftButton);
        QCOMPARE(editor.result(), int(QDialog::Rejected));
        // The keyboard: Enter in the hex field takes the colour, Esc leaves it.
        editor.show();
        auto *hex = editor.findChild<QLineEdit *>("hexEdit");
        hex->setFocus();
        QTest::keyClick(hex, Qt::Key_Return);
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        editor.show();
        QTest::keyClick(&editor, Qt::Key_Escape);
        QCOMPARE(editor.result(), int(QDialog::Rejected));
    }

    void sliderShowsItsValueWhilePressed()
    {
        QWidget parent;
        parent.resize(300, 100);
        KestSlider slider(Qt::Horizontal, &parent);
        slider.setGeometry(10, 50, 200, 24);
        slider.setRange(1, 9);
        QLabel bubble(&parent);
        slider.setValueLabel(&bubble);
        parent.show();
        QVERIFY(!bubble.isVisible());
        QSignalSpy released(&slider, &KestSlider::MouseChange);
        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(195, 12));
        QVERIFY(slider.isPressed());
        QVERIFY(bubble.isVisible());
        QCOMPARE(bubble.text(), QString::number(slider.value()));
        QVERIFY(bubble.geometry().bottom() < slider.geometry().top());
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(195, 12));
        QVERIFY(!slider.isPressed());
        QVERIFY(!bubble.isVisible());
        QCOMPARE(released.count(), 1);
    }
};

QTEST_MAIN(TestColorEditor)
#include "tst_coloreditor.moc"
