#include "app/fields.h"

#include "app/numtext.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace tavrel
{

namespace
{

void showErrorBox(QWidget *window, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, window->window()->windowTitle(), message, QMessageBox::Ok, window);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

// Result fields keep their designed width; a long result (a life of a
// million hours) may not fit, so the whole text is also the field's tooltip.
void setFieldText(QLabel *field, const QString &text)
{
    field->setText(text);
    field->setToolTip(text.trimmed());
}

} // namespace

InputError::InputError(const std::string &message, QLineEdit *box) : std::runtime_error(message), box_(box) {}

double readNumber(QLineEdit *box)
{
    try {
        return StrToFloat(box->text().toStdString());
    } catch (const EConvertError &e) {
        throw InputError(e.what(), box);
    }
}

QString formatted(const char *pattern, double value)
{
    return QString::fromStdString(FormatFloat(pattern, value));
}

void showNumber(QLabel *field, const char *pattern, double value)
{
    setFieldText(field, formatted(pattern, value));
}

void showNumber(QLineEdit *field, const char *pattern, double value)
{
    field->setText(formatted(pattern, value));
}

void clearField(QLabel *field)
{
    setFieldText(field, QString());
}

void showNumberOrEmpty(QLabel *field, const char *pattern, const std::optional<double> &value)
{
    setFieldText(field, value ? formatted(pattern, *value) : QString());
}

void runHandler(QWidget *window, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const InputError &e) {
        showErrorBox(window, QString::fromStdString(e.what()));
        if (QLineEdit *box = e.box(); box && box->isEnabled()) {
            box->activateWindow();
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
        }
    } catch (const std::exception &e) {
        showErrorBox(window, QString::fromStdString(e.what()));
    }
}

} // namespace tavrel
