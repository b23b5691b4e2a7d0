// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanFile.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTime>
#include <cmath>
#include <optional>

#include "common/FormatMask.h"
#include "platform/SafeFile.h"
#include "platform/TextChecks.h"

namespace aerolume::planning {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("PlanFile", text);
}

// The keys of the format, in one place.
namespace key {
const QString kFormat = QStringLiteral("format");
const QString kVersion = QStringLiteral("version");
const QString kName = QStringLiteral("name");
const QString kDate = QStringLiteral("date");
const QString kDefaults = QStringLiteral("defaults");
const QString kCheckpoints = QStringLiteral("checkpoints");
const QString kLeg = QStringLiteral("leg");
const QString kAltitude = QStringLiteral("altitudeFt");
const QString kAirspeed = QStringLiteral("trueAirspeedKt");
const QString kWindDirection = QStringLiteral("windDirectionDeg");
const QString kWindSpeed = QStringLiteral("windSpeedKt");
const QString kVariation = QStringLiteral("variationDeg");
const QString kFuelUnit = QStringLiteral("fuelUnit");
const QString kFuelFlow = QStringLiteral("fuelFlowPerHour");
const QString kFuelAtStart = QStringLiteral("fuelAtStart");
const QString kTaxiFuel = QStringLiteral("taxiFuel");
const QString kReserve = QStringLiteral("reserveMinutes");
const QString kLatitude = QStringLiteral("latitudeDeg");
const QString kLongitude = QStringLiteral("longitudeDeg");
// Version 3: where a checkpoint comes from.
const QString kElevation = QStringLiteral("elevationFt");
const QString kOrigin = QStringLiteral("origin");
const QString kKind = QStringLiteral("kind");
const QString kIdentifier = QStringLiteral("identifier");
const QString kCountry = QStringLiteral("country");
const QString kRadial = QStringLiteral("radialDeg");
const QString kDistance = QStringLiteral("distanceNm");
// Version 3: the flight in time and height, its fuel plan and its aircraft.
const QString kDepartureTime = QStringLiteral("departureTimeUtc");
const QString kClimb = QStringLiteral("climb");
const QString kDescent = QStringLiteral("descent");
const QString kRate = QStringLiteral("rateFtPerMin");
const QString kPatternAltitude = QStringLiteral("patternAltitudeFt");
const QString kFuelPlan = QStringLiteral("fuelPlan");
const QString kContingency = QStringLiteral("contingencyPercent");
const QString kExtraFuel = QStringLiteral("extraFuel");
const QString kAlternate = QStringLiteral("alternate");
const QString kAircraft = QStringLiteral("aircraft");
const QString kRegistration = QStringLiteral("registration");
}  // namespace key

// A number with every digit that tells it from its neighbours (90.0000001 is not 90).
QString exact(double value) {
    return QString::fromStdString(formatExact(value));
}

// The longest identifier and country code a checkpoint's origin may hold.
constexpr qsizetype kMaxIdentifierLength = 32;
constexpr qsizetype kMaxCountryLength = 8;
constexpr Range kRadialRange{0, 360};
constexpr Range kFixDistanceRange{0, kMaxFixDistance};
// The longest registration a plan may name ("G-ABCD", "N12345").
constexpr qsizetype kMaxRegistrationLength = 16;

// Reading stops at the first fault, kept with where it is.
struct Fault {
    QString message;
};

class Reader {
public:
    explicit Reader(QString where) : m_where(std::move(where)) {}

    QString at(const QString& name) const {
        return m_where.isEmpty() ? name : m_where + u'.' + name;
    }

    [[noreturn]] static void fail(const QString& where, const QString& what) {
        throw Fault{tr("The plan file cannot be read: %1: %2").arg(where, what)};
    }

    static QJsonValue required(const QJsonObject& object, const QString& path,
                               const QString& name) {
        const auto found = object.constFind(name);
        if (found == object.constEnd()) {
            fail(path, tr("the key is missing."));
        }
        return *found;
    }

