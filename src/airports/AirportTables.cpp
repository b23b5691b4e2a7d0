// SPDX-License-Identifier: GPL-3.0-or-later
#include "AirportTables.h"

#include <QCoreApplication>
#include <QDate>
#include <algorithm>
#include <vector>

#include "AirportCaptions.h"
#include "navigation/MagneticModel.h"
#include "navigation/WindCaptions.h"
#include "planning/PlanText.h"

namespace aerolume::airports {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("AirportWindow", text);
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QString direction(std::optional<double> degrees, bool derived) {
    if (!degrees) {
        return QStringLiteral("–");
    }
    return fromStd(planning::formatDirection(*degrees)) +
           (derived ? QStringLiteral("*") : QString());
}

}  // namespace

std::optional<double> variationToday(GeoPoint point, std::optional<double> elevationFt) {
    const QDate today = QDate::currentDate();
    const auto year = DecimalYear(today.year(), today.month(), today.day());
    if (!year) {
        return std::nullopt;
    }
    const auto v =
        MagneticVariationAt(point.Latitude, point.Longitude, elevationFt.value_or(0), *year);
    return v ? v->Declination() : std::nullopt;
}

TableRows runwayRows(const QList<RunwayInfo>& runways, std::optional<double> variation) {
    TableRows table;
    bool anyDerived = false;
    for (const RunwayInfo& r : runways) {
        const EndHeading low =
            ResolveEndHeading(r.low.dataTrueHeading, r.high.dataTrueHeading, r.low.designator,
                              r.high.designator, variation, r.variationAtSnapshot);
        const EndHeading high =
            ResolveEndHeading(r.high.dataTrueHeading, r.low.dataTrueHeading, r.high.designator,
                              r.low.designator, variation, r.variationAtSnapshot);
        anyDerived = anyDerived || low.Derived() || high.Derived();
        const QString name =
            r.high.ident.isEmpty() ? r.low.ident : r.low.ident + QLatin1Char('/') + r.high.ident;
        auto pair = [&](std::optional<double> a, std::optional<double> b) {
            const QString first = direction(a, low.Derived());
            return r.high.ident.isEmpty()
                       ? first
                       : first + QStringLiteral(" / ") + direction(b, high.Derived());
        };
        table.rows << QStringList{
            name,
            lengthCaption(r.lengthFt),
            lengthCaption(r.widthFt),
            r.surface.isEmpty() ? surfaceCaption(r.surfaceClass)
                                : tr("%1 (%2)").arg(surfaceCaption(r.surfaceClass), r.surface),
            r.lighted ? tr("yes") : tr("no"),
            pair(low.True, high.True),
            pair(low.Magnetic, high.Magnetic),
            r.closed ? tr("closed") : tr("open")};
    }
    table.note =
        runways.isEmpty()
            ? tr("The data lists no runway here.")
            : tr("Magnetic headings: the true heading less today's variation.") +
                  (anyDerived ? QLatin1Char(' ') +
                                    tr("* Derived: from the runway's number (magnetic, in tens "
                                       "of degrees; true by the World Magnetic Model on the "
                                       "data's date) or from the other end.")
                              : QString());
    return table;
}

TableRows runwayWindRows(const QList<RunwayInfo>& runways, std::optional<double> variation,
                         const RunwayWindInput& wind) {
    struct End {
        QString name;
        EndHeading heading;
        QString why;  // why it is not chosen
    };
    QList<End> ends;
    std::vector<EndWindInput> inputs;
    for (const RunwayInfo& r : runways) {
        if (r.closed) {
            continue;
        }
        for (int e = 0; e < 2; ++e) {
            const RunwayEndInfo& own = e == 0 ? r.low : r.high;
            const RunwayEndInfo& other = e == 0 ? r.high : r.low;
            if (own.ident.isEmpty()) {
                continue;
            }
            const EndHeading h =
                ResolveEndHeading(own.dataTrueHeading, other.dataTrueHeading, own.designator,
                                  other.designator, variation, r.variationAtSnapshot);
            QString why;
            if (r.surfaceClass == SurfaceClass::Water) {
                why = tr("water, not chosen");
            } else if (own.designator.Kind == DesignatorKind::Helipad) {
                why = tr("helipad, not chosen");
            }
            ends.append({own.ident, h, why});
            inputs.push_back({h.Magnetic, CountsForWind(r.surfaceClass, own.designator)});
        }
    }
    const RunwayWindsResult winds =
        RunwayWinds(inputs, wind.from, wind.speed, wind.gust, wind.crosswindLimit);
    TableRows table;
    for (int i = 0; i < ends.size(); ++i) {
        const EndWind& w = winds.Ends[static_cast<std::size_t>(i)];
        QStringList notes;
        if (winds.Best == static_cast<std::size_t>(i)) {
            notes << tr("best into the wind");
        }
        if (w.BeyondLimit) {
            notes << tr("crosswind beyond the limit");
        }
        if (!ends[i].why.isEmpty()) {
            notes << ends[i].why;
        }
        if (!w.Steady) {
            notes << tr("no heading known");
        }
        table.rows << QStringList{ends[i].name,
                                  direction(ends[i].heading.Magnetic, ends[i].heading.Derived()),
                                  w.Steady ? headwindCaption(w.Steady->Headwind) : QString(),
                                  w.Steady ? crosswindCaption(w.Steady->Crosswind) : QString(),
                                  w.Gust ? headwindCaption(w.Gust->Headwind) : QString(),
                                  w.Gust ? crosswindCaption(w.Gust->Crosswind) : QString(),
                                  notes.join(QStringLiteral("; "))};
    }
    const bool derived = std::any_of(ends.cbegin(), ends.cend(),
                                     [](const End& end) { return end.heading.Derived(); });
    table.note = derived ? tr("The wind as the tower gives it (magnetic) against each end's "
                              "magnetic heading; * the heading is derived.")
                         : tr("The wind as the tower gives it (magnetic) against each end's "
                              "magnetic heading.");
    if (RoundsToCalm(wind.speed)) {
        table.note += QLatin1Char('\n') + tr("Calm: any runway.");
    } else if (!winds.Best) {
        table.note += QLatin1Char('\n') + tr("No runway end here can be chosen into the wind.");
    }
    return table;
}

QList<QStringList> navaidRows(GeoPoint point, const QList<NavaidInfo>& navaids) {
    QList<QStringList> rows;
    for (const NavaidInfo& n : navaids) {
        const double distance = DistanceNm(point, n.place.Position);
        if (distance < 0.05 && n.place.Position.Latitude == point.Latitude) {
            continue;  // the navaid itself
        }
        rows << QStringList{
            fromStd(n.place.Ident),
            fromStd(n.place.Name),
            kindCaption(n.place),
            navaidFrequencyCaption(n.place, n.frequencyKhz),
            fromStd(planning::formatDirection(InitialCourse(point, n.place.Position))),
            tr("%1 NM").arg(QString::number(distance, 'f', 1))};
    }
    return rows;
}

}  // namespace aerolume::airports
