// A window of plain Qt controls in about the mix of the calculator's window,
// to its first painted frame: what a window of this size costs to start,
// whoever builds it. The mix, counted once on the calculator's window:
//   top level  4 labels, 1 edit box, 3 pop-up menus, the tab control
//   page 1     22 labels, 7 edit boxes, 1 button, 2 pictures (1 hidden)
//   page 2     17 labels, 13 edit boxes, 1 button, 1 picture,
//              2 frames of 5 radio items
//   page 3     19 labels, 5 edit boxes, 1 button
// 117 widgets below the window in all, in the same fonts and with the same
// three pictures.
#include "bench/startup_probe.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgWidget>
#include <QTabWidget>

namespace
{

QFont gothic(int pixels)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
    font.setPixelSize(pixels);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont mincho()
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho")});
    font.setPixelSize(15);
    font.setStyleHint(QFont::Serif);
    return font;
}

void fill(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(role == QPalette::Window);
}

const QColor kYellow{255, 255, 181};
const QColor kCyan{128, 255, 255};

// Puts controls on a page row by row: a caption, then a box or a field
// beside it.
class Rows
{
public:
    Rows(QWidget *page, int left, int top) : page_(page), left_(left), top_(top) {}

    QLabel *caption(const QString &text, const QFont *font = nullptr)
    {
        auto *label = new QLabel(text, page_);
        if (font)
            label->setFont(*font);
        label->move(left_, top_ + 25 * row_);
        label->adjustSize();
        return label;
    }
    QLineEdit *edit(const QString &text)
    {
        auto *box = new QLineEdit(text, page_);
        box->setGeometry(left_ + 135, top_ + 25 * row_ - 3, 70, 23);
        return box;
    }
    QLabel *field(const QFont *font = nullptr)
    {
        auto *label = new QLabel(page_);
        if (font)
            label->setFont(*font);
        label->setGeometry(left_ + 150, top_ + 25 * row_ - 3, 72, 20);
        fill(label, QPalette::Window, kYellow);
        return label;
    }
    void next() { ++row_; }

private:
    QWidget *page_;
    int left_, top_, row_ = 0;
};

QLabel *title(QWidget *page, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, page);
    label->setFont(gothic(17));
    label->move(left, top);
    label->adjustSize();
    fill(label, QPalette::Window, kCyan);
    return label;
}

QSvgWidget *picture(QWidget *page, const char *resource, QRect geometry)
{
    auto *svg = new QSvgWidget(QString::fromLatin1(resource), page);
    svg->setGeometry(geometry);
    return svg;
}

QPushButton *button(QWidget *page, int left, int top)
{
    auto *b = new QPushButton(QStringLiteral("計 算"), page);
    b->setGeometry(left, top, 75, 26);
    return b;
}

QWidget *radioFrame(QWidget *page, QRect geometry)
{
    auto *frame = new QGroupBox(page);
    frame->setGeometry(geometry);
    auto *items = new QButtonGroup(frame);
    const int step = (geometry.height() - 12) / 5;
    for (int id = 0; id < 5; ++id) {
        auto *item = new QRadioButton(frame);
        item->setGeometry(6, 8 + step * id, geometry.width() - 10, step);
        items->addButton(item, id);
    }
    items->button(0)->setChecked(true);
    return frame;
}

QMenu *menu(QWidget *window, int items, int enabled)
{
    auto *m = new QMenu(window);
    for (int i = 0; i < items; ++i)
        m->addAction(QStringLiteral("項目 %1").arg(i + 1))->setEnabled(i < enabled);
    return m;
}

