#include "app/focusring.h"

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
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element == PE_FrameLineEdit && hasFocus(option))
            paintRing(painter, option->rect, option->palette);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_FocusFrame) {
            paintRing(painter, option->rect, option->palette);
            return;
        }
        if (element == CE_RadioButton && captionless(option)) {
            QStyleOptionButton indicator = *qstyleoption_cast<const QStyleOptionButton *>(option);
            indicator.rect = subElementRect(SE_RadioButtonIndicator, option, widget);
            proxy()->drawPrimitive(PE_IndicatorRadioButton, &indicator, painter, widget);
            if (hasFocus(option))
                paintRing(painter, subElementRect(SE_RadioButtonFocusRect, option, widget), option->palette);
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

    // A focus frame stands the ring's width outside its control.
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if ((metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin) &&
            qobject_cast<const QFocusFrame *>(widget))
            return kRingWidth;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    // A captionless radio item's circle stands in the middle of its slot,
    // with room for the ring around it; a click anywhere in the slot picks
    // the item.
    QRect subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const override
    {
        const bool radio = element == SE_RadioButtonIndicator || element == SE_RadioButtonFocusRect ||
                           element == SE_RadioButtonClickRect;
        if (!radio || !captionless(option))
            return QProxyStyle::subElementRect(element, option, widget);
        if (element == SE_RadioButtonClickRect)
            return option->rect;
        QRect circle = QProxyStyle::subElementRect(SE_RadioButtonIndicator, option, widget);
        circle.moveCenter(option->rect.center());
        const int around = kRingWidth + kRadioGap;
        return element == SE_RadioButtonIndicator ? circle
                                                  : circle.adjusted(-around, -around, around, around);
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
