#pragma once
// --trace: every report written to the mouse and read from it, as it happens.
#include <QByteArray>
#include <cstddef>

// "> " or "< " followed by the bytes as two-digit lowercase hexadecimal, one space apart.
QByteArray reportTraceLine(char direction, const unsigned char *data, size_t length);
// Prints each line on standard output from now on.
void startReportTrace();
void stopReportTrace();
