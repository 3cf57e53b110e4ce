// The fixture of the window tests: a fresh window for every test function,
// its controls found by object name, and the driver's steps that press,
// type and choose as a user does, answering the error boxes they open.
#pragma once

#include "app/form1.h"
#include "driver/driver.h"

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

    // Does each step as a user would (see tavrel::driver::parseStep):
    // "Edit6=40" types into a box, "clipboard=40" puts a text on the
    // clipboard, "RadioGroup2:3" selects an item, "Button3" presses a
    // button, "N5" chooses a menu item, "Edit5<Return" presses keys on a
    // control, "Edit1^" asks a control for its context menu.
    // Returns the texts of the error boxes it opened.
    QStringList run(const QStringList &steps) { return driver_->run(steps); }

    // Brings the tab that holds the named control to the front, as a user
    // does before pressing on it.
    QWidget *showTabOf(const QString &name)
    {
        QWidget *control = find<QWidget>(name);
        driver_->showTabOf(name);
        return control;
    }

    tavrel::driver::Driver &driver() { return *driver_; }

private slots:
    void init()
    {
        form_ = std::make_unique<TForm1>();
        driver_ = std::make_unique<tavrel::driver::Driver>(
            *form_, [](const QString &message) { QTest::qFail(qPrintable(message), __FILE__, __LINE__); });
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }
    void cleanup()
    {
        driver_.reset();
        form_.reset();
        spares_.clear();
    }

private:
    std::unique_ptr<TForm1> form_;
    std::unique_ptr<tavrel::driver::Driver> driver_;
    std::vector<std::unique_ptr<QObject>> spares_;
};
