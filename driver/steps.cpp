#include "driver/steps.h"

#include "app/materials.h"
#include "core/lookup.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

namespace tavrel::driver
{

namespace
{

// The controls by what they hold, as the tabs' layout tables name them.
constexpr std::pair<Box, const char *> kBoxes[] = {
    {Box::HertzR1, "Edit6"},    {Box::HertzR2, "Edit7"},    {Box::HertzLoad, "Edit1"},
    {Box::HertzE1, "Edit2"},    {Box::HertzE2, "Edit3"},    {Box::HertzNu1, "Edit4"},
    {Box::HertzNu2, "Edit5"},   {Box::BeamE, "Edit23"},     {Box::BeamL, "Edit12"},
    {Box::BeamL1, "Edit24"},    {Box::BeamX, "Edit13"},     {Box::BeamLoad, "Edit14"},
    {Box::BeamB1, "Edit15"},    {Box::BeamH1, "Edit16"},    {Box::BeamB2, "Edit17"},
    {Box::BeamH2, "Edit18"},    {Box::BeamI, "Edit19"},     {Box::BearingSpeed, "Edit8"},
    {Box::BearingCor, "Edit9"}, {Box::BearingCr, "Edit25"}, {Box::BearingFr, "Edit10"},
    {Box::BearingFa, "Edit11"},
};

constexpr std::pair<Shown, const char *> kShown[] = {
    {Shown::HertzContactSize, "Label13"},
    {Shown::HertzApproach, "Label14"},
    {Shown::HertzPMax, "Label15"},
    {Shown::HertzSigmaZMax, "Label20"},
    {Shown::HertzSigmaRMax, "Label21"},
    {Shown::HertzTauMax, "Label22"},
    {Shown::BeamI, "Edit19"},
    {Shown::BeamMMax, "Edit20"},
    {Shown::BeamSigmaMax, "Edit21"},
    {Shown::BeamDeflection, "Edit22"},
    {Shown::BeamDeflectionCaption, "Label51"},
    {Shown::BearingLoad, "Label38"},
    {Shown::BearingLife, "Label28"},
    {Shown::BearingDays, "Label59"},
};

struct TabControls {
    Tab tab;
    int page;
    const char *computeButton;
};

constexpr TabControls kTabs[] = {
    {Tab::Hertz, 0, "Button3"},
    {Tab::Beam, 1, "Button2"},
    {Tab::Bearing, 2, "Button1"},
};

constexpr std::pair<Choice, const char *> kChoices[] = {
    {Choice::LoadCase, "RadioGroup1"},
    {Choice::Section, "RadioGroup2"},
};

constexpr std::pair<Contact, const char *> kContacts[] = {
    {Contact::SphereOnSphere, "N1"},
    {Contact::CylinderOnPlane, "N5"},
};

template <typename Key, std::size_t N> QString nameIn(const std::pair<Key, const char *> (&table)[N], Key key)
{
    return QString::fromLatin1(rowOf(table, &std::pair<Key, const char *>::first, key).second);
}

} // namespace

QString controlName(Box box)
{
    return nameIn(kBoxes, box);
}

QString controlName(Shown shown)
{
    return nameIn(kShown, shown);
}

int pageIndex(Tab tab)
{
    return rowOf(kTabs, &TabControls::tab, tab).page;
}

Step type(Box box, const QString &text)
{
    return {Step::Kind::Type, controlName(box), text};
}

Step choose(Choice group, int item)
{
    return {Step::Kind::Choose, nameIn(kChoices, group), QString::number(item)};
}

Step press(Tab tab)
{
    return {Step::Kind::Press, QString::fromLatin1(rowOf(kTabs, &TabControls::tab, tab).computeButton)};
}

Step chooseContact(Contact kind)
{
    return {Step::Kind::Trigger, nameIn(kContacts, kind)};
}

Step chooseMaterial(const QString &caption)
{
    const auto entry = std::ranges::find_if(kMaterialPresets, [&caption](const MaterialPreset &m) {
        return QString::fromUtf8(m.caption) == caption;
    });
    if (entry == kMaterialPresets.end())
        throw std::out_of_range("the material menu has no such material");
    return {Step::Kind::Trigger, QString::fromLatin1(entry->item)};
}

Step parseStep(const QString &text)
{
    static const QRegularExpression separator(QStringLiteral("[=:<^]"));
    const QString name = text.section(separator, 0, 0);
    if (name == QLatin1String("clipboard"))
        return {Step::Kind::Clipboard, QString(), text.section(u'=', 1)};
    if (text.endsWith(u'^'))
        return {Step::Kind::ContextMenu, name};
    if (text.contains(u'='))
        return {Step::Kind::Type, name, text.section(u'=', 1)};
    if (text.contains(u'<'))
        return {Step::Kind::Keys, name, text.section(u'<', 1)};
    if (text.contains(u':'))
        return {Step::Kind::Choose, name, text.section(u':', 1)};
    if (name.startsWith(QLatin1String("Button")))
        return {Step::Kind::Press, name};
    return {Step::Kind::Trigger, name};
}

QList<Step> parseSteps(const QStringList &texts)
{
    QList<Step> steps;
    for (const QString &text : texts)
        steps << parseStep(text);
    return steps;
}

} // namespace tavrel::driver
