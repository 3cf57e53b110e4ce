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
    // The control that shows it, or kDiagramDepth: the depth of the largest
    // shear stress, which the diagram window's values give.
    const char *field;
    // Half a unit of the last digit that the field's pattern shows; 0 for
    // the scientific pattern, whose unit follows the shown exponent.
    double displayHalfUnit;
};

inline constexpr const char *kDiagramDepth = "diagram: depth";

struct Calculator {
    Model model;
    const char *file;
    const char *title;
    std::map<QString, QString> inputs;     // column -> edit box
    std::map<QString, QString> selections; // column -> radio group
    QString kindColumn;                    // column naming the kind of body, or empty
    std::map<QString, QString> kinds;      // kind -> the menu item that chooses it
    const char *button;
    std::map<QString, ResultField> results; // check name -> field
    const char *caption;                    // the caption that names the deflection, or nullptr
};

const std::vector<Calculator> &calculators();

// The calculator of the given model.
const Calculator &calculator(Model model);

} // namespace verify
