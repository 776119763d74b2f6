// Linked into crash tests: counts the calls that change files (writes to
// files, renames, syncs) and kills the process with SIGKILL right after the
// armed one, so a test can stop a save after each of its steps in turn.
#include <dlfcn.h>
#include <signal.h>
#include <stdio.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {
long g_calls;
long g_killAt; // 0: count only

void step()
{
    if (++g_calls == g_killAt)
        kill(getpid(), SIGKILL);
}
} // namespace

extern "C" {

long killpoint_calls()
{
    return g_calls;
}

void killpoint_arm(long killAt)
{
    g_calls = 0;
    g_killAt = killAt;
}

#define NEXT(name) \
    static auto *next = reinterpret_cast<decltype(&name)>(dlsym(RTLD_NEXT, #name))

// Standard output and error are no file steps.
#define FILE_STEP(fd) \
    if ((fd) > 2) \
    step()

ssize_t write(int fd, const void *buffer, size_t size)
{
    NEXT(write);
    const ssize_t written = next(fd, buffer, size);
    FILE_STEP(fd);
    return written;
}

ssize_t pwrite64(int fd, const void *buffer, size_t size, off64_t offset)
{
    NEXT(pwrite64);
    const ssize_t written = next(fd, buffer, size, offset);
    FILE_STEP(fd);
    return written;
}

ssize_t writev(int fd, const struct iovec *parts, int count)
{
    NEXT(writev);
    const ssize_t written = next(fd, parts, count);
    FILE_STEP(fd);
    return written;
}

int rename(const char *from, const char *to)
{
    NEXT(rename);
    const int result = next(from, to);
    step();
    return result;
}

int renameat(int fromDir, const char *from, int toDir, const char *to)
{
    NEXT(renameat);
    const int result = next(fromDir, from, toDir, to);
    step();
    return result;
}

int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned flags)
{
    NEXT(renameat2);
    const int result = next(fromDir, from, toDir, to, flags);
    step();
    return result;
}

int fsync(int fd)
{
    NEXT(fsync);
    const int result = next(fd);
    step();
    return result;
}

int fdatasync(int fd)
{
    NEXT(fdatasync);
    const int result = next(fd);
    step();
    return result;
}

} // extern "C"
