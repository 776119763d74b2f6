// Draws the skin: skingen <skin folder>, or skingen --loading-gif <file>.
#include "Backgrounds.h"
#include "Buttons.h"
#include "Icons.h"
#include "LoadingAnimation.h"
#include "MousePictures.h"
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

// The demo model whose pictures ship with the skin.
const char *const kDemoModel = "TREVIK";

int fail(const QString &what)
{
    QTextStream(stderr) << "skingen: " << what << "\n";
    return 1;
}

int writeLoadingGif(const QString &path)
{
    QFile f(path);
    const QByteArray gif = skin::loadingGif();
    if (!f.open(QIODevice::WriteOnly) || f.write(gif) != gif.size() || !f.flush())
        return fail("cannot write " + path);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args.at(0) == "--loading-gif")
        return writeLoadingGif(args.at(1));
    if (args.size() != 1 || args.at(0).startsWith("-"))
        return fail("usage: skingen <skin folder> | skingen --loading-gif <file>");

    skin::SkinOutput out(args.at(0));
    skin::drawBackgrounds(out);
    skin::drawButtons(out);
    skin::drawIcons(out);
    skin::drawMousePictures(out, kDemoModel);
    out.putBytes("loading.gif", skin::loadingGif());
    for (const QString &f : out.failures())
        fail("cannot write " + f);
    if (!out.failures().isEmpty())
        return 1;
    QTextStream(stdout) << "skingen: " << out.written() << " images in " << args.at(0) << "\n";
    return 0;
}
