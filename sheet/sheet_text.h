// Where the sheet's texts break into lines: where a line may break (at
// blanks, between Japanese characters), never inside a number; and the
// one spelling of katakana on the page.
#pragma once

#include <QStringList>

#include <functional>

namespace tavrel
{

// The lines of `text` at most `width` wide as `advance` measures them. A
// line breaks only where the Unicode rules allow it and never inside a word
// of ASCII letters, digits, points and signs (1.6666666666666666e38, which
// those rules would break after "1."); a word wider than `width` takes a
// line of its own, whole. A line break in the text starts a new line.
QStringList wrappedLines(const QString &text, double width,
                         const std::function<double(const QString &)> &advance);

// `text` with its half-width katakana (ﾛｰﾗ, ｾﾝ) in full width (ローラ, セン), voiced
// marks joined to their letters (ﾍﾞｱﾘﾝｸﾞ: ベアリング); everything else as it is.
QString fullWidthKana(const QString &text);

} // namespace tavrel
