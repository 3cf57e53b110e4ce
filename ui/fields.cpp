#include "ui/fields.h"

#include "core/num/numtext.h"
#include "core/num/paste_text.h"
#include "ui/box_access.h"
#include "ui/describe.h"
#include "ui/popups.h"
#include "ui/textlabel.h"

#include <QLabel>
#include <QLineEdit>

namespace tavrel
{

namespace
{

constexpr const char *kEnableHintProperty = "tavrelEnableHint";

} // namespace

InputError::InputError(const std::string &message, QLineEdit *box) : std::runtime_error(message), box_(box) {}

void setEnableHint(QLineEdit *box, const QString &hint)
{
    box->setProperty(kEnableHintProperty, hint);
}

double readNumber(QLineEdit *box)
{
    try {
        return StrToFloat(box->text().toStdString());
    } catch (const EConvertError &e) {
        const QString hint = box->isEnabled() ? QString() : box->property(kEnableHintProperty).toString();
        std::string message = conversionMessage(e, captionName(box).toStdString(), hint.toStdString());
        // Full-width digits look like a number but are not read as one.
        if (hasFullWidth(e.text()))
            message += "全角の文字が含まれています。半角で入力してください。";
        throw InputError(message, box);
    }
}

void refuseInputs(const QString &message, const QList<QLineEdit *> &boxes)
{
    QStringList names;
    for (const QLineEdit *box : boxes)
        names << QStringLiteral("「%1」").arg(captionName(box));
    QString text = message;
    if (message.contains(QLatin1String("%2"))) {
        for (const QString &name : names)
            text = text.arg(name);
    } else {
        text = text.arg(names.join(QString()));
    }
    throw InputError(text.toStdString(), boxes.first());
}

QString formatted(const char *pattern, double value)
{
    return QString::fromStdString(FormatFloat(pattern, value));
}

void clearField(QLabel *field)
{
    setFieldText(field, QString());
}

void runHandler(QWidget *window, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const InputError &e) {
        const QString message = QString::fromStdString(e.what());
        showErrorBox(window, message);
        // A disabled box takes no focus; its message says what enables it.
        if (QLineEdit *box = e.box()) {
            markRefused(box, message);
            box->activateWindow();
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
        }
    } catch (const std::exception &e) {
        showErrorBox(window, QString::fromStdString(e.what()));
    }
}

} // namespace tavrel