    double number(const QJsonObject& object, const QString& name, Range range) const {
        return numberValue(required(object, at(name), name), at(name), range);
    }
    std::optional<double> optionalNumber(const QJsonObject& object, const QString& name,
                                         Range range) const {
        const auto found = object.constFind(name);
        if (found == object.constEnd() || found->isNull()) {
            return std::nullopt;
        }
        return numberValue(*found, at(name), range);
    }
    QString text(const QJsonObject& object, const QString& name, bool optional = false,
                 qsizetype maxLength = static_cast<qsizetype>(kMaxNameLength)) const {
        const auto found = object.constFind(name);
        if (found == object.constEnd() && optional) {
            return {};
        }
        const QJsonValue value =
            found == object.constEnd() ? required(object, at(name), name) : *found;
        if (!value.isString()) {
            fail(at(name), tr("a text in quotes is expected."));
        }
        QString result = value.toString();
        if (platform::characterCount(result) > maxLength) {
            fail(at(name), tr("the text is longer than %1 characters.").arg(maxLength));
        }
        return result;
    }
    // A name: on one line, whatever line breaks the file holds.
    std::string name(const QJsonObject& object, const QString& key, bool optional = false) const {
        return oneLineName(text(object, key, optional).toStdString());
    }
    QJsonObject object(const QJsonObject& parent, const QString& name,
                       bool optional = false) const {
        const auto found = parent.constFind(name);
        if (found == parent.constEnd() && optional) {
            return {};
        }
        const QJsonValue value =
            found == parent.constEnd() ? required(parent, at(name), name) : *found;
        if (!value.isObject()) {
            fail(at(name), tr("an object in braces is expected."));
        }
        return value.toObject();
    }

private:
    static double numberValue(const QJsonValue& value, const QString& path, Range range) {
        if (!value.isDouble()) {
            fail(path, tr("a number is expected."));
        }
        const double number = value.toDouble();
        if (!range.contains(number)) {
            fail(path, tr("%1 is outside %2 to %3.")
                           .arg(exact(number), exact(range.min), exact(range.max)));
        }
        return number == 0 ? 0.0 : number;
    }

    QString m_where;
};

LegOverrides readLeg(const QJsonObject& leg, const Reader& r) {
    LegOverrides o;
    o.altitude = r.optionalNumber(leg, key::kAltitude, kAltitudeRange);
    o.trueAirspeed = r.optionalNumber(leg, key::kAirspeed, kAirspeedRange);
    o.windDirection = r.optionalNumber(leg, key::kWindDirection, kWindDirectionRange);
    o.windSpeed = r.optionalNumber(leg, key::kWindSpeed, kWindSpeedRange);
    o.variation = r.optionalNumber(leg, key::kVariation, kVariationRange);
    return o;
}

// The plan is read part by part, each part by its own function and each knowing from
// which version on the file has its keys (a key of a later version is an unknown one in
// an earlier file, and is not read). A key added to the format goes into its part here
// behind `version >= N`, and into the part's writer below.

int readVersion(const QJsonObject& top) {
    const QJsonValue format = Reader::required(top, key::kFormat, key::kFormat);
    if (format.toString() != QLatin1String(kPlanFormat)) {
        Reader::fail(key::kFormat, tr("this is not a navigation log plan (\"%1\" is expected).")
                                       .arg(QLatin1String(kPlanFormat)));
    }
    const QJsonValue version = Reader::required(top, key::kVersion, key::kVersion);
    const double v = version.toDouble(-1);
    if (!version.isDouble() || v != std::floor(v) || v < 1) {
        Reader::fail(key::kVersion, tr("a whole number from 1 on is expected."));
    }
    if (v > kPlanVersion) {
        Reader::fail(key::kVersion,
                     tr("the plan was written in format version %1 by a newer program; this "
                        "program reads version %2.")
                         .arg(QString::number(v), QString::number(kPlanVersion)));
    }
    return static_cast<int>(v);
}

// The name and, from version 2 on, the date.
void readHeading(const QJsonObject& top, int version, Plan& plan) {
    const Reader root{QString()};
    plan.name = root.name(top, key::kName, true);
    if (version >= 2 && top.contains(key::kDate) && !top.value(key::kDate).isNull()) {
        const QString text = root.text(top, key::kDate);
        const QDate date = QDate::fromString(text, Qt::ISODate);
        if (!date.isValid() || text.size() != 10 || date.year() < kMinPlanYear ||
            date.year() > kMaxPlanYear) {
            Reader::fail(key::kDate, tr("\"%1\" is not a date from %2-01-01 to %3-12-31 written "
                                        "as \"YYYY-MM-DD\".")
                                         .arg(text)
                                         .arg(kMinPlanYear)
                                         .arg(kMaxPlanYear));
        }
        plan.date = PlanDate{date.year(), date.month(), date.day()};
    }
}

