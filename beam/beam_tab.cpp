#include "beam/beam_tab.h"

#include "beam/beam_layout.h"

#include "core/beam/beam_cases.h"
#include "core/beam/beam_fields.h"
#include "core/beam/beam_model.h"
#include "core/num/numtext.h"
#include "ui/describe.h"
#include "ui/fields.h"
#include "ui/input_boxes.h"
#include "ui/palette.h"
#include "ui/textlabel.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace tavrel
{

namespace
{

using namespace beam_layout;

// What each section kind shows: its name (in the copy of the tab, the radio
// items and the message of a disabled box), the captions of the first
// dimension, the inner dimension and the inner height (nullptr: left as it
// is), and which of the dimension boxes b1, h1, b2 and h2 are enabled.
struct SectionLook {
    const char *name;
    const char *label44, *label46, *label47;
    std::array<bool, 4> enabled;
};
// clang-format off
constexpr std::array kSectionLooks = {
    SectionLook{"中実長方形", "b1 =", "b2 =", "h2 =", {true, true, false, false}},
    SectionLook{"中空長方形", "b1 =", "b2 =", "h2 =", {true, true, true, true}},
    SectionLook{"中実円形",   "d1 =", "d2 =", "h2 =", {true, false, false, false}},
    SectionLook{"中空円形",   "d1 =", "d2 =", "h2 =", {true, false, true, false}},
    SectionLook{"数値入力",   nullptr, nullptr, "Z =", {false, false, false, true}},
};
// clang-format on

// What the user is told of inputs that describe no real beam, and the
// boxes concerned (no box at all: the section's dimension boxes).
using BeamFaultLook = FaultLook<BeamFault, BeamField>;
constexpr const char *kInnerOutside =
    "%1は 0 以上で%2より小さい値にしてください。中空断面の内側の寸法は外側より小さくなければなりません。";
// clang-format off
constexpr std::array kFaultLooks = {
    BeamFaultLook{BeamFault::ModulusNotPositive, kMustBePositive, {BeamField::E}},
    BeamFaultLook{BeamFault::SpanNotPositive, kMustBePositive, {BeamField::L}},
    BeamFaultLook{BeamFault::LoadOffSpan,
              "%1は 0 以上%2以下の値にしてください。荷重の位置がはりの外にあります。", {BeamField::L1, BeamField::L}},
    BeamFaultLook{BeamFault::PointOffSpan,
              "%1は 0 以上%2以下の値にしてください。たわみを求める位置がはりの外にあります。", {BeamField::X, BeamField::L}},
    BeamFaultLook{BeamFault::InnerWidthOutside, kInnerOutside, {BeamField::B2, BeamField::B1}},
    BeamFaultLook{BeamFault::InnerHeightOutside, kInnerOutside, {BeamField::H2, BeamField::H1}},
    BeamFaultLook{BeamFault::InnerDiameterOutside, kInnerOutside, {BeamField::B2, BeamField::B1}},
    BeamFaultLook{BeamFault::SectionNotPositive,
              "%1の値では断面二次モーメント I か断面係数 Z が 0 以下になり、断面になりません。", {}},
    BeamFaultLook{BeamFault::TypedINotPositive, kMustBePositive, {BeamField::I}},
    BeamFaultLook{BeamFault::TypedZNotPositive, kMustBePositive, {BeamField::H2}},
};
// clang-format on

// The dimension boxes, in the order of a section look's enabled boxes.
constexpr std::array kDimensionBoxes = {BeamField::B1, BeamField::H1, BeamField::B2, BeamField::H2};

// For a disabled dimension box's message: the sections that enable it, as
// 断面で「中実長方形」「中空長方形」か「中実円形」.
QString enablingSections(std::size_t box)
{
    QStringList names;
    for (const SectionLook &look : kSectionLooks) {
        if (look.enabled[box])
            names << QStringLiteral("「%1」").arg(QString::fromUtf8(look.name));
    }
    const QString last = names.takeLast();
    return QStringLiteral("断面で") +
           (names.isEmpty() ? last : names.join(QString()) + QStringLiteral("か") + last);
}

// Names the items of the two selections for a screen reader, and says
// what each changes elsewhere on the tab: captions and boxes that have no
// focus, so that nothing else would say it.
void describeSelections(const Controls &controls)
{
    QStringList loadCases, units;
    for (const LoadCaseTraits &traits : kLoadCases) {
        loadCases << QString::fromUtf8(traits.name);
        // P's unit, spoken as the box's name gives it; the section has no
        // say in it.
        const Quantity load = beamQuantity(traits.loadCase, SectionKind::SolidRectangle, BeamField::P);
        units << QStringLiteral("荷重 P の単位: %1").arg(QString::fromUtf8(unitText(load)));
    }
    describeChoices(controls.radioItems(QString::fromLatin1(kLoadCaseGroup)),
                    QStringLiteral("支持・荷重条件"), loadCases, units);
    QStringList sections, inputs;
    for (std::size_t kind = 0; kind < kSectionLooks.size(); ++kind) {
        const SectionLook &look = kSectionLooks[kind];
        const char *captions[] = {look.label44, "h1", look.label46, look.label47};
        QStringList typed;
        for (std::size_t i = 0; i < look.enabled.size(); ++i) {
            if (look.enabled[i])
                typed << accessibleNameFrom(QString::fromUtf8(captions[i]));
        }
        // I is typed too, not computed.
        if (static_cast<SectionKind>(kind) == SectionKind::Typed)
            typed << QStringLiteral("I");
        sections << QString::fromUtf8(look.name);
        inputs << QStringLiteral("入力する値: %1").arg(typed.join(QStringLiteral("、")));
    }
    describeChoices(controls.radioItems(QString::fromLatin1(kSectionGroup)), QStringLiteral("断面"), sections,
                    inputs);
}

// The deflection's caption.
QString deflectionCaption(LoadCase loadCase, Deflection deflection)
{
    if (deflection == Deflection::Maximum)
        return QStringLiteral("δmax =");
    return QString::fromUtf8(traitsOf(loadCase).deflectionAtXCaption);
}

} // namespace

BeamTab::BeamTab(QWidget *parent) : CalculatorTab(parent)
{
    setObjectName(QStringLiteral("TabSheet2"));
    // The tab's font, which its controls inherit.
    QFont font = fontFor(FontRole::Inherit);
    setFont(font);
    setFontColour(this, Qt::black);
    controls_ = buildControls(this, kLayout);
    bound_.bind(controls_, kBindings);
    for (const BeamFieldSpec &field : kBeamFields)
        describeField(bound_.control(field.id), bound_.caption(field.id), field.role == FieldRole::Result,
                      field.name, field.quantity);
    nameFields();
    describe(bound_.all());
    for (std::size_t i = 0; i < kDimensionBoxes.size(); ++i) {
        QLineEdit *box = bound_.box(kDimensionBoxes[i]);
        box->setEnabled(kSectionLooks[0].enabled[i]);
        setEnableHint(box, enablingSections(i));
    }
    describeSelections(controls_);
    controls_.widget(QString::fromLatin1(kPicture))
        ->setAccessibleName(QStringLiteral("支持・荷重条件と断面の図"));
    setKeyboardOrder({kKeyboardOrder.begin(), kKeyboardOrder.end()});

    auto onSelect = [this](const char *group, void (BeamTab::*handler)()) {
        connect(controls_.radioItems(QString::fromLatin1(group)), &QButtonGroup::idToggled, this,
                [this, handler](int, bool checked) {
                    if (checked)
                        runHandler(this, [this, handler] { (this->*handler)(); });
                });
    };
    onSelect(kLoadCaseGroup, &BeamTab::RadioGroup1Click);
    onSelect(kSectionGroup, &BeamTab::RadioGroup2Click);

    QPushButton *button2 = controls_.button(QString::fromLatin1(kCompute));
    connect(button2, &QPushButton::clicked, this, guarded(this, [this] { Button2Click(); }));
    useComputeButton(button2);
}

void BeamTab::RadioGroup1Click()
{
    const int index = controls_.radioItems(QString::fromLatin1(kLoadCaseGroup))->checkedId();
    if (index < 0)
        return;
    loadCase_ = static_cast<LoadCase>(index);
    setCaption(controls_.label(QString::fromLatin1(kLoadUnit)),
               QString::fromUtf8(traitsOf(loadCase_).loadUnit));
    nameFields();
    selectionChanged();
}

void BeamTab::RadioGroup2Click()
{
    const int index = controls_.radioItems(QString::fromLatin1(kSectionGroup))->checkedId();
    if (index < 0)
        return;
    sectionKind_ = static_cast<SectionKind>(index);
    const SectionLook &look = kSectionLooks[static_cast<std::size_t>(index)];
    const std::pair<BeamField, const char *> captions[] = {
        {BeamField::B1, look.label44}, {BeamField::B2, look.label46}, {BeamField::H2, look.label47}};
    for (const auto &[field, caption] : captions) {
        if (caption)
            setCaption(bound_.caption(field), QString::fromUtf8(caption));
    }
    for (std::size_t i = 0; i < look.enabled.size(); ++i)
        bound_.box(kDimensionBoxes[i])->setEnabled(look.enabled[i]);
    nameFields();
    selectionChanged();
}

void BeamTab::Button2Click()
{
    BeamInput in = readInputs(bound_, kBeamInputs);
    // With I and Z typed in, the box of the inner height holds Z.
    if (sectionKind_ == SectionKind::Typed)
        in.typedZ = in.h2;

    if (const std::optional<BeamFault> fault = findBeamFault(loadCase_, sectionKind_, in))
        refuse(*fault);
    const BeamResult r = computeBeam(loadCase_, sectionKind_, in);

    setCaption(bound_.caption(BeamField::Delta), deflectionCaption(loadCase_, r.deflection));
    setFieldWords(bound_.control(BeamField::Delta), deflectionWords(r.deflection),
                  fieldOf(kBeamFields, BeamField::Delta).quantity);
    for (const BeamFieldSpec &field : kBeamFields) {
        if (field.pattern)
            bound_.box(field.id)->setText(QString::fromStdString(shownResult(r, field.id)));
    }
    lastPress_ = BeamPress{loadCase_, sectionKind_, in, r};
    rememberPress();
}

QList<int> BeamTab::selections() const
{
    return {static_cast<int>(loadCase_), static_cast<int>(sectionKind_)};
}

// I is worked out from the dimensions unless typed in.
bool BeamTab::showsResult(const QLineEdit *box) const
{
    return box == bound_.box(BeamField::I) && sectionKind_ != SectionKind::Typed;
}

QList<std::pair<QString, QString>> BeamTab::selectionsInWords() const
{
    return {{QStringLiteral("支持・荷重"), QString::fromUtf8(traitsOf(loadCase_).name)},
            {QStringLiteral("断面"),
             QString::fromUtf8(kSectionLooks[static_cast<std::size_t>(sectionKind_)].name)}};
}

void BeamTab::refuse(BeamFault fault) const
{
    refuseFault(kFaultLooks, fault, bound_, dimensionBoxes());
}

QList<QLineEdit *> BeamTab::dimensionBoxes() const
{
    const SectionLook &look = kSectionLooks[static_cast<std::size_t>(sectionKind_)];
    QList<QLineEdit *> boxes;
    for (std::size_t i = 0; i < kDimensionBoxes.size(); ++i) {
        if (look.enabled[i])
            boxes << bound_.box(kDimensionBoxes[i]);
    }
    return boxes;
}

void BeamTab::nameFields()
{
    // The results' words do not change with the selections; δ's change
    // with the press.
    for (const BeamFieldSpec &field : kBeamFields) {
        if (field.role != FieldRole::Result)
            setFieldWords(bound_.control(field.id), beamWords(loadCase_, sectionKind_, field.id),
                          beamQuantity(loadCase_, sectionKind_, field.id));
    }
}

} // namespace tavrel
