#pragma once
// Whole-file reads for the small files every part of the program asks for
// again and again (Config.ini, the device description, macros). A file whose
// last change lies well before it was read is kept in memory; a later read
// that finds the same device, inode, size and change times takes the kept
// bytes without opening the file. Any write, rename, chmod or replace by any
// process changes the change time, and one that lands in the clock tick of a
// read cannot be missed: files changed that recently are never kept.
#include <QByteArray>
#include <QString>

enum class FileRead { Read, Unreadable, TooLarge };

// Reads the plain file at path (links followed) when it holds at most maxBytes.
// Unreadable covers missing files, folders, devices and pipes (never opened
// for reading, so never waited on). `size` gets the file's size when known.
FileRead readFileBytes(const QString &path, qint64 maxBytes, QByteArray &bytes, qint64 *size = nullptr);
