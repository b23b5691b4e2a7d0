// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Checkpoints from the airport and navaid data (airports/AirportData.h): what the
// navigation log's checkpoint cell offers while the pilot types, and what the typed
// text becomes when the entry is done.
//
//   offers(typed)     while typing: a radial and distance fix ("SAM 270/15") from
//                     every navaid of that identifier, nearest to the previous
//                     checkpoint first; otherwise the places the Airport window's search
//                     finds, in its ranking (nearest to the previous checkpoint first
//                     within a rank).
//   resolve(typed)    the entry done: an identifier naming one place is that place; one
//                     naming several offers them all, nearest to the previous checkpoint
//                     first (without one, in the data's ranking); a fix likewise from the
//                     navaids of its identifier; anything else is a name the pilot typed.
//   checkpointOf(o)   the checkpoint an offer fills: its name (identifier and name), its
//                     position, its origin (kind, identifier, country, the fix's
//                     definition) and, for an airfield, the field's elevation.
//
// A fix's position is computed once, when it is chosen (PlanPlaces.h
// RadialDistancePosition): the radial turned to true with the variation the station's
// radials are slaved to, else the data's variation at the station, else the World
// Magnetic Model's on the plan's date. The plan keeps the position, so it flies without
// the data.

#include <QList>
#include <QString>
#include <optional>
#include <string>

#include "airports/AirportData.h"
#include "planning/PlanCore.h"

namespace aerolume::planning {

// One place the data offers for a checkpoint: an airport or a navaid, or a fix defined
// by radial and distance from a navaid.
struct PlaceOffer {
    airports::Place place;
    std::optional<RadialDistance> fix;
    std::optional<double> distance;  // NM from the previous checkpoint, when there is one
};

// Where a checkpoint is looked up from.
struct LookupContext {
    std::optional<Position> previous;  // the checkpoint before it
    std::optional<double> planYear;    // the plan's date as a decimal year (planDecimalYear)
    double planVariation = 0;          // degrees, east positive: the plan's variation
};

enum class LookupOutcome {
    Found,          // one place or one fix: `checkpoint`
    Choose,         // several places: `offers`, nearest to the previous checkpoint first
    NotInData,      // no place of that identifier: a name the pilot typed
    UnknownNavaid,  // a fix from a navaid the data does not have
    NoData,         // there is no airport data to look in
};

struct CheckpointLookup {
    LookupOutcome outcome = LookupOutcome::NotInData;
    std::optional<Checkpoint> checkpoint;  // name, position, elevation and origin; no leg
    QList<PlaceOffer> offers;
    std::optional<RadialDistance> fix;  // the typed text is a fix
};

class CheckpointFinder {
public:
    // `database` may be null (no data): nothing is offered, and resolve() says NoData.
    CheckpointFinder(const airports::AirportDatabase* database, LookupContext context)
        : m_database(database), m_context(context) {}

    QList<PlaceOffer> offers(const QString& typed, int limit) const;
    CheckpointLookup resolve(const QString& typed) const;
    // Nothing when the data cannot give the place any more (a query failed).
    std::optional<Checkpoint> checkpointOf(const PlaceOffer& offer) const;

private:
    // The places of an identifier, nearest to the previous checkpoint first; only the
    // navaids for a fix.
    QList<PlaceOffer> named(const QString& ident, const std::optional<RadialDistance>& fix) const;
    PlaceOffer offerOf(const airports::Place& place,
                       const std::optional<RadialDistance>& fix) const;

    const airports::AirportDatabase* m_database;
    LookupContext m_context;
};

// The data's type of a place ("medium_airport", "VOR-DME") as a checkpoint's kind.
PlaceKind placeKindOf(const airports::Place& place);
// A fix as pilots write it: "270/15", "090/2.5".
std::string fixText(const RadialDistance& fix);
// The name of a checkpoint taken from the data, on one line and at most kMaxNameLength
// characters: "EGTK London Oxford Airport", "CPT Compton VOR-DME", "SAM 270/15".
std::string checkpointName(const airports::Place& place, const std::optional<RadialDistance>& fix);

}  // namespace aerolume::planning
