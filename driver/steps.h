// What a user does in the main window, one step at a time, for the tests
// and the tools that drive it: each box, selection, button and result said
// by what it holds, never by the name of its control.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tavrel::driver
{

enum class Tab { Hertz, Beam, Bearing };

// The boxes a user types into; the beam's I is also one a press fills.
enum class Box {
    HertzR1,
    HertzR2, // or the width B of the cylinder on a plane
    HertzLoad,
    HertzE1,
    HertzE2,
    HertzNu1,
    HertzNu2,
    BeamE,
    BeamL,
    BeamL1,
    BeamX,
    BeamLoad,
    BeamB1,
    BeamH1,
    BeamB2,
    BeamH2,
    BeamI,
    BearingSpeed,
    BearingCor,
    BearingCr,
    BearingFr,
    BearingFa,
};

// The texts a press shows, and the caption that names the beam's deflection.
enum class Shown {
    HertzContactSize,
    HertzApproach,
    HertzPMax,
    HertzSigmaZMax,
    HertzSigmaRMax,
    HertzTauMax,
    BeamI,
    BeamMMax,
    BeamSigmaMax,
    BeamDeflection,
    BeamDeflectionCaption,
    BearingLoad,
    BearingLife,
    BearingDays,
};

// The beam's two selections.
enum class Choice { LoadCase, Section };

// The contact kinds the Hertz tab calculates.
enum class Contact { SphereOnSphere, CylinderOnPlane };

struct Step {
    enum class Kind {
        Type,        // the value into the control's box
        Choose,      // the value's item of the control's group
        Press,       // the control's button, its tab brought to the front first
        Trigger,     // the control's menu item
        Keys,        // the value's keys on the control, which gets the focus
        ContextMenu, // the control's context menu, asked for from the keyboard
        Clipboard,   // the value onto the clipboard
    };
    Kind kind;
    QString control;
    QString value = {};
};

Step type(Box box, const QString &text);
Step choose(Choice group, int item);
Step press(Tab tab);
Step chooseContact(Contact kind);
// The material the material menu names so ("鋼", "アルミ"), its modulus
// into every modulus box.
Step chooseMaterial(const QString &caption);

// A step as the window tests write it, by the control's name: "Edit6=40"
// types into a box, "clipboard=40" puts a text on the clipboard,
// "RadioGroup2:3" selects an item, "Button3" presses a button, "N5" chooses
// a menu item, "Edit5<Return" presses keys on a control, "Edit1^" asks a
// control for its context menu.
Step parseStep(const QString &text);
QList<Step> parseSteps(const QStringList &texts);

// The names of the controls behind the words above.
QString controlName(Box box);
QString controlName(Shown shown);
int pageIndex(Tab tab); // the tab's place in the page control

} // namespace tavrel::driver