PlanDefaults readDefaults(const QJsonObject& top) {
    const QJsonObject defaults = Reader{QString()}.object(top, key::kDefaults);
    const Reader d{key::kDefaults};
    PlanDefaults p;
    p.altitude = d.number(defaults, key::kAltitude, kAltitudeRange);
    p.trueAirspeed = d.number(defaults, key::kAirspeed, kAirspeedRange);
    p.windDirection = d.number(defaults, key::kWindDirection, kWindDirectionRange);
    p.windSpeed = d.number(defaults, key::kWindSpeed, kWindSpeedRange);
    p.variation = d.number(defaults, key::kVariation, kVariationRange);
    const QString unit = d.text(defaults, key::kFuelUnit);
    const auto fuelUnit = fuelUnitFromKey(unit.toStdString());
    if (!fuelUnit) {
        Reader::fail(d.at(key::kFuelUnit),
                     tr(R"("%1" is not one of "USgal", "L", "lb" and "kg".)").arg(unit));
    }
    p.fuelUnit = *fuelUnit;
    p.fuelFlow = d.number(defaults, key::kFuelFlow, kFuelFlowRange);
    p.fuelAtStart = d.number(defaults, key::kFuelAtStart, kFuelRange);
    p.taxiFuel = d.number(defaults, key::kTaxiFuel, kFuelRange);
    p.reserveMinutes = d.number(defaults, key::kReserve, kReserveMinutesRange);
    return p;
}

// Version 3: a checkpoint's origin; none for a typed position.
CheckpointOrigin readOrigin(const QJsonObject& origin, const Reader& r) {
    CheckpointOrigin o;
    const QString kind = r.text(origin, key::kKind);
    const auto known = placeKindFromKey(kind.toStdString());
    if (!known) {
        Reader::fail(r.at(key::kKind),
                     tr("\"%1\" is not a kind of place of this format.").arg(kind));
    }
    o.kind = *known;
    if (o.kind == PlaceKind::Typed) {
        return o;
    }
    o.identifier = r.text(origin, key::kIdentifier, false, kMaxIdentifierLength).toStdString();
    if (o.identifier.empty()) {
        Reader::fail(r.at(key::kIdentifier), tr("a place from the data has an identifier."));
    }
    o.country = r.text(origin, key::kCountry, true, kMaxCountryLength).toStdString();
    if (o.kind == PlaceKind::RadialDistance) {
        const double radial = r.number(origin, key::kRadial, kRadialRange);
        if (radial != std::floor(radial)) {
            Reader::fail(r.at(key::kRadial), tr("a whole number of degrees is expected."));
        }
        const double distance = r.number(origin, key::kDistance, kFixDistanceRange);
        if (distance <= 0) {
            Reader::fail(r.at(key::kDistance), tr("a distance above 0 is expected."));
        }
        o.fix = RadialDistance{o.identifier, static_cast<int>(radial), distance};
    }
    return o;
}

Checkpoint readCheckpoint(const QJsonObject& entry, const Reader& c, int version) {
    Checkpoint point;
    point.name = c.name(entry, key::kName);
    point.latitude = c.number(entry, key::kLatitude, kLatitudeRange);
    point.longitude = c.number(entry, key::kLongitude, kLongitudeRange);
    point.leg = readLeg(c.object(entry, key::kLeg, true), Reader{c.at(key::kLeg)});
    if (version >= 3) {
        point.elevation = c.optionalNumber(entry, key::kElevation, kElevationRange);
        if (entry.contains(key::kOrigin) && !entry.value(key::kOrigin).isNull()) {
            point.origin = readOrigin(c.object(entry, key::kOrigin), Reader{c.at(key::kOrigin)});
        }
    }
    return point;
}

std::vector<Checkpoint> readCheckpoints(const QJsonObject& top, int version) {
    const QJsonValue checkpoints = Reader::required(top, key::kCheckpoints, key::kCheckpoints);
    if (!checkpoints.isArray()) {
        Reader::fail(key::kCheckpoints, tr("a list in brackets is expected."));
    }
    const QJsonArray list = checkpoints.toArray();
    if (list.size() > static_cast<qsizetype>(kMaxCheckpoints)) {
        Reader::fail(key::kCheckpoints, tr("%1 checkpoints are more than the %2 a plan may have.")
                                            .arg(list.size())
                                            .arg(kMaxCheckpoints));
    }
    std::vector<Checkpoint> points;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString where = tr("checkpoint %1 (%2[%3])").arg(i + 1).arg(key::kCheckpoints).arg(i);
        if (!list.at(i).isObject()) {
            Reader::fail(where, tr("an object in braces is expected."));
        }
        points.push_back(readCheckpoint(list.at(i).toObject(), Reader{where}, version));
    }
    return points;
}

// A key that is there and not null.
bool present(const QJsonObject& object, const QString& name) {
    return object.contains(name) && !object.value(name).isNull();
}

