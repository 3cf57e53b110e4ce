#include "diagram/diagram_window.h"

#include "beam/beam_tab.h"
#include "bearing/bearing_tab.h"
#include "diagram/figure_view.h"
#include "diagram/image_export.h"
#include "help/guide_help.h"
#include "hertz/hertz_tab.h"
#include "sheet/sheet_save.h"
#include "ui/focusring.h"
#include "ui/menu_access.h"
#include "ui/palette.h"
#include "ui/popups.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tavrel
{

namespace
{

const char *const kPressFirst = "計算ボタンを押すと図が表示されます";
const char *const kNotCurrent = "結果は未計算です（入力が前回の計算から変更されています）";
// Why an image cannot be saved yet.
const char *const kSaveAfterPress = "計算ボタンを押すと図が表示され、保存できます。";
const char *const kSaveAfterNewPress =
    "入力が前回の計算から変更されています。計算ボタンを押すと図が表示され、保存できます。";
const char *const kNoFigure = "この結果には図がありません。";

// The size the window opens at, and the least it can be made, in font
// heights; and the gap kept to the main window.
constexpr QSizeF kOpeningSize(40, 46);
constexpr QSizeF kLeastSize(22, 18);
constexpr int kGapToOwner = 8;

// What a tab's last press draws: nothing before the press (or after the
// results were emptied), and only while the boxes still hold what it read.
template <typename Tab, typename Build>
std::optional<DiagramContent> drawnFor(const Tab *tab, Build build, QString &message)
{
    if (!tab->lastPress()) {
        message = QString::fromUtf8(kPressFirst);
        return std::nullopt;
    }
    if (!tab->resultsCurrent()) {
        message = QString::fromUtf8(kNotCurrent);
        return std::nullopt;
    }
    return build(*tab->lastPress());
}

} // namespace

DiagramWindow::DiagramWindow(const DiagramSources &sources, QWidget *owner)
    : QWidget(owner, Qt::Window), sources_(sources)
{
    setObjectName(QStringLiteral("DiagramWindow"));
    // A window of its own takes nothing of its owner's look: it is given
    // the designed palette and font, whatever the desktop's.
    setPalette(designedPalette());
    setFont(fontFor(FontRole::Inherit));

    message_ = new QLabel;
    message_->setObjectName(QStringLiteral("DiagramMessage"));
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("DiagramStatus"));
    status_->setWordWrap(true);
    status_->hide();
    view_ = new FigureView;
    values_ = new QTextBrowser;
    values_->setObjectName(QStringLiteral("DiagramValues"));
    values_->setAccessibleName(QStringLiteral("図の値"));
    values_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Refitted whenever the text is laid out anew (new values, a new width).
    connect(values_->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &DiagramWindow::fitValues);

    auto *drawn = new QWidget;
    auto *drawnLayout = new QVBoxLayout(drawn);
    drawnLayout->setContentsMargins(0, 0, 0, 0);
    drawnLayout->addWidget(view_, 1);
    drawnLayout->addWidget(values_, 0);
    pages_ = new QStackedWidget;
    pages_->addWidget(message_);
    pages_->addWidget(drawn);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);
    layout->addWidget(status_);
    // The texts take the keyboard, and show the focus ring: there is room
    // for it around them.
    const int ringRoom = style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    drawnLayout->setContentsMargins(ringRoom, 0, ringRoom, ringRoom);
    for (QWidget *text : std::initializer_list<QWidget *>{message_, values_, status_}) {
        text->setFocusPolicy(Qt::StrongFocus);
        ringOnFocus(text);
    }
    status_->setContentsMargins(ringRoom, ringRoom, ringRoom, ringRoom);
    buildMenus();

    const int line = fontMetrics().height();
    setMinimumSize((kLeastSize * line).toSize());
    resize((kOpeningSize * line).toSize());

    connect(sources_.pages, &QTabWidget::currentChanged, this, &DiagramWindow::refresh);
    for (CalculatorTab *tab :
         std::initializer_list<CalculatorTab *>{sources_.hertz, sources_.beam, sources_.bearing})
        connect(tab, &CalculatorTab::pressStateChanged, this, &DiagramWindow::refresh);
}

