// What a screen reader finds in the window beyond each control's name: a
// picture that opens a menu is a menu button, and the window and its tabs
// list only what can be seen.
#pragma once

namespace tavrel
{

// Installs, once per application, the accessible interfaces of the
// window's own kinds of control.
void useAccessibleInterfaces();

} // namespace tavrel
