#pragma once
// Exit status of mousectl. Device failures pass the device result code through
// unchanged (1 no mouse, 2 verification failed, 4 write failed); the rest
// follow the BSD sysexits convention.
enum ExitCode : int {
    ExitOk = 0,
    ExitNoDevice = 1,
    ExitVerifyFailed = 2,
    ExitWriteFailed = 4,
    ExitUsage = 64,      // EX_USAGE: unknown command or option, bad argument
    ExitDataError = 65,  // EX_DATAERR: an export file made for another mouse
    ExitIoError = 74,    // EX_IOERR: a file could not be read or written
    ExitNoAccess = 77,   // EX_NOPERM: the mouse is attached, but this user may not open its node
};
