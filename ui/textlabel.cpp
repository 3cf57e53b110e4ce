#include "ui/textlabel.h"

#include "ui/controls.h"
#include "ui/describe.h"
#include "ui/fitting.h"
#include "ui/focusring.h"
#include "ui/palette.h"
#include "ui/popups.h"
#include "ui/stale_look.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace tavrel
{

namespace
{

// A caption, result field or note. Its text always fits its box: the
// designed caption spans exactly its designed width, as it did in the
// designed font (set looser when the font here is narrower, tighter by up
// to 1.5 pixels a character when it is a little wider, condensed when much
// wider), so the captions end where they were designed to; a caption
// that a selection sets grows to its text, as the designed auto-sizing
// labels do, up to the tab's right edge; a field keeps its designed size.
// A text too wide for its room is drawn condensed, then smaller, and only
// when even the smallest font does not fit, cut with "…" (the tooltip then
// holds the whole text). Fitting happens whenever the text is set through
// setCaption or setFieldText, and again before painting a text set any
// other way.
class TextLabel : public QLabel
{
public:
    TextLabel(const ControlSpec &row, QWidget *parent)
        : QLabel(QString::fromUtf8(row.text), parent), kind_(row.kind), base_(fontFor(row.font)),
          designedText_(text()), designedWidth_(row.width)
    {
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setTextFormat(Qt::PlainText);
        setWordWrap(kind_ == ControlKind::Note);
        // A result field is reached by Tab too, so that a keyboard or screen
        // reader user can read, select and copy it.
        if (kind_ == ControlKind::Field) {
            setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            setFocusPolicy(Qt::StrongFocus);
            ringOnFocus(this);
        }
    }

    void fit()
    {
        const QString current = text();
        room_ = roomFor(current);
        fittedFor_ = {current, room_};
        // The designed caption spans its designed width; any other text
        // keeps its own spacing.
        const bool designed = kind_ == ControlKind::Caption && current == designedText_;
        const FittedText fitted = fitText(
            base_, current,
            TextRoom{static_cast<qreal>(room_), static_cast<qreal>(height()), kind_ == ControlKind::Note},
            designed ? Tracking::ToRoom : Tracking::Natural);
        if (this->font() != fitted.font || !testAttribute(Qt::WA_SetFont))
            setFont(fitted.font);
        if (kind_ == ControlKind::Caption)
            resize(!fitted.narrowed && !designed ? fitted.span : room_, QFontMetrics(fitted.font).height());
        whole_ = fitted.whole;
        setToolTip(kind_ == ControlKind::Field ? toolTipFor(this, current) : whole_ ? QString() : current);
    }

protected:
    // The width the text may take.
    int roomFor(const QString &text) const
    {
        if (kind_ != ControlKind::Caption || text == designedText_)
            return kind_ == ControlKind::Caption ? designedWidth_ : width();
        constexpr int kEdgeMargin = 4;
        return std::max(designedWidth_, parentWidget()->width() - x() - kEdgeMargin);
    }

    // Labels of a tab not yet shown are fitted when first shown (their tab
    // has its size then); a text set other than through setCaption is
    // fitted before it is painted.
    void fitIfChanged()
    {
        if (fittedFor_ != std::pair{text(), roomFor(text())})
            fit();
    }

    void showEvent(QShowEvent *event) override
    {
        fitIfChanged();
        QLabel::showEvent(event);
    }

    void paintEvent(QPaintEvent *event) override
    {
        fitIfChanged();
        if (whole_) {
            QLabel::paintEvent(event);
        } else {
            QPainter painter(this);
            style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(),
                                  isEnabled(), elided(font(), text(), contentsRect().width()),
                                  foregroundRole());
        }
        if (kind_ == ControlKind::Field)
            paintStaleMark(this);
    }

    // A result field offers its text for copying.
    void contextMenuEvent(QContextMenuEvent *event) override
    {
        if (kind_ != ControlKind::Field) {
            QLabel::contextMenuEvent(event);
            return;
        }
        auto *menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        QAction *copy =
            menu->addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"), this, [this] {
                QGuiApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text().trimmed());
            });
        copy->setEnabled(!text().trimmed().isEmpty());
        menu->addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"), this,
                        [this] { setSelection(0, static_cast<int>(text().size())); });
        offerResultAction(menu, this);
        adoptWindowLook(menu);
        menu->popup(event->globalPos());
    }

    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        QLabel::mouseDoubleClickEvent(event);
        if (kind_ == ControlKind::Field)
            runResultAction(this);
    }

private:
    ControlKind kind_;
    QFont base_;
    QString designedText_;
    int designedWidth_;
    int room_{};
    std::pair<QString, int> fittedFor_;
    bool whole_ = true;
};

} // namespace

QLabel *makeTextLabel(const ControlSpec &row, QWidget *parent)
{
    return new TextLabel(row, parent);
}

void setCaption(QLabel *label, const QString &text)
{
    label->setText(text);
    if (auto *fitting = dynamic_cast<TextLabel *>(label))
        fitting->fit();
    captionChanged(label);
}

void setFieldText(QLabel *field, const QString &text)
{
    setCaption(field, text);
    nameControl(field);
}

} // namespace tavrel
