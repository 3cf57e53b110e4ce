// A long run of random user actions on the whole window, from a fixed seed:
// typing all kinds of text, pressing the three compute buttons, choosing
// contact kinds, radio items and materials, answering every error box.
// After each action the window must still be consistent.
//
// TAVREL_RANDOM_SEED and TAVREL_RANDOM_ACTIONS override the seed and the
// number of actions; a failure names both, so it can be replayed.
#include "guitest.h"

#include "app/numtext.h"

#include <random>

namespace
{

// What a press may write, and the shapes its texts may take (magnitudes of
// 1e18 and more show in the general form).
const QString kGeneral = "|-?\\d(\\.\\d+)?E-?\\d+";
const QHash<QString, QHash<QString, QRegularExpression>> kPresses = {
    {"Button3",
     {{"Label13", QRegularExpression("^( -?\\d+\\.\\d{3}" + kGeneral + ")$")},
      {"Label14", QRegularExpression("^( -?\\d+\\.\\d{3}" + kGeneral + ")?$")},
      {"Label15", QRegularExpression("^( -?\\d+\\.\\d{3}" + kGeneral + ")$")},
      {"Label20", QRegularExpression("^( -?\\d+\\.\\d{3}" + kGeneral + ")$")},
      {"Label21", QRegularExpression("^( -?\\d+\\.\\d{3}" + kGeneral + ")?$")},
      {"Label22", QRegularExpression("^( -?\\d+\\.\\d{3}" + kGeneral + ")?$")}}},
    {"Button2",
     {{"Label51", QRegularExpression("^δ(max |x   |x    )=$")},
      {"Edit19", QRegularExpression("^ -?\\d(\\.\\d?[1-9])?e-?\\d+$")},
      {"Edit20", QRegularExpression("^( -?\\d+" + kGeneral + ")$")},
      {"Edit21", QRegularExpression("^( -?\\d+(\\.\\d?[1-9])?" + kGeneral + ")$")},
      {"Edit22", QRegularExpression("^ -?\\d(\\.\\d?[1-9])?e-?\\d+$")}}},
    {"Button1",
     {{"Label38", QRegularExpression("^( -?\\d+\\.\\d" + kGeneral + ")$")},
      {"Label28", QRegularExpression("^( -?\\d+\\.\\d" + kGeneral + ")$")},
      {"Label59", QRegularExpression("^( -?\\d+ 日" + kGeneral + ")$")}}},
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
    const quint64 seed = qEnvironmentVariable("TAVREL_RANDOM_SEED", "20261206").toULongLong();
    const int actions = qEnvironmentVariable("TAVREL_RANDOM_ACTIONS", "40000").toInt();
    std::mt19937_64 rng(seed);
    const auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const auto number = [&] { return (pick(5) ? 1 : -1) * std::pow(10.0, pick(1400) / 100.0 - 6); };
    // Mostly numbers, so that many presses get through to their results.
    const QStringList oddTexts = {"", "   ", "abc", "１２", "0", "1e400", "\u202E4", QString(3000, '7')};

    QList<QLineEdit *> boxes = form()->findChildren<QLineEdit *>();
    boxes.removeIf([](QLineEdit *box) { return box->objectName().isEmpty(); });
    QWidget *hertz = find<QWidget>("TabSheet1");
    int refused = 0;
    for (int step = 0; step < actions; ++step) {
        const QByteArray where = QStringLiteral("seed %1, action %2").arg(seed).arg(step).toUtf8();
        const int kind = pick(20);
        QHash<QString, QString> before;
        for (QLineEdit *box : boxes)
            before[box->objectName()] = box->text();
        QString typed;
        if (kind < 9) {
            QLineEdit *box = boxes[pick(boxes.size())];
            typed = box->objectName();
            const QString text = pick(5) ? QString::number(number(), 'g', pick(17) + 1) : oddTexts[pick(8)];
            run({typed + "=" + (pick(4) ? text : " " + text + " ")});
        } else if (kind < 15) {
            const QString button = QStringList{"Button1", "Button2", "Button3"}[pick(3)];
            QHash<QString, QString> shown;
            for (const QString &field : kPresses[button].keys())
                shown[field] = textOf(field);
            const QStringList messages = run({button});
            QVERIFY2(messages.size() <= 1, where);
            refused += int(messages.size());
            for (const QString &field : kPresses[button].keys()) {
                const QString text = textOf(field);
                QVERIFY2(messages.isEmpty() ? kPresses[button][field].match(text).hasMatch()
                                            : text == shown[field],
                         where + " " + field.toUtf8() + " \"" + text.toUtf8() + '"');
            }
            if (button == "Button2")
                before["Edit19"] = textOf("Edit19");
        } else if (kind < 17) {
            run({QStringLiteral("RadioGroup%1:%2").arg(pick(2) + 1).arg(pick(5))});
        } else if (kind < 18) {
            run({QStringList{"N1", "N5", "N2"}[pick(3)]});
        } else {
            const int item = pick(7);
            run({QStringLiteral("N2%1").arg(item + 1)});
            const char *moduli[] = {"21000", "20200", "19700", "20400", "13000", "17000", "7000"};
            before["Edit2"] = before["Edit3"] = before["Edit23"] = moduli[item];
        }
        // A box changes only when typed into, by the material menu, or
        // (I and the result boxes) by a beam press.
        for (QLineEdit *box : boxes) {
            const QString name = box->objectName();
            const bool resultBox = QStringList{"Edit20", "Edit21", "Edit22"}.contains(name);
            QVERIFY2(name == typed || resultBox || box->text() == before[name], where + " " + name.toUtf8());
        }
        QVERIFY2(find<QWidget>("Image1")->isVisibleTo(hertz) != find<QWidget>("Image5")->isVisibleTo(hertz),
                 where);
    }
    qInfo("%d actions from seed %llu, %d refused presses", actions, seed, refused);
}

QTEST_MAIN(TestRandomUse)
#include "tst_random_use.moc"
