// The window's popups: context menus and the modal error box, drawn in the
// window's own look.
#pragma once

class QMenu;
class QString;
class QWidget;

namespace tavrel
{

// Makes a right click on `owner` open `menu`.
void offerMenu(QWidget *owner, QMenu *menu);

// Gives a popup window (a menu, a message box) the window's palette and
// font, which a separate window does not inherit.
void adoptWindowLook(QWidget *popup);

// Shows `message` in a modal error box over the window of `owner`.
void showErrorBox(QWidget *owner, const QString &message);

} // namespace tavrel
