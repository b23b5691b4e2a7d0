// SPDX-License-Identifier: GPL-3.0-or-later
#include "NavLogModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QUndoCommand>
#include <algorithm>
#include <cmath>

#include "Coordinates.h"
#include "PlanText.h"
#include "common/Durations.h"
#include "common/FormatMask.h"

namespace aerolume::planning {
namespace {

const QString kUnknown = QStringLiteral("—");
const char* const kModelName =
    QT_TRANSLATE_NOOP("aerolume::planning::NavLogModel", "World Magnetic Model 2025");

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString number(const std::optional<double>& value, int decimals, const QString& unit) {
    if (!value) {
        return kUnknown;
    }
    return text(formatFixed(*value, decimals)) + u' ' + unit;
}

QString duration(const std::optional<double>& hours) {
    return hours ? text(formatDuration(*hours)) : kUnknown;
}

QString direction(const std::optional<double>& degrees) {
    return degrees ? text(formatDirection(*degrees)) : kUnknown;
}

bool isOverride(int column) {
    return column >= NavLogModel::Altitude && column <= NavLogModel::Variation;
}

std::optional<double>& overrideOf(LegOverrides& leg, int column) {
    switch (column) {
        case NavLogModel::Altitude:
            return leg.altitude;
        case NavLogModel::TrueAirspeed:
            return leg.trueAirspeed;
        case NavLogModel::WindDirection:
            return leg.windDirection;
        case NavLogModel::WindSpeed:
            return leg.windSpeed;
        default:
            return leg.variation;
    }
}

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

// One command per edit; each names itself for the Undo and Redo entries.
class CheckpointCommand final : public QUndoCommand {
public:
    CheckpointCommand(NavLogModel* model, int row, int column, Checkpoint before, Checkpoint after)
        : QUndoCommand(NavLogModel::tr("Edit checkpoint %1").arg(row + 1)),
          m_model(model),
          m_row(row),
          m_column(column),
          m_before(std::move(before)),
          m_after(std::move(after)) {}
    void redo() override { apply(m_after); }
    void undo() override { apply(m_before); }

private:
    void apply(const Checkpoint& point) {
        m_model->putCheckpoint(m_row, point);
        Q_EMIT m_model->touched(m_row, m_column);
    }
    NavLogModel* m_model;
    int m_row;
    int m_column;
    Checkpoint m_before;
    Checkpoint m_after;
};

class InsertCommand final : public QUndoCommand {
public:
    InsertCommand(NavLogModel* model, int row, Checkpoint point, bool insert)
        : QUndoCommand(insert ? NavLogModel::tr("Insert checkpoint %1").arg(row + 1)
                              : NavLogModel::tr("Delete checkpoint %1").arg(row + 1)),
          m_model(model),
          m_row(row),
          m_point(std::move(point)),
          m_insert(insert) {}
    void redo() override { apply(m_insert); }
    void undo() override { apply(!m_insert); }

private:
    void apply(bool insert) {
        if (insert) {
            m_model->putInsert(m_row, m_point);
            Q_EMIT m_model->touched(m_row, 0);
        } else {
            m_model->putRemove(m_row);
            Q_EMIT m_model->touched(std::min(m_row, m_model->rowCount() - 1), 0);
        }
    }
    NavLogModel* m_model;
    int m_row;
    Checkpoint m_point;
    bool m_insert;
};

class MoveCommand final : public QUndoCommand {
public:
    MoveCommand(NavLogModel* model, int from, int to)
        : QUndoCommand(NavLogModel::tr("Move checkpoint %1").arg(from + 1)),
          m_model(model),
          m_from(from),
          m_to(to) {}
    void redo() override {
        m_model->putMove(m_from, m_to);
        Q_EMIT m_model->touched(m_to, -1);
    }
    void undo() override {
        m_model->putMove(m_to, m_from);
        Q_EMIT m_model->touched(m_from, -1);
    }

private:
    NavLogModel* m_model;
    int m_from;
    int m_to;
};

class DefaultsCommand final : public QUndoCommand {
public:
    DefaultsCommand(NavLogModel* model, Plan before, Plan after)
        : QUndoCommand(NavLogModel::tr("Edit plan values")),
          m_model(model),
          m_before(std::move(before)),
          m_after(std::move(after)) {}
    void redo() override { apply(m_after); }
    void undo() override { apply(m_before); }

private:
    void apply(const Plan& plan) {
        m_model->putName(plan.name);
        m_model->putDate(plan.date);
        m_model->putDefaults(plan.defaults);
    }
    NavLogModel* m_model;
    Plan m_before;
    Plan m_after;
};

}  // namespace

NavLogModel::NavLogModel(QUndoStack* stack, QObject* parent)
    : QAbstractTableModel(parent), m_stack(stack) {
    recompute();
}

int NavLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_plan.checkpoints.size());
}

int NavLogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString NavLogModel::displayText(int row, int column) const {
    const Checkpoint& point = m_plan.checkpoints[static_cast<std::size_t>(row)];
    const QString fuelUnit = QString::fromLatin1(fuelUnitLabel(m_plan.defaults.fuelUnit));
    switch (column) {
        case Name:
            return text(point.name);
        case Latitude:
            return text(formatCoordinate(point.latitude, true));
        case Longitude:
            return text(formatCoordinate(point.longitude, false));
        default:
            break;
    }
    if (row == 0) {
        // The departure: no leg ends here; the totals start.
        switch (column) {
            case TotalDistance:
                return number(0.0, 1, tr("NM"));
            case DistanceRemaining:
                return number(m_result.totalDistance, 1, tr("NM"));
            case TotalTime:
                return duration(0.0);
            case FuelUsed:
                return number(0.0, 1, fuelUnit);
            case FuelRemaining:
                return number(m_result.fuelAfterTaxi, 1, fuelUnit);
            default:
                return {};
        }
    }
    const LegResult& leg = m_result.legs[static_cast<std::size_t>(row - 1)];
    const LegConditions& c = leg.conditions;
    switch (column) {
        case Altitude:
            return number(c.altitude, 0, tr("ft"));
        case TrueAirspeed:
            return number(c.trueAirspeed, 0, tr("kt"));
        case WindDirection:
            return direction(c.windDirection);
        case WindSpeed:
            return number(c.windSpeed, 0, tr("kt"));
        case Variation:
            return text(formatVariation(c.variation));
        case TrueCourse:
            return direction(leg.trueCourse);
        case Wca:
            return leg.wca ? text(formatWca(*leg.wca)) : kUnknown;
        case TrueHeading:
            return direction(leg.trueHeading);
        case MagneticHeading:
            return direction(leg.magneticHeading);
        case Distance:
            return number(leg.distance, 1, tr("NM"));
        case GroundSpeed:
            return number(leg.groundSpeed, 0, tr("kt"));
        case Time:
            return duration(leg.time);
        case TotalDistance:
            return number(leg.totalDistance, 1, tr("NM"));
        case DistanceRemaining:
            return number(leg.distanceRemaining, 1, tr("NM"));
        case TotalTime:
            return duration(leg.totalTime);
        case Fuel:
            return number(leg.fuel, 1, fuelUnit);
        case FuelUsed:
            return number(leg.fuelUsed, 1, fuelUnit);
        case FuelRemaining:
            return number(leg.fuelRemaining, 1, fuelUnit);
        default:
            return {};
    }
}

