#include "app/form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace
{

// What the toolkit said while starting, before it gave up.
QString firstStartupWarning;

// Prints one line, in Japanese and English, that says why the program did
// not start and how to run it, then ends the program with exit code 1.
[[noreturn]] void cannotStart(const char *japanese, const char *english, const QString &cause)
{
    const QByteArray detail = cause.isEmpty() ? QByteArray() : " (" + cause.simplified().toUtf8() + ")";
    std::fprintf(stderr, "tavrel: %s / tavrel: %s%s\n", japanese, english, detail.constData());
    std::fflush(stderr);
    std::_Exit(1);
}

// While the application starts: the toolkit's own warnings are held back,
// and its fatal error (no display, no platform plugin) becomes one clear
// line and exit code 1 instead of an abort.
void startupMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg) {
        if (firstStartupWarning.isEmpty())
            firstStartupWarning = message;
        return;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        cannotStart("画面に接続できないため起動できません。DISPLAY も WAYLAND_DISPLAY も設定されていません。"
                    "デスクトップのセッションから起動してください。",
                    "cannot start: no display to open (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                    "run it from a desktop session.",
                    QString());
    cannotStart("画面に接続できないため起動できません。デスクトップのセッションから起動するか、"
                "QT_QPA_PLATFORM の設定を確かめてください。",
                "cannot start: the window system could not be opened; run it from a desktop session "
                "or check QT_QPA_PLATFORM.",
                firstStartupWarning);
}

} // namespace

int main(int argc, char *argv[])
{
    // The calculator reads no command line: the toolkit gets the program's
    // name alone, so none of its options (-reverse, -style, ...) applies.
    // Its environment variables (the platform, the scale) still do.
    static char name[] = "tavrel";
    int toolkitArgc = 1;
    char *toolkitArgv[] = {argc > 0 ? argv[0] : name, nullptr};

    qInstallMessageHandler(startupMessages);
    QApplication app(toolkitArgc, toolkitArgv);
    qInstallMessageHandler(nullptr);

    try {
        TForm1 form;
        form.show();
        return app.exec();
    } catch (const std::exception &e) {
        std::fprintf(
            stderr,
            "tavrel: ウィンドウを作れないため起動できません。 / tavrel: cannot create the window (%s).\n",
            e.what());
    }
    return 1;
}
