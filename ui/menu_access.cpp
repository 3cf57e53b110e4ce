#include "ui/menu_access.h"

#include "ui/device_rect.h"

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>

namespace tavrel
{

namespace
{

// A caption as read: without the '&' that marks its access key ("&&" is
// an '&' of its own).
QString readCaption(QString caption)
{
    static const QRegularExpression mark(QStringLiteral("&(.)"));
    return caption.replace(mark, QStringLiteral("\\1"));
}

class MenuItemInterface : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    MenuItemInterface(QAction *action, QMenu *menu) : action_(action), menu_(menu) {}

    bool isValid() const override { return action_ && menu_; }
    QObject *object() const override { return action_; }
    QWindow *window() const override { return menu_ ? menu_->windowHandle() : nullptr; }

    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(menu_); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return readCaption(action_->text());
        case QAccessible::Description:
            return action_->isEnabled() ? QString() : action_->statusTip();
        case QAccessible::Accelerator:
            return action_->shortcut().toString(QKeySequence::NativeText);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        return inDevicePixels(menu_->actionGeometry(action_).translated(menu_->mapToGlobal(QPoint(0, 0))),
                              menu_);
    }

    QAccessible::Role role() const override
    {
        return action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !menu_->isVisible() || !action_->isVisible();
        state.focusable = !action_->isSeparator();
        state.focused = menu_->activeAction() == action_;
        state.disabled = action_->isSeparator() || !action_->isEnabled();
        state.checkable = action_->isCheckable();
        state.checked = action_->isChecked();
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override
    {
        return action_->isSeparator() ? QStringList() : QStringList{pressAction()};
    }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && action_->isEnabled())
            action_->trigger();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QAction> action_;
    QPointer<QMenu> menu_;
};

} // namespace

void explainUnavailable(QAction *action, const QString &why)
{
    action->setStatusTip(why);
    action->setToolTip(why);
    if (auto *menu = qobject_cast<QMenu *>(action->parent()))
        menu->setToolTipsVisible(true);
}

QAccessibleInterface *menuItemInterface(QAction *action)
{
    for (QObject *owner : action->associatedObjects()) {
        if (auto *menu = qobject_cast<QMenu *>(owner))
            return new MenuItemInterface(action, menu);
    }
    return nullptr;
}

} // namespace tavrel
