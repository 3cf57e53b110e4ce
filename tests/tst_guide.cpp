// The user's guide quotes the program's messages and the results of its
// worked examples. Each quote carries, in an HTML comment in its table cell,
// how to produce it: <!-- steps: S;S;... --> for a message (the error box
// must show exactly the cell's text before the comment, "<br>" a line
// break), or <!-- field: NAME --> for a result (the control must show the
// cell's text after the steps of the last <!-- run: S|S|... --> before it;
// a text browser, such as the diagram window's values, must hold it as one
// of its lines),
// or <!-- copy: S;S;... --> on the line before a code block (after the
// steps, the clipboard must hold the block, " → " standing for a tab).
// Steps are parted by ';', which a table, unlike '|', leaves in its cell.
// Steps are those of GuiTest::run, plus "clip=TEXT", which puts TEXT on the
// clipboard ("\t", "\n" and "\r" for those characters, "C*N" for the
// character C N times).
#include "guitest.h"

class TestGuide : public GuiTest
{
    Q_OBJECT

    // Where a copy's quote is compared.
    inline static const QString kClipboard = QStringLiteral("clipboard");

    // Runs the steps on the fresh window, setting the clipboard on the way.
    QStringList perform(const QStringList &steps)
    {
        QStringList shown, pending;
        for (const QString &step : steps) {
            if (!step.startsWith(QLatin1String("clip="))) {
                pending << step;
                continue;
            }
            shown << run(std::exchange(pending, {}));
            QString text = step.mid(5);
            static const QRegularExpression repeated(QStringLiteral("^(.)\\*(\\d+)$"));
            if (const auto m = repeated.match(text); m.hasMatch())
                text = m.captured(1).repeated(m.captured(2).toInt());
            text.replace("\\t", "\t").replace("\\n", "\n").replace("\\r", "\r");
            QGuiApplication::clipboard()->setText(text);
        }
        return shown << run(pending);
    }

private slots:
    void quotesWhatTheProgramShows_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("quoted");
        QFile guide(QStringLiteral(TAVREL_GUIDE));
        QVERIFY2(guide.open(QIODevice::ReadOnly | QIODevice::Text), TAVREL_GUIDE);
        static const QRegularExpression mark(QStringLiteral("<!-- (run|steps|field|copy): (.*?) -->"));
        QStringList runSteps, copySteps, copied;
        int lineNumber = 0, quotes = 0;
        for (const QString &line : QString::fromUtf8(guide.readAll()).split('\n')) {
            ++lineNumber;
            if (!copySteps.isEmpty()) {
                if (!line.startsWith(QLatin1String("```"))) {
                    copied << QString(line).replace(QStringLiteral(" → "), QStringLiteral("\t"));
                } else if (!copied.isEmpty()) {
                    ++quotes;
                    QTest::addRow("line %d, copy", lineNumber)
                        << copySteps << kClipboard << copied.join('\n') + '\n';
                    copySteps.clear();
                    copied.clear();
                }
                continue;
            }
            for (const QRegularExpressionMatch &m : mark.globalMatch(line)) {
                const QStringList steps = m.captured(2).split(';');
                if (m.captured(1) == QLatin1String("run") || m.captured(1) == QLatin1String("copy")) {
                    (m.captured(1) == QLatin1String("run") ? runSteps : copySteps) = steps;
                    continue;
                }
                const QString before = line.left(m.capturedStart());
                const QString cell = before.mid(before.lastIndexOf('|') + 1).trimmed().replace("<br>", "\n");
                const bool message = m.captured(1) == QLatin1String("steps");
                ++quotes;
                QTest::addRow("line %d, %s", lineNumber, qPrintable(message ? cell.left(12) : steps.first()))
                    << (message ? steps : runSteps) << (message ? QString() : steps.first()) << cell;
            }
        }
        QVERIFY2(quotes > 0, "the guide quotes nothing with its steps");
    }

    // A message quoted in the guide is what the error box says; a result
    // quoted is what its field shows, a copy what the clipboard holds, and
    // no error box opens on the way to either.
    void quotesWhatTheProgramShows()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, field);
        QFETCH(QString, quoted);
        const QStringList shown = perform(steps);
        if (field.isEmpty()) {
            QCOMPARE(shown, QStringList{quoted});
        } else {
            QCOMPARE(shown, QStringList());
            if (const auto *values = form()->findChild<QTextBrowser *>(field))
                QVERIFY2(values->toPlainText().split('\n').contains(quoted),
                         qPrintable(values->toPlainText()));
            else
                QCOMPARE(field == kClipboard ? QGuiApplication::clipboard()->text() : textOf(field).trimmed(),
                         quoted);
        }
    }
};

QTEST_MAIN(TestGuide)
#include "tst_guide.moc"
