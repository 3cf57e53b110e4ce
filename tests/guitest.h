// Helpers for the window tests: find controls by object name and answer the
// error boxes that a press opens.
#pragma once

#include "app/form1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

template <typename T> T *child(QObject *root, const char *name)
{
    T *found = root->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

inline QString textOf(QObject *root, const char *name)
{
    if (auto *label = root->findChild<QLabel *>(QString::fromLatin1(name)))
        return label->text();
    return child<QLineEdit>(root, name)->text();
}

// Runs `action`, closing every error box it opens; returns the boxes' texts.
inline QStringList answeringErrorBoxes(const std::function<void()> &action)
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

// Presses a button as the user does and returns the texts of any error box.
inline QStringList press(QObject *root, const char *button)
{
    return answeringErrorBoxes([&] { child<QPushButton>(root, button)->click(); });
}

// The names of the next `count` controls that Tab reaches from `start`,
// skipping those that take no keyboard focus or are disabled, as Tab does.
inline QStringList tabStopsAfter(QObject *root, const char *start, int count)
{
    QStringList names;
    QWidget *widget = child<QWidget>(root, start);
    while (names.size() < count) {
        do {
            widget = widget->nextInFocusChain();
        } while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled());
        names << widget->objectName();
    }
    return names;
}

// The texts of the named controls, for before/after comparisons.
inline QStringList textsOf(QObject *root, std::initializer_list<const char *> names)
{
    QStringList texts;
    for (const char *name : names)
        texts << textOf(root, name);
    return texts;
}
