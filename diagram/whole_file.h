// A file the user named, written whole or not at all: the figure as PNG or
// SVG, the calculation sheet as PDF.
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QIODevice;

namespace tavrel
{

// What every save reports: nothing when the file was written whole, else
// the Japanese message for the user, naming the path and the reason.
using SaveFailure = std::optional<QString>;

// Writes a file the user named. `produce` writes the whole content into a
// buffer in memory and says whether it could; the buffer is then written
// under a temporary name beside `path`, every byte checked, synced to the
// disk, and only then renamed into place. Any shortfall (a full disk, a
// folder that cannot be written) leaves an existing file as it was and no
// temporary file behind. The failure names what (画像, 計算書), the path
// and the reason, the system's own included.
SaveFailure saveWhole(const QString &path, const QString &what,
                      const std::function<bool(QIODevice &)> &produce);

} // namespace tavrel
