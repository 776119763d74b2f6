// Stands in for the firmware updater at the path the utility starts: this
// installation has no updater for the model, so it says so and exits with 1.
// The utility passes the program's own path as the only argument.
#include "helpers/updater/UpdaterNotice.h"
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include <QApplication>
#include <QFileInfo>
#include <QTranslator>
#include <cstdio>
#include <memory>

namespace {
void loadTranslation(QTranslator &translator)
{
    FontList languages;
    readFontList(languages);
    const QString file = languages.files[langId()];
    if (!file.isEmpty() && translator.load(appDir() + QStringLiteral("/lang/") + file + QStringLiteral(".qm")))
        QCoreApplication::installTranslator(&translator);
}
}

int main(int argc, char **argv)
{
    const bool windows = canShowWindows();
    std::unique_ptr<QCoreApplication> app(windows ? new QApplication(argc, argv) : new QCoreApplication(argc, argv));
    setAppDir(appDirOfUpdater(QCoreApplication::applicationDirPath()));
    QTranslator translator;
    loadTranslation(translator);

    if (windows)
        showUpdaterNotice();
    else
        std::fprintf(stderr, "%s: %s\n", qPrintable(updaterNoticeTitle()), qPrintable(updaterNoticeText()));
    return 1;
}
