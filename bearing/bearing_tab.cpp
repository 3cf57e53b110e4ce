#include "bearing/bearing_tab.h"

#include "core/bearing/bearing_calc.h"
#include "core/num/numtext.h"
#include "ui/describe.h"
#include "ui/fields.h"
#include "ui/input_boxes.h"
#include "ui/palette.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace tavrel
{

namespace
{

using K = ControlKind;

// The tab's controls at their designed geometry, in creation order.
// clang-format off
constexpr std::array kLayout = {
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

// Boxes and result fields with their captions, inputs first.
constexpr CaptionSpec kCaptions[] = {
    {"Edit8", "Label23", Quantity::Speed},
    {"Edit9", "Label24", Quantity::Force},
    {"Edit25", "Label61", Quantity::Force},
    {"Edit10", "Label25", Quantity::Force},
    {"Edit11", "Label26", Quantity::Force},
    {"Label38", "Label37", Quantity::Force},
    {"Label28", "Label27", Quantity::Hours},
    {"Label59", "Label58", Quantity::Days},
};
// clang-format on

// What the user is told of inputs that describe no running bearing, and the
// boxes concerned.
using BearingFaultLook = FaultLook<BearingFault>;
constexpr const char *kNotNegative = "%1は 0 以上の値にしてください。";
// clang-format off
constexpr std::array kFaultLooks = {
    BearingFaultLook{BearingFault::SpeedNotPositive, kMustBePositive, {"Edit8"}},
    BearingFaultLook{BearingFault::StaticRatingNotPositive, kMustBePositive, {"Edit9"}},
    BearingFaultLook{BearingFault::DynamicRatingNotPositive, kMustBePositive, {"Edit25"}},
    BearingFaultLook{BearingFault::RadialLoadNegative, kNotNegative, {"Edit10"}},
    BearingFaultLook{BearingFault::AxialLoadNegative, kNotNegative, {"Edit11"}},
    BearingFaultLook{BearingFault::NoLoad,
              "%1と%2がどちらも 0 です。荷重のかからない軸受の寿命は求められません。", {"Edit10", "Edit11"}},
};
// clang-format on

// The boxes a press reads, in the order it reads them.
constexpr std::array kInputBoxes = {
    InputBox<BearingInput>{&BearingInput::n, "Edit8"},   InputBox<BearingInput>{&BearingInput::Cor, "Edit9"},
    InputBox<BearingInput>{&BearingInput::Cr, "Edit25"}, InputBox<BearingInput>{&BearingInput::Fr, "Edit10"},
    InputBox<BearingInput>{&BearingInput::Fa, "Edit11"},
};

// The result fields, each with the value it shows and its pattern.
struct ResultField {
    double BearingResult::*value;
    const char *pattern;
    const char *name;
};
constexpr std::array kResultFields = {
    ResultField{&BearingResult::P, kPatternOneDecimal, "Label38"},
    ResultField{&BearingResult::Lh, kPatternOneDecimal, "Label28"},
    ResultField{&BearingResult::days, kPatternDays, "Label59"},
};

} // namespace

BearingTab::BearingTab(QWidget *parent) : CalculatorTab(parent)
{
    setObjectName(QStringLiteral("TabSheet3"));
    // The tab's font, which its controls inherit.
    setFont(fontFor(FontRole::Inherit));
    controls_ = buildControls(this, kLayout);
    describe(kCaptions);
    // Cr comes last although its box stands between Cor and Fr; the
    // results follow, from the top down.
    setKeyboardOrder(
        {"Edit8", "Edit9", "Edit10", "Edit11", "Button1", "Edit25", "Label38", "Label28", "Label59"});

    QPushButton *button1 = controls_.button(QStringLiteral("Button1"));
    connect(button1, &QPushButton::clicked, this, guarded(this, [this] { Button1Click(); }));
    useComputeButton(button1);
}

void BearingTab::Button1Click()
{
    const BearingInput in = readInputs(controls_, kInputBoxes);

    if (const std::optional<BearingFault> fault = findBearingFault(in))
        refuseFault(kFaultLooks, *fault);
    const BearingResult r = computeBearingLife(in);

    for (const ResultField &field : kResultFields)
        showNumber(controls_.label(QString::fromLatin1(field.name)), field.pattern, r.*field.value);
    lastPress_ = BearingPress{in, r};
    rememberPress();
}

} // namespace tavrel
