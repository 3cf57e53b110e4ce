// A file the user named, written whole or not at all: the figure as PNG or
// SVG, the calculation sheet as PDF.
#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace tavrel
{

// Writes a file the user named. `produce` writes the whole content into a
// buffer in memory and says whether it could; the buffer is then written
// under a temporary name beside `path`, every byte checked, synced to the
// disk, and only then renamed into place. Any shortfall (a full disk, a
// folder that cannot be written) leaves an existing file as it was and no
// temporary file behind. Returns an empty text on success, else a Japanese
// message naming what (画像, 計算書), the path and the reason, the system's
// own included.
QString saveWhole(const QString &path, const QString &what, const std::function<bool(QIODevice &)> &produce);

} // namespace tavrel
