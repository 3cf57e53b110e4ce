#include "app/popups.h"

#include "app/palette.h"

#include <QMenu>
#include <QMessageBox>

namespace tavrel
{

void offerMenu(QWidget *owner, QMenu *menu)
{
    owner->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(owner, &QWidget::customContextMenuRequested, menu, [owner, menu](const QPoint &pos) {
        adoptWindowLook(menu);
        menu->popup(owner->mapToGlobal(pos));
    });
}

void adoptWindowLook(QWidget *popup)
{
    popup->setPalette(designedPalette());
    popup->setFont(fontFor(FontRole::Inherit));
}

void showErrorBox(QWidget *owner, const QString &message)
{
    QWidget *window = owner->window();
    QMessageBox box(QMessageBox::Critical, window->windowTitle(), message, QMessageBox::Ok, window);
    box.setObjectName(QStringLiteral("ErrorBox"));
    // The message quotes what the user typed: never read it as markup.
    box.setTextFormat(Qt::PlainText);
    adoptWindowLook(&box);
    box.exec();
}

} // namespace tavrel
