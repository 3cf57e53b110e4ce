#include "help/guide_help.h"

#include "ui/popups.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QShortcut>
#include <QTabWidget>
#include <QUrl>

#include <algorithm>

namespace tavrel
{

namespace
{

// The chapter of each tab, by the tab's name: the anchors the HTML guide's
// headings get.
QString sectionOf(const QTabWidget *pages)
{
    static const QHash<QString, QString> chapters{
        {QStringLiteral("TabSheet1"), QStringLiteral("4-hertz応力タブヘルツの接触応力")},
        {QStringLiteral("TabSheet2"), QStringLiteral("5-応力計算タブはりの曲げ")},
        {QStringLiteral("TabSheet3"), QStringLiteral("6-ﾍﾞｱﾘﾝｸﾞタブ玉軸受の寿命")},
    };
    const QWidget *tab = pages ? pages->currentWidget() : nullptr;
    return tab ? chapters.value(tab->objectName()) : QString();
}

// Beside the executable in the build tree (`make run`), then where an
// installation under any prefix puts it, then where the package does.
QStringList installedGuides()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(program + QStringLiteral("/doc/guide.ja.html")),
            QDir::cleanPath(program + QStringLiteral("/../share/doc/tavrel/guide.ja.html")),
            QStringLiteral("/usr/share/doc/tavrel/guide.ja.html")};
}

} // namespace

GuideHelp &guideHelp()
{
    static GuideHelp help{installedGuides(), [](const QUrl &url) { return QDesktopServices::openUrl(url); }};
    return help;
}

void openGuide(QWidget *parent, const QTabWidget *pages)
{
    const GuideHelp &help = guideHelp();
    const auto found = std::find_if(help.files.begin(), help.files.end(),
                                    [](const QString &file) { return QFileInfo(file).isFile(); });
    if (found == help.files.end()) {
        showErrorBox(parent,
                     QStringLiteral("説明書（guide.ja.html）が見つかりません。次の場所を探しました：\n") +
                         help.files.join(u'\n'));
        return;
    }
    QUrl url = QUrl::fromLocalFile(*found);
    url.setFragment(sectionOf(pages));
    if (!help.open(url))
        showErrorBox(parent, QStringLiteral(
                                 "説明書を開けませんでした。Web ブラウザで次のファイルを開いてください：\n") +
                                 *found);
}

void offerGuideKey(QWidget *window, const QTabWidget *pages)
{
    // Window-wide, so that it works whatever has the focus.
    auto *key = new QShortcut(QKeySequence::HelpContents, window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, [window, pages] { openGuide(window, pages); });
}

} // namespace tavrel
