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
    field->setText(formatted(pattern, value));
}

void showNumber(QLineEdit *field, const char *pattern, double value)
{
    field->setText(formatted(pattern, value));
}

void showNumberOrEmpty(QLabel *field, const char *pattern, const std::optional<double> &value)
{
    field->setText(value ? formatted(pattern, *value) : QString());
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
