// Keys that work across the whole window: context menus from the keyboard
// and switching tabs.
#pragma once

class QTabWidget;
class QWidget;

namespace tavrel
{

// Opens the context menu of `control` as the Menu key does: at its text
// cursor, or at its middle when it has none.
void openMenuFromKeyboard(QWidget *control);

// Shift+F10 opens the context menu of the focused control of `window`, as
// the Menu key does on keyboards that have one; Ctrl+PageDown and
// Ctrl+PageUp go to the next and previous tab of `pages`, as Ctrl+Tab and
// Ctrl+Shift+Tab do, from the last tab round to the first.
void addWindowKeys(QWidget *window, QTabWidget *pages);

} // namespace tavrel
