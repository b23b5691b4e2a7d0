// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log table's column captions: short on screen, in full for a screen reader
// and in the tooltips.
#include "NavLogCells.h"
#include "NavLogModel.h"

namespace aerolume::planning {

QVariant NavLogCells::headerData(int section, Qt::Orientation orientation, int role) {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return QString::number(section + 1);
    }
    // Two lines where a caption would widen its column beyond its values.
    static const char* const kHeaders[NavLogModel::ColumnCount] = {
        QT_TR_NOOP("Checkpoint"),   QT_TR_NOOP("Latitude"),    QT_TR_NOOP("Longitude"),
        QT_TR_NOOP("Elev."),        QT_TR_NOOP("Altitude"),    QT_TR_NOOP("TAS"),
        QT_TR_NOOP("Wind\nfrom"),   QT_TR_NOOP("Wind\nspeed"), QT_TR_NOOP("Variation"),
        QT_TR_NOOP("TC"),           QT_TR_NOOP("WCA"),         QT_TR_NOOP("TH"),
        QT_TR_NOOP("MH"),           QT_TR_NOOP("Distance"),    QT_TR_NOOP("GS"),
        QT_TR_NOOP("ETE"),          QT_TR_NOOP("ETA\nUTC"),    QT_TR_NOOP("Total\ndist."),
        QT_TR_NOOP("Dist.\nto go"), QT_TR_NOOP("Total\ntime"), QT_TR_NOOP("Leg\nfuel"),
        QT_TR_NOOP("Fuel\nused"),   QT_TR_NOOP("Fuel\nleft"),  QT_TR_NOOP("Notes")};
    static const char* const kSpoken[NavLogModel::ColumnCount] = {
        QT_TR_NOOP("Checkpoint"),
        QT_TR_NOOP("Latitude"),
        QT_TR_NOOP("Longitude"),
        QT_TR_NOOP("Elevation"),
        QT_TR_NOOP("Altitude"),
        QT_TR_NOOP("True airspeed"),
        QT_TR_NOOP("Wind from"),
        QT_TR_NOOP("Wind speed"),
        QT_TR_NOOP("Variation"),
        QT_TR_NOOP("True course"),
        QT_TR_NOOP("Wind correction angle"),
        QT_TR_NOOP("True heading"),
        QT_TR_NOOP("Magnetic heading"),
        QT_TR_NOOP("Leg distance"),
        QT_TR_NOOP("Ground speed"),
        QT_TR_NOOP("Time en route"),
        QT_TR_NOOP("Estimated time of arrival, UTC"),
        QT_TR_NOOP("Total distance"),
        QT_TR_NOOP("Distance remaining"),
        QT_TR_NOOP("Total time"),
        QT_TR_NOOP("Leg fuel"),
        QT_TR_NOOP("Fuel used"),
        QT_TR_NOOP("Fuel remaining"),
        QT_TR_NOOP("Notes")};
    if (section < 0 || section >= NavLogModel::ColumnCount) {
        return {};
    }
    return role == Qt::DisplayRole ? tr(kHeaders[section]) : tr(kSpoken[section]);
}

}  // namespace aerolume::planning
