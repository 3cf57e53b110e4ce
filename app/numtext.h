// Reading a number from an edit box and showing a number in a field.
//
// These are the only places where text and numbers meet, so every tab reads
// and shows numbers the same way. No Qt here: the rules build and run
// without any window, and they never depend on the process locale.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tavrel
{

// Raised when a text does not read as a number. Carries the text as typed;
// the message is Japanese and quotes the text (shortened when very long).
class EConvertError : public std::runtime_error
{
public:
    explicit EConvertError(std::string text);
    const std::string &text() const noexcept { return text_; }

private:
    std::string text_;
};

// Reads a decimal number: blanks before and after, an optional sign, digits
// with at most one '.', at least one digit, and an optional exponent
// (e or E, optional sign, at least one digit). The point is always '.'.
// The value is correctly rounded; a value too small for a double reads as 0,
// one too large raises EConvertError, as does any other text.
double StrToFloat(std::string_view text);

// True when the text is in the grammar that StrToFloat accepts (whatever
// the size of its value).
bool matchesNumberGrammar(std::string_view text);

// Formats a value with a one-section pattern: '0' required digit, '#'
// optional digit, the first '.' the decimal point, e-/e+/E-/E+ followed by
// zeros for scientific form, text in quotes copied, anything else copied.
// Rounds the value's 18-significant-digit decimal form half away from zero.
std::string FormatFloat(std::string_view pattern, double value);

// The shortest general form with up to 15 significant digits: 21000 gives
// "21000", 0.5 "0.5", 1e20 "1E20", 1.5e-7 "1.5E-7".
std::string FloatToStr(double value);

} // namespace tavrel
