// The window's popups: context menus and the modal error box, drawn in the
// window's own look.
#pragma once

#include <QString>

#include <functional>

class QMenu;
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

// Asks over the window of `owner` whether the file at `path` is to be
// replaced; true for yes.
bool askToReplace(QWidget *owner, const QString &path);

// What every result field and result box offers beyond its text: an item
// at the end of its context menu, also run by a double-click on a result
// field. The main window sets it (to open its diagrams); the builder knows
// nothing of what it does. None until set.
struct ResultAction {
    QString text;
    std::function<void(QWidget *field)> run;
};
void setResultAction(ResultAction action);

// Adds the result action, if set, to the end of a result's context menu.
void offerResultAction(QMenu *menu, QWidget *field);

// Runs the result action for `field`, if set.
void runResultAction(QWidget *field);

} // namespace tavrel
