// A long run of random user actions on the whole window, from a fixed seed:
// typing all kinds of text into the boxes, pressing the three compute
// buttons, choosing contact kinds, radio items and materials, answering
// every error box. After each action the window must still be consistent.
//
// TAVREL_RANDOM_SEED and TAVREL_RANDOM_ACTIONS override the seed and the
// number of actions; a failure names both, so it can be replayed.
#include "guitest.h"

#include "app/materials.h"
#include "app/numtext.h"

#include <QAction>
#include <QButtonGroup>
#include <QRadioButton>
#include <QRegularExpression>

#include <cstdio>
#include <map>
#include <memory>
#include <random>

namespace
{

struct Tab {
    const char *sheet;
    const char *button;
    QStringList fields; // what a press may write
};

const Tab kTabs[] = {
    {"TabSheet1", "Button3", {"Label13", "Label14", "Label15", "Label20", "Label21", "Label22"}},
    {"TabSheet2", "Button2", {"Label51", "Edit19", "Edit20", "Edit21", "Edit22"}},
    {"TabSheet3", "Button1", {"Label38", "Label28", "Label59"}},
};

const char *const kInputBoxes[] = {"Edit1",  "Edit2",  "Edit3",  "Edit4",  "Edit5",  "Edit6",
                                   "Edit7",  "Edit12", "Edit13", "Edit14", "Edit15", "Edit16",
                                   "Edit17", "Edit18", "Edit19", "Edit23", "Edit24", "Edit8",
                                   "Edit9",  "Edit10", "Edit11", "Edit25"};

// What each written field may look like. Magnitudes of 1e18 and more show
// in the general form.
const QString kGeneral = QStringLiteral("-?\\d(\\.\\d+)?E-?\\d+");
const std::map<QString, QRegularExpression> kFieldShapes = {
    {"Label13", QRegularExpression("^( -?\\d+\\.\\d{3}|" + kGeneral + ")$")},
    {"Label14", QRegularExpression("^( -?\\d+\\.\\d{3}|" + kGeneral + ")?$")},
    {"Label15", QRegularExpression("^( -?\\d+\\.\\d{3}|" + kGeneral + ")$")},
    {"Label20", QRegularExpression("^( -?\\d+\\.\\d{3}|" + kGeneral + ")$")},
    {"Label21", QRegularExpression("^( -?\\d+\\.\\d{3}|" + kGeneral + ")?$")},
    {"Label22", QRegularExpression("^( -?\\d+\\.\\d{3}|" + kGeneral + ")?$")},
    {"Label51", QRegularExpression("^(δmax =|δx   =|δx    =)$")},
    {"Edit19", QRegularExpression("^ -?\\d(\\.\\d{0,1}[1-9])?e-?\\d+$")},
    {"Edit20", QRegularExpression("^( -?\\d+|" + kGeneral + ")$")},
    {"Edit21", QRegularExpression("^( -?\\d+(\\.\\d{0,1}[1-9])?|" + kGeneral + ")$")},
    {"Edit22", QRegularExpression("^ -?\\d(\\.\\d{0,1}[1-9])?e-?\\d+$")},
    {"Label38", QRegularExpression("^( -?\\d+\\.\\d|" + kGeneral + ")$")},
    {"Label28", QRegularExpression("^( -?\\d+\\.\\d|" + kGeneral + ")$")},
    {"Label59", QRegularExpression("^( -?\\d+ 日|" + kGeneral + ")$")},
};

// Everything the user can see of a tab: texts and enabled states.
QStringList snapshot(QWidget *tab)
{
    QStringList state;
    for (QLabel *label : tab->findChildren<QLabel *>())
        state << label->objectName() + "=" + label->text();
    for (QLineEdit *edit : tab->findChildren<QLineEdit *>())
        state << edit->objectName() + "=" + edit->text() + (edit->isEnabled() ? "" : " (off)");
    return state;
}

class RandomText
{
public:
    explicit RandomText(std::mt19937_64 &rng) : rng_(rng) {}

    // A plausible positive value, as a user correcting the boxes types it.
    QString positive()
    {
        return QString::number(std::pow(10.0, std::uniform_real_distribution<double>(-1, 4)(rng_)), 'g', 4);
    }