QWidget *firstPage()
{
    auto *page = new QWidget;
    page->setFont(gothic(15));
    picture(page, ":/hertz/images/image1.svg", {24, 76, 200, 200});
    picture(page, ":/hertz/images/image5.svg", {24, 76, 200, 200})->hide();
    title(page, QStringLiteral("  球と凸球  "), 72, 36);
    Rows rows(page, 270, 13);
    for (int i = 0; i < 7; ++i, rows.next()) {
        rows.caption(QStringLiteral("入力値 %1 [mm] = ").arg(i + 1));
        rows.edit(QStringLiteral("21000"));
    }
    // Three more captions in the inherited font, four in the small one,
    // six result fields.
    const QFont small = gothic(13);
    for (int i = 0; i < 6; ++i, rows.next()) {
        if (i < 3)
            rows.caption(QStringLiteral("結果 %1 [mm] = ").arg(i + 1));
        if (i >= 2)
            rows.caption(QStringLiteral("最大応力 σ%1 [kg/mm2] = ").arg(i + 1), &small);
        rows.field();
    }
    auto *note = new QLabel(page);
    note->setGeometry(16, 319, 210, 38);
    note->setWordWrap(true);
    button(page, 426, 365);
    return page;
}

QWidget *secondPage()
{
    auto *page = new QWidget;
    page->setFont(gothic(15));
    picture(page, ":/beam/images/image2.svg", {12, 8, 272, 298});
    radioFrame(page, {162, 10, 30, 295});
    radioFrame(page, {288, 32, 30, 337});
    new QLabel(QStringLiteral("数値入力"), page);
    Rows rows(page, 310, 15);
    const QFont serif = mincho();
    for (int i = 0; i < 10; ++i, rows.next()) {
        rows.caption(QStringLiteral("寸法%1 = ").arg(i + 1), i == 9 ? &serif : nullptr);
        rows.edit(QStringLiteral("20"));
    }
    Rows units(page, 464, 39);
    for (int i = 0; i < 3; ++i, units.next())
        units.caption(QStringLiteral("単位%1").arg(i + 1));
    for (int i = 0; i < 3; ++i, rows.next()) {
        rows.caption(QStringLiteral("σmax = "), &serif);
        fill(rows.edit(QString()), QPalette::Base, kYellow);
    }
    button(page, 424, 363);
    return page;
}

QWidget *thirdPage()
{
    auto *page = new QWidget;
    page->setFont(gothic(15));
    title(page, QStringLiteral("   単列深溝玉軸受けの寿命計算   "), 203, 26);
    Rows rows(page, 200, 62);
    for (int i = 0; i < 5; ++i, rows.next()) {
        rows.caption(QStringLiteral("アキシアル荷重 %1 = ").arg(i + 1));
        rows.edit(QStringLiteral("6000"));
    }
    const QFont large = gothic(17);
    for (int i = 0; i < 2; ++i, rows.next()) {
        rows.caption(QStringLiteral("動等価荷重 %1 =").arg(i + 1));
        rows.field(&large);
    }
    rows.field();
    Rows units(page, 422, 70);
    for (int i = 0; i < 8; ++i, units.next())
        units.caption(QStringLiteral("kgf"));
    button(page, 344, 298);
    return page;
}

} // namespace

int main(int argc, char *argv[])
{
    tavrel::bench::markMainEntered();
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Synthetic"));
    window.setFont(gothic(15));
    window.resize(536, 442);

    Rows stray(&window, 200, 210);
    stray.caption(QStringLiteral("定格疲れ寿命 Lh ="));
    const QFont large = gothic(17);
    stray.field(&large);
    stray.next();
    stray.caption(QStringLiteral("時間"));
    stray.caption(QStringLiteral("L  = "));
    stray.edit(QStringLiteral("21000"))->setFocusPolicy(Qt::NoFocus);

    auto *pages = new QTabWidget(&window);
    pages->setGeometry(8, 10, 522, 425);
    pages->addTab(firstPage(), QStringLiteral("Hertz応力"));
    pages->addTab(secondPage(), QStringLiteral("応力計算"));
    pages->addTab(thirdPage(), QStringLiteral("ﾍﾞｱﾘﾝｸﾞ"));
    menu(&window, 2, 0);
    menu(&window, 7, 7);
    menu(pages->widget(0), 7, 2);

    tavrel::bench::reportFirstPaint(&window);
    window.show();
    return app.exec();
}