QVariant NavLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const int row = index.row();
    const int column = index.column();
    const Checkpoint& point = m_plan.checkpoints[static_cast<std::size_t>(row)];
    const LegResult* leg = row > 0 ? &m_result.legs[static_cast<std::size_t>(row - 1)] : nullptr;
    const bool belowReserve =
        m_result.firstBelowReserve && row >= 0 &&
        ((row == 0 && *m_result.firstBelowReserve == 0) || (leg != nullptr && leg->belowReserve));
    switch (role) {
        case Qt::DisplayRole:
            return displayText(row, column);
        case Qt::AccessibleTextRole: {
            const QString shown = displayText(row, column);
            if (fromModel(row, column)) {
                return tr("%1 (%2)").arg(shown, tr(kModelName));
            }
            return shown == kUnknown ? tr("unknown") : shown;
        }
        case Qt::EditRole: {
            if (column == Name) {
                return text(point.name);
            }
            if (column == Latitude || column == Longitude) {
                return displayText(row, column);
            }
            if (!isOverride(column)) {
                return {};
            }
            const std::optional<double> value =
                overrideOf(const_cast<LegOverrides&>(point.leg), column);
            if (!value) {
                return QString();
            }
            if (column == Variation) {
                return *value == 0
                           ? QStringLiteral("0")
                           : text(formatFixed(std::fabs(*value), 1)) + (*value > 0 ? u'E' : u'W');
            }
            return text(formatFixed(*value, 0));
        }
        case Qt::TextAlignmentRole:
            return column == Name ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                  : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::ForegroundRole:
            // A leg value taken from the plan is grey; a typed one is black.
            if (row > 0 && isOverride(column) &&
                !overrideOf(const_cast<LegOverrides&>(point.leg), column)) {
                return QBrush(QColor(110, 110, 110));
            }
            return {};
        case Qt::FontRole:
            if (fromModel(row, column)) {
                QFont font;
                font.setItalic(true);
                return font;
            }
            return {};
        case Qt::BackgroundRole:
            if (leg != nullptr && leg->status != LegStatus::Ok) {
                return QBrush(leg->status == LegStatus::ZeroLength ? QColor(255, 244, 190)
                                                                   : QColor(255, 214, 170));
            }
            if (belowReserve && column >= FuelUsed) {
                return QBrush(QColor(255, 190, 190));
            }
            return {};
        case Qt::ToolTipRole:
            if (leg != nullptr && leg->status != LegStatus::Ok) {
                return tr(legWarning(leg->status));
            }
            if (belowReserve && column >= FuelUsed) {
                return tr("Fuel remaining below the reserve");
            }
            if (fromModel(row, column)) {
                return tr(kModelName);
            }
            return {};
        default:
            return {};
    }
}

QVariant NavLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return QString::number(section + 1);
    }
    static const char* const kHeaders[ColumnCount] = {
        QT_TR_NOOP("Checkpoint"),  QT_TR_NOOP("Latitude"),    QT_TR_NOOP("Longitude"),
        QT_TR_NOOP("Altitude"),    QT_TR_NOOP("TAS"),         QT_TR_NOOP("Wind from"),
        QT_TR_NOOP("Wind speed"),  QT_TR_NOOP("Variation"),   QT_TR_NOOP("TC"),
        QT_TR_NOOP("WCA"),         QT_TR_NOOP("TH"),          QT_TR_NOOP("MH"),
        QT_TR_NOOP("Distance"),    QT_TR_NOOP("GS"),          QT_TR_NOOP("ETE"),
        QT_TR_NOOP("Total dist."), QT_TR_NOOP("Dist. to go"), QT_TR_NOOP("Total time"),
        QT_TR_NOOP("Leg fuel"),    QT_TR_NOOP("Fuel used"),   QT_TR_NOOP("Fuel left")};
    static const char* const kSpoken[ColumnCount] = {
        QT_TR_NOOP("Checkpoint"),         QT_TR_NOOP("Latitude"),
        QT_TR_NOOP("Longitude"),          QT_TR_NOOP("Altitude"),
        QT_TR_NOOP("True airspeed"),      QT_TR_NOOP("Wind direction"),
        QT_TR_NOOP("Wind speed"),         QT_TR_NOOP("Magnetic variation"),
        QT_TR_NOOP("True course"),        QT_TR_NOOP("Wind correction angle"),
        QT_TR_NOOP("True heading"),       QT_TR_NOOP("Magnetic heading"),
        QT_TR_NOOP("Leg distance"),       QT_TR_NOOP("Ground speed"),
        QT_TR_NOOP("Time en route"),      QT_TR_NOOP("Total distance"),
        QT_TR_NOOP("Distance remaining"), QT_TR_NOOP("Total time"),
        QT_TR_NOOP("Leg fuel"),           QT_TR_NOOP("Fuel used"),
        QT_TR_NOOP("Fuel remaining")};
    if (section < 0 || section >= ColumnCount) {
        return {};
    }
    return role == Qt::DisplayRole ? tr(kHeaders[section]) : tr(kSpoken[section]);
}

Qt::ItemFlags NavLogModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() <= Longitude || (isOverride(index.column()) && index.row() > 0)) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool NavLogModel::fromModel(int row, int column) const {
    return column == Variation && row > 0 &&
           m_result.legs[static_cast<std::size_t>(row - 1)].conditions.variationSource ==
               VariationSource::Model;
}

