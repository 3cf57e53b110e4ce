// What the three calculator tabs share: their controls, and the memory of
// the last successful press, by which a tab tells whether the results it
// shows still belong to what its boxes and selections hold.
#pragma once

#include "core/lookup.h"
#include "ui/controls.h"
#include "ui/describe.h"
#include "ui/fields.h"
#include "ui/input_boxes.h"
#include "ui/tab_text.h"

#include <QDateTime>
#include <QHash>
#include <QLineEdit>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <utility>

class QPushButton;
class QTabWidget;

namespace tavrel
{

struct BeamPress;
struct BearingPress;
struct HertzPress;
enum class BeamField;
enum class HertzField;

// What reads a tab's last press, whichever calculator made it, with the
// tab's boxes by field where the reader needs them: the sheet.
class PressVisitor
{
public:
    virtual void visit(const HertzPress &press, const FieldControls<HertzField> &boxes) = 0;
    virtual void visit(const BeamPress &press, const FieldControls<BeamField> &boxes) = 0;
    virtual void visit(const BearingPress &press) = 0;

protected:
    ~PressVisitor() = default;
};

// A fault of a tab's inputs: the message that tells the user of it (%1, %2
// stand for the boxes' names) and the fields of the boxes concerned, first
// the one to correct.
template <typename Fault, typename Id> struct FaultLook {
    Fault fault;
    const char *message;
    std::array<std::optional<Id>, 2> boxes;
};

class CalculatorTab : public QWidget
{
    Q_OBJECT

public:
    const Controls &controls() const { return controls_; }

    // True after a successful press while every box and selection is as it
    // was at that press; false before the first press, after the results
    // were emptied, and while an input differs.
    bool resultsCurrent() const;
    // The same, telling a press whose inputs changed from no press at all.
    ResultsState resultsState() const;

    // The tab's selections in words, each with its heading (断面, 中空長方形),
    // for the copy of the tab.
    virtual QList<std::pair<QString, QString>> selectionsInWords() const { return {}; }

    // Hands the last successful press to `visitor`; nothing before the
    // first press or after the results were emptied.
    virtual void visitPress(PressVisitor &visitor) const = 0;

    // The tab as text for a report or a spreadsheet (see tabAsText), as
    // Ctrl+Shift+C copies it: results only while they are current.
    QString asText() const;

    // The tab's boxes and result fields, inputs first, in the order of its
    // binding table.
    const QList<QWidget *> &fields() const { return tabFields_; }
    // True for a number box that now holds a result of the press rather
    // than a typed value (the beam's I, worked out from the dimensions).
    bool holdsResult(const QWidget *control) const
    {
        const auto *box = qobject_cast<const QLineEdit *>(control);
        return box && showsResult(box);
    }

    // When the last successful press was made (invalid before the first).
    const QDateTime &pressedAt() const { return pressedAt_; }
    // What tells the time of a press: the system clock, unless a tool that
    // renders the documentation, or a test, sets a fixed one.
    static void setClock(std::function<QDateTime()> clock);

    // The material menu put `material`'s modulus into `box`. The tab keeps
    // the name until the box's text next changes.
    void materialChosen(const QLineEdit *box, const QString &material);
    // The material whose modulus `box` holds as the menu put it there;
    // empty where the text was typed or edited since.
    QString materialIn(const QLineEdit *box) const { return materials_.value(box); }

signals:
    // After a successful press, when the results are emptied, and whenever a
    // box's text or a selection changes.
    void pressStateChanged();

protected:
    explicit CalculatorTab(QWidget *parent);

    // Takes the boxes and fields of controls_, described (see
    // describeField), and watches every number box, once they are built;
    // Ctrl+Shift+C then copies the tab as text, and the result fields'
    // tooltips say when their texts are not current.
    void describe(const QList<QWidget *> &fields);
    // Watches every number box of controls_ (call once they are built).
    void watchInputs();
    // The tab's compute button: Return in any box presses it, and it shows
    // while the results wait for a press.
    void useComputeButton(QPushButton *button);
    // Sets the keyboard order through the named controls (see
    // chainTabOrder), now and again once the tab is placed in the window.
    void setKeyboardOrder(const QList<const char *> &names);
    bool event(QEvent *event) override;
    // Records the boxes and selections as they stand after a press, and
    // tells a screen reader of the new results.
    void rememberPress();
    // The results are gone: nothing is current until the next press.
    void forgetPress();
    // A selection changed (a load case, a section, a contact kind).
    void selectionChanged() { emit pressStateChanged(); }
    // The tab's selections, in a form that compares.
    virtual QList<int> selections() const { return {}; }
    // True for a number box that now holds a result of the press rather
    // than a typed value (the beam's I, worked out from the dimensions).
    virtual bool showsResult(const QLineEdit *) const { return false; }
    // Refuses the press with the row of `table` for `fault`, naming its
    // boxes, or `otherwise` when the row names none. Every fault has a row.
    template <typename Fault, typename Id, std::size_t N>
    [[noreturn]] void refuseFault(const std::array<FaultLook<Fault, Id>, N> &table, Fault fault,
                                  const FieldControls<Id> &fields,
                                  const QList<QLineEdit *> &otherwise = {}) const
    {
        const FaultLook<Fault, Id> &look = rowOf(table, &FaultLook<Fault, Id>::fault, fault);
        const QList<QLineEdit *> boxes = fields.boxes(look.boxes);
        refuseInputs(QString::fromUtf8(look.message), boxes.isEmpty() ? otherwise : boxes);
    }

    Controls controls_;

private:
    struct Snapshot {
        QStringList texts;
        QList<int> selections;
        bool operator==(const Snapshot &) const = default;
    };
    Snapshot now() const;
    // Shows each result, and the compute button, as current or not.
    void showWhetherCurrent();
    void bringFocusToResults();
    void noteEditAfterPress(bool first);

    std::optional<Snapshot> pressed_;
    QDateTime pressedAt_;
    QPushButton *computeButton_ = nullptr;
    // The boxes drawn stale, for holding a result no longer current.
    QList<QLineEdit *> staleBoxes_;
    QList<QWidget *> tabFields_;
    QList<QWidget *> results_;
    QList<const char *> keyboardOrder_;
    QHash<const QLineEdit *, QString> materials_;
    // The state the fields show.
    ResultsState shownState_ = ResultsState::NotComputed;
};

// Of the given tabs, the one the page control shows (one of them must be).
const CalculatorTab &shownTab(const QTabWidget &pages, std::initializer_list<const CalculatorTab *> tabs);

} // namespace tavrel
