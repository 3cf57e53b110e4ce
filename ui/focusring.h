// The focus ring: a solid ring in the window's highlight colour around the
// control that has the keyboard focus, whatever made it the focus (a click,
// Tab, or the window opening), so that a keyboard user always sees where
// the keys go.
#pragma once

class QWidget;

namespace tavrel
{

// Makes every button, radio item, tab and box of the application draw the
// ring when it has the focus; once per application, over the style it
// uses.
void useFocusRings();

// Rings `widget` just outside its edge while it has the focus, so that the
// ring covers nothing of what it shows (for the window's own controls:
// result fields, whose text fills their height, and pictures).
void ringOnFocus(QWidget *widget);

} // namespace tavrel
