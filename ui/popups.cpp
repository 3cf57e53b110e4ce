#include "ui/popups.h"

#include "ui/palette.h"

#include <QDir>
#include <QMenu>
#include <QMessageBox>

namespace tavrel
{

namespace
{

ResultAction &resultAction()
{
    static ResultAction action;
    return action;
}

} // namespace

void offerMenu(QWidget *owner, QMenu *menu)
{
    owner->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(owner, &QWidget::customContextMenuRequested, menu, [owner, menu](const QPoint &pos) {
        adoptWindowLook(menu);
        menu->popup(owner->mapToGlobal(pos));
        // A menu opens on its checked item, which a screen reader then reads.
        for (QAction *action : menu->actions()) {
            if (action->isChecked())
                menu->setActiveAction(action);
        }
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

bool askToReplace(QWidget *owner, const QString &path)
{
    QWidget *window = owner->window();
    QMessageBox box(
        QMessageBox::Warning, window->windowTitle(),
        QStringLiteral("%1 は既にあります。\n置き換えますか？").arg(QDir::toNativeSeparators(path)),
        QMessageBox::Yes | QMessageBox::No, window);
    box.setObjectName(QStringLiteral("ReplaceBox"));
    box.setDefaultButton(QMessageBox::No);
    box.setTextFormat(Qt::PlainText);
    adoptWindowLook(&box);
    return box.exec() == QMessageBox::Yes;
}

void setResultAction(ResultAction action)
{
    resultAction() = std::move(action);
}

void offerResultAction(QMenu *menu, QWidget *field)
{
    if (!resultAction().run)
        return;
    menu->addSeparator();
    menu->addAction(resultAction().text, field, [field] { runResultAction(field); });
}

void runResultAction(QWidget *field)
{
    if (resultAction().run)
        resultAction().run(field);
}

} // namespace tavrel
