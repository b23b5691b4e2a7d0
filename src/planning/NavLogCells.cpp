// SPDX-License-Identifier: GPL-3.0-or-later
#include "NavLogCells.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <algorithm>
#include <cmath>

#include "Coordinates.h"
#include "NavLogModel.h"
#include "PlanText.h"
#include "PrintTexts.h"
#include "common/Durations.h"
#include "common/FormatMask.h"

namespace aerolume::planning {
namespace {

const QString kUnknown = QStringLiteral("—");
// Names longer than this (in bytes) may be cut in the table.
constexpr std::size_t kShortName = 24;

const char* const kModelName =
    QT_TRANSLATE_NOOP("aerolume::planning::NavLogModel", "World Magnetic Model 2025");

QString fromStd(const std::string& s) {
    return QString::fromStdString(s);
}

QString number(const std::optional<double>& value, int decimals, const QString& unit) {
    if (!value) {
        return kUnknown;
    }
    return fromStd(formatFixed(*value, decimals)) + u' ' + unit;
}

QString duration(const std::optional<double>& hours) {
    return hours ? fromStd(formatDuration(*hours)) : kUnknown;
}

// "16:35", "00:12 +1" on the day after the departure's; empty without a departure time.
QString eta(const std::optional<Eta>& eta) {
    return eta ? print::clockText(*eta) : QString();
}

QString direction(const std::optional<double>& degrees) {
    return degrees ? fromStd(formatDirection(*degrees)) : kUnknown;
}

// The fuel used and left: shaded where the fuel is below the reserve or gone.
bool isFuelColumn(int column) {
    return column == NavLogModel::FuelUsed || column == NavLogModel::FuelRemaining;
}

const QColor kRepeated(255, 244, 190);
const QColor kNotFlown(255, 214, 170);
const QColor kBelowReserve(255, 190, 190);
const QColor kOutOfFuel(235, 120, 120);

}  // namespace

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

const std::optional<double>& overrideOf(const LegOverrides& leg, int column) {
    return overrideOf(const_cast<LegOverrides&>(leg), column);
}

QString NavLogCells::text(int row, int column) const {
    const Checkpoint& point = m_plan.checkpoints[static_cast<std::size_t>(row)];
    const QString fuelUnit = QString::fromLatin1(fuelUnitLabel(m_plan.defaults.fuelUnit));
    switch (column) {
        case NavLogModel::Name:
            return fromStd(point.name);
        case NavLogModel::Latitude:
            return fromStd(formatCoordinate(point.latitude, true));
        case NavLogModel::Longitude:
            return fromStd(formatCoordinate(point.longitude, false));
        case NavLogModel::Elevation:
            return point.elevation ? number(point.elevation, 0, tr("ft")) : QString();
        case NavLogModel::Notes:
            return notes(row).join(QStringLiteral(". "));
        default:
            break;
    }
    if (row == 0) {
        // The departure: no leg ends here; the totals start.
        switch (column) {
            case NavLogModel::TotalDistance:
                return number(0.0, 1, tr("NM"));
            case NavLogModel::DistanceRemaining:
                return number(m_result.totalDistance, 1, tr("NM"));
            case NavLogModel::TotalTime:
                return duration(0.0);
            case NavLogModel::Eta:
                return eta(m_result.departure);
            case NavLogModel::FuelUsed:
                return number(0.0, 1, fuelUnit);
            case NavLogModel::FuelRemaining:
                return number(std::max(0.0, m_result.fuelAfterTaxi), 1, fuelUnit);
            default:
                return {};
        }
    }
    const LegResult& leg = m_result.legs[static_cast<std::size_t>(row - 1)];
    const LegConditions& c = leg.conditions;
    switch (column) {
        case NavLogModel::Altitude:
            return number(c.altitude, 0, tr("ft"));
        case NavLogModel::TrueAirspeed:
            return number(c.trueAirspeed, 0, tr("kt"));
        case NavLogModel::WindDirection:
            return direction(c.windDirection);
        case NavLogModel::WindSpeed:
            return number(c.windSpeed, 0, tr("kt"));
        case NavLogModel::Variation:
            return fromStd(formatVariation(c.variation));
        case NavLogModel::TrueCourse:
            return direction(leg.trueCourse);
        case NavLogModel::Wca:
            return leg.wca ? fromStd(formatWca(*leg.wca)) : kUnknown;
        case NavLogModel::TrueHeading:
            return direction(leg.trueHeading);
        case NavLogModel::MagneticHeading:
            return direction(leg.magneticHeading);
        case NavLogModel::Distance:
            return number(leg.distance, 1, tr("NM"));
        case NavLogModel::GroundSpeed:
            return number(leg.groundSpeed, 0, tr("kt"));
        case NavLogModel::Time:
            return duration(leg.time);
        case NavLogModel::Eta:
            return eta(leg.eta);
        case NavLogModel::TotalDistance:
            return number(leg.totalDistance, 1, tr("NM"));
        case NavLogModel::DistanceRemaining:
            return number(leg.distanceRemaining, 1, tr("NM"));
        case NavLogModel::TotalTime:
            return duration(leg.totalTime);
        case NavLogModel::Fuel:
            return number(leg.fuel, 1, fuelUnit);
        case NavLogModel::FuelUsed:
            return number(leg.fuelUsed, 1, fuelUnit);
        case NavLogModel::FuelRemaining:
            return number(leg.fuelRemaining, 1, fuelUnit);
        default:
            return {};
    }
}

bool NavLogCells::belowReserve(int row) const {
    if (!m_result.firstBelowReserve) {
        return false;
    }
    return row == 0 ? *m_result.firstBelowReserve == 0
                    : m_result.legs[static_cast<std::size_t>(row - 1)].belowReserve;
}

bool NavLogCells::outOfFuel(int row) const {
    return row == 0 ? m_result.fuelAfterTaxi < 0
                    : m_result.legs[static_cast<std::size_t>(row - 1)].fuelExhausted;
}

QStringList NavLogCells::notes(int row) const {
    QStringList notes;
    if (row == 0) {
        if (outOfFuel(0)) {
            notes << tr("No fuel left after taxi");
        } else if (belowReserve(0)) {
            notes << tr("Below the reserve after taxi");
        }
        return notes;
    }
    const LegResult& leg = m_result.legs[static_cast<std::size_t>(row - 1)];
    if (leg.status == LegStatus::ZeroLength) {
        notes << tr("Same position as row %1").arg(row);
    } else if (leg.status != LegStatus::Ok) {
        notes << tr(legWarning(leg.status));
    }
    // The profile's points on the leg, at their distance along it.
    for (const ProfilePoint& point : m_result.profile.points) {
        if (static_cast<int>(point.leg) + 1 != row) {
            continue;
        }
        const QString along = fromStd(formatFixed(point.distanceAlongLeg, 1));
        const QString altitude = fromStd(formatFixed(point.altitude, 0));
        switch (point.kind) {
            case ProfilePointKind::TopOfClimb:
                notes << tr("Top of climb %1 NM along the leg, %2 ft").arg(along, altitude);
                break;
            case ProfilePointKind::LevelOff:
                notes << tr("Level at %2 ft %1 NM along the leg").arg(along, altitude);
                break;
            case ProfilePointKind::TopOfDescent:
                notes << tr("Top of descent %1 NM along the leg, %2 ft").arg(along, altitude);
                break;
        }
    }
    const auto& out = m_result.fuelExhaustion;
    if (out && static_cast<int>(out->leg) + 1 == row) {
        notes << (out->distanceAlongLeg > 0
                      ? tr("Fuel runs out %1 NM along the leg")
                            .arg(fromStd(formatFixed(out->distanceAlongLeg, 1)))
                      : tr("Fuel runs out at the start of the leg"));
    } else if (leg.fuelExhausted) {
        notes << tr("No fuel left");
    } else if (belowReserve(row)) {
        notes << tr("Below the reserve");
    }
    return notes;
}

QVariant NavLogCells::newRowData(int row, int column, int role) const {
    const std::size_t count = m_plan.checkpoints.size();
    const char* hint = count == 0 && row == 0  ? QT_TR_NOOP("Type the departure")
                       : count < 2 && row == 1 ? QT_TR_NOOP("Type the destination")
                                               : QT_TR_NOOP("Type the next checkpoint");
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return column == NavLogModel::Name ? tr(hint) : QString();
        case Qt::EditRole:
            return QString();
        case Qt::ToolTipRole:
            return tr(
                "Type an identifier (EGTK, SAM), a name, or a fix from a navaid (SAM "
                "270/15); or type its latitude and longitude. The checkpoint is added at "
                "the end of the route.");
        case Qt::ForegroundRole:
            return QBrush(QColor(110, 110, 110));
        case Qt::FontRole: {
            QFont font;
            font.setItalic(true);
            return font;
        }
        case Qt::TextAlignmentRole:
            return column == NavLogModel::Name || column == NavLogModel::Notes
                       ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                       : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant NavLogCells::newRowHeader(int role) {
    if (role == Qt::DisplayRole) {
        return QStringLiteral("*");
    }
    if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole) {
        return tr("Row ready to type a checkpoint");
    }
    return {};
}

QVariant NavLogCells::data(int row, int column, int role) const {
    if (row >= static_cast<int>(m_plan.checkpoints.size())) {
        return newRowData(row, column, role);
    }
    const Checkpoint& point = m_plan.checkpoints[static_cast<std::size_t>(row)];
    const LegResult* leg = row > 0 ? &m_result.legs[static_cast<std::size_t>(row - 1)] : nullptr;
    const bool low = belowReserve(row);
    const bool empty = outOfFuel(row);
    const bool notFlown = leg != nullptr && leg->status != LegStatus::Ok;
    switch (role) {
        case Qt::DisplayRole:
            return text(row, column);
        case Qt::AccessibleTextRole: {
            const QString shown = text(row, column);
            if (fromModel(row, column)) {
                return tr("%1 (%2)").arg(shown, tr(kModelName));
            }
            return shown == kUnknown ? tr("unknown") : shown;
        }
        case Qt::EditRole: {
            if (column == NavLogModel::Name) {
                return fromStd(point.name);
            }
            if (column == NavLogModel::Latitude || column == NavLogModel::Longitude) {
                return text(row, column);
            }
            if (column == NavLogModel::Elevation) {
                return point.elevation ? fromStd(formatFixed(*point.elevation, 0)) : QString();
            }
            if (!isOverride(column)) {
                return {};
            }
            const std::optional<double>& value = overrideOf(point.leg, column);
            if (!value) {
                return QString();
            }
            if (column == NavLogModel::Variation) {
                return *value == 0 ? QStringLiteral("0")
                                   : fromStd(formatFixed(std::fabs(*value), 1)) +
                                         (*value > 0 ? u'E' : u'W');
            }
            return fromStd(formatFixed(*value, 0));
        }
        case Qt::TextAlignmentRole:
            return column == NavLogModel::Name || column == NavLogModel::Notes
                       ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                       : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::ForegroundRole:
            // A leg value taken from the plan is grey; a typed one is black.
            if (row > 0 && isOverride(column) && !overrideOf(point.leg, column)) {
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
            // The fuel's shade on its columns, the leg's on the others; the notes take
            // the stronger.
            if ((isFuelColumn(column) || column == NavLogModel::Notes) && (empty || low)) {
                return QBrush(empty ? kOutOfFuel : kBelowReserve);
            }
            if (notFlown) {
                return QBrush(leg->status == LegStatus::ZeroLength ? kRepeated : kNotFlown);
            }
            return {};
        case Qt::ToolTipRole:
            // A long name is cut in its column; the whole of it shows here.
            if (column == NavLogModel::Name && point.name.size() > kShortName) {
                return fromStd(point.name);
            }
            if (column == NavLogModel::Notes) {
                return {};
            }
            if (isFuelColumn(column) && empty) {
                return tr("No fuel left");
            }
            if (isFuelColumn(column) && low) {
                return tr("Fuel remaining below the reserve");
            }
            if (notFlown) {
                return tr(legWarning(leg->status));
            }
            if (fromModel(row, column)) {
                return tr(kModelName);
            }
            return {};
        default:
            return {};
    }
}

bool NavLogCells::fromModel(int row, int column) const {
    return column == NavLogModel::Variation && row > 0 &&
           m_result.legs[static_cast<std::size_t>(row - 1)].conditions.variationSource ==
               VariationSource::Model;
}

}  // namespace aerolume::planning
