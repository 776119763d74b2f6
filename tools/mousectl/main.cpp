// mousectl: the mouse's settings from the command line, through the same
// device and storage code as the window.
#include "tools/mousectl/CommandLine.h"
#include "tools/mousectl/Console.h"
#include "tools/mousectl/ExitCodes.h"
#include "tools/mousectl/Session.h"
#include <QCoreApplication>
#include <QLoggingCategory>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The libraries' debug log would interleave with the results; QT_LOGGING_RULES
    // still turns it back on.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
    const ParsedCommandLine parsed = parseCommandLine(app.arguments().mid(1));
    if (parsed.options.help) {
        std::fputs(usageText().toUtf8().constData(), stdout);
        return ExitOk;
    }
    if (parsed.options.version) {
        std::printf("mousectl %s\n", MOUSECFG_VERSION);
        return ExitOk;
    }
    if (!parsed.error.isEmpty()) {
        printError(parsed.error);
        return ExitUsage;
    }
    const int result = runSession(parsed.options);
    std::fflush(stdout);
    return result;
}
