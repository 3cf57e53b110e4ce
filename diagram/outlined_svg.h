// The diagrams as SVG that every renderer draws as the program does: the
// text goes in as filled outlines of the glyphs the program itself uses,
// so no renderer picks other fonts or sets the text apart; the strings
// themselves stand in the file's description, for searching.
#pragma once

class QIODevice;
class QSize;
class QString;

namespace tavrel
{

struct Figure;

// Writes the figure, `size` CSS pixels large and titled `title`, into
// `file` as SVG. Says whether the whole drawing was written.
bool writeOutlinedSvg(QIODevice &file, const Figure &figure, const QSize &size, const QString &title);

} // namespace tavrel