// Version 3: a climb's or a descent's figures.
ClimbFigures readClimb(const QJsonObject& figures, const Reader& r) {
    ClimbFigures c;
    c.rate = r.number(figures, key::kRate, kClimbRateRange);
    c.trueAirspeed = r.number(figures, key::kAirspeed, kAirspeedRange);
    c.fuelFlow = r.number(figures, key::kFuelFlow, kFuelFlowRange);
    return c;
}

// Version 3: the departure time, the climb and descent, the fuel plan, the alternate
// and the aircraft.
void readFlight(const QJsonObject& top, Plan& plan) {
    const Reader root{QString()};
    if (present(top, key::kDepartureTime)) {
        const QString text = root.text(top, key::kDepartureTime);
        const QTime time = QTime::fromString(text, QStringLiteral("HH:mm"));
        if (!time.isValid() || text.size() != 5) {
            Reader::fail(
                key::kDepartureTime,
                tr(R"("%1" is not a time from 00:00 to 23:59 written as "hh:mm".)").arg(text));
        }
        plan.departureTime = TimeOfDay{time.hour(), time.minute()};
    }
    for (const auto& [name, figures] :
         {std::pair{key::kClimb, &plan.climb}, std::pair{key::kDescent, &plan.descent}}) {
        if (present(top, name)) {
            *figures = readClimb(root.object(top, name), Reader{name});
        }
    }
    if (const auto pattern =
            root.optionalNumber(top, key::kPatternAltitude, kPatternAltitudeRange)) {
        plan.patternAltitude = *pattern;
    }
    if (present(top, key::kFuelPlan)) {
        const QJsonObject fuel = root.object(top, key::kFuelPlan);
        const Reader f{key::kFuelPlan};
        plan.fuelPlan = FuelPlanInputs{f.number(fuel, key::kContingency, kContingencyRange),
                                       f.number(fuel, key::kExtraFuel, kFuelRange)};
    }
    if (present(top, key::kAlternate)) {
        plan.alternate =
            readCheckpoint(root.object(top, key::kAlternate), Reader{key::kAlternate}, 3);
    }
    plan.aircraft = root.name(top, key::kAircraft, true);
    plan.registration =
        oneLineName(root.text(top, key::kRegistration, true, kMaxRegistrationLength).toStdString());
}

Plan readObject(const QJsonObject& top) {
    const int version = readVersion(top);
    Plan plan;
    readHeading(top, version, plan);
    plan.defaults = readDefaults(top);
    plan.checkpoints = readCheckpoints(top, version);
    if (version >= 3) {
        readFlight(top, plan);
    }
    return plan;
}

QString tooLarge() {
    return tr("The plan file cannot be read: it is larger than %1 MB.")
        .arg(kMaxPlanFileBytes / (qint64{1024} * 1024));
}

void putOptional(QJsonObject& object, const QString& name, const std::optional<double>& value) {
    if (value) {
        object.insert(name, *value);
    }
}

// The writer, part by part as the reader reads them.

QJsonObject writeDefaults(const PlanDefaults& p) {
    return {
        {key::kAltitude, p.altitude},
        {key::kAirspeed, p.trueAirspeed},
        {key::kWindDirection, p.windDirection},
        {key::kWindSpeed, p.windSpeed},
        {key::kVariation, p.variation},
        {key::kFuelUnit, QString::fromLatin1(fuelUnitKey(p.fuelUnit))},
        {key::kFuelFlow, p.fuelFlow},
        {key::kFuelAtStart, p.fuelAtStart},
        {key::kTaxiFuel, p.taxiFuel},
        {key::kReserve, p.reserveMinutes},
    };
}

QJsonObject writeOrigin(const CheckpointOrigin& origin) {
    QJsonObject o{{key::kKind, QString::fromLatin1(placeKindKey(origin.kind))},
                  {key::kIdentifier, QString::fromStdString(origin.identifier)}};
    if (!origin.country.empty()) {
        o.insert(key::kCountry, QString::fromStdString(origin.country));
    }
    if (origin.fix) {
        o.insert(key::kRadial, origin.fix->radial);
        o.insert(key::kDistance, origin.fix->distance);
    }
    return o;
}

QJsonObject writeCheckpoint(const Checkpoint& point) {
    QJsonObject entry{{key::kName, QString::fromStdString(point.name)},
                      {key::kLatitude, point.latitude},
                      {key::kLongitude, point.longitude}};
    putOptional(entry, key::kElevation, point.elevation);
    if (point.origin.kind != PlaceKind::Typed) {
        entry.insert(key::kOrigin, writeOrigin(point.origin));
    }
    QJsonObject leg;
    putOptional(leg, key::kAltitude, point.leg.altitude);
    putOptional(leg, key::kAirspeed, point.leg.trueAirspeed);
    putOptional(leg, key::kWindDirection, point.leg.windDirection);
    putOptional(leg, key::kWindSpeed, point.leg.windSpeed);
    putOptional(leg, key::kVariation, point.leg.variation);
    if (!leg.isEmpty()) {
        entry.insert(key::kLeg, leg);
    }
    return entry;
}

