// What the diagram window shows for each tab's last press: the figure and,
// for copying and reading aloud, every marked value with its place as a
// line of text, in the fields' patterns and units.
#pragma once

#include "diagram/plot.h"

#include <QStringList>

namespace tavrel
{

struct BeamPress;
struct BearingPress;
struct HertzPress;

struct DiagramContent {
    Figure figure;
    QStringList values;
};

// Shear force, bending moment and deflection along the beam, under a
// sketch of its supports and load.
DiagramContent beamDiagram(const BeamPress &press);

// The pressure across the contact, and the stresses below it on the load
// axis with the largest shear stress and its depth.
DiagramContent hertzDiagram(const HertzPress &press);

// The life against the equivalent load, and the course of the press.
DiagramContent bearingDiagram(const BearingPress &press);
// The same without the course: the figure, and the values that follow the
// course (the point calculated and the checks).
DiagramContent bearingLifeDiagram(const BearingPress &press);

// The course of a bearing press, a line a step: Cor/Fa and the table row it
// selects, Fa/Fr against e, then P and Lh with their numbers.
QStringList bearingCourse(const BearingPress &press);

// The checks an engineer makes next, as lines for the values: the beam's
// supports, largest shear and L/δmax; the contact size against the radii
// and the largest von Mises stress; the bearing's static check, the
// catalogue method for reference and loads beyond the table.
QStringList beamCheckLines(const BeamPress &press);
QStringList hertzCheckLines(const HertzPress &press);
QStringList bearingCheckLines(const BearingPress &press);

// A value in one of the fields' patterns, without the pattern's leading
// blank; a value beyond a double in words.
QString shown(const char *pattern, double value);

// Adds a line to the values for a curve with points beyond a double, which
// the drawing leaves out.
void noteUndrawable(DiagramContent &content);

} // namespace tavrel
