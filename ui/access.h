// What a screen reader finds in the window beyond each control's name: a
// picture that opens a menu is a menu button, and the window and its tabs
// list only what can be seen.
#pragma once

struct QMetaObject;

namespace tavrel
{

// Installs, once per application, the accessible interfaces of the
// window's own kinds of control; `mainWindow` is the class of the main
// window, which lists only its shown children too.
void useAccessibleInterfaces(const QMetaObject &mainWindow);

} // namespace tavrel
