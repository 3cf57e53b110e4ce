// Reading numbers from edit boxes and writing numbers into fields, through
// the shared number rules, and running handlers under the error box.
#pragma once

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

class QLabel;
class QLineEdit;
class QWidget;

namespace tavrel
{

// A box whose text is not a number. Remembers the box so that the error box
// can hand it the focus for retyping.
class InputError : public std::runtime_error
{
public:
    InputError(const std::string &message, QLineEdit *box);
    QLineEdit *box() const { return box_; }

private:
    QPointer<QLineEdit> box_;
};

// Says, in a disabled box's message, which selection enables the box (a
// phrase such as 断面で「中空長方形」か「中空円形」).
void setEnableHint(QLineEdit *box, const QString &hint);

// The refusal of a value that must be above zero, for refuseInputs.
inline constexpr const char *kMustBePositive = "%1は 0 より大きい値にしてください。";

// Refuses a press whose numbers read but describe nothing real: raises
// InputError with `message`, in which %1, %2, ... stand for the boxes'
// names in 「」 brackets (a message with %1 alone names every box there, as
// 「b1」「h1」); the first box then gets the focus.
[[noreturn]] void refuseInputs(const QString &message, const QList<QLineEdit *> &boxes);

// The number in the box; raises InputError, naming the box by its caption,
// when its text does not read.
double readNumber(QLineEdit *box);

QString formatted(const char *pattern, double value);
void clearField(QLabel *field);

// Runs a handler. An error escaping it is shown in a modal error box over
// `window` and the program goes on; after an unreadable box, that box gets
// the focus with its text selected.
void runHandler(QWidget *window, const std::function<void()> &handler);

// `handler` wrapped for connecting to a signal: every press, menu choice and
// selection of the window runs through runHandler.
inline auto guarded(QWidget *window, std::function<void()> handler)
{
    return [window, handler = std::move(handler)] { runHandler(window, handler); };
}

} // namespace tavrel
