#include "ui/palette.h"

#include <QString>
#include <QStringList>
#include <QWidget>

namespace tavrel
{

namespace
{

QStringList familiesFor(FontRole role)
{
    if (role == FontRole::Mincho15)
        return {QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho")};
    return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")};
}

int pixelHeightFor(FontRole role)
{
    switch (role) {
    case FontRole::Gothic17:
        return 17;
    case FontRole::Gothic13:
        return 13;
    case FontRole::Inherit:
    case FontRole::Mincho15:
        break;
    }
    return 15;
}

} // namespace

QPalette designedPalette()
{
    const auto colour = [](const char *name) { return QColor(QString::fromLatin1(name)); };
    const QColor ground = colour("#f0f0f0"), white = colour("#ffffff"), black = colour("#000000");
    QPalette palette(black, ground, white, colour("#a0a0a0"), colour("#c8c8c8"), black, white);
    palette.setColor(QPalette::ButtonText, black);
    palette.setColor(QPalette::Highlight, colour("#0066cc"));
    palette.setColor(QPalette::HighlightedText, white);
    palette.setColor(QPalette::ToolTipBase, colour("#ffffe1"));
    palette.setColor(QPalette::ToolTipText, black);
    palette.setColor(QPalette::Link, colour("#0000ee"));
    palette.setColor(QPalette::AlternateBase, colour("#f5f5f5"));
    // Disabled: the box takes the ground colour; its text stays legible.
    palette.setColor(QPalette::Disabled, QPalette::Base, ground);
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText, QPalette::PlaceholderText})
        palette.setColor(QPalette::Disabled, role, colour("#696969"));
    palette.setColor(QPalette::PlaceholderText, colour("#696969"));
    return palette;
}

QFont fontFor(FontRole role)
{
    QFont font;
    font.setFamilies(familiesFor(role));
    font.setPixelSize(pixelHeightFor(role));
    font.setStyleHint(role == FontRole::Mincho15 ? QFont::Serif : QFont::SansSerif);
    return font;
}

void setFontColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace tavrel
