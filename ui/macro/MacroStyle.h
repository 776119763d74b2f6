#pragma once
// The look of the macro page and its dialogs: dark fields and lists with the
// theme colour as accent, captioned skin buttons. Sizes are unscaled pixels;
// the helpers apply the UI scale.
#include <QString>
#include <QStringList>

class KestPushButton;
class QFont;
class QWidget;

constexpr int MACRO_TEXT_PX = 11;    // buttons, rows and captions
constexpr int MACRO_TITLE_PX = 14;   // panel titles
constexpr int MACRO_DIALOG_CAPTION_PX = 20;

// A captioned skin button of the page.
KestPushButton *makeMacroButton(QWidget *parent, const char *objectName, int width, int height = 24);
QStringList captionButtonImages();

// Lists, tables, trees, fields, check boxes and scroll bars.
QString macroPageStyleSheet();
// Font family and sizes of the page's widgets.
QString macroPageFontSheet();
// The Yes/No buttons of the dialogs (the message box's look).
QString dialogButtonStyleSheet();
// Breaks text at spaces so that each line fits width pixels in font; a
// single word wider than that stays whole.
QString wrapToWidth(const QString &text, const QFont &font, int width);
