#pragma once
#include <QByteArray>

namespace skin {
// The busy spinner as an animated GIF, drawn on the busy dialog's flat well so
// that it needs no transparency.
QByteArray loadingGif();
constexpr int kLoadingSize = 72;
constexpr int kLoadingFrames = 12;
} // namespace skin
