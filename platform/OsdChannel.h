#pragma once
// The on-screen notice channel between the utility and the OSD helper program.
//
// The helper listens on a per-user local socket named after its window title;
// the utility sends it one fixed 1044-byte little-endian block per notice and
// the helper answers one byte once it has shown the text:
//
//   offset  size  content
//        0   512  text, UTF-16LE, NUL-terminated (at most 255 characters)
//      512     4  flags, 0
//      516     4  display time in milliseconds, 1500
//      520     4  reserved, 0
//      524     4  colour, red | green << 8 | blue << 16
//      528     4  font pixel size, 60
//      532   512  font family, UTF-16LE, NUL-terminated ("Arial")
#include <QByteArray>
#include <QColor>
#include <QString>
#include <functional>

extern const char OSD_WINDOW_TITLE[]; // "QARV Wireless Mouse OSD"

constexpr int OSD_BLOCK_SIZE = 1044;
constexpr int OSD_TEXT_OFFSET = 0;
constexpr int OSD_FLAGS_OFFSET = 512;
constexpr int OSD_DURATION_OFFSET = 516;
constexpr int OSD_RESERVED_OFFSET = 520;
constexpr int OSD_COLOR_OFFSET = 524;
constexpr int OSD_FONT_SIZE_OFFSET = 528;
constexpr int OSD_FONT_OFFSET = 532;
constexpr int OSD_STRING_BYTES = 512;
constexpr int OSD_TEXT_MAX_CHARS = 255; // one UTF-16 unit is left for the NUL

// How many times a missing helper is started, and how long each start may take
// to open its socket.
constexpr int OSD_START_ATTEMPTS = 5;
constexpr int OSD_START_WAIT_MS = 500;

struct OsdMessage {
    QString text;
    quint32 flags = 0;
    quint32 durationMs = 1500;
    quint32 reserved = 0;
    QColor color;
    quint32 fontPixelSize = 60;
    QString fontFamily = QStringLiteral("Arial");
};

// The notice the window sends: the text in the theme colour, every other field
// at its fixed value.
OsdMessage osdNotice(const QString &text, const QColor &color);

// Texts and family names longer than 255 UTF-16 units are cut (never inside a
// surrogate pair).
QByteArray encodeOsdBlock(const OsdMessage &message);
// False when the block is not exactly OSD_BLOCK_SIZE bytes. Strings end at
// their first NUL or at the end of their field, whichever comes first.
bool decodeOsdBlock(const QByteArray &block, OsdMessage &message);

// COLORREF order: red in the low byte.
quint32 osdColorValue(const QColor &color);
QColor osdColorFromValue(quint32 value);

// The helper's socket: OSD_WINDOW_TITLE + "-" + user id, inside the user's
// private runtime folder (its lock file beside it). Empty without one: then
// there is no helper to reach and none is started.
QString osdServerName();

// Starts the helper program detached, without arguments; pid receives its
// process id. False when the program could not be started.
using OsdStarter = std::function<bool(const QString &program, qint64 *pid)>;
bool startOsdProgram(const QString &program, qint64 *pid);
// Tests replace the starter; an empty one restores startOsdProgram.
void setOsdStarter(OsdStarter starter);

enum class OsdDelivery {
    Delivered,       // the helper acknowledged the block
    NotAcknowledged, // connected, but the block was not written or not answered
    NoHelper,        // no helper listening, and none could be started
};

// Sends one block to the helper, starting program first when no helper
// listens: up to OSD_START_ATTEMPTS starts, each followed by up to
// OSD_START_WAIT_MS for the socket to appear. A program that cannot be
// started at all, or whose process ends without opening the socket, is not
// waited for. Blocks the calling thread meanwhile (a helper that takes the
// block but never answers holds it up to 3 s).
OsdDelivery deliverOsdBlockNow(const QByteArray &block, const QString &program);

// How many notices wait for the notice thread at most; a newer notice pushes
// out the oldest waiting one, whose text it would replace on screen anyway.
constexpr int OSD_QUEUE_LIMIT = 4;

// What the window calls: hands the block to the notice thread, which delivers
// it as deliverOsdBlockNow does, and returns at once. Failures go to the
// debug log only.
void deliverOsdBlock(const QByteArray &block, const QString &program);
// True once no notice waits or is being delivered; false when that did not
// happen within timeoutMs.
bool waitForOsdNotices(int timeoutMs);
