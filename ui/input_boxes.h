// A tab's boxes and result fields bound to the fields of its calculator:
// the binding table is the only place besides the layout table where they
// are named; handlers, faults, names and the copy go by field id.
#pragma once

#include "core/field.h"
#include "ui/controls.h"
#include "ui/fields.h"

#include <QLabel>
#include <QLineEdit>
#include <QList>

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace tavrel
{

// A control bound to a field, and the label that captions it.
template <typename Id> struct FieldBinding {
    Id id;
    const char *control;
    const char *caption;
};

// A tab's controls by field id, as its binding table binds them.
template <typename Id> class FieldControls
{
public:
    template <std::size_t N> void bind(const Controls &controls, const std::array<FieldBinding<Id>, N> &table)
    {
        controls_.assign(N, nullptr);
        captions_.assign(N, nullptr);
        for (const FieldBinding<Id> &row : table) {
            const auto at = static_cast<std::size_t>(row.id);
            controls_.at(at) = controls.widget(QString::fromLatin1(row.control));
            captions_.at(at) = controls.label(QString::fromLatin1(row.caption));
            Q_ASSERT_X(controls_[at] && captions_[at], "FieldControls::bind", row.control);
            order_ << controls_[at];
        }
    }

    QWidget *control(Id id) const { return controls_.at(static_cast<std::size_t>(id)); }
    QLabel *caption(Id id) const { return captions_.at(static_cast<std::size_t>(id)); }
    QLineEdit *box(Id id) const { return qobject_cast<QLineEdit *>(control(id)); }
    QLabel *field(Id id) const { return qobject_cast<QLabel *>(control(id)); }
    // Every bound control, in the binding table's order.
    const QList<QWidget *> &all() const { return order_; }

    // The boxes of `ids`, in order; empty ids are skipped.
    template <std::size_t N> QList<QLineEdit *> boxes(const std::array<std::optional<Id>, N> &ids) const
    {
        QList<QLineEdit *> found;
        for (const std::optional<Id> &id : ids) {
            if (id)
                found << box(*id);
        }
        return found;
    }

private:
    std::vector<QWidget *> controls_;
    std::vector<QLabel *> captions_;
    QList<QWidget *> order_;
};

// Reads every box, in the table's order, into fresh inputs; the first box
// that holds no number stops the press (see readNumber).
template <typename Input, typename Id, std::size_t N>
Input readInputs(const FieldControls<Id> &fields, const std::array<InputField<Input, Id>, N> &boxes)
{
    Input in{};
    for (const InputField<Input, Id> &box : boxes)
        in.*box.value = readNumber(fields.box(box.id));
    return in;
}

} // namespace tavrel