QJsonObject writeClimb(const ClimbFigures& c) {
    return {{key::kRate, c.rate}, {key::kAirspeed, c.trueAirspeed}, {key::kFuelFlow, c.fuelFlow}};
}

// The flight's parts of version 3; a part the plan has not is left out.
void writeFlight(const Plan& plan, QJsonObject& top) {
    if (plan.departureTime) {
        top.insert(key::kDepartureTime, QTime(plan.departureTime->hour, plan.departureTime->minute)
                                            .toString(QStringLiteral("HH:mm")));
    }
    if (plan.climb) {
        top.insert(key::kClimb, writeClimb(*plan.climb));
    }
    if (plan.descent) {
        top.insert(key::kDescent, writeClimb(*plan.descent));
    }
    top.insert(key::kPatternAltitude, plan.patternAltitude);
    if (plan.fuelPlan) {
        top.insert(key::kFuelPlan,
                   QJsonObject{{key::kContingency, plan.fuelPlan->contingencyPercent},
                               {key::kExtraFuel, plan.fuelPlan->extraFuel}});
    }
    if (plan.alternate) {
        top.insert(key::kAlternate, writeCheckpoint(*plan.alternate));
    }
    if (!plan.aircraft.empty()) {
        top.insert(key::kAircraft, QString::fromStdString(plan.aircraft));
    }
    if (!plan.registration.empty()) {
        top.insert(key::kRegistration, QString::fromStdString(plan.registration));
    }
}

QJsonArray writeCheckpoints(const std::vector<Checkpoint>& points) {
    QJsonArray list;
    for (const Checkpoint& point : points) {
        list.append(writeCheckpoint(point));
    }
    return list;
}

}  // namespace

std::variant<Plan, QString> readPlan(const QByteArray& bytes) {
    if (bytes.size() > kMaxPlanFileBytes) {
        return tooLarge();
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        return tr("The plan file cannot be read: it is not JSON (%1 at byte %2).")
            .arg(error.errorString())
            .arg(error.offset);
    }
    if (!document.isObject()) {
        return tr("The plan file cannot be read: it is not a JSON object.");
    }
    if (const auto twice = platform::duplicateJsonKey(bytes)) {
        return tr("The plan file cannot be read: %1: the key appears twice (a key may appear "
                  "once in an object).")
            .arg(*twice);
    }
    try {
        return readObject(document.object());
    } catch (const Fault& fault) {
        return fault.message;
    }
}

std::variant<Plan, QString> readPlanFile(const QString& path) {
    const platform::FileContents file = platform::readFileChecked(path, kMaxPlanFileBytes);
    switch (file.status) {
        case platform::ReadStatus::Failed:
            return tr("The plan file %1 cannot be opened: %2.").arg(path, file.reason);
        case platform::ReadStatus::TooLarge:
            return tooLarge();
        case platform::ReadStatus::Read:
            break;
    }
    return readPlan(file.bytes);
}

QByteArray writePlan(const Plan& plan) {
    QJsonObject top{{key::kFormat, QString::fromLatin1(kPlanFormat)},
                    {key::kVersion, kPlanVersion},
                    {key::kName, QString::fromStdString(plan.name)},
                    {key::kDefaults, writeDefaults(plan.defaults)},
                    {key::kCheckpoints, writeCheckpoints(plan.checkpoints)}};
    if (plan.date) {
        top.insert(key::kDate,
                   QDate(plan.date->year, plan.date->month, plan.date->day).toString(Qt::ISODate));
    }
    writeFlight(plan, top);
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

QString savePlanFile(const QString& path, const Plan& plan) {
    if (const auto newer =
            platform::newerFormatOnDisk(path, kPlanFormat, kPlanVersion, kMaxPlanFileBytes)) {
        return platform::saveFailureMessage(
            path, tr("the file there is a plan of format version %1, written by a newer "
                     "program; this one would replace it with version %2, so save the plan "
                     "under another name")
                      .arg(exact(*newer))
                      .arg(kPlanVersion));
    }
    const QString failure = platform::writeFileAtomically(path, writePlan(plan));
    return failure.isEmpty() ? QString() : platform::saveFailureMessage(path, failure);
}

}  // namespace aerolume::planning
