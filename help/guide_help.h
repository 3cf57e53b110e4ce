// The user's guide, opened in the desktop's browser at the section of the
// tab shown: F1 in either window, ヘルプ in the diagram window's menu bar.
#pragma once

#include <QStringList>

#include <functional>

class QTabWidget;
class QUrl;
class QWidget;

namespace tavrel
{

// Where the guide is looked for (the first file found is opened) and how
// a link is opened; tests replace either.
struct GuideHelp {
    QStringList files;
    std::function<bool(const QUrl &)> open;
};
GuideHelp &guideHelp();

// Opens the guide at the section of the tab `pages` shows. Where no guide
// is found or no browser opens it, a message says where it is (or where
// it was looked for).
void openGuide(QWidget *parent, const QTabWidget *pages);

// F1 anywhere in `window` opens the guide.
void offerGuideKey(QWidget *window, const QTabWidget *pages);

} // namespace tavrel
