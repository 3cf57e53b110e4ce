// The fixture of the window tests: a fresh window for every test function,
// its controls found by object name, and steps that press, type and choose
// as a user does, answering the error boxes they open.
#pragma once

#include "app/form1.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>
#include <vector>

class GuiTest : public QObject
{
    Q_OBJECT

protected:
    QWidget *form() const { return form_.get(); }

    // The named control. A missing one fails the test with its name and
    // stands in as an empty control, so the other tests still run.
    template <typename T> T *find(const QString &name)
    {
        if (T *found = form_->findChild<T *>(name))
            return found;
        QTest::qFail(qPrintable("no control named " + name), __FILE__, __LINE__);
        spares_.push_back(std::make_unique<T>());
        return static_cast<T *>(spares_.back().get());
    }

    QString textOf(const QString &name)
    {
        auto *label = form_->findChild<QLabel *>(name);
        return label ? label->text() : find<QLineEdit>(name)->text();
    }

    // Does each step as a user would: "Edit6=40" types into a box,
    // "clipboard=40" puts a text on the clipboard,
    // "RadioGroup2:3" selects an item, "Button3" presses a button, "N5"
    // chooses a menu item, "Edit5<Return" presses keys on a control,
    // "Edit1^" asks a control for its context menu.
    // Returns the texts of the error boxes it opened.
    QStringList run(const QStringList &steps)
    {
        QStringList shown;
        QTimer answer;
        answer.setInterval(0);
        connect(&answer, &QTimer::timeout, [&shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown << box->text();
                box->done(QMessageBox::Ok);
            }
        });
        answer.start();
        for (const QString &step : steps) {
            const QString name = step.section(QRegularExpression("[=:<^]"), 0, 0);
            if (name == "clipboard") {
                QGuiApplication::clipboard()->setText(step.mid(name.size() + 1));
            } else if (step.endsWith('^')) {
                QWidget *control = showTabOf(name);
                QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                        control->mapToGlobal(QPoint(5, 5)));
                QApplication::sendEvent(control, &event);
            } else if (step.contains('=')) {
                find<QLineEdit>(name)->setText(step.section('=', 1));
            } else if (step.contains('<')) {
                const QKeyCombination keys = QKeySequence::fromString(step.section('<', 1))[0];
                showTabOf(name)->setFocus();
                QTest::keyClick(find<QWidget>(name), keys.key(), keys.keyboardModifiers());
            } else if (step.contains(':')) {
                QAbstractButton *item = find<QButtonGroup>(name)->button(step.section(':', 1).toInt());
                item ? item->click() : QTest::qFail("no such radio item", __FILE__, __LINE__);
            } else if (step.startsWith("Button")) {
                showTabOf(name);
                find<QPushButton>(name)->click();
            } else {
                find<QAction>(name)->trigger();
            }
        }
        return shown;
    }

    // Brings the tab that holds the named control to the front, as a user
    // does before pressing on it.
    QWidget *showTabOf(const QString &name)
    {
        QWidget *control = find<QWidget>(name);
        find<QTabWidget>("PageControl1")->setCurrentWidget(control->parentWidget());
        return control;
    }

private slots:
    void init()
    {
        form_ = std::make_unique<TForm1>();
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }
    void cleanup()
    {
        form_.reset();
        spares_.clear();
    }

private:
    std::unique_ptr<TForm1> form_;
    std::vector<std::unique_ptr<QObject>> spares_;
};
