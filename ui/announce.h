// Words for a screen reader that belong to no control: a notification that
// appears, which the screen reader speaks without the focus moving. On this
// toolkit a change of the focused control's name or description reaches the
// screen reader without its text, and is not spoken.
#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;
class QWidget;

namespace tavrel
{

// Speaks `words` as a notification of `window`, out of sight.
void announce(QWidget *window, const QString &words);

// The accessible interface of a window's notification, or none for any
// other object.
QAccessibleInterface *announcementInterface(QObject *object);

} // namespace tavrel
