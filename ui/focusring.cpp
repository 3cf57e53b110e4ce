#include "ui/focusring.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>

namespace tavrel
{

namespace
{

// Two pixels wide at every scale, so that the ring stays as easy to see on
// a high-resolution screen; the gap between a radio item's circle and its
// ring.
constexpr int kRingWidth = 2;
constexpr int kRadioGap = 1;

// The window's highlight colour is dark enough to stand out against every
// ground of the window (the grey ground, white boxes, the yellow result
// fields, the face of a button) by well over 3:1.
void paintRing(QPainter *painter, const QRect &rect, const QPalette &palette)
{
    const QColor ink = palette.color(QPalette::Active, QPalette::Highlight);
    const int w = kRingWidth;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), w), ink);
    painter->fillRect(QRect(rect.left(), rect.bottom() - w + 1, rect.width(), w), ink);
    painter->fillRect(QRect(rect.left(), rect.top() + w, w, rect.height() - 2 * w), ink);
    painter->fillRect(QRect(rect.right() - w + 1, rect.top() + w, w, rect.height() - 2 * w), ink);
    painter->restore();
}

bool hasFocus(const QStyleOption *option)
{
    return option->state & QStyle::State_HasFocus;
}

// A radio item without a caption (the beam tab's items stand beside the
// picture instead).
bool captionless(const QStyleOption *option)
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    return button && button->text.isEmpty() && button->icon.isNull();
}

// Draws the ring over the application's own style: the focus frames that
// style draws are too faint to find (1.1:1), or drawn only after a key
// press.
class FocusRingStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameFocusRect) {
            paintRing(painter, option->rect, option->palette);
            return;
        }
        // Inside a box's own border, which the style draws in a darker
        // highlight while the box has the focus.
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element == PE_FrameLineEdit && hasFocus(option))
            paintRing(painter, option->rect.adjusted(1, 1, -1, -1), option->palette);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_FocusFrame) {
            paintRing(painter, option->rect, option->palette);
            return;
        }
        // A captionless radio item's circle stands in the middle of its
        // slot, with room for the ring around it.
        if (element == CE_RadioButton && captionless(option)) {
            QStyleOptionButton indicator = *qstyleoption_cast<const QStyleOptionButton *>(option);
            indicator.rect = QProxyStyle::subElementRect(SE_RadioButtonIndicator, option, widget);
            indicator.rect.moveCenter(option->rect.center());
            proxy()->drawPrimitive(PE_IndicatorRadioButton, &indicator, painter, widget);
            const int around = kRingWidth + kRadioGap;
            if (hasFocus(option))
                paintRing(painter, indicator.rect.adjusted(-around, -around, around, around),
                          option->palette);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
        if (!hasFocus(option))
            return;
        if (element == CE_PushButton)
            paintRing(painter, subElementRect(SE_PushButtonFocusRect, option, widget), option->palette);
        else if (element == CE_TabBarTabLabel)
            paintRing(painter, option->rect.adjusted(kRingWidth, kRingWidth, -kRingWidth, 0),
                      option->palette);
    }

    // A click anywhere in a captionless radio item's slot picks the item.
    QRect subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const override
    {
        if (element == SE_RadioButtonClickRect && captionless(option))
            return option->rect;
        return QProxyStyle::subElementRect(element, option, widget);
    }
};

// Puts a focus frame around a control while it has the focus. The frame is
// made at the first focus, beside the control rather than inside it, so
// that it never stands in the keyboard order between the control and its
// children.
class RingOnFocus : public QObject
{
public:
    explicit RingOnFocus(QWidget *widget) : QObject(widget) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::FocusIn) {
            if (!frame_)
                frame_ = new QFocusFrame(widget->parentWidget());
            frame_->setWidget(widget);
        } else if (event->type() == QEvent::FocusOut && frame_) {
            frame_->setWidget(nullptr);
        }
        return false;
    }

private:
    QPointer<QFocusFrame> frame_;
};

} // namespace

void useFocusRings()
{
    if (!dynamic_cast<FocusRingStyle *>(QApplication::style()))
        QApplication::setStyle(new FocusRingStyle(QApplication::style()->name()));
}

void ringOnFocus(QWidget *widget)
{
    widget->installEventFilter(new RingOnFocus(widget));
}

} // namespace tavrel
