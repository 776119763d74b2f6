#pragma once
// Whole-file reads for the small files every part of the program asks for
// again and again (Config.ini, the device description, macros). A file whose
// last change lies well before it was read is kept in memory; a later read
// that finds the same stamp takes the kept bytes without opening the file.
// Any write, rename, chmod or replace by any process changes the change time,
// and one that lands in the clock tick of a read cannot be missed: files
// changed that recently are never kept.
#include <QByteArray>
#include <QString>
#include <sys/types.h>

// A file's identity and change times, as one stat gives them.
struct FileStamp {
    dev_t dev = 0;
    ino_t ino = 0;
    mode_t mode = 0;
    off_t size = -1;
    qint64 mtime = 0;
    qint64 ctime = 0;

    // False when nothing is at path. A link is followed unless followLinks is false.
    static bool of(const QString &path, FileStamp &stamp, bool followLinks = true);
    bool operator==(const FileStamp &o) const;
    bool operator!=(const FileStamp &o) const { return !(*this == o); }
    // True when the file last changed well before `since` (a fileClock()
    // reading taken before the file was looked at): any later change gives
    // it another stamp.
    bool settledBefore(qint64 since) const;
};

// The clock file times are taken from, in nanoseconds.
qint64 fileClock();

enum class FileRead { Read, Unreadable, TooLarge };

// Reads the plain file at path (links followed) when it holds at most maxBytes.
// Unreadable covers missing files, folders, devices and pipes (never opened
// for reading, so never waited on). `size` gets the file's size when known.
FileRead readFileBytes(const QString &path, qint64 maxBytes, QByteArray &bytes, qint64 *size = nullptr);
