#pragma once
// Screen-reader names of the controls that show no text of their own (image
// buttons, sliders, fields, icons): one table of object names and source
// texts, read when a widget is first shown and again whenever the language
// changes. The kit's own widgets get interfaces that report their state.
#include <QString>

class QWidget;

// Installs the application-wide namer and the kit's interfaces; once per
// application, later calls do nothing.
void installAccessibleNames();

// The translated name the table gives this widget; empty when it has none.
// "%1" in a text is the number (counted from 1) that ends the object name of
// the widget or its nearest numbered ancestor ("dpiStage2" -> 3).
QString accessibleNameFor(const QWidget *widget);
