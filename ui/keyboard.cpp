#include "ui/keyboard.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QTabWidget>

namespace tavrel
{

void openMenuFromKeyboard(QWidget *control)
{
    const QPoint at = control->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, control->mapToGlobal(at));
    QCoreApplication::sendEvent(control, &event);
}

void addWindowKeys(QWidget *window, QTabWidget *pages)
{
    auto *menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), window);
    QObject::connect(menuKey, &QShortcut::activated, window, [window] {
        if (QWidget *focused = window->focusWidget())
            openMenuFromKeyboard(focused);
    });
    for (const auto &[key, step] : {std::pair{Qt::Key_PageDown, 1}, std::pair{Qt::Key_PageUp, -1}}) {
        auto *turn = new QShortcut(QKeySequence(Qt::CTRL | key), window);
        QObject::connect(turn, &QShortcut::activated, pages, [pages, step] {
            pages->setCurrentIndex((pages->currentIndex() + step + pages->count()) % pages->count());
        });
    }
}

} // namespace tavrel
