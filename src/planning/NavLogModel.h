// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QUndoStack>

#include "PlanCore.h"

namespace aerolume::planning {

// The navigation log as a table: one row per checkpoint, its name, position and
// elevation, the leg that ends at it (its overrides and its results), the running totals
// there and the row's notes. Below the last checkpoint come the rows ready to type: the
// departure and the destination of a new plan, then always one more, where typing adds a
// checkpoint at the end. What each cell shows is NavLogCells' (NavLogCells.h); this
// class holds the plan and its results and edits them: every edit is a command on the
// undo stack, and the results are recomputed after each.
class NavLogModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    // The columns, in order.
    enum Column {
        Name,
        Latitude,
        Longitude,
        Elevation,
        Altitude,
        TrueAirspeed,
        WindDirection,
        WindSpeed,
        Variation,
        TrueCourse,
        Wca,
        TrueHeading,
        MagneticHeading,
        Distance,
        GroundSpeed,
        Time,
        Eta,
        TotalDistance,
        DistanceRemaining,
        TotalTime,
        Fuel,
        FuelUsed,
        FuelRemaining,
        Notes,
        ColumnCount
    };

    explicit NavLogModel(QUndoStack* stack, QObject* parent = nullptr);

    const Plan& plan() const { return m_plan; }
    const PlanResult& result() const { return m_result; }
    int checkpointCount() const { return static_cast<int>(m_plan.checkpoints.size()); }
    // A row ready to type, below the last checkpoint.
    bool isNewRow(int row) const { return row >= checkpointCount(); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Reads the typed text; a valid one becomes a command on the stack, anything else
    // is refused with refused().
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Edits as commands on the stack.
    // Gives the checkpoint at `row` the name, position, elevation and origin of `place`
    // (a place from the airport data), keeping its leg; on a row ready to type, adds it.
    void editPlace(int row, const Checkpoint& place);
    void insertCheckpoint(int row);
    void deleteCheckpoint(int row);
    void moveCheckpoint(int row, int to);
    void editDefaults(const PlanDefaults& defaults);
    void editName(const QString& name);
    void editDate(const std::optional<PlanDate>& date);
    // Gives the plan every value of `values` but its checkpoints (the departure time,
    // the climb and descent, the fuel plan, the alternate, ...), as one command.
    void editValues(const Plan& values);

    // Replaces the whole plan without a command (New, Open).
    void resetPlan(const Plan& plan);

    // The primitives the commands use.
    void putCheckpoint(int row, const Checkpoint& point);
    void putInsert(int row, const Checkpoint& point);
    void putRemove(int row);
    void putMove(int from, int to);
    void putDefaults(const PlanDefaults& defaults);
    void putName(const std::string& name);
    void putDate(const std::optional<PlanDate>& date);
    void putValues(const Plan& values);

Q_SIGNALS:
    // The plan or its results changed.
    void planChanged();
    // A typed text was refused, with the reason.
    void refused(const QModelIndex& index, const QString& message);
    // A command touched that cell (undo and redo bring it into view).
    void touched(int row, int column);

private:
    void recompute();
    // The rows shown for `checkpoints` checkpoints: they and the rows ready to type.
    static int rowsFor(std::size_t checkpoints);
    // A new checkpoint at the end, where the last one is until its own is typed.
    Checkpoint nextCheckpoint() const;
    // Pushes the edit of the checkpoint at `row`, or its addition on a row ready to type.
    void pushEdit(int row, int column, const Checkpoint& after);

    QUndoStack* m_stack;
    Plan m_plan;
    PlanResult m_result;
};

}  // namespace aerolume::planning
