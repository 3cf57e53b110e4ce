#include "app/form1.h"

#include "app/materials.h"
#include "beam/beam_tab.h"
#include "bearing/bearing_tab.h"
#include "core/num/numtext.h"
#include "core/version.h"
#include "diagram/diagram_window.h"
#include "help/guide_help.h"
#include "hertz/hertz_tab.h"
#include "ui/access.h"
#include "ui/controls.h"
#include "ui/fields.h"
#include "ui/focusring.h"
#include "ui/keyboard.h"
#include "ui/menu_access.h"
#include "ui/palette.h"
#include "ui/popups.h"

#include <QAction>
#include <QApplication>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QToolTip>
#include <QTranslator>

#include <algorithm>
#include <tuple>

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

// The designed frame: its position, its size, and the size of the client
// area within it.
constexpr QRect kDesignedFrame(302, 122, 544, 469);
constexpr QSize kClientSize(536, 442);

// The toolkit's own texts (the edit menu of a box, the buttons of a message
// box) in Japanese, whatever the user's locale: once per application.
void useToolkitTranslations()
{
    static QTranslator *translator = nullptr;
    if (translator)
        return;
    translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

// The number a box holds; none for a text that is no number.
std::optional<double> valueIn(const QLineEdit *box)
{
    try {
        return StrToFloat(box->text().toStdString());
    } catch (const EConvertError &) {
        return std::nullopt;
    }
}

} // namespace

TForm1::TForm1(QWidget *parent) : QWidget(parent)
{
    useToolkitTranslations();
    useFocusRings();
    useAccessibleInterfaces(staticMetaObject);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setPalette(designedPalette());
    setFont(fontFor(FontRole::Inherit));
    QToolTip::setPalette(designedPalette());
    QToolTip::setFont(fontFor(FontRole::Inherit));
    resize(kClientSize);
    // Nothing is anchored to the window's edges: any smaller and boxes and
    // the compute buttons would be cut off, with no way to scroll to them.
    setMinimumSize(kClientSize);
    placeOnScreen();
    buildStrayControls();
    buildFrame();
    buildMaterialMenu();
    offerDiagram();
    FormCreate();
}

void TForm1::buildStrayControls()
{
    // Nobody can see them under the page control: hidden, they are reached
    // neither by Tab nor by a screen reader, and keep their geometry.
    const Controls stray = buildControls(this, kStrayControls);
    for (const ControlSpec &row : kStrayControls)
        stray.widget(QString::fromLatin1(row.name))->hide();
}

void TForm1::buildFrame()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(8, 10, 522, 425);

    TabSheet1 = new HertzTab;
    TabSheet2 = new BeamTab;
    TabSheet3 = new BearingTab;
    // Each page is named as its tab, so that a screen reader says which
    // calculation a control belongs to.
    for (auto [page, caption] : {std::pair<QWidget *, const char *>{TabSheet1, "Hertz応力"},
                                 {TabSheet2, "応力計算"},
                                 {TabSheet3, "ﾍﾞｱﾘﾝｸﾞ"}}) {
        PageControl1->addTab(page, QString::fromUtf8(caption));
        page->setAccessibleName(QString::fromUtf8(caption));
    }
    PageControl1->setCurrentIndex(0);

    // Save and print are offered but not available; each says where the
    // calculation is saved and printed instead.
    PopupMenu4 = new QMenu(this);
    PopupMenu4->setObjectName(QStringLiteral("PopupMenu4"));
    for (auto [name, caption, why] :
         {std::tuple{"N9", "保存",
                     "ここでは保存できません。計算ボタンを押したあと、図のウィンドウ（Ctrl+G）の"
                     "「ファイル」メニューで計算書を保存できます。"},
          std::tuple{"Print1", "印刷",
                     "ここでは印刷できません。計算ボタンを押したあと、図のウィンドウ（Ctrl+G）"
                     "で計算書（PDF）を保存し、それを印刷してください。"}}) {
        QAction *action = PopupMenu4->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(false);
        explainUnavailable(action, QString::fromUtf8(why));
    }
    offerMenu(PageControl1, PopupMenu4);
    offerMenu(TabSheet1, PopupMenu4);
    PageControl1->raise();
    addWindowKeys(this, PageControl1);
    offerGuideKey(this, PageControl1);
}

void TForm1::buildMaterialMenu()
{
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    for (std::size_t entry = 0; entry < kMaterialPresets.size(); ++entry) {
        QAction *action = PopupMenu2->addAction(QString::fromUtf8(kMaterialPresets[entry].caption));
        action->setObjectName(QString::fromLatin1(kMaterialPresets[entry].item));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, guarded(this, [this, entry] { chooseMaterial(entry); }));
    }
    // The menu replaces the usual edit menu on the three modulus boxes only.
    modulusBoxes_ = {TabSheet1->bound().box(HertzField::E1), TabSheet1->bound().box(HertzField::E2),
                     TabSheet2->bound().box(BeamField::E)};
    for (QLineEdit *box : modulusBoxes_) {
        // The material whose modulus the box holds is checked.
        connect(box, &QWidget::customContextMenuRequested, this, [this, box] {
            const std::optional<double> modulus = valueIn(box);
            for (std::size_t entry = 0; entry < kMaterialPresets.size(); ++entry)
                PopupMenu2->actions()
                    .at(static_cast<int>(entry))
                    ->setChecked(modulus == kMaterialPresets[entry].modulus);
        });
        offerMenu(box, PopupMenu2);
    }
}

// At the designed position when the whole frame fits there on the screen;
// otherwise moved the least that brings it onto the screen's free area (at
// a large scale factor the designed position would put the compute buttons
// below the screen's edge).
void TForm1::placeOnScreen()
{
    const QRect free = screen()->availableGeometry();
    QRect frame = kDesignedFrame;
    frame.moveLeft(
        std::clamp(frame.left(), free.left(), std::max(free.left(), free.right() + 1 - frame.width())));
    frame.moveTop(
        std::clamp(frame.top(), free.top(), std::max(free.top(), free.bottom() + 1 - frame.height())));
    move(frame.topLeft());
}

void TForm1::offerDiagram()
{
    // Window-wide, so that it works whatever has the focus, the tab bar too.
    auto *open = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this);
    open->setContext(Qt::WindowShortcut);
    connect(open, &QShortcut::activated, this, &TForm1::showDiagram);
    setResultAction({QStringLiteral("図を表示"), [](QWidget *field) {
                         if (auto *form = qobject_cast<TForm1 *>(field->window()))
                             form->showDiagram();
                     }});
}

void TForm1::showDiagram()
{
    if (!diagram_)
        diagram_ = new DiagramWindow({PageControl1, TabSheet1, TabSheet2, TabSheet3}, this);
    diagram_->present();
}

void TForm1::FormCreate()
{
    for (std::size_t entry = 0; entry < materials_.size(); ++entry)
        materials_[entry] = kMaterialPresets[entry].modulus;
    // The contact kind starts as the sphere on a convex sphere, which the tab
    // is built showing.
}

void TForm1::chooseMaterial(std::size_t entry)
{
    for (QLineEdit *box : modulusBoxes_) {
        box->setText(QString::fromStdString(FloatToStr(materials_[entry])));
        // The tab names the material on its calculation sheet.
        if (auto *tab = qobject_cast<CalculatorTab *>(box->parentWidget()))
            tab->materialChosen(box, QString::fromUtf8(kMaterialPresets[entry].caption));
    }
}
