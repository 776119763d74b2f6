#include "platform/OsdChannel.h"
#include "platform/RuntimeFolder.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QList>
#include <QLocalSocket>
#include <QMutex>
#include <QProcess>
#include <QThread>
#include <QWaitCondition>
#include <QtEndian>
#include <atomic>
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
// Set while the notice thread is being stopped: its waits end early.
std::atomic<bool> g_cancel{false};

// Waits in steps of at most kPollMs until done(), the limit, or a stop; step
// waits for the given time and returns false when waiting cannot help.
template <typename Done, typename Step>
bool waitFor(int limitMs, Done done, Step step)
{
    const QDeadlineTimer deadline(limitMs);
    while (!done()) {
        if (deadline.hasExpired() || g_cancel.load() || !step(int(qBound<qint64>(1, deadline.remainingTime(), kPollMs))))
            return done();
    }
    return true;
}

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

bool connectToHelper(QLocalSocket &socket, const QString &name)
{
    socket.connectToServer(name);
    if (socket.waitForConnected(kConnectTimeoutMs))
        return true;
    socket.abort();
    return false;
}

OsdDelivery sendBlock(QLocalSocket &socket, const QByteArray &block)
{
    const auto connected = [&socket] { return socket.state() == QLocalSocket::ConnectedState; };
    const bool written = socket.write(block) == block.size()
                         && waitFor(
                             kWriteTimeoutMs, [&socket] { return socket.bytesToWrite() == 0; },
                             [&](int ms) { return socket.waitForBytesWritten(ms) || connected(); });
    const bool answered = written
                          && waitFor(
                              kAnswerTimeoutMs, [&socket] { return socket.bytesAvailable() >= 1; },
                              [&](int ms) { return socket.waitForReadyRead(ms) || connected(); })
                          && socket.read(1) == QByteArray(1, '\1');
    socket.abort();
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
    // Nobody else can take the name first or listen in on it there.
    const QString folder = privateRuntimeFolder();
    if (folder.isEmpty())
        return QString();
    return QDir(folder).filePath(QStringLiteral("%1-%2").arg(QLatin1String(OSD_WINDOW_TITLE)).arg(::getuid()));
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

OsdDelivery deliverOsdBlockNow(const QByteArray &block, const QString &program)
{
    const QString name = osdServerName();
    if (name.isEmpty())
        return OsdDelivery::NoHelper; // the runtime folder's warning says why
    QLocalSocket socket;
    if (connectToHelper(socket, name))
        return sendBlock(socket, block);

    const OsdStarter start = currentStarter();
    for (int attempt = 0; attempt < OSD_START_ATTEMPTS && !g_cancel.load(); ++attempt) {
        qint64 pid = 0;
        if (!start(program, &pid)) {
            // Trying again cannot help a program that is missing or not executable.
            qDebug().noquote() << "Could not start the OSD helper" << program;
            return OsdDelivery::NoHelper;
        }
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < OSD_START_WAIT_MS && !g_cancel.load()) {
            if (connectToHelper(socket, name))
                return sendBlock(socket, block);
            if (!processAlive(pid))
                break; // it ended without listening; the next attempt starts at once
            QThread::msleep(kPollMs);
        }
    }
    qDebug().noquote() << "The OSD helper did not open" << name;
    return OsdDelivery::NoHelper;
}

namespace {

struct Notice {
    QByteArray block;
    QString program;
};

// Delivers the window's notices one after another, so that a helper that is
// slow to start or never answers holds this thread, not the window.
class NoticeThread : public QThread
{
public:
    void post(Notice notice)
    {
        QMutexLocker lock(&m_mutex);
        if (m_waiting.size() >= OSD_QUEUE_LIMIT) {
            m_waiting.removeFirst();
            qDebug("An on-screen notice was dropped: the OSD helper is slow");
        }
        m_waiting.append(std::move(notice));
        m_changed.wakeAll();
    }

    bool waitIdle(int timeoutMs)
    {
        const QDeadlineTimer deadline(timeoutMs);
        QMutexLocker lock(&m_mutex);
        while (!m_waiting.isEmpty() || m_busy) {
            if (!m_idle.wait(&m_mutex, deadline))
                return m_waiting.isEmpty() && !m_busy;
        }
        return true;
    }

    // Drops what waits and ends the delivery under way early.
    void stop()
    {
        {
            QMutexLocker lock(&m_mutex);
            m_stopping = true;
            m_waiting.clear();
            m_changed.wakeAll();
        }
        g_cancel = true;
        wait();
        g_cancel = false;
    }

protected:
    void run() override
    {
        for (;;) {
            Notice notice;
            {
                QMutexLocker lock(&m_mutex);
                m_busy = false;
                m_idle.wakeAll();
                while (m_waiting.isEmpty() && !m_stopping)
                    m_changed.wait(&m_mutex);
                if (m_stopping)
                    return;
                notice = m_waiting.takeFirst();
                m_busy = true;
            }
            deliverOsdBlockNow(notice.block, notice.program);
        }
    }

private:
    QMutex m_mutex;
    QWaitCondition m_changed;
    QWaitCondition m_idle;
    QList<Notice> m_waiting;
    bool m_busy = false;
    bool m_stopping = false;
};

QMutex g_threadMutex;
NoticeThread *g_thread = nullptr;

// Runs when the application object goes, while Qt still works.
void stopNoticeThread()
{
    NoticeThread *thread = nullptr;
    {
        QMutexLocker lock(&g_threadMutex);
        std::swap(thread, g_thread);
    }
    if (!thread)
        return;
    thread->stop();
    delete thread;
}

NoticeThread &noticeThread()
{
    QMutexLocker lock(&g_threadMutex);
    if (!g_thread) {
        g_thread = new NoticeThread;
        g_thread->start();
        qAddPostRoutine(stopNoticeThread);
    }
    return *g_thread;
}

} // namespace

void deliverOsdBlock(const QByteArray &block, const QString &program)
{
    noticeThread().post({block, program});
}

bool waitForOsdNotices(int timeoutMs)
{
    return noticeThread().waitIdle(timeoutMs);
}
