// The boxes a press reads, each bound to the input it holds: the only
// place besides the layout tables where a handler's boxes are named.
#pragma once

#include "ui/controls.h"
#include "ui/fields.h"

#include <QLineEdit>

#include <array>
#include <cstddef>

namespace tavrel
{

template <typename Input> struct InputBox {
    double Input::*input;
    const char *name;
};

// Reads every box, in the table's order, into fresh inputs; the first box
// that holds no number stops the press (see readNumber).
template <typename Input, std::size_t N>
Input readInputs(const Controls &controls, const std::array<InputBox<Input>, N> &boxes)
{
    Input in{};
    for (const InputBox<Input> &box : boxes)
        in.*box.input = readNumber(controls.edit(QString::fromLatin1(box.name)));
    return in;
}

} // namespace tavrel
