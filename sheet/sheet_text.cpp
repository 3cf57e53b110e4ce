#include "sheet/sheet_text.h"

#include <QTextBoundaryFinder>

namespace tavrel
{

namespace
{

// A character of a number or a symbol: ASCII letters and digits, points,
// signs, and the superscript digits and minus of exponents.
bool inWord(QChar c)
{
    static const QString marks = QStringLiteral(".+-⁰¹²³⁴⁵⁶⁷⁸⁹⁻");
    return (c.unicode() < 128 && c.isLetterOrNumber()) || marks.contains(c);
}

// The lines of one paragraph.
QStringList wrappedParagraph(const QString &text, double width,
                             const std::function<double(const QString &)> &advance)
{
    QStringList lines;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    qsizetype start = 0, fitted = 0;
    const auto piece = [&](qsizetype end) { return text.mid(start, end - start).trimmed(); };
    for (qsizetype at = breaks.toNextBoundary(); at > 0; at = breaks.toNextBoundary()) {
        // A percentage keeps its sign: 「余裕 320 %」 never ends a line at 320.
        if (at < text.size() && ((inWord(text[at - 1]) && inWord(text[at])) || text[at] == QLatin1Char('%')))
            continue;
        if (fitted > start && advance(piece(at)) > width) {
            lines << piece(fitted);
            start = fitted;
        }
        fitted = at;
    }
    if (start < text.size() || lines.isEmpty())
        lines << piece(text.size());
    return lines;
}

} // namespace

QString fullWidthKana(const QString &text)
{
    // The half-width forms from the middle dot to the semi-voiced mark;
    // compatibility normalisation maps each run to its full-width letters
    // and composes a letter with the voiced mark that follows it.
    const auto halfWidth = [](QChar c) { return c.unicode() >= 0xFF65 && c.unicode() <= 0xFF9F; };
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype end = i;
        while (end < text.size() && halfWidth(text[end]))
            ++end;
        if (end == i) {
            out += text[i++];
            continue;
        }
        out += text.mid(i, end - i).normalized(QString::NormalizationForm_KC);
        i = end;
    }
    return out;
}

QStringList wrappedLines(const QString &text, double width,
                         const std::function<double(const QString &)> &advance)
{
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n')))
        lines << wrappedParagraph(paragraph, width, advance);
    return lines;
}

} // namespace tavrel
