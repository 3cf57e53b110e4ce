// The one builder that turns a tab's layout table into controls at their
// designed geometry, and the controls it made, by name.
#pragma once

#include "ui/palette.h"

#include <QHash>
#include <QList>
#include <QString>

#include <span>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tavrel
{

enum class ControlKind {
    Caption, // label that sizes itself to its text
    Field,   // label of fixed size (result fields), reached by Tab
    Note,    // label of fixed size that wraps its text at blanks
    Edit,    // number input box
    Shown,   // number input box into which a press also writes a result
    Output,  // read-only edit box that shows a result
    Button,
    Picture,    // SVG drawing; text holds its resource path (see Picture)
    RadioGroup, // framed group of five caption-less radio items, item 0 selected
};

enum class Fill { None, Result, Title };

struct ControlSpec {
    const char *name;
    ControlKind kind;
    int left, top, width, height;
    const char *text = "";
    FontRole font = FontRole::Inherit;
    Fill fill = Fill::None;
};

// The controls of one tab, by name, as the builder made them.
class Controls
{
public:
    void add(const QString &name, QWidget *widget) { widgets_.insert(name, widget); }
    QWidget *widget(const QString &name) const;
    QLabel *label(const QString &name) const;
    QLineEdit *edit(const QString &name) const;
    QPushButton *button(const QString &name) const;
    // The items of a RadioGroup control, with ids 0 to 4 in item order.
    QButtonGroup *radioItems(const QString &name) const;
    // The number boxes (kinds Edit and Shown) in table order.
    const QList<QLineEdit *> &inputs() const { return inputs_; }
    void addInput(QLineEdit *edit) { inputs_.append(edit); }

private:
    QHash<QString, QWidget *> widgets_;
    QList<QLineEdit *> inputs_;
};

// Creates every control of the table on `parent`, in table order, at its
// designed geometry. Nothing is anchored: a resize moves nothing. Every
// label, field and result box keeps its text within its designed width
// (drawn condensed, then smaller, and only past a legible floor cut with
// "…"), now and after every later change of its text.
Controls buildControls(QWidget *parent, std::span<const ControlSpec> table);

// Chains the keyboard order through the named controls (through every item
// of a radio group).
void chainTabOrder(const Controls &controls, const QList<const char *> &names);

// Makes Return or Enter in any number box of the tab press `button`.
void pressOnReturn(const Controls &controls, QPushButton *button);

} // namespace tavrel
