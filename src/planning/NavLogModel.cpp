// SPDX-License-Identifier: GPL-3.0-or-later
#include "NavLogModel.h"

#include <QUndoCommand>
#include <algorithm>

#include "Coordinates.h"
#include "NavLogCells.h"
#include "PlanPlaces.h"
#include "PlanText.h"
#include "platform/TextChecks.h"

namespace aerolume::planning {
namespace {

Range rangeOf(int column) {
    switch (column) {
        case NavLogModel::Altitude:
            return kAltitudeRange;
        case NavLogModel::TrueAirspeed:
            return kAirspeedRange;
        case NavLogModel::WindDirection:
            return kWindDirectionRange;
        default:
            return kWindSpeedRange;
    }
}

// What a leg's cell takes, as its refusal says it.
QString legRangeMessage(int column) {
    switch (column) {
        case NavLogModel::Altitude:
            return NavLogModel::tr(
                "Enter an altitude from -1500 to 60000 ft, or leave the cell "
                "empty for the plan's!");
        case NavLogModel::TrueAirspeed:
            return NavLogModel::tr(
                "Enter a true airspeed from 1 to 1000 kt, or leave the cell "
                "empty for the plan's!");
        case NavLogModel::WindDirection:
            return NavLogModel::tr(
                "Enter where the wind is from, 0 to 360°, or leave the cell "
                "empty for the plan's!");
        default:
            return NavLogModel::tr(
                "Enter a wind speed from 0 to 200 kt, or leave the cell empty "
                "for the plan's!");
    }
}

}  // namespace

NavLogModel::NavLogModel(QUndoStack* stack, QObject* parent)
    : QAbstractTableModel(parent), m_stack(stack) {
    recompute();
}

int NavLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rowsFor(m_plan.checkpoints.size());
}

int NavLogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant NavLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    return NavLogCells(m_plan, m_result).data(index.row(), index.column(), role);
}

QVariant NavLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical && isNewRow(section)) {
        return NavLogCells::newRowHeader(role);
    }
    return NavLogCells::headerData(section, orientation, role);
}

Qt::ItemFlags NavLogModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const int column = index.column();
    // A row ready to type takes a checkpoint's own values; its leg comes once it is one.
    if (column <= Elevation || (isOverride(column) && index.row() > 0 && !isNewRow(index.row()))) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool NavLogModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    const int row = index.row();
    const int column = index.column();
    const std::string typed = oneLineName(value.toString().trimmed().toStdString());
    Checkpoint after =
        isNewRow(row) ? nextCheckpoint() : m_plan.checkpoints[static_cast<std::size_t>(row)];
    QString refusal;
    if (column == Name) {
        if (platform::characterCount(QString::fromStdString(typed)) >
            static_cast<qsizetype>(kMaxNameLength)) {
            refusal = tr("Enter a checkpoint name of at most %1 characters!").arg(kMaxNameLength);
        }
        after.name = typed;
    } else if (column == Elevation) {
        after.elevation = typed.empty() ? std::nullopt : parseInRange(typed, kElevationRange);
        if (!typed.empty() && !after.elevation) {
            refusal = tr("Enter an elevation from %1 to %2 ft, or leave the cell empty!")
                          .arg(QString::number(kElevationRange.min),
                               QString::number(kElevationRange.max));
        }
    } else if (column == Latitude || column == Longitude) {
        double& coordinate = column == Latitude ? after.latitude : after.longitude;
        const auto degrees = parseCoordinate(typed, column == Latitude);
        if (!isNewRow(row) && typed == formatCoordinate(coordinate, column == Latitude)) {
            // The position as shown, taken back unchanged: not rounded to what it shows.
        } else if (!degrees) {
            refusal = column == Latitude
                          ? tr("Enter the latitude as degrees (33.95N, -33.95) or degrees, "
                               "minutes and seconds (33 57 00 N, 33°57'N), at most 90°!")
                          : tr("Enter the longitude as degrees (118.4W, -118.4) or degrees, "
                               "minutes and seconds (118 24 00 W, 118°24'W), at most 180°!");
        } else {
            coordinate = *degrees;
            // A position typed over one from the data is the pilot's own.
            if (after != (isNewRow(row) ? nextCheckpoint()
                                        : m_plan.checkpoints[static_cast<std::size_t>(row)])) {
                after.origin = CheckpointOrigin{};
            }
        }
    } else {
        std::optional<double>& slot = overrideOf(after.leg, column);
        if (typed.empty()) {
            slot.reset();
        } else if (column == Variation) {
            slot = parseVariation(typed);
            if (!slot) {
                refusal =
                    tr("Enter the variation as degrees east or west (12.5E, 3W, or -3 for "
                       "west), at most 180°, or leave the cell empty for the model's or the "
                       "plan's!");
            }
        } else {
            slot = parseInRange(typed, rangeOf(column));
            if (!slot) {
                refusal = legRangeMessage(column);
            }
        }
    }
    if (!refusal.isEmpty()) {
        Q_EMIT refused(index, refusal);
        return false;
    }
    // An empty entry on a row ready to type adds nothing.
    if (isNewRow(row) && after == nextCheckpoint()) {
        return true;
    }
    pushEdit(row, column, after);
    return true;
}

