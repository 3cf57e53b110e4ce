// The bearing tab's controls as designed: their names, kinds, places and
// texts, the boxes and fields bound to the calculator's fields, the named
// controls the handlers use, and the keyboard order. The only place the
// tab's controls are named.
#pragma once

#include "core/bearing/bearing_model.h"
#include "ui/controls.h"
#include "ui/input_boxes.h"

#include <array>

namespace tavrel::bearing_layout
{

using K = ControlKind;

// The tab's controls at their designed geometry, in creation order.
// clang-format off
inline constexpr std::array kLayout = {
    ControlSpec{"Label23", K::Caption, 200, 70, 126, 15, "回  転  数       n = "},
    ControlSpec{"Label24", K::Caption, 200, 97, 126, 15, "静定格荷重   Cor ="},
    ControlSpec{"Label25", K::Caption, 200, 147, 133, 15, "ラジアル荷重    Fr = "},
    ControlSpec{"Label26", K::Caption, 200, 174, 136, 15, "アキシアル荷重 Fa = "},
    ControlSpec{"Label27", K::Caption, 204, 246, 124, 15, "定格疲れ寿命 Lh ="},
    ControlSpec{"Label28", K::Field, 340, 242, 70, 20, "      ", FontRole::Gothic17, Fill::Result},
    ControlSpec{"Label29", K::Caption, 422, 70, 35, 15, "r/min"},
    ControlSpec{"Label30", K::Caption, 422, 96, 19, 15, "kgf"},
    ControlSpec{"Label31", K::Caption, 422, 147, 19, 15, "kgf"},
    ControlSpec{"Label32", K::Caption, 422, 173, 19, 15, "kgf"},
    ControlSpec{"Label33", K::Caption, 422, 243, 30, 15, "時間"},
    ControlSpec{"Label37", K::Caption, 201, 218, 127, 15, "動等価荷重      P ="},
    ControlSpec{"Label38", K::Field, 340, 214, 70, 20, "      ", FontRole::Gothic17, Fill::Result},
    ControlSpec{"Label39", K::Caption, 421, 217, 19, 15, "kgf"},
    ControlSpec{"Label40", K::Caption, 203, 26, 250, 17, "   単列深溝玉軸受けの寿命計算   ", FontRole::Gothic17, Fill::Title},
    ControlSpec{"Label58", K::Caption, 280, 270, 143, 15, "(日数 =                  )"},
    ControlSpec{"Label59", K::Field, 352, 270, 50, 15, ""},
    ControlSpec{"Label61", K::Caption, 199, 120, 123, 15, "動定格荷重   Cr  ="},
    ControlSpec{"Label62", K::Caption, 422, 117, 19, 15, "kgf"},
    ControlSpec{"Edit8", K::Edit, 341, 62, 70, 23, "100"},
    ControlSpec{"Edit9", K::Edit, 341, 89, 70, 23, "6000"},
    ControlSpec{"Edit10", K::Edit, 341, 141, 70, 23, "1500"},
    ControlSpec{"Edit11", K::Edit, 341, 168, 70, 23, "200"},
    ControlSpec{"Button1", K::Button, 344, 298, 75, 25, "計  算"},
    ControlSpec{"Edit25", K::Edit, 341, 114, 70, 23, "6000"},
};

// The boxes and result fields bound to the calculator's fields, with the
// labels that caption them, inputs first.
inline constexpr std::array kBindings = {
    FieldBinding<BearingField>{BearingField::N, "Edit8", "Label23"},
    FieldBinding<BearingField>{BearingField::Cor, "Edit9", "Label24"},
    FieldBinding<BearingField>{BearingField::Cr, "Edit25", "Label61"},
    FieldBinding<BearingField>{BearingField::Fr, "Edit10", "Label25"},
    FieldBinding<BearingField>{BearingField::Fa, "Edit11", "Label26"},
    FieldBinding<BearingField>{BearingField::P, "Label38", "Label37"},
    FieldBinding<BearingField>{BearingField::Lh, "Label28", "Label27"},
    FieldBinding<BearingField>{BearingField::Days, "Label59", "Label58"},
};

// Cr comes last although its box stands between Cor and Fr; the results
// follow, from the top down.
inline constexpr std::array kKeyboardOrder = {"Edit8",  "Edit9",   "Edit10",  "Edit11", "Button1",
                                              "Edit25", "Label38", "Label28", "Label59"};
inline constexpr const char *kCompute = "Button1";
// clang-format on

} // namespace tavrel::bearing_layout
