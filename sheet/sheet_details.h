// What the user adds to a calculation sheet before saving it: the
// particulars that file the page (件名, 図番, 部品名, 作成者) and the allowable
// values a checker compares the results with, remembered between runs.
// The judgement lines made of them for each tab's press.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tavrel
{

struct BeamPress;
struct BearingPress;
struct HertzPress;

// The particulars, in the order the page prints them.
enum class Particular { Subject, Drawing, Part, Author };
inline constexpr int kParticularCount = 4;
inline constexpr int kLongestParticular = 60; // characters the dialog takes for one
QString particularCaption(Particular which);

// The allowable values, each for one tab; none where the box was left empty.
enum class Allowable {
    BendingStress,     // σa, kgf/mm²: the beam's σmax at most this
    DeflectionDivisor, // n: the beam's δmax at most L/n
    ContactPressure,   // pa, kgf/mm²: the contact's p_max at most this
    RequiredLife,      // hours: the bearing's Lh at least this
    LeastSafety,       // the bearing's s0 at least this
};
inline constexpr int kAllowableCount = 5;

struct AllowableInfo {
    Allowable id;
    const char *caption; // in the dialog, as its box's name
    const char *unit;
};
// The allowables of each tab, by the tab's sheet file tag (hertz, beam, bearing).
QList<AllowableInfo> allowablesFor(const QString &fileTag);

struct SheetDetails {
    std::array<QString, kParticularCount> particulars;
    std::array<std::optional<double>, kAllowableCount> allowables;

    const QString &operator[](Particular p) const { return particulars[static_cast<std::size_t>(p)]; }
    QString &operator[](Particular p) { return particulars[static_cast<std::size_t>(p)]; }
    const std::optional<double> &operator[](Allowable a) const
    {
        return allowables[static_cast<std::size_t>(a)];
    }
    std::optional<double> &operator[](Allowable a) { return allowables[static_cast<std::size_t>(a)]; }
};

// As last given, from the user's settings; stored for the next sheet.
SheetDetails rememberedSheetDetails();
void rememberSheetDetails(const SheetDetails &details);

// The judgement lines of a press against the allowables given: 「σmax = 12.5
// kgf/mm² ≤ σa = 16 kgf/mm²　可（余裕 28 %）」; none where none was given.
QStringList judgementLines(const BeamPress &press, const SheetDetails &details);
QStringList judgementLines(const HertzPress &press, const SheetDetails &details);
QStringList judgementLines(const BearingPress &press, const SheetDetails &details);

} // namespace tavrel
