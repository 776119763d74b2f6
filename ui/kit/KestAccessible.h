#pragma once
// What the kit's drawn widgets tell a screen reader: a KestPushButton keeps
// its checked state itself, so the stock button interface would report it
// wrong; a KestLabel paints its own text.
class QAccessibleInterface;
class QObject;
class QString;

QAccessibleInterface *kitAccessibleFactory(const QString &className, QObject *object);