Checkpoint NavLogModel::nextCheckpoint() const {
    Checkpoint point;
    if (!m_plan.checkpoints.empty()) {
        point.latitude = m_plan.checkpoints.back().latitude;
        point.longitude = m_plan.checkpoints.back().longitude;
    }
    return point;
}

int NavLogModel::rowsFor(std::size_t checkpoints) {
    if (checkpoints >= kMaxCheckpoints) {
        return static_cast<int>(checkpoints);
    }
    return static_cast<int>(checkpoints) +
           (checkpoints < 2 ? 2 - static_cast<int>(checkpoints) : 1);
}

void NavLogModel::putValues(const Plan& values) {
    std::vector<Checkpoint> checkpoints = std::move(m_plan.checkpoints);
    m_plan = values;
    m_plan.checkpoints = std::move(checkpoints);
    recompute();
}

void NavLogModel::resetPlan(const Plan& plan) {
    beginResetModel();
    m_plan = plan;
    recompute();
    endResetModel();
    Q_EMIT planChanged();
}

void NavLogModel::putCheckpoint(int row, const Checkpoint& point) {
    m_plan.checkpoints[static_cast<std::size_t>(row)] = point;
    recompute();
}

void NavLogModel::putInsert(int row, const Checkpoint& point) {
    // The first checkpoint, and the last one a plan may have, take a row ready to type.
    // One added at the end is typed into the row ready for it, which stays where it is;
    // the row that comes is the next one ready to type, below it.
    const bool grows = rowsFor(m_plan.checkpoints.size() + 1) > rowCount();
    if (grows) {
        const int at = row == checkpointCount() ? row + 1 : row;
        beginInsertRows(QModelIndex(), at, at);
    }
    m_plan.checkpoints.insert(m_plan.checkpoints.begin() + row, point);
    m_result = ComputePlan(m_plan);
    if (grows) {
        endInsertRows();
    }
    recompute();
}

void NavLogModel::putRemove(int row) {
    const bool shrinks = rowsFor(m_plan.checkpoints.size() - 1) < rowCount();
    if (shrinks) {
        beginRemoveRows(QModelIndex(), row, row);
    }
    m_plan.checkpoints.erase(m_plan.checkpoints.begin() + row);
    m_result = ComputePlan(m_plan);
    if (shrinks) {
        endRemoveRows();
    }
    recompute();
}

void NavLogModel::putMove(int from, int to) {
    // Qt counts the destination before the move: one past the row when moving down.
    beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    const Checkpoint point = m_plan.checkpoints[static_cast<std::size_t>(from)];
    m_plan.checkpoints.erase(m_plan.checkpoints.begin() + from);
    m_plan.checkpoints.insert(m_plan.checkpoints.begin() + to, point);
    m_result = ComputePlan(m_plan);
    endMoveRows();
    recompute();
}

void NavLogModel::putDefaults(const PlanDefaults& defaults) {
    m_plan.defaults = defaults;
    recompute();
}

void NavLogModel::putName(const std::string& name) {
    m_plan.name = name;
}

void NavLogModel::putDate(const std::optional<PlanDate>& date) {
    m_plan.date = date;
    recompute();
}

void NavLogModel::recompute() {
    m_result = ComputePlan(m_plan);
    if (rowCount() > 0) {
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    }
    Q_EMIT planChanged();
}

}  // namespace aerolume::planning
