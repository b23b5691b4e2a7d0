// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckpointLookup.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "airports/AirportCaptions.h"
#include "common/FormatMask.h"

namespace aerolume::planning {
namespace {

using airports::Place;
using airports::PlaceType;

Position positionOf(const Place& place) {
    return {place.Position.Latitude, place.Position.Longitude};
}

}  // namespace

PlaceKind placeKindOf(const Place& place) {
    static constexpr std::array<std::pair<std::string_view, PlaceKind>, 13> kKinds = {{
        {"large_airport", PlaceKind::Airport},
        {"medium_airport", PlaceKind::Airport},
        {"small_airport", PlaceKind::Airport},
        {"heliport", PlaceKind::Heliport},
        {"seaplane_base", PlaceKind::SeaplaneBase},
        {"balloonport", PlaceKind::Balloonport},
        {"VOR", PlaceKind::Vor},
        {"VOR-DME", PlaceKind::VorDme},
        {"VORTAC", PlaceKind::Vortac},
        {"TACAN", PlaceKind::Tacan},
        {"DME", PlaceKind::Dme},
        {"NDB", PlaceKind::Ndb},
        {"NDB-DME", PlaceKind::NdbDme},
    }};
    for (const auto& [type, kind] : kKinds) {
        if (place.Kind == type) {
            return kind;
        }
    }
    return PlaceKind::Other;
}

std::string fixText(const RadialDistance& fix) {
    std::string radial = std::to_string(fix.radial);
    radial.insert(0, 3 - std::min<std::size_t>(3, radial.size()), '0');
    const bool whole = fix.distance == static_cast<double>(static_cast<int>(fix.distance));
    return radial + "/" + formatFixed(fix.distance, whole ? 0 : 1);
}

std::string checkpointName(const Place& place, const std::optional<RadialDistance>& fix) {
    QString name = QString::fromStdString(place.Ident);
    if (fix) {
        name += u' ' + QString::fromStdString(fixText(*fix));
    } else {
        name += u' ' + QString::fromStdString(place.Name);
        if (place.Type == PlaceType::Navaid) {
            name += u' ' + airports::kindCaption(place);
        }
    }
    name = QString::fromStdString(oneLineName(name.toStdString()));
    return name.left(static_cast<qsizetype>(kMaxNameLength)).toStdString();
}

PlaceOffer CheckpointFinder::offerOf(const Place& place,
                                     const std::optional<RadialDistance>& fix) const {
    PlaceOffer offer{place, fix, std::nullopt};
    if (m_context.previous) {
        offer.distance = GreatCircleDistance(*m_context.previous, positionOf(place));
    }
    return offer;
}

QList<PlaceOffer> CheckpointFinder::named(const QString& ident,
                                          const std::optional<RadialDistance>& fix) const {
    std::vector<Place> places;
    std::vector<Position> positions;
    for (const Place& place : m_database->placesNamed(ident)) {
        if (!fix || isNavaid(placeKindOf(place))) {
            places.push_back(place);
            positions.push_back(positionOf(place));
        }
    }
    QList<PlaceOffer> offers;
    for (const std::size_t i : NearestFirst(positions, m_context.previous)) {
        offers.append(offerOf(places[i], fix));
    }
    return offers;
}

QList<PlaceOffer> CheckpointFinder::offers(const QString& typed, int limit) const {
    if (m_database == nullptr || typed.trimmed().isEmpty()) {
        return {};
    }
    const std::string text = oneLineName(typed.toStdString());
    if (const auto fix = parseRadialDistance(text)) {
        QList<PlaceOffer> navaids = named(QString::fromStdString(fix->navaid), fix);
        return navaids.mid(0, limit);
    }
    std::optional<airports::GeoPoint> near;
    if (m_context.previous) {
        near = airports::GeoPoint{m_context.previous->latitude, m_context.previous->longitude};
    }
    QList<PlaceOffer> offers;
    for (const Place& place : m_database->search(QString::fromStdString(text), limit, near)) {
        offers.append(offerOf(place, std::nullopt));
    }
    return offers;
}

CheckpointLookup CheckpointFinder::resolve(const QString& typed) const {
    CheckpointLookup lookup;
    const std::string text = oneLineName(typed.toStdString());
    lookup.fix = parseRadialDistance(text);
    if (m_database == nullptr) {
        lookup.outcome = LookupOutcome::NoData;
        return lookup;
    }
    if (text.empty()) {
        return lookup;
    }
    lookup.offers =
        named(QString::fromStdString(lookup.fix ? lookup.fix->navaid : text), lookup.fix);
    if (lookup.offers.isEmpty()) {
        lookup.outcome = lookup.fix ? LookupOutcome::UnknownNavaid : LookupOutcome::NotInData;
    } else if (lookup.offers.size() > 1) {
        lookup.outcome = LookupOutcome::Choose;
    } else {
        lookup.checkpoint = checkpointOf(lookup.offers.constFirst());
        lookup.outcome = lookup.checkpoint ? LookupOutcome::Found : LookupOutcome::NotInData;
    }
    return lookup;
}

std::optional<Checkpoint> CheckpointFinder::checkpointOf(const PlaceOffer& offer) const {
    if (m_database == nullptr) {
        return std::nullopt;
    }
    const Place& place = offer.place;
    Checkpoint point;
    point.name = checkpointName(place, offer.fix);
    point.origin.kind = placeKindOf(place);
    point.origin.identifier = place.Ident;
    point.origin.country = place.Country;
    Position position = positionOf(place);
    if (place.Type == PlaceType::Airport) {
        const auto airport = m_database->airport(place.Id);
        if (!airport) {
            return std::nullopt;
        }
        if (isAirfield(point.origin.kind) && airport->elevationFt &&
            kElevationRange.contains(*airport->elevationFt)) {
            point.elevation = *airport->elevationFt;
        }
    } else if (offer.fix) {
        const auto navaid = m_database->navaid(place.Id);
        if (!navaid) {
            return std::nullopt;
        }
        Navaid station{position, navaid->slavedVariation, navaid->elevationFt.value_or(0)};
        if (!station.variation) {
            station.variation = navaid->magneticVariation;
        }
        position =
            RadialDistancePosition(station, *offer.fix, m_context.planYear, m_context.planVariation)
                .position;
        point.origin.kind = PlaceKind::RadialDistance;
        point.origin.fix = offer.fix;
    }
    point.latitude = position.latitude;
    point.longitude = position.longitude;
    return point;
}

}  // namespace aerolume::planning
