// The three calculators as the verification sees them: which box or
// selection each input column of an example goes to, the button to press,
// and the field and display rounding of each result.
#pragma once

#include <QString>

#include <map>
#include <vector>

namespace verify
{

enum class Model { Hertz, Beam, Bearing };

struct ResultField {
    const char *label; // as the manual names it
    const char *field;
    // Half a unit of the last digit that the field's pattern shows; 0 for
    // the scientific pattern, whose unit follows the shown exponent.
    double displayHalfUnit;
};

struct Calculator {
    Model model;
    const char *file;
    const char *title;
    std::map<QString, QString> inputs;     // column -> edit box
    std::map<QString, QString> selections; // column -> radio group
    QString kindColumn;                    // column naming a menu item to trigger, or empty
    const char *button;
    std::map<QString, ResultField> results; // check name -> field
};

const std::vector<Calculator> &calculators();

// The calculator of the given model.
const Calculator &calculator(Model model);

} // namespace verify
