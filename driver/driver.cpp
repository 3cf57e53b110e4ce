#include "driver/driver.h"

#include "app/form1.h"
#include "beam/beam_tab.h"
#include "bearing/bearing_tab.h"
#include "diagram/diagram_window.h"
#include "hertz/hertz_tab.h"
#include "sheet/sheet_save.h"
#include "ui/calc_tab.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <cstdio>

namespace tavrel::driver
{

namespace
{

const QString kPages = QStringLiteral("PageControl1");

} // namespace

QStringList answeringErrorBoxes(const std::function<void()> &action)
{
    QStringList seen;
    QTimer answer;
    answer.setInterval(0);
    QObject::connect(&answer, &QTimer::timeout, [&seen] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen << box->text();
            box->done(QMessageBox::Ok);
        }
    });
    answer.start();
    action();
    answer.stop();
    return seen;
}

Driver::Driver(TForm1 &window, Report report) : window_(window), report_(std::move(report))
{
    if (!report_)
        report_ = [](const QString &message) { std::fprintf(stderr, "%s\n", qPrintable(message)); };
}

template <typename T> T *Driver::find(const QString &name) const
{
    T *found = window_.findChild<T *>(name);
    if (!found)
        report_(QStringLiteral("no control named ") + name);
    return found;
}

QStringList Driver::run(const QList<Step> &steps)
{
    return answeringErrorBoxes([this, &steps] {
        for (const Step &step : steps)
            perform(step);
    });
}

void Driver::perform(const Step &step)
{
    switch (step.kind) {
    case Step::Kind::Clipboard:
        QGuiApplication::clipboard()->setText(step.value);
        return;
    case Step::Kind::ContextMenu:
        if (QWidget *control = showTabOf(step.control)) {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                    control->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(control, &event);
        }
        return;
    case Step::Kind::Type:
        if (auto *box = find<QLineEdit>(step.control))
            box->setText(step.value);
        return;
    case Step::Kind::Keys:
        if (QWidget *control = showTabOf(step.control)) {
            const QKeyCombination keys = QKeySequence::fromString(step.value)[0];
            control->setFocus();
            QTest::keyClick(control, keys.key(), keys.keyboardModifiers());
        }
        return;
    case Step::Kind::Choose: {
        auto *group = find<QButtonGroup>(step.control);
        QAbstractButton *item = group ? group->button(step.value.toInt()) : nullptr;
        if (item)
            item->click();
        else if (group)
            report_(QStringLiteral("no item %1 in %2").arg(step.value, step.control));
        return;
    }
    case Step::Kind::Press:
        showTabOf(step.control);
        if (auto *button = find<QPushButton>(step.control))
            button->click();
        return;
    case Step::Kind::Trigger:
        if (auto *action = find<QAction>(step.control))
            action->trigger();
        return;
    }
}

void Driver::showTab(Tab tab)
{
    if (auto *pages = find<QTabWidget>(kPages))
        pages->setCurrentIndex(pageIndex(tab));
}

QWidget *Driver::showTabOf(const QString &name)
{
    QWidget *control = find<QWidget>(name);
    auto *pages = find<QTabWidget>(kPages);
    QWidget *page = control;
    while (page && pages && pages->indexOf(page) < 0)
        page = page->parentWidget();
    if (page && pages)
        pages->setCurrentWidget(page);
    return control;
}

QString Driver::shownText(const QString &name) const
{
    if (const auto *label = window_.findChild<QLabel *>(name))
        return label->text();
    const auto *box = find<QLineEdit>(name);
    return box ? box->text() : QString();
}

QString Driver::text(Box box) const
{
    return shownText(controlName(box));
}

QString Driver::text(Shown shown) const
{
    return shownText(controlName(shown));
}

const CalculatorTab &Driver::shownTab() const
{
    return tavrel::shownTab(
        *window_.findChild<QTabWidget *>(kPages),
        {window_.findChild<HertzTab *>(), window_.findChild<BeamTab *>(), window_.findChild<BearingTab *>()});
}

DiagramWindow *Driver::openDiagram()
{
    window_.showDiagram();
    QApplication::processEvents();
    return window_.findChild<DiagramWindow *>();
}

QString Driver::diagramValues()
{
    openDiagram();
    const auto *values = window_.findChild<QTextBrowser *>(QStringLiteral("DiagramValues"));
    return values ? values->toPlainText() : QString();
}

SaveFailure Driver::saveSheet(const QString &path, const QDateTime &when) const
{
    return tavrel::saveSheet(shownTab(), path, when);
}

} // namespace tavrel::driver
