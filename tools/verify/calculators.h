// The three calculators as the verification sees them: which box or
// selection each input column of an example goes to, the tab to press,
// and the field and display rounding of each result.
#pragma once

#include "driver/steps.h"

#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace verify
{

enum class Model { Hertz, Beam, Bearing };

struct ResultField {
    const char *label; // as the manual names it
    // The field that shows it; none for the depth of the largest shear
    // stress, which the diagram window's values give.
    std::optional<tavrel::driver::Shown> field;
    // Half a unit of the last digit that the field's pattern shows; 0 for
    // the scientific pattern, whose unit follows the shown exponent.
    double displayHalfUnit;
};

struct Calculator {
    Model model;
    const char *file;
    const char *title;
    std::map<QString, tavrel::driver::Box> inputs;        // column -> box
    std::map<QString, tavrel::driver::Choice> selections; // column -> selection
    QString kindColumn;                                   // column naming the kind of body, or empty
    std::map<QString, tavrel::driver::Contact> kinds;     // kind -> the contact kind
    tavrel::driver::Tab tab;
    std::map<QString, ResultField> results;       // check name -> field
    std::optional<tavrel::driver::Shown> caption; // the caption that names the deflection
};

const std::vector<Calculator> &calculators();

// The calculator of the given model.
const Calculator &calculator(Model model);

} // namespace verify
