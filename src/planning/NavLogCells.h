// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a cell of the navigation log shows.
// NavLogModel is the table the window's view edits; what each of its cells shows is
// decided here, apart from the editing and its undo commands, from the plan and its
// results alone. A row is a checkpoint: its name and position, then the leg that ends
// at it (its altitude, airspeed, wind and variation, typed or taken from the plan, and
// its results), then the running totals there, then its notes; the departure's row has
// no leg, only the totals as they start. The rows past the last checkpoint are ready to
// type: a grey italic hint in the checkpoint's cell, nothing else. The display role is
// the text with its unit ("—" where a result is unknown); the edit role is what a cell
// editor starts with (an override left empty starts empty). The roles that style a
// cell: a leg value taken from the plan is grey, a variation from the magnetic model
// grey italic, a leg that cannot be flown or has no length is shaded with its reason as
// tooltip, and the fuel columns are shaded red below the reserve and darker red where
// the fuel has run out, whatever shades the rest of the row. Colour is never the only
// mark: the Notes cell says in words what each shade means for its row. The accessible
// text is what a screen reader says: the text, "unknown" for "—", and the model named
// beside its variation. The header gives short captions on screen and the full names to
// screen readers and tooltips.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

#include "PlanCore.h"

namespace aerolume::planning {

class NavLogCells {
    Q_DECLARE_TR_FUNCTIONS(aerolume::planning::NavLogModel)

public:
    NavLogCells(const Plan& plan, const PlanResult& result) : m_plan(plan), m_result(result) {}

    // The cell's value in `role` (the columns are NavLogModel::Column).
    QVariant data(int row, int column, int role) const;
    // The displayed text of a cell.
    QString text(int row, int column) const;
    static QVariant headerData(int section, Qt::Orientation orientation, int role);
    // The row header of a row ready to type.
    static QVariant newRowHeader(int role);

private:
    // The cell is a leg's variation taken from the magnetic model.
    bool fromModel(int row, int column) const;
    // A row ready to type, past the last checkpoint.
    QVariant newRowData(int row, int column, int role) const;
    // What the row's notes say: the leg that cannot be flown, the reserve, the fuel.
    QStringList notes(int row) const;
    bool belowReserve(int row) const;
    // The fuel runs out on the row's leg or before it.
    bool outOfFuel(int row) const;

    const Plan& m_plan;
    const PlanResult& m_result;
};

// The leg overrides, the columns from Altitude to Variation: a value typed for the leg,
// or empty for the plan's.
bool isOverride(int column);
std::optional<double>& overrideOf(LegOverrides& leg, int column);
const std::optional<double>& overrideOf(const LegOverrides& leg, int column);

}  // namespace aerolume::planning
