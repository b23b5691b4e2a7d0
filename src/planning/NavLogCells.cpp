// SPDX-License-Identifier: GPL-3.0-or-later
#include "NavLogCells.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <cmath>

#include "Coordinates.h"
#include "NavLogModel.h"
#include "PlanText.h"
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

QString direction(const std::optional<double>& degrees) {
    return degrees ? fromStd(formatDirection(*degrees)) : kUnknown;
}

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
            case NavLogModel::FuelUsed:
                return number(0.0, 1, fuelUnit);
            case NavLogModel::FuelRemaining:
                return number(m_result.fuelAfterTaxi, 1, fuelUnit);
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

QVariant NavLogCells::data(int row, int column, int role) const {
    const Checkpoint& point = m_plan.checkpoints[static_cast<std::size_t>(row)];
    const LegResult* leg = row > 0 ? &m_result.legs[static_cast<std::size_t>(row - 1)] : nullptr;
    const bool belowReserve =
        m_result.firstBelowReserve && row >= 0 &&
        ((row == 0 && *m_result.firstBelowReserve == 0) || (leg != nullptr && leg->belowReserve));
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
            return column == NavLogModel::Name ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
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
            if (leg != nullptr && leg->status != LegStatus::Ok) {
                return QBrush(leg->status == LegStatus::ZeroLength ? QColor(255, 244, 190)
                                                                   : QColor(255, 214, 170));
            }
            if (belowReserve && column >= NavLogModel::FuelUsed) {
                return QBrush(QColor(255, 190, 190));
            }
            return {};
        case Qt::ToolTipRole:
            // A long name is cut in its column; the whole of it shows here.
            if (column == NavLogModel::Name && point.name.size() > kShortName) {
                return fromStd(point.name);
            }
            if (leg != nullptr && leg->status != LegStatus::Ok) {
                return tr(legWarning(leg->status));
            }
            if (belowReserve && column >= NavLogModel::FuelUsed) {
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

QVariant NavLogCells::headerData(int section, Qt::Orientation orientation, int role) {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return QString::number(section + 1);
    }
    static const char* const kHeaders[NavLogModel::ColumnCount] = {
        QT_TR_NOOP("Checkpoint"),  QT_TR_NOOP("Latitude"),    QT_TR_NOOP("Longitude"),
        QT_TR_NOOP("Altitude"),    QT_TR_NOOP("TAS"),         QT_TR_NOOP("Wind from"),
        QT_TR_NOOP("Wind speed"),  QT_TR_NOOP("Variation"),   QT_TR_NOOP("TC"),
        QT_TR_NOOP("WCA"),         QT_TR_NOOP("TH"),          QT_TR_NOOP("MH"),
        QT_TR_NOOP("Distance"),    QT_TR_NOOP("GS"),          QT_TR_NOOP("ETE"),
        QT_TR_NOOP("Total dist."), QT_TR_NOOP("Dist. to go"), QT_TR_NOOP("Total time"),
        QT_TR_NOOP("Leg fuel"),    QT_TR_NOOP("Fuel used"),   QT_TR_NOOP("Fuel left")};
    static const char* const kSpoken[NavLogModel::ColumnCount] = {
        QT_TR_NOOP("Checkpoint"),         QT_TR_NOOP("Latitude"),
        QT_TR_NOOP("Longitude"),          QT_TR_NOOP("Altitude"),
        QT_TR_NOOP("True airspeed"),      QT_TR_NOOP("Wind from"),
        QT_TR_NOOP("Wind speed"),         QT_TR_NOOP("Variation"),
        QT_TR_NOOP("True course"),        QT_TR_NOOP("Wind correction angle"),
        QT_TR_NOOP("True heading"),       QT_TR_NOOP("Magnetic heading"),
        QT_TR_NOOP("Leg distance"),       QT_TR_NOOP("Ground speed"),
        QT_TR_NOOP("Time en route"),      QT_TR_NOOP("Total distance"),
        QT_TR_NOOP("Distance remaining"), QT_TR_NOOP("Total time"),
        QT_TR_NOOP("Leg fuel"),           QT_TR_NOOP("Fuel used"),
        QT_TR_NOOP("Fuel remaining")};
    if (section < 0 || section >= NavLogModel::ColumnCount) {
        return {};
    }
    return role == Qt::DisplayRole ? tr(kHeaders[section]) : tr(kSpoken[section]);
}

bool NavLogCells::fromModel(int row, int column) const {
    return column == NavLogModel::Variation && row > 0 &&
           m_result.legs[static_cast<std::size_t>(row - 1)].conditions.variationSource ==
               VariationSource::Model;
}

}  // namespace aerolume::planning
