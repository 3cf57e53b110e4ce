// A menu item as a screen reader finds it: its caption, checked or not,
// and, for an item that cannot be chosen, why not. The toolkit's own menu
// items have no description, so that an unavailable item is read only as
// "grayed".
#pragma once

#include <QString>

class QAccessibleInterface;
class QAction;

namespace tavrel
{

// Gives `action` the reason it is unavailable, shown as its tooltip and
// status tip and read with it as its description.
void explainUnavailable(QAction *action, const QString &why);

// The accessible interface of a menu item, or none for an action that
// stands in no menu.
QAccessibleInterface *menuItemInterface(QAction *action);

} // namespace tavrel
