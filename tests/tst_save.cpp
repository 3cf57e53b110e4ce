// Saving on a full disk: every file the program writes (the diagrams as PNG
// and SVG, the calculation sheet as PDF) is written whole or not at all. A
// real filesystem of half a megabyte is mounted and its free space stepped
// across the size of the file; each save either leaves a file that another
// program reads whole, or says why and leaves the file before it byte for
// byte. Mounting needs root (CI runs as root); elsewhere the test skips.
#include "guitest.h"

#include "diagram/diagram_window.h"
#include "sheet/sheet_save.h"
#include "ui/calc_tab.h"

#include <sys/statvfs.h>
#include <unistd.h>

namespace
{

constexpr int kDiskKib = 512;
constexpr qint64 kPage = 4096;

// A tmpfs mounted on a temporary folder for the test's life.
class SmallDisk
{
public:
    SmallDisk()
    {
        if (::geteuid() == 0 && folder_.isValid())
            mounted_ = QProcess::execute("mount", {"-t", "tmpfs", "-o", QString("size=%1k").arg(kDiskKib),
                                                   "tmpfs", folder_.path()}) == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            QProcess::execute("umount", {folder_.path()});
    }
    bool mounted() const { return mounted_; }
    QString path(const QString &name) const { return folder_.filePath(name); }

    // Fills the disk with a file of zeros until `bytes` stay free.
    bool leaveFree(qint64 bytes)
    {
        QFile::remove(path("filler"));
        QFile filler(path("filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(kPage, '\0');
        for (qint64 left = free() - bytes; left > 0; left -= kPage) {
            if (filler.write(block) != kPage)
                return false;
        }
        return free() == bytes;
    }

    // The files on the disk but the filler.
    QStringList files() const
    {
        return QDir(folder_.path())
            .entryList(QDir::Files | QDir::Hidden)
            .filter(QRegularExpression("^(?!filler$)"));
    }

private:
    qint64 free() const
    {
        struct statvfs disk {
        };
        return ::statvfs(QFile::encodeName(folder_.path()).constData(), &disk) == 0
                   ? static_cast<qint64>(disk.f_bavail * disk.f_frsize)
                   : -1;
    }

    QTemporaryDir folder_;
    bool mounted_ = false;
};

// True when another program reads the file whole: the image reader, the
// XML parser, the PDF reader.
bool readsWhole(const QString &path)
{
    if (path.endsWith(".png")) {
        QImageReader reader(path);
        return !reader.read().isNull();
    }
    const bool svg = path.endsWith(".svg");
    QProcess reader;
    reader.start(svg ? "xmllint" : "pdfinfo", svg ? QStringList{"--noout", path} : QStringList{path});
    return reader.waitForFinished() && reader.exitStatus() == QProcess::NormalExit &&
           reader.exitCode() == 0 && reader.readAllStandardError().isEmpty();
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSave : public GuiTest
{
    Q_OBJECT

private slots:
    void savesWholeOrNothing_data();
    void savesWholeOrNothing();
};

void TestSave::savesWholeOrNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("PNG") << "diagram.png";
    QTest::newRow("SVG") << "diagram.svg";
    QTest::newRow("PDF") << "sheet.pdf";
}

void TestSave::savesWholeOrNothing()
{
    QFETCH(QString, name);
    SmallDisk disk;
    if (!disk.mounted())
        QSKIP("Cannot mount a small tmpfs here (it needs root and the right to mount; CI runs as root): "
              "the saves on a full disk are not tested.");
    run({"Button2"});
    static_cast<TForm1 *>(form())->showDiagram();
    auto *diagram = form()->findChild<tavrel::DiagramWindow *>();
    const tavrel::CalculatorTab &tab = driver().shownTab();
    const QString path = disk.path(name);
    const auto save = [&] {
        return name.endsWith(".pdf") ? tavrel::saveSheet(tab, path, QDateTime::currentDateTime()).value_or("")
                                     : diagram->saveImage(path).value_or("");
    };
    QCOMPARE(save(), QString());
    QVERIFY(readsWhole(path));
    // From no room at all to room for the whole file, in eight steps.
    const qint64 size = QFileInfo(path).size(), step = (size / 8 / kPage + 1) * kPage;
    int written = 0, refused = 0;
    for (qint64 free = 0; free <= size + 2 * kPage; free += step) {
        // Each save after a new press, so that a file written differs.
        run({QString("Edit14=%1").arg(21 + written + refused), "Button2"});
        const QByteArray before = bytesOf(path);
        QVERIFY(disk.leaveFree(free));
        const QString failure = save();
        if (failure.isEmpty()) {
            ++written;
            QVERIFY2(readsWhole(path) && bytesOf(path) != before, qPrintable(QString::number(free)));
        } else {
            ++refused;
            QVERIFY2(
                failure.contains(QDir::toNativeSeparators(path)) &&
                    failure.contains("理由：ディスクの空きが足りません（デバイスに空き容量がありません）"),
                qPrintable(failure));
            QVERIFY(bytesOf(path) == before);
        }
        QCOMPARE(disk.files(), QStringList{name}); // no temporary file left
    }
    QVERIFY(written > 0 && refused > 0);
}

QTEST_MAIN(TestSave)
#include "tst_save.moc"