void DiagramWindow::buildMenus()
{
    auto *bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    QMenu *file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    save_ = file->addAction(QStringLiteral("画像を保存(&S)…"), this, &DiagramWindow::saveWithDialog);
    save_->setObjectName(QStringLiteral("SaveImage"));
    save_->setShortcut(QKeySequence::Save);
    QAction *sheet = file->addAction(QStringLiteral("計算書を保存(&P)…"), this, [this] {
        const QString saved =
            saveSheetAs(this, shownTab(*sources_.pages, {sources_.hertz, sources_.beam, sources_.bearing}));
        if (!saved.isEmpty())
            confirmSaved(QStringLiteral("計算書を保存しました：%1").arg(QDir::toNativeSeparators(saved)));
    });
    sheet->setObjectName(QStringLiteral("SaveSheet"));
    sheet->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    file->addSeparator();
    QAction *close = file->addAction(QStringLiteral("閉じる(&C)"), this, &QWidget::close);
    close->setShortcut(Qt::Key_Escape);
    QMenu *edit = bar->addMenu(QStringLiteral("編集(&E)"));
    QAction *copy = edit->addAction(QStringLiteral("コピー(&C)"), this, &DiagramWindow::copy);
    copy->setObjectName(QStringLiteral("CopyDiagram"));
    copy->setShortcut(QKeySequence::Copy);
    QMenu *help = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    QAction *guide =
        help->addAction(QStringLiteral("取扱説明書(&M)"), this, [this] { openGuide(this, sources_.pages); });
    guide->setObjectName(QStringLiteral("ShowGuide"));
    guide->setShortcut(QKeySequence::HelpContents);
    for (QMenu *menu : {file, edit, help})
        adoptWindowLook(menu);
}

void DiagramWindow::present()
{
    if (!placed_)
        placeBesideOwner();
    placed_ = true;
    show();
    raise();
    activateWindow();
    // The values (or the prompt) take the keyboard, for selecting and
    // reading aloud.
    shownText()->setFocus();
}

QWidget *DiagramWindow::shownText() const
{
    return pages_->currentIndex() == 1 ? static_cast<QWidget *>(values_) : message_;
}

// In words on the window, and in the screen reader's voice: the line takes
// the focus, which Tab moves on from.
void DiagramWindow::confirmSaved(const QString &words)
{
    status_->setText(words);
    status_->show();
    // Back from the file dialog, where no window manager gives the window
    // the keyboard again.
    activateWindow();
    status_->setFocus();
}

// Beside the main window, on the side with more room, narrowed to that room
// down to the least readable width; where neither side has that much, at
// the screen's right edge over the main window. Never larger than the
// screen.
void DiagramWindow::placeBesideOwner()
{
    const QWidget *owner = parentWidget();
    const QRect free = owner->screen()->availableGeometry();
    const QRect frame = owner->frameGeometry();
    // Room for the window's frame, taken to be as thick as the owner's.
    const QSize decoration = frame.size() - owner->size();
    const int right = free.right() - frame.right() - kGapToOwner - decoration.width();
    const int left = frame.left() - free.left() - kGapToOwner - decoration.width();
    QSize size = this->size().expandedTo(minimumSize()).boundedTo(free.size() - decoration);
    int x = free.right() + 1 - size.width() - decoration.width();
    if (std::max(right, left) >= minimumWidth()) {
        size.setWidth(std::min(size.width(), std::max(right, left)));
        x = right >= left ? frame.right() + 1 + kGapToOwner
                          : frame.left() - kGapToOwner - decoration.width() - size.width();
    }
    resize(size);
    const int y = std::clamp(frame.top(), free.top(),
                             std::max(free.top(), free.bottom() + 1 - size.height() - decoration.height()));
    move(std::max(x, free.left()), y);
}

void DiagramWindow::showEvent(QShowEvent *event)
{
    refresh();
    QWidget::showEvent(event);
}

std::optional<DiagramContent> DiagramWindow::contentNow(QString &message) const
{
    QWidget *page = sources_.pages->currentWidget();
    if (page == sources_.hertz)
        return drawnFor(sources_.hertz, hertzDiagram, message);
    if (page == sources_.beam)
        return drawnFor(sources_.beam, beamDiagram, message);
    return drawnFor(sources_.bearing, bearingDiagram, message);
}

