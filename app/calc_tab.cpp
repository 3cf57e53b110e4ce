#include "app/calc_tab.h"

#include <QLineEdit>

namespace tavrel
{

CalculatorTab::CalculatorTab(QWidget *parent) : QWidget(parent) {}

bool CalculatorTab::resultsCurrent() const
{
    return pressed_ && *pressed_ == now();
}

void CalculatorTab::describe(std::span<const CaptionSpec> captions)
{
    captions_ = captions;
    describeFields(this, controls_, captions);
}

void CalculatorTab::watchInputs()
{
    for (QLineEdit *box : controls_.inputs())
        connect(box, &QLineEdit::textChanged, this, &CalculatorTab::pressStateChanged);
}

void CalculatorTab::rememberPress()
{
    pressed_ = now();
    emit pressStateChanged();
}

void CalculatorTab::forgetPress()
{
    pressed_.reset();
    emit pressStateChanged();
}

QList<QLineEdit *> CalculatorTab::boxesNamed(std::span<const char *const> names) const
{
    QList<QLineEdit *> boxes;
    for (const char *name : names) {
        if (name)
            boxes << controls_.edit(QString::fromLatin1(name));
    }
    return boxes;
}

CalculatorTab::Snapshot CalculatorTab::now() const
{
    Snapshot s;
    for (const QLineEdit *box : controls_.inputs())
        s.texts << box->text();
    s.selections = selections();
    return s;
}

} // namespace tavrel
