// The beam tab's controls as designed: their names, kinds, places and
// texts, the boxes and fields bound to the calculator's fields, the named
// controls the handlers use, and the keyboard order. The only place the
// tab's controls are named.
#pragma once

#include "core/beam/beam_model.h"
#include "ui/controls.h"
#include "ui/input_boxes.h"

#include <array>

namespace tavrel::beam_layout
{

using K = ControlKind;

// The tab's controls at their designed geometry, in creation order.
// clang-format off
inline constexpr std::array kLayout = {
    ControlSpec{"Image2", K::Picture, 12, 8, 272, 298, ":/beam/images/image2.svg"},
    ControlSpec{"RadioGroup1", K::RadioGroup, 162, 10, 30, 295},
    ControlSpec{"RadioGroup2", K::RadioGroup, 288, 32, 30, 337},
    ControlSpec{"Label55", K::Caption, 222, 325, 60, 15, "数値入力"},
    ControlSpec{"Label57", K::Caption, 346, 15, 31, 15, "E  = "},
    ControlSpec{"Edit23", K::Edit, 385, 11, 70, 23, "21000"},
    ControlSpec{"Label41", K::Caption, 347, 39, 31, 15, "L  = "},
    ControlSpec{"Edit12", K::Edit, 386, 39, 70, 23, "100"},
    ControlSpec{"Label52", K::Caption, 464, 39, 22, 15, "mm"},
    ControlSpec{"Label60", K::Caption, 348, 64, 34, 15, "L1 = "},
    ControlSpec{"Edit24", K::Edit, 387, 64, 70, 23, "40"},
    ControlSpec{"Label42", K::Caption, 347, 89, 30, 15, "x  = "},
    ControlSpec{"Edit13", K::Edit, 386, 89, 70, 23, "20"},
    ControlSpec{"Label43", K::Caption, 347, 114, 32, 15, "P  = "},
    ControlSpec{"Edit14", K::Edit, 386, 114, 70, 23, "20"},
    ControlSpec{"Label53", K::Caption, 462, 115, 19, 15, "kgf"},
    ControlSpec{"Label44", K::Caption, 347, 140, 28, 15, "b1 ="},
    ControlSpec{"Edit15", K::Edit, 386, 140, 70, 23, "20"},
    ControlSpec{"Label45", K::Caption, 347, 166, 34, 15, "h1 = "},
    ControlSpec{"Edit16", K::Edit, 386, 166, 70, 23, "20"},
    ControlSpec{"Label46", K::Caption, 347, 192, 33, 15, "b2 = "},
    ControlSpec{"Edit17", K::Edit, 386, 192, 70, 23, "10"},
    ControlSpec{"Label47", K::Caption, 347, 217, 34, 15, "h2 = "},
    ControlSpec{"Edit18", K::Edit, 386, 217, 70, 23, "10"},
    ControlSpec{"Label48", K::Caption, 347, 243, 32, 15, "I   = ", FontRole::Mincho15},
    ControlSpec{"Edit19", K::Shown, 386, 243, 70, 23, "0"},
    ControlSpec{"Label54", K::Caption, 464, 243, 36, 15, "mm^4"},
    ControlSpec{"Label49", K::Caption, 337, 283, 60, 15, "Mmax  = ", FontRole::Mincho15},
    ControlSpec{"Edit20", K::Output, 402, 283, 70, 23, "", FontRole::Inherit, Fill::Result},
    ControlSpec{"Label50", K::Caption, 337, 308, 58, 15, "σmax = ", FontRole::Mincho15},
    ControlSpec{"Edit21", K::Output, 402, 308, 70, 23, "", FontRole::Inherit, Fill::Result},
    ControlSpec{"Label51", K::Caption, 337, 333, 58, 15, "δmax = ", FontRole::Mincho15},
    ControlSpec{"Edit22", K::Output, 402, 333, 70, 23, "", FontRole::Inherit, Fill::Result},
    ControlSpec{"Button2", K::Button, 424, 363, 75, 25, "計   算"},
};

// The boxes and result fields bound to the calculator's fields, with the
// labels that caption them, inputs first.
inline constexpr std::array kBindings = {
    FieldBinding<BeamField>{BeamField::E, "Edit23", "Label57"},
    FieldBinding<BeamField>{BeamField::L, "Edit12", "Label41"},
    FieldBinding<BeamField>{BeamField::L1, "Edit24", "Label60"},
    FieldBinding<BeamField>{BeamField::X, "Edit13", "Label42"},
    FieldBinding<BeamField>{BeamField::P, "Edit14", "Label43"},
    FieldBinding<BeamField>{BeamField::B1, "Edit15", "Label44"},
    FieldBinding<BeamField>{BeamField::H1, "Edit16", "Label45"},
    FieldBinding<BeamField>{BeamField::B2, "Edit17", "Label46"},
    FieldBinding<BeamField>{BeamField::H2, "Edit18", "Label47"},
    FieldBinding<BeamField>{BeamField::I, "Edit19", "Label48"},
    FieldBinding<BeamField>{BeamField::Mmax, "Edit20", "Label49"},
    FieldBinding<BeamField>{BeamField::SigmaMax, "Edit21", "Label50"},
    FieldBinding<BeamField>{BeamField::Delta, "Edit22", "Label51"},
};

// The two selections, the picture beside them, the load's unit and the
// compute button.
inline constexpr const char *kLoadCaseGroup = "RadioGroup1", *kSectionGroup = "RadioGroup2", *kPicture = "Image2",
                            *kLoadUnit = "Label53", *kCompute = "Button2";

// The designed keyboard order.
inline constexpr std::array kKeyboardOrder = {"RadioGroup1", "RadioGroup2", "Edit12", "Edit13", "Edit14", "Edit15",
                                              "Edit16",      "Edit17",      "Edit18", "Edit19", "Edit20", "Edit21",
                                              "Edit22",      "Button2",     "Edit23", "Edit24"};
// clang-format on

} // namespace tavrel::beam_layout
