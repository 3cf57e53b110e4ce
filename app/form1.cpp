#include "app/form1.h"

#include "app/fields.h"
#include "app/look.h"
#include "app/materials.h"
#include "app/numtext.h"
#include "beam/beam_tab.h"
#include "bearing/bearing_tab.h"
#include "hertz/hertz_tab.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>

using namespace tavrel;

namespace
{

// Controls that lie on the window itself, hidden under the page control.
// They repeat captions of the bearing and beam tabs and take part in
// nothing.
// clang-format off
constexpr std::array kStrayControls = {
    ControlSpec{"Label34", ControlKind::Caption, 204, 211, 124, 15, "定格疲れ寿命 Lh ="},
    ControlSpec{"Label35", ControlKind::Field, 340, 209, 70, 20, "      ", FontRole::Gothic17, Fill::Result},
    ControlSpec{"Label36", ControlKind::Caption, 422, 210, 30, 15, "時間"},
    ControlSpec{"Label56", ControlKind::Caption, 347, 42, 31, 15, "L  = "},
    ControlSpec{"", ControlKind::Output, 398, 48, 70, 23, "21000"},
};
// clang-format on

} // namespace

TForm1::TForm1(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tavrel Ver. 1.01"));
    setFont(fontFor(FontRole::Inherit));
    // The designed 544 x 469 frame less its borders and caption.
    resize(536, 442);
    move(302, 122);
    buildStrayControls();
    buildFrame();
    buildMaterialMenu();
    FormCreate();
}

void TForm1::buildStrayControls()
{
    const Controls stray = buildControls(this, kStrayControls);
    // The unnamed box lies under the page control where nobody can see it:
    // keyboard focus must never land there.
    stray.widget(QString())->setFocusPolicy(Qt::NoFocus);
}

void TForm1::buildFrame()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(8, 10, 522, 425);

    TabSheet1 = new HertzTab;
    TabSheet2 = new BeamTab;
    TabSheet3 = new BearingTab;
    PageControl1->addTab(TabSheet1, QStringLiteral("Hertz応力"));
    PageControl1->addTab(TabSheet2, QStringLiteral("応力計算"));
    PageControl1->addTab(TabSheet3, QStringLiteral("ﾍﾞｱﾘﾝｸﾞ"));
    PageControl1->setCurrentIndex(0);

    // Save and print are offered but not available.
    PopupMenu4 = new QMenu(this);
    PopupMenu4->setObjectName(QStringLiteral("PopupMenu4"));
    for (auto [name, caption] : {std::pair{"N9", "保存"}, std::pair{"Print1", "印刷"}}) {
        QAction *action = PopupMenu4->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(false);
    }
    for (QWidget *owner : {static_cast<QWidget *>(PageControl1), static_cast<QWidget *>(TabSheet1)}) {
        owner->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(owner, &QWidget::customContextMenuRequested, this,
                [this, owner](const QPoint &pos) { PopupMenu4->popup(owner->mapToGlobal(pos)); });
    }
    PageControl1->raise();
}

void TForm1::buildMaterialMenu()
{
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    for (std::size_t entry = 0; entry < kMaterialPresets.size(); ++entry) {
        QAction *action = PopupMenu2->addAction(QString::fromUtf8(kMaterialPresets[entry].caption));
        action->setObjectName(QString::fromLatin1(kMaterialPresets[entry].item));
        connect(action, &QAction::triggered, this, guarded(this, [this, entry] { MaterialClick(entry); }));
    }
    // The menu replaces the usual edit menu on the three modulus boxes only.
    modulusBoxes_[0] = TabSheet1->controls().edit(QStringLiteral("Edit2"));
    modulusBoxes_[1] = TabSheet1->controls().edit(QStringLiteral("Edit3"));
    modulusBoxes_[2] = TabSheet2->controls().edit(QStringLiteral("Edit23"));
    for (QLineEdit *box : modulusBoxes_) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this,
                [this, box](const QPoint &pos) { PopupMenu2->popup(box->mapToGlobal(pos)); });
    }
}

void TForm1::FormCreate()
{
    for (std::size_t entry = 0; entry < materials_.size(); ++entry)
        materials_[entry] = kMaterialPresets[entry].modulus;
    TabSheet1->setContactKind(ContactKind::SphereOnSphere);
}

void TForm1::MaterialClick(std::size_t entry)
{
    for (QLineEdit *box : modulusBoxes_)
        box->setText(QString::fromStdString(FloatToStr(materials_[entry])));
}