bool NavLogModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    const int row = index.row();
    const int column = index.column();
    const std::string typed = value.toString().trimmed().toStdString();
    const Checkpoint before = m_plan.checkpoints[static_cast<std::size_t>(row)];
    Checkpoint after = before;
    QString refusal;
    if (column == Name) {
        if (typed.size() > kMaxNameLength) {
            refusal = tr("A checkpoint name has at most %1 characters.").arg(kMaxNameLength);
        }
        after.name = typed;
    } else if (column == Latitude || column == Longitude) {
        const auto degrees = parseCoordinate(typed, column == Latitude);
        if (!degrees) {
            refusal = column == Latitude
                          ? tr("Type the latitude as degrees (33.95N, -33.95) or degrees, "
                               "minutes and seconds (33 57 00 N, 33°57'N), at most 90°.")
                          : tr("Type the longitude as degrees (118.4W, -118.4) or degrees, "
                               "minutes and seconds (118 24 00 W, 118°24'W), at most 180°.");
        } else {
            (column == Latitude ? after.latitude : after.longitude) = *degrees;
        }
    } else {
        std::optional<double>& slot = overrideOf(after.leg, column);
        if (typed.empty()) {
            slot.reset();
        } else if (column == Variation) {
            slot = parseVariation(typed);
            if (!slot) {
                refusal =
                    tr("Type the variation as degrees east or west (12.5E, 3W, or -3 "
                       "for west), at most 180°, or leave the cell empty for the model's or the "
                       "plan's.");
            }
        } else {
            const Range range = rangeOf(column);
            slot = parseInRange(typed, range);
            if (!slot) {
                const QString what =
                    headerData(column, Qt::Horizontal, Qt::AccessibleTextRole).toString();
                refusal = tr("Type the %1 from %2 to %3, or leave the cell empty for the plan's.")
                              .arg(what.toLower(), QString::number(range.min),
                                   QString::number(range.max));
            }
        }
    }
    if (!refusal.isEmpty()) {
        Q_EMIT refused(index, refusal);
        return false;
    }
    if (after != before) {
        m_stack->push(new CheckpointCommand(this, row, column, before, after));
    }
    return true;
}

void NavLogModel::insertCheckpoint(int row) {
    row = std::clamp(row, 0, rowCount());
    if (rowCount() >= static_cast<int>(kMaxCheckpoints)) {
        return;
    }
    Checkpoint point;
    // At the position of the checkpoint before it, until the pilot types its own.
    if (row > 0) {
        point.latitude = m_plan.checkpoints[static_cast<std::size_t>(row - 1)].latitude;
        point.longitude = m_plan.checkpoints[static_cast<std::size_t>(row - 1)].longitude;
    }
    m_stack->push(new InsertCommand(this, row, point, true));
}

void NavLogModel::deleteCheckpoint(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    m_stack->push(
        new InsertCommand(this, row, m_plan.checkpoints[static_cast<std::size_t>(row)], false));
}

void NavLogModel::moveCheckpoint(int row, int to) {
    if (row < 0 || row >= rowCount() || to < 0 || to >= rowCount() || row == to) {
        return;
    }
    m_stack->push(new MoveCommand(this, row, to));
}

void NavLogModel::editDefaults(const PlanDefaults& defaults) {
    if (defaults == m_plan.defaults) {
        return;
    }
    Plan after = m_plan;
    after.defaults = defaults;
    m_stack->push(new DefaultsCommand(this, m_plan, after));
}

void NavLogModel::editName(const QString& name) {
    if (name.toStdString() == m_plan.name) {
        return;
    }
    Plan after = m_plan;
    after.name = name.toStdString();
    m_stack->push(new DefaultsCommand(this, m_plan, after));
}

void NavLogModel::editDate(const std::optional<PlanDate>& date) {
    if (date == m_plan.date) {
        return;
    }
    Plan after = m_plan;
    after.date = date;
    m_stack->push(new DefaultsCommand(this, m_plan, after));
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
    beginInsertRows(QModelIndex(), row, row);
    m_plan.checkpoints.insert(m_plan.checkpoints.begin() + row, point);
    m_result = ComputePlan(m_plan);
    endInsertRows();
    recompute();
}

void NavLogModel::putRemove(int row) {
    beginRemoveRows(QModelIndex(), row, row);
    m_plan.checkpoints.erase(m_plan.checkpoints.begin() + row);
    m_result = ComputePlan(m_plan);
    endRemoveRows();
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