// Drawn only while shown: a hidden window costs a press nothing.
void DiagramWindow::refresh()
{
    if (!isVisible())
        return;
    setWindowTitle(QStringLiteral("図 - %1").arg(sources_.pages->tabText(sources_.pages->currentIndex())));
    const QWidget *had = focusWidget();
    const bool textHadFocus = !had || had == message_ || had == values_ || had == status_;
    QString message;
    std::optional<DiagramContent> content = contentNow(message);
    message_->setText(message);
    values_->setPlainText(content ? content->values.join(QLatin1Char('\n')) : QString());
    // Read whole in the values' name when they take the focus: a screen
    // reader reads neither the text of a read-only text nor its description.
    values_->setAccessibleName(
        content ? QStringLiteral("図の値：%1").arg(content->values.join(QStringLiteral("。")))
                : QStringLiteral("図の値"));
    fitValues();
    view_->setVisible(content && !content->figure.plots.empty());
    view_->setFigure(content ? std::move(content->figure) : Figure{});
    pages_->setCurrentIndex(content ? 1 : 0);
    save_->setEnabled(view_->isVisibleTo(this));
    explainUnavailable(save_, QString::fromUtf8(content                  ? kNoFigure
                                                : message == kPressFirst ? kSaveAfterPress
                                                                         : kSaveAfterNewPress));
    // A confirmation belongs to the drawing it saved.
    status_->hide();
    if (textHadFocus)
        shownText()->setFocus();
}

// The values take the height of their text, up to half of the window;
// beyond that they scroll.
void DiagramWindow::fitValues()
{
    const QTextDocument *text = values_->document();
    const int frame = 2 * values_->frameWidth() + static_cast<int>(2 * text->documentMargin());
    const int needed = static_cast<int>(std::ceil(text->size().height())) + frame;
    values_->setFixedHeight(
        std::clamp(needed, 3 * fontMetrics().height(), std::max(height() / 2, 3 * fontMetrics().height())));
}

// Closed, the window gives the keyboard back to the main window, also
// where no window manager does (and its shortcuts work again at once).
void DiagramWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (isActiveWindow() && parentWidget()->isVisible())
        parentWidget()->activateWindow();
}

void DiagramWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitValues();
}

SaveFailure DiagramWindow::saveImage(const QString &path) const
{
    return saveFigure(view_->figure(), view_->size(), path, windowTitle());
}

void DiagramWindow::copy() const
{
    const QString selected = values_->textCursor().selectedText();
    if (!selected.isEmpty()) {
        // The text cursor separates paragraphs with U+2029.
        QGuiApplication::clipboard()->setText(QString(selected).replace(QChar::ParagraphSeparator, u'\n'));
        return;
    }
    if (pages_->currentIndex() == 1 && view_->isVisible())
        QGuiApplication::clipboard()->setImage(
            figureImage(view_->figure(), view_->size(), std::max<qreal>(2, devicePixelRatioF())));
}

void DiagramWindow::saveWithDialog()
{
    QFileDialog dialog(this, QStringLiteral("画像を保存"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("PNG 画像 (*.png)"), QStringLiteral("SVG 画像 (*.svg)")});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    // In the pictures folder, named after the tab.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    dialog.setDirectory(QDir(pictures).exists() ? pictures : QDir::homePath());
    dialog.selectFile(
        QStringLiteral("図-%1.png").arg(sources_.pages->tabText(sources_.pages->currentIndex())));
    adoptWindowLook(&dialog);
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
        dialog.setDefaultSuffix(filter.contains(QLatin1String("svg")) ? QStringLiteral("svg")
                                                                      : QStringLiteral("png"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    // A name with another suffix (図.pdf) takes the chosen format's; the
    // dialog asked about replacing the name typed, so the name it became is
    // asked about here.
    const QString typed = dialog.selectedFiles().constFirst();
    const QString path =
        imagePathFor(typed, dialog.selectedNameFilter().contains(QLatin1String("svg")) ? ImageFormat::Svg
                                                                                       : ImageFormat::Png);
    if (path != typed && QFileInfo::exists(path) && !askToReplace(this, path))
        return;
    if (const SaveFailure failure = saveImage(path))
        showErrorBox(this, *failure);
    else
        confirmSaved(QStringLiteral("画像を保存しました：%1").arg(QDir::toNativeSeparators(path)));
}

} // namespace tavrel
