#include "bearing/bearing_tab.h"

#include "bearing/bearing_layout.h"

#include "core/bearing/bearing_calc.h"
#include "core/bearing/bearing_model.h"
#include "core/num/numtext.h"
#include "ui/describe.h"
#include "ui/fields.h"
#include "ui/input_boxes.h"
#include "ui/palette.h"
#include "ui/textlabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace tavrel
{

namespace
{

using namespace bearing_layout;

// What the user is told of inputs that describe no running bearing, and the
// boxes concerned.
using BearingFaultLook = FaultLook<BearingFault, BearingField>;
constexpr const char *kNotNegative = "%1は 0 以上の値にしてください。";
// clang-format off
constexpr std::array kFaultLooks = {
    BearingFaultLook{BearingFault::SpeedNotPositive, kMustBePositive, {BearingField::N}},
    BearingFaultLook{BearingFault::StaticRatingNotPositive, kMustBePositive, {BearingField::Cor}},
    BearingFaultLook{BearingFault::DynamicRatingNotPositive, kMustBePositive, {BearingField::Cr}},
    BearingFaultLook{BearingFault::RadialLoadNegative, kNotNegative, {BearingField::Fr}},
    BearingFaultLook{BearingFault::AxialLoadNegative, kNotNegative, {BearingField::Fa}},
    BearingFaultLook{BearingFault::NoLoad,
              "%1と%2がどちらも 0 です。荷重のかからない軸受の寿命は求められません。", {BearingField::Fr, BearingField::Fa}},
};
// clang-format on

} // namespace

BearingTab::BearingTab(QWidget *parent) : CalculatorTab(parent)
{
    setObjectName(QStringLiteral("TabSheet3"));
    // The tab's font, which its controls inherit.
    setFont(fontFor(FontRole::Inherit));
    controls_ = buildControls(this, kLayout);
    bound_.bind(controls_, kBindings);
    for (const BearingFieldSpec &field : kBearingFields)
        describeField(bound_.control(field.id), bound_.caption(field.id), field.role == FieldRole::Result,
                      field.name, field.quantity);
    describe(bound_.all());
    setKeyboardOrder({kKeyboardOrder.begin(), kKeyboardOrder.end()});

    QPushButton *button1 = controls_.button(QString::fromLatin1(kCompute));
    connect(button1, &QPushButton::clicked, this, guarded(this, [this] { Button1Click(); }));
    useComputeButton(button1);
}

void BearingTab::Button1Click()
{
    const BearingInput in = readInputs(bound_, kBearingInputs);

    if (const std::optional<BearingFault> fault = findBearingFault(in))
        refuseFault(kFaultLooks, *fault, bound_);
    const BearingResult r = computeBearingLife(in);

    for (const BearingFieldSpec &field : kBearingFields) {
        if (field.role == FieldRole::Result)
            setFieldText(bound_.field(field.id), QString::fromStdString(shownResult(r, field.id)));
    }
    lastPress_ = BearingPress{in, r};
    rememberPress();
}

} // namespace tavrel
