// The fixture of the window tests: a fresh window for every test function,
// its controls found by object name, presses that answer the error boxes
// they open, and a small script language for rows of test tables.
#pragma once

#include "app/form1.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
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
        QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), __FILE__, __LINE__);
        spares_.push_back(std::make_unique<T>());
        return static_cast<T *>(spares_.back().get());
    }

    QString textOf(const QString &name)
    {
        if (auto *label = form_->findChild<QLabel *>(name))
            return label->text();
        if (auto *button = form_->findChild<QPushButton *>(name))
            return button->text();
        return find<QLineEdit>(name)->text();
    }

    QStringList textsOf(const QStringList &names)
    {
        QStringList texts;
        for (const QString &name : names)
            texts << textOf(name);
        return texts;
    }

    // Runs `action`, closing every error box it opens; returns their texts.
    static QStringList answeringErrorBoxes(const std::function<void()> &action)
    {
        QStringList seen;
        QTimer timer;
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [&seen] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen << box->text();
                box->done(QMessageBox::Ok);
            }
        });
        timer.start();
        action();
        timer.stop();
        return seen;
    }

    // Does what a row of a test table says, step by step: "Edit6=40" types
    // into a box, "N5" chooses a menu item, "RadioGroup2:3" selects an item,
    // "Button3" presses a button. Returns the texts of the error boxes.
    QStringList run(const QStringList &steps)
    {
        return answeringErrorBoxes([&] {
            for (const QString &step : steps) {
                if (step.contains(QLatin1Char('=')))
                    find<QLineEdit>(step.section(QLatin1Char('='), 0, 0))
                        ->setText(step.section(QLatin1Char('='), 1));
                else if (step.contains(QLatin1Char(':')))
                    click(find<QButtonGroup>(step.section(QLatin1Char(':'), 0, 0))
                              ->button(step.section(QLatin1Char(':'), 1).toInt()));
                else if (step.startsWith(QLatin1String("Button")))
                    find<QPushButton>(step)->click();
                else
                    find<QAction>(step)->trigger();
            }
        });
    }

    static void click(QAbstractButton *item)
    {
        QVERIFY2(item, "no such radio item");
        item->click();
    }

    // The names of the next `count` controls that Tab reaches from `start`,
    // skipping those that take no keyboard focus or are disabled, as Tab does.
    QStringList tabStopsAfter(const QString &start, int count)
    {
        QStringList names;
        QWidget *widget = find<QWidget>(start);
        while (names.size() < count) {
            do {
                widget = widget->nextInFocusChain();
            } while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled());
            names << widget->objectName();
        }
        return names;
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
