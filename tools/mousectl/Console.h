#pragma once
// mousectl's two output channels. Results and the report trace share standard
// output through one stream so that their lines stay in order; each error is
// one line on standard error.
#include <QByteArray>
#include <QJsonDocument>
#include <QString>

void printLine(const QString &line);
void printRawLine(const QByteArray &line);
// --json: the whole document on one line.
void printJson(const QJsonDocument &document);
// "mousectl: " + message
void printError(const QString &message);
// What a device result code (1, 2, 4) means, for error lines.
QString deviceResultText(int result);
