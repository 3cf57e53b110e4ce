#include "ui/calc_tab.h"

#include "ui/announce.h"
#include "ui/stale_look.h"
#include "ui/tab_text.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

#include <algorithm>
#include <stdexcept>

namespace tavrel
{

namespace
{

std::function<QDateTime()> &pressClock()
{
    // In UTC, which takes no time-zone look-up at each press; shown in
    // local time.
    static std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
    return now;
}

// A result, or a box that holds one, marked as current or not: its
// tooltip, its name and its look.
void markStale(QWidget *field, bool stale, bool computed = false)
{
    markCurrent(field, !stale, computed);
    showStale(field, stale);
}

} // namespace

void CalculatorTab::setClock(std::function<QDateTime()> clock)
{
    pressClock() = std::move(clock);
}

CalculatorTab::CalculatorTab(QWidget *parent) : QWidget(parent) {}

bool CalculatorTab::resultsCurrent() const
{
    return pressed_ && *pressed_ == now();
}

ResultsState CalculatorTab::resultsState() const
{
    return resultsCurrent() ? ResultsState::Current
           : pressed_       ? ResultsState::Changed
                            : ResultsState::NotComputed;
}

QString CalculatorTab::asText() const
{
    return tabAsText(controls_, tabFields_, selectionsInWords(), resultsState());
}

void CalculatorTab::describe(const QList<QWidget *> &fields)
{
    tabFields_ = fields;
    watchInputs();
    for (QWidget *control : fields) {
        if (std::ranges::find(controls_.inputs(), control) == controls_.inputs().end())
            results_ << control;
    }
    connect(this, &CalculatorTab::pressStateChanged, this, &CalculatorTab::showWhetherCurrent);
    // Window-wide while the tab is shown: it also works right after start
    // and after a click on a tab header, when the tab bar has the focus.
    auto *copy = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, this, [this] { QGuiApplication::clipboard()->setText(asText()); });
}

void CalculatorTab::watchInputs()
{
    for (QLineEdit *box : controls_.inputs()) {
        // Any change, typed, pasted or undone, makes the text the user's own.
        connect(box, &QLineEdit::textChanged, this, [this, box] { materials_.remove(box); });
        connect(box, &QLineEdit::textChanged, this, &CalculatorTab::pressStateChanged);
    }
}

void CalculatorTab::materialChosen(const QLineEdit *box, const QString &material)
{
    materials_.insert(box, material);
}

void CalculatorTab::useComputeButton(QPushButton *button)
{
    computeButton_ = button;
    button->setAccessibleName(spokenCaption(button->text()));
    pressOnReturn(controls_, button);
}

void CalculatorTab::showWhetherCurrent()
{
    // Before the first press there is nothing to be stale: the fields are
    // empty, and a box holds what was typed.
    const bool stale = resultsState() == ResultsState::Changed;
    noteEditAfterPress(shownState_ == ResultsState::Current && stale);
    shownState_ = resultsState();
    for (QWidget *field : std::as_const(results_))
        markStale(field, stale, resultsState() == ResultsState::Current);
    // A box is marked only where it holds a result, and unmarked once.
    for (QLineEdit *box : controls_.inputs()) {
        const bool boxStale = stale && showsResult(box);
        if (boxStale == staleBoxes_.contains(box))
            continue;
        markStale(box, boxStale);
        if (boxStale)
            staleBoxes_.append(box);
        else
            staleBoxes_.removeOne(box);
    }
    if (!computeButton_)
        return;
    showPressDue(computeButton_, stale);
    // Current results are listed in the button's description, which a
    // screen reader reads when the focus comes to the button.
    if (!stale)
        computeButton_->setAccessibleDescription(
            resultsState() == ResultsState::Current ? resultsSummary(results_) : QString());
}

// The first edit after a press says, once, that the results are out of
// date, where a screen reader hears it while the focus stays in the box;
// not again at every key.
void CalculatorTab::noteEditAfterPress(bool first)
{
    if (first && QAccessible::isActive() && isAncestorOf(QApplication::focusWidget()))
        announce(window(), QStringLiteral("結果は未更新です。計算ボタンを押すと更新されます。"));
}

void CalculatorTab::setKeyboardOrder(const QList<const char *> &names)
{
    keyboardOrder_ = names;
    chainTabOrder(controls_, keyboardOrder_);
}

// The toolkit leaves a pair of controls as they are where Tab already goes
// from the one to the other, round the end of the tab's own chain; placed in
// the window, that end leads on to other controls, so the order is set
// again there.
bool CalculatorTab::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange)
        chainTabOrder(controls_, keyboardOrder_);
    return QWidget::event(event);
}

void CalculatorTab::rememberPress()
{
    pressed_ = now();
    pressedAt_ = pressClock()();
    emit pressStateChanged();
    announceResults(results_);
    bringFocusToResults();
}

// A screen reader speaks what gets the focus, and nothing that changes
// elsewhere: with one listening, a press from a box brings the focus to
// the compute button, which lists the results, and a press of the button
// to the first result. Shift+Tab goes back.
void CalculatorTab::bringFocusToResults()
{
    QWidget *from = QApplication::focusWidget();
    if (!QAccessible::isActive() || !computeButton_ || results_.isEmpty() || !isAncestorOf(from))
        return;
    (from == computeButton_ ? results_.first() : computeButton_)->setFocus(Qt::OtherFocusReason);
}

void CalculatorTab::forgetPress()
{
    pressed_.reset();
    emit pressStateChanged();
}

CalculatorTab::Snapshot CalculatorTab::now() const
{
    Snapshot s;
    for (const QLineEdit *box : controls_.inputs())
        s.texts << box->text();
    s.selections = selections();
    return s;
}

const CalculatorTab &shownTab(const QTabWidget &pages, std::initializer_list<const CalculatorTab *> tabs)
{
    for (const CalculatorTab *tab : tabs) {
        if (tab == pages.currentWidget())
            return *tab;
    }
    throw std::logic_error("the page control shows none of the calculator tabs");
}

} // namespace tavrel
