#pragma once
// Ends the event loop cleanly on SIGTERM, SIGINT and SIGHUP: the handler only
// writes one byte to a pipe, and the loop quits when it reads it, so every
// destructor runs (the helper's socket file is removed on the way out).
bool quitOnTerminationSignals();
