// The window's look and the one builder that turns a tab's layout table into
// controls: colours, fonts, and the rules every tab shares for placing
// labels, edit boxes, buttons and pictures at their designed geometry.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QString>

#include <span>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tavrel
{

// Background of every result label and result box (light yellow).
inline const QColor kResultColour{255, 255, 181};
// Background of the tab titles (light cyan).
inline const QColor kTitleColour{128, 255, 255};
// Font colour of a caption that does not apply to the current selection.
inline const QColor kGreyColour{128, 128, 128};

enum class FontRole {
    Inherit,  // the window's font: Gothic, 15-pixel characters
    Gothic17, // titles and large result fields
    Gothic13, // the long stress captions of the Hertz tab
    Mincho15, // the beam result captions
};

// The designed family first, then its metric-compatible stand-in.
QFont fontFor(FontRole role);

enum class ControlKind {
    Caption, // label that sizes itself to its text
    Field,   // label of fixed size (result fields)
    Note,    // label of fixed size that wraps its text at blanks
    Edit,    // number input box
    Output,  // edit box that shows a result
    Button,
    Picture,    // SVG drawing; text holds its resource path
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
    // The number boxes (kind Edit) in table order.
    const QList<QLineEdit *> &inputs() const { return inputs_; }
    void addInput(QLineEdit *edit) { inputs_.append(edit); }

private:
    QHash<QString, QWidget *> widgets_;
    QList<QLineEdit *> inputs_;
};

// Creates every control of the table on `parent`, in table order, at its
// designed geometry. Nothing is anchored: a resize moves nothing.
Controls buildControls(QWidget *parent, std::span<const ControlSpec> table);

// Chains the keyboard order through the named controls (through every item
// of a radio group).
void chainTabOrder(const Controls &controls, std::initializer_list<const char *> names);

// Makes Return in any number box of the tab press `button`.
void pressOnReturn(const Controls &controls, QPushButton *button);

// A box or result field and the label that captions it.
struct CaptionSpec {
    const char *control;
    const char *caption;
};

// Makes each caption label the buddy of its control and gives the control
// an accessible name made from the caption, so a screen reader says what a
// box is for. The names follow later caption changes made by setCaption.
void nameFromCaptions(const Controls &controls, std::span<const CaptionSpec> captions);

// Sets a label's text; a Caption label then fits itself to the new text
// from its designed top-left corner, like the designed auto-sizing labels.
void setCaption(QLabel *label, const QString &text);

void setFontColour(QWidget *widget, const QColor &colour);

} // namespace tavrel
