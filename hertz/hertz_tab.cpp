#include "hertz/hertz_tab.h"

#include "hertz/hertz_layout.h"

#include "core/hertz/hertz_fields.h"
#include "core/hertz/hertz_subsurface.h"
#include "core/num/numtext.h"
#include "ui/describe.h"
#include "ui/fields.h"
#include "ui/input_boxes.h"
#include "ui/menu_access.h"
#include "ui/palette.h"
#include "ui/popups.h"
#include "ui/textlabel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <array>

namespace tavrel
{

// What each contact kind shows: its title, its picture (the other one is
// hidden), the captions of R1, of the second size and of the contact size,
// and the note under the picture.
struct ContactLook {
    ContactKind kind;
    const char *title, *picture, *otherPicture, *r1Caption, *size2Caption, *contactCaption, *note;
};

namespace
{

using namespace hertz_layout;

// The contact-kind menu, in menu order; only two kinds have a handler. A
// kind's value is its item's position, and its caption is its name
// wherever the kind is named.
struct MenuItemSpec {
    const char *name;
    const char *caption;
    void (HertzTab::*handler)();
};
constexpr std::array kContactKindMenu = {
    MenuItemSpec{"N1", "球と凸球", &HertzTab::N1Click},
    MenuItemSpec{"N2", "球と平面", nullptr},
    MenuItemSpec{"N3", "球と凹球", nullptr},
    MenuItemSpec{"N4", "円柱と円柱", nullptr},
    MenuItemSpec{"N5", "円柱と平面", &HertzTab::N5Click},
    MenuItemSpec{"N6", "円柱と凹円面", nullptr},
    MenuItemSpec{"N7", "円中と円中（直交）", nullptr},
};

// A kind's name: the caption of its menu item.
QString contactKindName(ContactKind kind)
{
    return QString::fromUtf8(kContactKindMenu.at(static_cast<std::size_t>(kind) - 1).caption);
}

// What the user is told of inputs that describe no real contact, and the
// boxes concerned.
using HertzFaultLook = FaultLook<HertzFault, HertzField>;
constexpr const char *kPoissonRange =
    "%1は -1 より大きく 0.5 以下の値にしてください。ポアソン比がこの範囲の外にある材料はありません。";
// clang-format off
constexpr std::array kFaultLooks = {
    HertzFaultLook{HertzFault::RadiusNotPositive, kMustBePositive, {HertzField::R1}},
    HertzFaultLook{HertzFault::LoadNotPositive, kMustBePositive, {HertzField::P}},
    HertzFaultLook{HertzFault::Modulus1NotPositive, kMustBePositive, {HertzField::E1}},
    HertzFaultLook{HertzFault::Modulus2NotPositive, kMustBePositive, {HertzField::E2}},
    HertzFaultLook{HertzFault::Poisson1OutOfRange, kPoissonRange, {HertzField::Nu1}},
    HertzFaultLook{HertzFault::Poisson2OutOfRange, kPoissonRange, {HertzField::Nu2}},
    HertzFaultLook{HertzFault::WidthNotPositive, kMustBePositive, {HertzField::Size2}},
    HertzFaultLook{HertzFault::SecondRadiusZero,
              "%1は 0 以外の値にしてください。凸球の半径は正の値、凹面（球面座）の半径は負の値で入力します。", {HertzField::Size2}},
    HertzFaultLook{HertzFault::SeatNotLarger,
              "%1が負（凹面）のときは、その絶対値を%2より大きくしてください。凹面が球より小さいと、"
              "球は凹面の内側に接触できません。", {HertzField::Size2, HertzField::R1}},
};
// clang-format on

constexpr ContactLook kSphere{ContactKind::SphereOnSphere,
                              "  球と凸球  ",
                              kSpherePicture,
                              kRollerPicture,
                              "球半径 R1[mm] = ",
                              "       R2[mm] = ",
                              "接触円半径      a [mm] = ",
                              ""};
constexpr ContactLook kRoller{ContactKind::CylinderOnPlane,
                              "  円柱と平面  ",
                              kRollerPicture,
                              kSpherePicture,
                              "ﾛｰﾗ半径R1[mm] = ",
                              "ﾛｰﾗ幅  B [mm] = ",
                              "接触面半幅      b [mm] = ",
                              "注）δとτmaxはE1=E2               ν1=ν2=0.3の時計算可"};

} // namespace

QStringList shearApproximation(const HertzPress &press)
{
    const HertzInput &in = press.in;
    // Exact comparisons: "0.3" typed in a box reads as exactly this double.
    if (press.kind != ContactKind::SphereOnSphere || (in.nu1 == 0.3 && in.nu2 == 0.3))
        return {};
    const auto number = [](double value) { return formatted(kPatternThreeDecimals, value).trimmed(); };
    QStringList lines{QStringLiteral("欄の値は 0.31·p_max です（係数 0.31 は ν = 0.3 のときの値）。")};
    const std::pair<const char *, double> bodies[] = {{"物体1（ν1", in.nu1}, {"物体2（ν2", in.nu2}};
    for (const auto &[body, nu] : bodies) {
        const ShearPeak peak = largestShear(press.kind, nu, kAxisDepth);
        lines << QStringLiteral("曲線の最大値 %1 = %2）: %3 kgf/mm²（%4 p_max）、深さ z = %5 mm")
                     .arg(QString::fromUtf8(body), QString::fromStdString(FloatToStr(nu)),
                          number(peak.tau * press.r.pMax), number(peak.tau),
                          number(peak.z * press.r.contactSize));
    }
    return lines;
}

HertzTab::HertzTab(QWidget *parent) : CalculatorTab(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
    // The tab's font, which its controls inherit.
    setFont(fontFor(FontRole::Inherit));
    controls_ = buildControls(this, kLayout);
    bound_.bind(controls_, kBindings);
    for (const HertzFieldSpec &field : kHertzFields)
        describeField(bound_.control(field.id), bound_.caption(field.id), field.role == FieldRole::Result,
                      field.name, field.quantity);
    describe(bound_.all());
    controls_.widget(QString::fromLatin1(kRoller.picture))->hide();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    for (const MenuItemSpec &item : kContactKindMenu) {
        QAction *action = PopupMenu1->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setEnabled(item.handler != nullptr);
        if (!item.handler)
            explainUnavailable(action,
                               QStringLiteral("この接触の種類は計算できません。計算できるのは「球と凸球」と"
                                              "「円柱と平面」です。"));
        action->setCheckable(true);
        action->setChecked(item.handler == &HertzTab::N1Click);
        if (item.handler)
            connect(action, &QAction::triggered, this,
                    guarded(this, [this, h = item.handler] { (this->*h)(); }));
    }
    // Each picture is named for the kind it shows, and chooses the kind
    // from the keyboard as well.
    for (const ContactLook *look : {&kSphere, &kRoller}) {
        QWidget *image = controls_.widget(QString::fromLatin1(look->picture));
        offerMenu(image, PopupMenu1);
        image->setToolTip(QStringLiteral("右クリックで接触の種類を選べます。"));
        image->setFocusPolicy(Qt::TabFocus);
        image->setAccessibleName(QStringLiteral("接触の種類: %1").arg(contactKindName(look->kind)));
        image->setAccessibleDescription(
            QStringLiteral("Enter、Space、Shift+F10 かアプリケーションキーで接触の種類を選べます。"));
    }
    setKeyboardOrder({kKeyboardOrder.begin(), kKeyboardOrder.end()});

    QPushButton *button3 = controls_.button(QString::fromLatin1(kCompute));
    connect(button3, &QPushButton::clicked, this, guarded(this, [this] { Button3Click(); }));
    useComputeButton(button3);
}

void HertzTab::N1Click()
{
    selectContactKind(kSphere);
}

void HertzTab::N5Click()
{
    selectContactKind(kRoller);
}

void HertzTab::selectContactKind(const ContactLook &look)
{
    contactKind_ = look.kind;
    for (QAction *action : PopupMenu1->actions())
        action->setChecked(action->text() == contactKindName(look.kind));
    setCaption(controls_.label(QString::fromLatin1(kTitle)), QString::fromUtf8(look.title));
    QWidget *picture = controls_.widget(QString::fromLatin1(look.picture));
    QWidget *otherPicture = controls_.widget(QString::fromLatin1(look.otherPicture));
    picture->show();
    // The keyboard stays on the picture, now of the chosen kind.
    if (otherPicture->hasFocus())
        picture->setFocus(Qt::OtherFocusReason);
    otherPicture->hide();
    setCaption(bound_.caption(HertzField::R1), QString::fromUtf8(look.r1Caption));
    setCaption(bound_.caption(HertzField::Size2), QString::fromUtf8(look.size2Caption));
    setCaption(bound_.caption(HertzField::ContactSize), QString::fromUtf8(look.contactCaption));
    setCaption(controls_.label(QString::fromLatin1(kNote)), QString::fromUtf8(look.note));
    setFontColour(bound_.caption(HertzField::SigmaRMax),
                  appliesTo(look.kind, HertzField::SigmaRMax) ? QColor(Qt::black) : kGreyColour);
    for (const HertzFieldSpec &field : kHertzFields) {
        if (field.role == FieldRole::Result)
            clearField(bound_.field(field.id));
        setFieldWords(bound_.control(field.id), hertzWords(look.kind, field.id), field.quantity,
                      appliesTo(look.kind, field.id));
    }
    setResultNote(bound_.field(HertzField::TauMax), QString());
    lastPress_.reset();
    forgetPress();
}

void HertzTab::Button3Click()
{
    const HertzInput in = readInputs(bound_, kHertzInputs);

    if (const std::optional<HertzFault> fault = findHertzFault(contactKind_, in))
        refuseFault(kFaultLooks, *fault, bound_);
    const HertzResult r = computeHertz(contactKind_, in);

    // A result the kind or the materials do not give leaves its field empty.
    for (const HertzFieldSpec &field : kHertzFields) {
        if (field.role == FieldRole::Result)
            setFieldText(bound_.field(field.id), QString::fromStdString(shownResult(r, field.id)));
    }
    lastPress_ = HertzPress{contactKind_, in, r};
    setResultNote(bound_.field(HertzField::TauMax), shearApproximation(*lastPress_).join(u'\n'));
    rememberPress();
}

QList<std::pair<QString, QString>> HertzTab::selectionsInWords() const
{
    return {{QStringLiteral("接触の種類"), contactKindName(contactKind_)}};
}

QList<int> HertzTab::selections() const
{
    return {static_cast<int>(contactKind_)};
}

} // namespace tavrel
