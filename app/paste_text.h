// What a paste puts into a number box, and how to tell full-width
// characters. No Qt: texts are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrel
{

// A pasted text as a number box takes it, so that the box shows exactly
// what will be read: blanks, tabs, line breaks and ideographic spaces
// around it removed (a spreadsheet cell comes with a line break), and the
// full-width digits, point, signs and e or E turned into their ASCII forms.
// Empty when the text holds several cells: a tab or line break inside it.
std::optional<std::string> pastedNumberText(std::string_view text);

// True when the text holds a full-width character: an ideographic space or
// a full-width form of an ASCII character or sign.
bool hasFullWidth(std::string_view text);

} // namespace tavrel
