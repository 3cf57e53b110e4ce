#include "ui/announce.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace tavrel
{

namespace
{

// A notification takes no room and shows nothing: what the window shows
// says the same in its own way (a stale result's look).
class Announcement : public QLabel
{
    Q_OBJECT

public:
    explicit Announcement(QWidget *window) : QLabel(window)
    {
        setObjectName(QStringLiteral("Announcement"));
        setGeometry(0, 0, 0, 0);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
};

class AnnouncementInterface : public QAccessibleWidget
{
public:
    explicit AnnouncementInterface(Announcement *label) : QAccessibleWidget(label, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<QLabel *>(widget())->text() : QString();
    }
};

} // namespace

void announce(QWidget *window, const QString &words)
{
    auto *label = window->findChild<Announcement *>(QString(), Qt::FindDirectChildrenOnly);
    if (!label)
        label = new Announcement(window);
    // Appearing is what the screen reader speaks.
    label->hide();
    label->setText(words);
    label->show();
}

QAccessibleInterface *announcementInterface(QObject *object)
{
    auto *label = qobject_cast<Announcement *>(object);
    return label ? new AnnouncementInterface(label) : nullptr;
}

} // namespace tavrel

#include "announce.moc"
