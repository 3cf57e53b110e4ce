#include "ui/access.h"

#include "ui/announce.h"
#include "ui/box_access.h"
#include "ui/calc_tab.h"
#include "ui/describe.h"
#include "ui/device_rect.h"
#include "ui/keyboard.h"
#include "ui/menu_access.h"
#include "ui/picture.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QFocusFrame>
#include <QLineEdit>
#include <QMenu>

#include <mutex>

namespace tavrel
{

namespace
{

// A picture that opens a menu is a menu button, which Space, Return or the
// screen reader's own command opens; any other is a graphic.
class PictureInterface : public QAccessibleWidget
{
public:
    explicit PictureInterface(Picture *picture) : QAccessibleWidget(picture) {}

    QAccessible::Role role() const override
    {
        return picture()->offersMenu() ? QAccessible::ButtonMenu : QAccessible::Graphic;
    }

    QRect rect() const override { return inDevicePixels(QAccessibleWidget::rect(), widget()); }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.hasPopup = picture()->offersMenu();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (picture()->offersMenu())
            names.prepend(showMenuAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (action == showMenuAction() && picture()->offersMenu())
            openMenuFromKeyboard(picture());
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Picture *picture() const { return static_cast<Picture *>(widget()); }
};

// The window and its tabs list only the controls that can be seen: not the
// controls hidden under the page control, not the picture of the contact
// kind not selected, and not the captions of results, whose names carry
// them.
class ShownChildren : public QAccessibleWidget
{
public:
    ShownChildren(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    int childCount() const override { return static_cast<int>(shown().size()); }

    QAccessibleInterface *child(int index) const override
    {
        return QAccessible::queryAccessibleInterface(shown().value(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return static_cast<int>(shown().indexOf(child ? child->object() : nullptr));
    }

    QRect rect() const override { return inDevicePixels(QAccessibleWidget::rect(), widget()); }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint at = inLogicalPixels(QPoint(x, y), widget());
        return QAccessibleWidget::childAt(at.x(), at.y());
    }

private:
    QList<QObject *> shown() const
    {
        QList<QObject *> children;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !child->isHidden() && !qobject_cast<QMenu *>(child) &&
                !qobject_cast<QFocusFrame *>(child) && !captionsResult(child))
                children << child;
        }
        return children;
    }
};

// The main window's class, whose window lists only what can be seen.
const QMetaObject *mainWindowClass = nullptr;

// A window of the program's own (the diagram window), made of a plain
// widget, which the toolkit would expose as a filler rather than a window;
// not the toolkit's own windows (menus, dialogs).
bool ownWindow(const QWidget *widget)
{
    return widget->isWindow() && widget->metaObject()->superClass() == &QWidget::staticMetaObject &&
           QByteArray(widget->metaObject()->className()).startsWith("tavrel::");
}

QAccessibleInterface *interfaceFor(const QString &, QObject *object)
{
    if (auto *picture = dynamic_cast<Picture *>(object))
        return new PictureInterface(picture);
    if (QAccessibleInterface *notification = announcementInterface(object))
        return notification;
    if (auto *action = qobject_cast<QAction *>(object); action && !action->menu())
        return menuItemInterface(action);
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && ((mainWindowClass && widget->metaObject()->inherits(mainWindowClass)) || ownWindow(widget)))
        return new ShownChildren(widget, QAccessible::Window);
    // A tab is a tab's page, not a panel: Orca reads out every label of a
    // panel whenever the focus enters it, every result again.
    if (auto *tab = qobject_cast<CalculatorTab *>(object))
        return new ShownChildren(tab, QAccessible::PropertyPage);
    if (auto *box = qobject_cast<QLineEdit *>(object))
        return boxInterface(box);
    return nullptr;
}

} // namespace

void useAccessibleInterfaces(const QMetaObject &mainWindow)
{
    static std::once_flag installed;
    std::call_once(installed, [&mainWindow] {
        mainWindowClass = &mainWindow;
        QAccessible::installFactory(interfaceFor);
        tellSelectionsAfterFocus();
    });
}

} // namespace tavrel
