#include "hertz/hertz_tab.h"

#include "app/fields.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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

// clang-format off
constexpr CaptionSpec kCaptions[] = {
    {"Edit6", "Label11"}, {"Edit7", "Label12"}, {"Edit1", "Label2"}, {"Edit2", "Label3"},
    {"Edit3", "Label4"}, {"Edit4", "Label5"}, {"Edit5", "Label6"}, {"Label13", "Label7"},
    {"Label14", "Label8"}, {"Label15", "Label9"}, {"Label20", "Label17"}, {"Label21", "Label18"},
    {"Label22", "Label19"},
};
// clang-format on

// The contact-kind menu, in menu order; only two kinds are implemented.
struct MenuItemSpec {
    const char *name;
    const char *caption;
    bool enabled;
};
constexpr std::array kContactKindMenu = {
    MenuItemSpec{"N1", "球と凸球", true},
    MenuItemSpec{"N2", "球と平面", false},
    MenuItemSpec{"N3", "球と凹球", false},
    MenuItemSpec{"N4", "円柱と円柱", false},
    MenuItemSpec{"N5", "円柱と平面", true},
    MenuItemSpec{"N6", "円柱と凹円面", false},
    MenuItemSpec{"N7", "円中と円中（直交）", false},
};

constexpr const char *kRollerNote = "注）δとτmaxはE1=E2               ν1=ν2=0.3の時計算可";

} // namespace

HertzTab::HertzTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
    // The tab's font, which its controls inherit.
    setFont(fontFor(FontRole::Inherit));
    controls_ = buildControls(this, kLayout);
    nameFromCaptions(controls_, kCaptions);
    controls_.widget(QStringLiteral("Image5"))->hide();
    chainTabOrder(controls_, {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Button3"});

    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    for (const MenuItemSpec &item : kContactKindMenu) {
        QAction *action = popupMenu1_->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setEnabled(item.enabled);
    }
    connect(popupMenu1_->actions().at(0), &QAction::triggered, this, guarded(this, [this] { N1Click(); }));
    connect(popupMenu1_->actions().at(4), &QAction::triggered, this, guarded(this, [this] { N5Click(); }));
    for (const char *name : {"Image1", "Image5"}) {
        QWidget *picture = controls_.widget(QString::fromLatin1(name));
        picture->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(picture, &QWidget::customContextMenuRequested, this,
                [this, picture](const QPoint &pos) { popupMenu1_->popup(picture->mapToGlobal(pos)); });
    }

    QPushButton *button3 = controls_.button(QStringLiteral("Button3"));
    connect(button3, &QPushButton::clicked, this, guarded(this, [this] { Button3Click(); }));
    pressOnReturn(controls_, button3);
}

void HertzTab::emptyResults(std::initializer_list<const char *> names)
{
    for (const char *name : names)
        clearField(controls_.label(QString::fromLatin1(name)));
}

void HertzTab::N1Click()
{
    contactKind_ = ContactKind::SphereOnSphere;
    setCaption(controls_.label(QStringLiteral("Label1")), QStringLiteral("  球と凸球  "));
    controls_.widget(QStringLiteral("Image1"))->show();
    controls_.widget(QStringLiteral("Image5"))->hide();
    setCaption(controls_.label(QStringLiteral("Label11")), QStringLiteral("球半径 R1[mm] = "));
    setCaption(controls_.label(QStringLiteral("Label12")), QStringLiteral("       R2[mm] = "));
    setCaption(controls_.label(QStringLiteral("Label7")), QStringLiteral("接触円半径      a [mm] = "));
    setFontColour(controls_.label(QStringLiteral("Label18")), Qt::black);
    emptyResults({"Label13", "Label14", "Label15", "Label16", "Label20", "Label21", "Label22"});
}

void HertzTab::N5Click()
{
    contactKind_ = ContactKind::CylinderOnPlane;
    setCaption(controls_.label(QStringLiteral("Label1")), QStringLiteral("  円柱と平面  "));
    controls_.widget(QStringLiteral("Image5"))->show();
    controls_.widget(QStringLiteral("Image1"))->hide();
    setCaption(controls_.label(QStringLiteral("Label11")), QStringLiteral("ﾛｰﾗ半径R1[mm] = "));
    setCaption(controls_.label(QStringLiteral("Label12")), QStringLiteral("ﾛｰﾗ幅  B [mm] = "));
    setCaption(controls_.label(QStringLiteral("Label7")), QStringLiteral("接触面半幅      b [mm] = "));
    controls_.label(QStringLiteral("Label16"))->setText(QString::fromUtf8(kRollerNote));
    setFontColour(controls_.label(QStringLiteral("Label18")), kGreyColour);
    emptyResults({"Label13", "Label14", "Label15", "Label20", "Label21", "Label22"});
}

void HertzTab::Button3Click()
{
    HertzInput in{};
    in.R1 = readNumber(controls_.edit(QStringLiteral("Edit6")));
    in.P = readNumber(controls_.edit(QStringLiteral("Edit1")));
    in.E1 = readNumber(controls_.edit(QStringLiteral("Edit2")));
    in.E2 = readNumber(controls_.edit(QStringLiteral("Edit3")));
    in.nu1 = readNumber(controls_.edit(QStringLiteral("Edit4")));
    in.nu2 = readNumber(controls_.edit(QStringLiteral("Edit5")));
    in.size2 = readNumber(controls_.edit(QStringLiteral("Edit7")));

    const HertzResult r = computeHertz(contactKind_, in);

    const char *pattern = kPatternThreeDecimals;
    showNumber(controls_.label(QStringLiteral("Label13")), pattern, r.contactSize);
    showNumberOrEmpty(controls_.label(QStringLiteral("Label14")), pattern, r.approach);
    showNumber(controls_.label(QStringLiteral("Label15")), pattern, r.pMax);
    showNumber(controls_.label(QStringLiteral("Label20")), pattern, r.sigmaZMax);
    // The roller has no tensile-stress result; its field stays as the
    // kind selection left it (empty).
    if (r.sigmaRMax)
        showNumber(controls_.label(QStringLiteral("Label21")), pattern, *r.sigmaRMax);
    showNumberOrEmpty(controls_.label(QStringLiteral("Label22")), pattern, r.tauMax);
}

} // namespace tavrel
