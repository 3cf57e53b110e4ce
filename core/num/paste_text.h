// What a paste puts into a number box, the blanks a copied value loses, and
// how to tell full-width characters. No Qt: texts are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrel
{

// True for a blank: every Unicode white space (blanks of every width, tabs,
// line and paragraph breaks, the no-break and ideographic spaces) and the
// invisible zero-width space and byte-order mark.
bool isBlank(char32_t c);

// The text without the blanks around it: the one rule for what a paste and
// a copy leave out.
std::string_view trimmedCell(std::string_view text);

// A pasted text as a number box takes it, so that the box shows exactly
// what will be read: the blanks around it removed (a spreadsheet cell comes
// with a line break), its full-width digits, point, signs and e or E turned
// into their ASCII forms, and a minus sign (−) or a long-vowel mark (ー)
// before a digit, as Japanese documents write a minus, into '-'. Empty when
// the text holds several cells: a tab or a line or paragraph break inside
// it.
std::optional<std::string> pastedNumberText(std::string_view text);

// True when the text holds a full-width character: an ideographic space or
// a full-width form of an ASCII character or sign.
bool hasFullWidth(std::string_view text);

} // namespace tavrel
