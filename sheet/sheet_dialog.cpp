#include "sheet/sheet_dialog.h"

#include "core/num/numtext.h"
#include "ui/popups.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavrel
{

namespace
{

struct AllowableBox {
    AllowableInfo info;
    QLineEdit *box;
};

QLineEdit *addBox(QFormLayout *form, const QString &caption, const QString &text, const QString &unit = {})
{
    auto *box = new QLineEdit(text);
    box->setAccessibleName(unit.isEmpty() ? caption
                                          : caption + QStringLiteral(" [") + unit + QStringLiteral("]"));
    auto *label =
        new QLabel(unit.isEmpty() ? caption : caption + QStringLiteral(" [") + unit + QStringLiteral("]"));
    label->setBuddy(box);
    form->addRow(label, box);
    return box;
}

// The allowable a box holds, or the message that refuses it.
std::optional<double> readAllowable(const AllowableBox &a, QString &refusal)
{
    const QString text = a.box->text().trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const QString caption = QString::fromUtf8(a.info.caption);
    try {
        const double value = StrToFloat(text.toStdString());
        if (value > 0)
            return value;
        refusal =
            QStringLiteral("「%1」は 0 より大きい値にしてください。空欄にすると判定しません。").arg(caption);
    } catch (const EConvertError &error) {
        refusal = QString::fromStdString(conversionMessage(error, caption.toStdString()));
    }
    return std::nullopt;
}

// The details the dialog holds, or nothing after refusing a box by name.
std::optional<SheetDetails> detailsOf(QDialog &dialog,
                                      const std::array<QLineEdit *, kParticularCount> &particulars,
                                      const QList<AllowableBox> &allowables, SheetDetails details)
{
    for (int i = 0; i < kParticularCount; ++i)
        details.particulars[i] = particulars[i]->text().simplified();
    for (const AllowableBox &a : allowables) {
        QString refusal;
        details[a.info.id] = readAllowable(a, refusal);
        if (!refusal.isEmpty()) {
            showErrorBox(&dialog, refusal);
            a.box->setFocus();
            a.box->selectAll();
            return std::nullopt;
        }
    }
    return details;
}

} // namespace

std::optional<SheetDetails> askSheetDetails(QWidget *parent, const QString &fileTag,
                                            const SheetDetails &initial)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("SheetDetails"));
    dialog.setWindowTitle(QStringLiteral("計算書の項目"));
    adoptWindowLook(&dialog);
    auto *form = new QFormLayout(&dialog);
    std::array<QLineEdit *, kParticularCount> particulars{};
    for (int i = 0; i < kParticularCount; ++i) {
        particulars[i] = addBox(form, particularCaption(static_cast<Particular>(i)), initial.particulars[i]);
        particulars[i]->setMaxLength(kLongestParticular);
    }
    QList<AllowableBox> allowables;
    for (const AllowableInfo &info : allowablesFor(fileTag)) {
        const std::optional<double> value = initial[info.id];
        allowables << AllowableBox{info,
                                   addBox(form, QString::fromUtf8(info.caption),
                                          value ? QString::fromStdString(FloatToStr(*value)) : QString(),
                                          QString::fromUtf8(info.unit))};
    }
    auto *note = new QLabel(QStringLiteral("空欄の項目は、手で書き込めるよう空欄のまま印刷します。"
                                           "許容値が空欄なら判定を印刷しません。"));
    note->setWordWrap(true);
    form->addRow(note);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("保存先を選ぶ(&S)…"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    form->addRow(buttons);
    std::optional<SheetDetails> result;
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        result = detailsOf(dialog, particulars, allowables, initial);
        if (result)
            dialog.accept();
    });
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return result;
}

} // namespace tavrel