    QString next()
    {
        // Mostly numbers, so that many presses get through to their results.
        switch (pick(40)) {
        case 0:
            return {};
        case 1:
            return QString(pick(4) + 1, ' ');
        case 2:
            return QStringLiteral("abc");
        case 3:
            return QString(pick(3000) + 1, QChar(pick(2) ? '7' : 'x'));
        case 4:
            return QStringLiteral("1e%1").arg(pick(700) - 350);
        case 5:
            return QStringLiteral("0");
        case 6:
            return QStringLiteral("１２");
        case 7:
            return QString::fromStdString(tavrel::FormatFloat(" #.##e-0", number()));
        default: {
            QString text = QString::number(number(), 'g', pick(17) + 1);
            if (pick(4) == 0)
                text = " " + text + " ";
            return text;
        }
        }
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    double number()
    {
        const double magnitude = std::pow(10.0, std::uniform_real_distribution<double>(-6, 8)(rng_));
        return pick(5) == 0 ? -magnitude : magnitude;
    }

    std::mt19937_64 &rng_;
};

} // namespace

class TestRandomUse : public GuiTest
{
    Q_OBJECT

private slots:
    void staysConsistent();
};

void TestRandomUse::staysConsistent()
{
    const quint64 seed = qEnvironmentVariableIsSet("TAVREL_RANDOM_SEED")
                             ? qEnvironmentVariable("TAVREL_RANDOM_SEED").toULongLong()
                             : 20261206;
    const int actions = qEnvironmentVariableIsSet("TAVREL_RANDOM_ACTIONS")
                            ? qEnvironmentVariableIntValue("TAVREL_RANDOM_ACTIONS")
                            : 100000;
    std::mt19937_64 rng(seed);
    RandomText texts(rng);
    const auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };

    // The texts the edit boxes must hold: they change only by typing, by the
    // material menu, and Edit19 by a beam press.
    std::map<QString, QString> boxes;
    for (QLineEdit *edit : form()->findChildren<QLineEdit *>())
        boxes[edit->objectName()] = edit->text();
    const QStringList resultBoxes = {"Edit20", "Edit21", "Edit22"};

    int errors = 0;
    for (int step = 0; step < actions; ++step) {
        const QByteArray where = QStringLiteral("seed %1, action %2").arg(seed).arg(step).toUtf8();
        const int kind = pick(21);
        if (kind == 20) {
            // The user retypes every box with a plausible value.
            for (const char *name : kInputBoxes) {
                const QString text = texts.positive();
                find<QLineEdit>(name)->setText(text);
                boxes[QString::fromLatin1(name)] = text;
            }
        } else if (kind < 9) {
            const char *name = kInputBoxes[pick(std::size(kInputBoxes))];
            const QString text = texts.next();
            find<QLineEdit>(name)->setText(text);
            boxes[QString::fromLatin1(name)] = text;
        } else if (kind < 15) {
            const Tab &tab = kTabs[pick(3)];
            QWidget *sheet = find<QWidget>(tab.sheet);
            const QStringList before = snapshot(sheet);
            const QStringList shown = run({tab.button});
            const QStringList after = snapshot(sheet);
            QVERIFY2(shown.size() <= 1, where);
            if (!shown.isEmpty()) {
                ++errors;
                QVERIFY2(after == before, where + " (a refused press changed the tab)");
                continue;
            }
            for (int i = 0; i < before.size(); ++i) {
                const QString name = before[i].section('=', 0, 0);
                QVERIFY2(before[i] == after[i] || tab.fields.contains(name),
                         where + " (a press wrote " + name.toUtf8() + ")");
            }
            for (const QString &field : tab.fields) {
                const QString text = textOf(field);
                QVERIFY2(kFieldShapes.at(field).match(text).hasMatch(),
                         where + " (" + field.toUtf8() + " shows \"" + text.toUtf8() + "\")");
            }
            if (QByteArray(tab.button) == "Button3") {
                const bool roller = find<QWidget>("Image5")->isVisibleTo(sheet);
                QVERIFY2(!roller || textOf("Label21").isEmpty(), where);
                QVERIFY2(roller || !textOf("Label14").isEmpty(), where);
            }
            if (QByteArray(tab.button) == "Button2")
                boxes["Edit19"] = textOf("Edit19");
        } else if (kind < 17) {
            const char *group = pick(2) ? "RadioGroup1" : "RadioGroup2";
            click(find<QButtonGroup>(group)->button(pick(5)));
        } else if (kind < 18) {
            const char *items[] = {"N1", "N5", "N2", "N7"};
            find<QAction>(items[pick(4)])->trigger();
        } else {
            const std::size_t entry = static_cast<std::size_t>(pick(7));
            find<QAction>(tavrel::kMaterialPresets[entry].item)->trigger();
            const QString modulus =
                QString::fromStdString(tavrel::FloatToStr(tavrel::kMaterialPresets[entry].modulus));
            boxes["Edit2"] = boxes["Edit3"] = boxes["Edit23"] = modulus;
        }

        for (QLineEdit *edit : form()->findChildren<QLineEdit *>()) {
            if (!resultBoxes.contains(edit->objectName()))
                QVERIFY2(edit->text() == boxes[edit->objectName()],
                         where + " (" + edit->objectName().toUtf8() + " changed by itself)");
        }
        QVERIFY2(find<QWidget>("Image1")->isVisibleTo(find<QWidget>("TabSheet1")) !=
                     find<QWidget>("Image5")->isVisibleTo(find<QWidget>("TabSheet1")),
                 where + " (not exactly one Hertz picture)");
    }
    std::printf("%d actions from seed %llu, %d refused presses\n", actions,
                static_cast<unsigned long long>(seed), errors);
}

QTEST_MAIN(TestRandomUse)
#include "tst_random_use.moc"
