#pragma once
// Every window here paints with the raster engine, yet Qt would load the whole
// OpenGL stack (Mesa, often LLVM: half the memory of an idle window) for each
// top-level widget: xcb for the GL-capable surface widgets ask for, Wayland for
// client-side decorations. Call before the QApplication exists.
#include <QCoreApplication>

inline void useRasterOnlyWindows()
{
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets, true);
    // All windows draw their own frame; a value set by the user still wins.
    if (!qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION"))
        qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
}
