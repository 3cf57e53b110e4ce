#include "ui/picture.h"

#include "ui/focusring.h"
#include "ui/keyboard.h"

#include <QKeyEvent>

namespace tavrel
{

Picture::Picture(const QString &file, QWidget *parent) : QSvgWidget(parent), file_(file)
{
    setFocusPolicy(Qt::NoFocus);
    ringOnFocus(this);
}

void Picture::showEvent(QShowEvent *event)
{
    if (!file_.isEmpty()) {
        load(file_);
        file_.clear();
    }
    QSvgWidget::showEvent(event);
}

// Space and Return open the menu, as they press a menu button. Only a
// picture that offers a menu takes the focus, and with it the keys.
void Picture::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        openMenuFromKeyboard(this);
    else
        QSvgWidget::keyPressEvent(event);
}

} // namespace tavrel
