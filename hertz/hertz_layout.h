// The hertz tab's controls as designed: their names, kinds, places and
// texts, the boxes and fields bound to the calculator's fields, the named
// controls the handlers use, and the keyboard order. The only place the
// tab's controls are named.
#pragma once

#include "core/hertz/hertz_model.h"
#include "ui/controls.h"
#include "ui/input_boxes.h"

#include <array>

namespace tavrel::hertz_layout
{

using K = ControlKind;

// The tab's controls at their designed geometry, in creation order.
// clang-format off
inline constexpr std::array kLayout = {
    ControlSpec{"Image1", K::Picture, 24, 76, 200, 200, ":/hertz/images/image1.svg"},
    ControlSpec{"Image5", K::Picture, 24, 76, 200, 200, ":/hertz/images/image5.svg"},
    ControlSpec{"Label1", K::Caption, 72, 36, 84, 17, "  球と凸球  ", FontRole::Gothic17, Fill::Title},
    ControlSpec{"Label11", K::Caption, 281, 13, 122, 15, "球半径  R1[mm] = "},
    ControlSpec{"Edit6", K::Edit, 411, 10, 70, 23, "40"},
    ControlSpec{"Label12", K::Caption, 289, 38, 117, 15, "          R2[mm] = "},
    ControlSpec{"Edit7", K::Edit, 411, 36, 70, 23, "400"},
    ControlSpec{"Label2", K::Caption, 281, 63, 126, 15, "荷  重       P[kg] = "},
    ControlSpec{"Edit1", K::Edit, 411, 63, 70, 23, "100"},
    ControlSpec{"Label3", K::Caption, 281, 90, 124, 15, "縦弾性係数   E1 = "},
    ControlSpec{"Label10", K::Caption, 286, 106, 68, 15, "[kg/mm^2]"},
    ControlSpec{"Edit2", K::Edit, 411, 88, 70, 23, "21000"},
    ControlSpec{"Label4", K::Caption, 368, 113, 39, 15, " E2 = "},
    ControlSpec{"Edit3", K::Edit, 411, 113, 70, 23, "21000"},
    ControlSpec{"Label5", K::Caption, 281, 138, 128, 15, "ポアソン比    ν1 = "},
    ControlSpec{"Edit4", K::Edit, 411, 138, 70, 23, "0.3"},
    ControlSpec{"Label6", K::Caption, 363, 163, 46, 15, " ν2 = "},
    ControlSpec{"Edit5", K::Edit, 411, 163, 70, 23, "0.3"},
    ControlSpec{"Label7", K::Caption, 261, 213, 167, 15, "接触円半径      a [mm] = "},
    ControlSpec{"Label13", K::Field, 429, 210, 72, 20, "", FontRole::Inherit, Fill::Result},
    ControlSpec{"Label8", K::Caption, 261, 238, 165, 15, "接 近 量         δ[mm] = "},
    ControlSpec{"Label14", K::Field, 429, 235, 73, 20, "", FontRole::Inherit, Fill::Result},
    ControlSpec{"Label9", K::Caption, 261, 263, 161, 13, "最大圧力 p_max [kg/mm2] = ", FontRole::Gothic13},
    ControlSpec{"Label15", K::Field, 429, 259, 73, 20, "", FontRole::Inherit, Fill::Result},
    ControlSpec{"Label17", K::Caption, 261, 288, 161, 13, "最大圧縮応力 σz_max [\"] = ", FontRole::Gothic13},
    ControlSpec{"Label20", K::Field, 429, 284, 73, 20, "", FontRole::Inherit, Fill::Result},
    ControlSpec{"Label18", K::Caption, 261, 313, 160, 13, "最大引張応力 σr_max [\"] = ", FontRole::Gothic13},
    ControlSpec{"Label21", K::Field, 429, 309, 73, 20, "", FontRole::Inherit, Fill::Result},
    ControlSpec{"Label19", K::Caption, 261, 338, 161, 13, "最大ｾﾝ断応力  τ_max [\"] = ", FontRole::Gothic13},
    ControlSpec{"Label22", K::Field, 429, 334, 73, 20, "", FontRole::Inherit, Fill::Result},
    ControlSpec{"Label16", K::Note, 16, 319, 210, 38, ""},
    ControlSpec{"Button3", K::Button, 426, 365, 75, 26, "計 算"},
};
// clang-format on

// The boxes and result fields bound to the calculator's fields, with the
// labels that caption them, inputs first.
// clang-format off
inline constexpr std::array kBindings = {
    FieldBinding<HertzField>{HertzField::R1, "Edit6", "Label11"},
    FieldBinding<HertzField>{HertzField::Size2, "Edit7", "Label12"},
    FieldBinding<HertzField>{HertzField::P, "Edit1", "Label2"},
    FieldBinding<HertzField>{HertzField::E1, "Edit2", "Label3"},
    FieldBinding<HertzField>{HertzField::E2, "Edit3", "Label4"},
    FieldBinding<HertzField>{HertzField::Nu1, "Edit4", "Label5"},
    FieldBinding<HertzField>{HertzField::Nu2, "Edit5", "Label6"},
    FieldBinding<HertzField>{HertzField::ContactSize, "Label13", "Label7"},
    FieldBinding<HertzField>{HertzField::Approach, "Label14", "Label8"},
    FieldBinding<HertzField>{HertzField::PMax, "Label15", "Label9"},
    FieldBinding<HertzField>{HertzField::SigmaZMax, "Label20", "Label17"},
    FieldBinding<HertzField>{HertzField::SigmaRMax, "Label21", "Label18"},
    FieldBinding<HertzField>{HertzField::TauMax, "Label22", "Label19"},
};
// clang-format on

// The title over the picture, the note under it and the compute button.
inline constexpr const char *kTitle = "Label1", *kNote = "Label16", *kCompute = "Button3";

// The designed keyboard order, then the results and the picture (only one
// of the two pictures is shown at a time).
inline constexpr std::array kKeyboardOrder = {
    "Edit1",   "Edit2",   "Edit3",   "Edit4",   "Edit5",   "Edit6",   "Edit7",  "Button3",
    "Label13", "Label14", "Label15", "Label20", "Label21", "Label22", "Image1", "Image5"};

// The pictures of the two contact kinds that are calculated.
inline constexpr const char *kSpherePicture = "Image1", *kRollerPicture = "Image5";

} // namespace tavrel::hertz_layout
