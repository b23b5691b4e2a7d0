// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words and numbers of the printed navigation log (PlanPrint.h): each cell of a
// log row, the fuel block's lines and the warnings, as the page writes them. Values
// are written without their units, which the header names once: courses and headings
// in three digits, distances to 0.1 NM, times as h:mm, ETAs as hh:mm UTC, fuel to 0.1
// of the plan's unit; an unknown value is a dash.

#include <QString>
#include <QStringList>
#include <vector>

#include "LogRows.h"
#include "PlanCore.h"

namespace aerolume::planning::print {

// A text of the printed log, translated in its context ("PlanPrint"), and a text of the
// plan as a QString.
QString tr(const char* text);
QString q(const std::string& text);

enum class Field {
    Checkpoint,
    Altitude,
    TrueCourse,
    MagneticCourse,
    Wind,
    Airspeed,
    Wca,
    MagneticHeading,
    DistanceLeg,
    DistanceRemaining,
    GroundSpeed,
    Ete,
    Eta,
    Ata,
    FuelLeg,
    FuelRemaining,
    ActualFuel,
};

// A cell: one line, or two (a checkpoint's identifier over its name, an ETA over the
// day after the departure's it falls on).
struct CellText {
    QString first{};
    QString second{};
    bool bold = false;    // the first line
    bool marked = false;  // shaded: fuel below the reserve, or run out
};

CellText cellText(Field field, const LogRow& row, const Plan& plan);
// The column's caption as two lines ("Dist", "leg"), and as one line where values
// are stacked two to a column ("Dist").
QString caption(Field field);
QString shortCaption(Field field);
// A box left blank for the pilot to write in (ATA, actual fuel; the ETA too, since
// it is written in whenever the plan has no departure time).
bool isWriteIn(Field field);

// "US gal", "L", "lb", "kg".
QString fuelUnitName(const Plan& plan);
QString dash();
QString clockText(const Eta& eta);  // "21:40", "00:12 +1"
QString hoursText(double hours);    // "1:05"

struct FuelLine {
    QString label{};
    QString value{};
    bool total = false;      // the total required, on board and margin: in bold
    bool shortfall = false;  // the margin of a plan short of fuel
};
// The fuel plan's lines (taxi to margin), or, for a plan without one, the fuel at
// start, taxi, trip, reserve and what is left at the destination.
std::vector<FuelLine> fuelLines(const Plan& plan, const PlanResult& result);

// The plan's warnings (PlanWarnings.h), one sentence each, naming checkpoints as the
// log does.
QStringList warningTexts(const Plan& plan, const PlanResult& result);

}  // namespace aerolume::planning::print
