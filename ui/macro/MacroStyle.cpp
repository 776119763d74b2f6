#include "ui/macro/MacroStyle.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/KestPushButton.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include <QFontMetrics>

namespace {
QString rgb(const QColor &c)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

QString rgba(const QColor &c, int alpha)
{
    return QStringLiteral("rgba(%1,%2,%3,%4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(alpha);
}
} // namespace

QStringList captionButtonImages()
{
    return {skinPath("tabbutton-1.png"), skinPath("tabbutton-3.png"), skinPath("tabbutton-2.png")};
}

KestPushButton *makeMacroButton(QWidget *parent, const char *objectName, int width, int height)
{
    auto *button = new KestPushButton(captionButtonImages(), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setPixelSize(MACRO_TEXT_PX);
    // Resized, not fixed: the page places its buttons by geometry.
    button->resize(scaled(width), scaled(height));
    return button;
}

QString macroPageStyleSheet()
{
    const QColor accent = themeColor();
    return QStringLiteral(
               "QListWidget, QTableView, QTreeWidget{background: rgba(14,14,17,220); color: rgb(225,225,225);"
               " border: 1px solid rgb(66,66,74); border-radius: %1px; outline: 0px;}"
               "QListWidget:disabled, QTableView:disabled, QTreeWidget:disabled{color: rgb(120,120,128);}"
               "QListWidget:disabled QLabel{color: rgb(120,120,128);}"
               "QListWidget::item{padding: 0px %2px; min-height: %3px;}"
               "QListWidget::item:selected, QTreeWidget::item:selected{background: %4; color: white;}"
               "QListWidget::item:hover, QTreeWidget::item:hover{background: rgba(255,255,255,18);}"
               "QListWidget::indicator, QTreeWidget::indicator{width: %5px; height: %5px;}"
               "QListWidget::indicator:unchecked{image: url(%6);}"
               "QListWidget::indicator:checked{image: url(%7);}"
               "QTableView{gridline-color: rgb(40,40,46); selection-background-color: %4;}"
               "QHeaderView{background: transparent;}"
               "QHeaderView::section{background: rgb(32,32,38); color: rgb(200,200,206); border: none;"
               " border-bottom: 2px solid %8; padding: 0px %2px;}"
               "QHeaderView::section:vertical{border-bottom: none; border-right: 1px solid rgb(50,50,58); padding: 0px;}"
               "QTreeWidget::branch{background: transparent;}"
               "QLineEdit{background: rgb(22,22,26); color: white; border: 1px solid rgb(78,78,86);"
               " border-radius: %1px; padding: 0px %2px; selection-background-color: %8;}"
               "QLineEdit:focus{border: 1px solid %8;}"
               "QLineEdit:disabled{color: rgb(110,110,118); border-color: rgb(52,52,58);}"
               "QCheckBox{color: rgb(225,225,225); background: transparent; spacing: %2px;}"
               "QCheckBox:disabled{color: rgb(110,110,118);}"
               "QCheckBox::indicator{width: %5px; height: %5px;}"
               "QCheckBox::indicator:unchecked{image: url(%6);}"
               "QCheckBox::indicator:checked{image: url(%7);}"
               "QLabel{color: rgb(225,225,225); background: transparent;}"
               "QScrollBar:vertical{background: rgb(20,20,24); width: %9px; margin: 0px;}"
               "QScrollBar::handle:vertical{background: rgb(70,70,80); min-height: %10px; border-radius: %11px;}"
               "QScrollBar::handle:vertical:hover{background: %8;}"
               "QScrollBar::add-line, QScrollBar::sub-line{height: 0px; width: 0px;}"
               "QScrollBar::add-page, QScrollBar::sub-page{background: transparent;}")
        .arg(scaled(3))
        .arg(scaled(4))
        .arg(scaled(20))
        .arg(rgba(accent, 150))
        .arg(scaled(14))
        .arg(skinPath("checkbox1-1.png"), skinPath("checkbox1-2.png"), rgb(accent))
        .arg(scaled(8))
        .arg(scaled(20))
        .arg(scaled(3));
}

QString macroPageFontSheet()
{
    // Fonts set on widgets under a style sheet give way to the parent's when the
    // window changes its font, so the page states its sizes here.
    const QString family = languageFontFamily();
    return QStringLiteral("QWidget{%1font-size: %2px;}"
                          "QListWidget{font-size: %3px;}"
                          "QLabel#macroNameTitle, QLabel#macroTitle{font-size: %4px; font-weight: bold;}")
        .arg(family.isEmpty() ? QString() : QStringLiteral("font-family: \"%1\"; ").arg(family))
        .arg(scaled(MACRO_TEXT_PX))
        .arg(scaled(MACRO_TEXT_PX + 1))
        .arg(scaled(MACRO_TITLE_PX));
}

QString dialogButtonStyleSheet()
{
    const QColor c = themeColor();
    return QStringLiteral("QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);"
                          " border-radius: 3px;  border: 1px rgb(%1, %2, %3); border-style: outset;}"
                          "QToolButton:hover{background: rgba(%1, %2, %3, 90);}")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue());
}

QString wrapToWidth(const QString &text, const QFont &font, int width)
{
    const QFontMetrics metrics(font);
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList lines;
    QString line;
    for (const QString &word : words) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines.isEmpty() ? text : lines.join(QLatin1Char('\n'));
}
