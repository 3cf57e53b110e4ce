// Reading a number from an edit box and showing a number in a field.
//
// These are the only places where text and numbers meet, so every tab reads
// and shows numbers the same way. No Qt here: the rules build and run
// without any window, and they never depend on the process locale.
//
// Reading lives in numread.cpp; showing in numshow.cpp, with the parsed
// patterns in numpattern and a value's decimal digits in numdecimal; the
// message that quotes a refused text in numquote.cpp.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tavrel
{

// The patterns with which results are shown.
inline constexpr const char *kPatternThreeDecimals = " ###0.000";
inline constexpr const char *kPatternOneDecimal = " ####0.0";
inline constexpr const char *kPatternDays = " ####0 日";
inline constexpr const char *kPatternScientific = " #.##e-0";
inline constexpr const char *kPatternWhole = " ###0.";
inline constexpr const char *kPatternTwoDecimals = " ###0.##";
inline constexpr const char *kPatterns[] = {kPatternThreeDecimals, kPatternOneDecimal, kPatternDays,
                                            kPatternScientific,    kPatternWhole,      kPatternTwoDecimals};

// Why a text does not read as a number.
enum class ConvertFault {
    Empty,     // nothing but blanks
    Malformed, // not in the number grammar
    TooLarge,  // a number beyond the largest double
};

// Raised when a text does not read as a number. Carries the text as typed
// and why it failed; the message is Japanese and quotes the text.
class EConvertError : public std::runtime_error
{
public:
    EConvertError(std::string text, ConvertFault fault);
    const std::string &text() const noexcept { return text_; }
    ConvertFault fault() const noexcept { return fault_; }

private:
    std::string text_;
    ConvertFault fault_;
};

// The message for a text that did not read in the box called `boxName`
// (the box's caption as it stands; empty when it has none). `enableHint`,
// when not empty, says which selection enables a disabled box.
std::string conversionMessage(const EConvertError &error, std::string_view boxName,
                              std::string_view enableHint = {});

// A UTF-8 text as a message quotes it: every character that would not show
// (controls, NUL, bidirectional controls, no-break, zero-width and other
// non-ASCII spaces, invisible fillers, a combining mark that would fall on
// the opening quote, bytes that are not UTF-8) is written as a visible mark
// such as ⟨U+202E⟩, and a text of more than 40 characters is cut there and
// ends in "…".
std::string visibleText(std::string_view text);

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
