#include "platform/OsdChannel.h"
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>
#include <QtEndian>
#include <cerrno>
#include <mutex>
#include <signal.h>
#include <unistd.h>

const char OSD_WINDOW_TITLE[] = "QARV Wireless Mouse OSD";

namespace {

constexpr int kConnectTimeoutMs = 200;
constexpr int kWriteTimeoutMs = 1000;
// The helper answers once the text is on screen; a helper stuck for longer
// than this is treated like a failed send.
constexpr int kAnswerTimeoutMs = 2000;
constexpr int kPollMs = 20;

std::mutex g_starterMutex;
OsdStarter g_starter;

void putString(QByteArray &block, int offset, const QString &text)
{
    QString cut = text.left(OSD_TEXT_MAX_CHARS);
    if (!cut.isEmpty() && cut.size() < text.size() && cut.at(cut.size() - 1).isHighSurrogate())
        cut.chop(1);
    char *out = block.data() + offset;
    for (int i = 0; i < cut.size(); ++i)
        qToLittleEndian<quint16>(cut.at(i).unicode(), out + 2 * i);
    // The rest of the field stays zero, so the terminating NUL is always there.
}

QString getString(const QByteArray &block, int offset)
{
    const char *in = block.constData() + offset;
    QString text;
    for (int i = 0; i < OSD_STRING_BYTES / 2; ++i) {
        const quint16 unit = qFromLittleEndian<quint16>(in + 2 * i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

void putValue(QByteArray &block, int offset, quint32 value)
{
    qToLittleEndian<quint32>(value, block.data() + offset);
}

quint32 getValue(const QByteArray &block, int offset)
{
    return qFromLittleEndian<quint32>(block.constData() + offset);
}

bool processAlive(qint64 pid)
{
    if (pid <= 0)
        return true; // unknown: give it the whole wait
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

bool connectToHelper(QLocalSocket &socket)
{
    socket.connectToServer(osdServerName());
    if (socket.waitForConnected(kConnectTimeoutMs))
        return true;
    socket.abort();
    return false;
}

OsdDelivery sendBlock(QLocalSocket &socket, const QByteArray &block)
{
    const bool written = socket.write(block) == block.size() && socket.waitForBytesWritten(kWriteTimeoutMs);
    bool answered = false;
    if (written) {
        while (socket.bytesAvailable() < 1 && socket.waitForReadyRead(kAnswerTimeoutMs)) {
        }
        answered = socket.bytesAvailable() >= 1 && socket.read(1) == QByteArray(1, '\1');
    }
    socket.disconnectFromServer();
    if (answered)
        return OsdDelivery::Delivered;
    qDebug("SendMessage failed\n");
    return OsdDelivery::NotAcknowledged;
}

OsdStarter currentStarter()
{
    std::lock_guard<std::mutex> lock(g_starterMutex);
    return g_starter ? g_starter : OsdStarter(startOsdProgram);
}

} // namespace

OsdMessage osdNotice(const QString &text, const QColor &color)
{
    OsdMessage message;
    message.text = text;
    message.color = color;
    return message;
}

quint32 osdColorValue(const QColor &color)
{
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}

QColor osdColorFromValue(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QByteArray encodeOsdBlock(const OsdMessage &message)
{
    QByteArray block(OSD_BLOCK_SIZE, '\0');
    putString(block, OSD_TEXT_OFFSET, message.text);
    putValue(block, OSD_FLAGS_OFFSET, message.flags);
    putValue(block, OSD_DURATION_OFFSET, message.durationMs);
    putValue(block, OSD_RESERVED_OFFSET, message.reserved);
    putValue(block, OSD_COLOR_OFFSET, osdColorValue(message.color));
    putValue(block, OSD_FONT_SIZE_OFFSET, message.fontPixelSize);
    putString(block, OSD_FONT_OFFSET, message.fontFamily);
    return block;
}

bool decodeOsdBlock(const QByteArray &block, OsdMessage &message)
{
    if (block.size() != OSD_BLOCK_SIZE)
        return false;
    message.text = getString(block, OSD_TEXT_OFFSET);
    message.flags = getValue(block, OSD_FLAGS_OFFSET);
    message.durationMs = getValue(block, OSD_DURATION_OFFSET);
    message.reserved = getValue(block, OSD_RESERVED_OFFSET);
    message.color = osdColorFromValue(getValue(block, OSD_COLOR_OFFSET));
    message.fontPixelSize = getValue(block, OSD_FONT_SIZE_OFFSET);
    message.fontFamily = getString(block, OSD_FONT_OFFSET);
    return true;
}

QString osdServerName()
{
    const QString name = QStringLiteral("%1-%2").arg(QLatin1String(OSD_WINDOW_TITLE)).arg(::getuid());
    // The runtime folder is private to the user, so no one else can take the
    // name first or listen in; without one the socket goes to the temp folder.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QFileInfo folder(runtime);
    if (!runtime.isEmpty() && folder.isDir() && folder.ownerId() == ::getuid())
        return QDir(runtime).filePath(name);
    return name;
}

bool startOsdProgram(const QString &program, qint64 *pid)
{
    return QProcess::startDetached(program, QStringList(), QString(), pid);
}

void setOsdStarter(OsdStarter starter)
{
    std::lock_guard<std::mutex> lock(g_starterMutex);
    g_starter = std::move(starter);
}

OsdDelivery deliverOsdBlock(const QByteArray &block, const QString &program)
{
    QLocalSocket socket;
    if (connectToHelper(socket))
        return sendBlock(socket, block);

    const OsdStarter start = currentStarter();
    for (int attempt = 0; attempt < OSD_START_ATTEMPTS; ++attempt) {
        qint64 pid = 0;
        if (!start(program, &pid)) {
            // Trying again cannot help a program that is missing or not executable.
            qDebug().noquote() << "Could not start the OSD helper" << program;
            return OsdDelivery::NoHelper;
        }
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < OSD_START_WAIT_MS) {
            if (connectToHelper(socket))
                return sendBlock(socket, block);
            if (!processAlive(pid))
                break; // it ended without listening; the next attempt starts at once
            QThread::msleep(kPollMs);
        }
    }
    qDebug().noquote() << "The OSD helper did not open" << osdServerName();
    return OsdDelivery::NoHelper;
}
