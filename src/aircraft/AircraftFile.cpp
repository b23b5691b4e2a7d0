// SPDX-License-Identifier: GPL-3.0-or-later
#include "AircraftFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QList>
#include <QStringList>
#include <cmath>
#include <stdexcept>

#include "common/FormatMask.h"
#include "platform/TextChecks.h"

namespace aerolume::aircraft {
namespace {

// A fault in the file: the key and the reason.
struct Fault : std::runtime_error {
    Fault(const QString& key, const QString& reason)
        : std::runtime_error("fault"), message(key + QStringLiteral(": ") + reason) {}
    QString message;
};

const char* const kUnitNames[] = {"lb-in", "kg-mm", "kg-m"};

QString exact(double value) {
    return QString::fromStdString(formatExact(value));
}
const char* const kFuelNames[] = {"AvGas", "JetA", "Other"};

QString at(const QString& parent, const char* key) {
    return parent.isEmpty() ? QString::fromLatin1(key) : parent + u'.' + QString::fromLatin1(key);
}

QJsonValue need(const QJsonObject& o, const QString& parent, const char* key) {
    QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined()) {
        throw Fault(at(parent, key), QStringLiteral("is missing"));
    }
    return v;
}

double number(const QJsonValue& v, const QString& key) {
    if (!v.isDouble()) {
        throw Fault(key, QStringLiteral("must be a number"));
    }
    return v.toDouble();
}

double number(const QJsonObject& o, const QString& parent, const char* key) {
    return number(need(o, parent, key), at(parent, key));
}

std::optional<double> optionalNumber(const QJsonObject& o, const QString& parent, const char* key) {
    if (!o.contains(QLatin1String(key)) || o.value(QLatin1String(key)).isNull()) {
        return std::nullopt;
    }
    return number(o, parent, key);
}

QString text(const QJsonObject& o, const QString& parent, const char* key, bool required) {
    if (!required && !o.contains(QLatin1String(key))) {
        return {};
    }
    const QJsonValue v = need(o, parent, key);
    if (!v.isString()) {
        throw Fault(at(parent, key), QStringLiteral("must be a text"));
    }
    return v.toString();
}

QJsonArray array(const QJsonObject& o, const char* key, int most) {
    const QJsonValue v = need(o, {}, key);
    if (!v.isArray()) {
        throw Fault(QString::fromLatin1(key), QStringLiteral("must be a list"));
    }
    if (v.toArray().size() > most) {
        throw Fault(QString::fromLatin1(key), QStringLiteral("has more than %1 entries").arg(most));
    }
    return v.toArray();
}

QJsonObject object(const QJsonValue& v, const QString& key) {
    if (!v.isObject()) {
        throw Fault(key, QStringLiteral("must be an object"));
    }
    return v.toObject();
}

template <std::size_t N>
int choice(const QJsonObject& o, const QString& parent, const char* key,
           const char* const (&names)[N]) {
    const QString value = text(o, parent, key, true);
    for (std::size_t i = 0; i < N; ++i) {
        if (value == QLatin1String(names[i])) {
            return static_cast<int>(i);
        }
    }
    QStringList allowed;
    for (const char* name : names) {
        allowed << QStringLiteral("\"%1\"").arg(QLatin1String(name));
    }
    throw Fault(at(parent, key), QStringLiteral("must be one of ") + allowed.join(u", "));
}

Envelope readEnvelope(const QJsonObject& root, const char* key) {
    Envelope envelope;
    const QJsonArray points = array(root, key, kMaxEnvelopePoints);
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QString here = QStringLiteral("%1[%2]").arg(QLatin1String(key)).arg(i);
        const QJsonObject p = object(points.at(i), here);
        envelope.push_back({number(p, here, "weight"), number(p, here, "arm")});
    }
    return envelope;
}

// A climb or a descent: an object of rate, true airspeed and fuel flow, or none.
std::optional<ClimbPerformance> readPerformance(const QJsonObject& root, const char* key) {
    if (!root.contains(QLatin1String(key)) || root.value(QLatin1String(key)).isNull()) {
        return std::nullopt;
    }
    const QString here = QString::fromLatin1(key);
    const QJsonObject o = object(root.value(QLatin1String(key)), here);
    return ClimbPerformance{number(o, here, "rate"), number(o, here, "trueAirspeed"),
                            number(o, here, "fuelFlow")};
}

Aircraft readObject(const QJsonObject& root) {
    if (text(root, {}, "format", true) != QLatin1String(kFileFormat)) {
        throw Fault(
            QStringLiteral("format"),
            QStringLiteral("is not \"%1\": not an aircraft file").arg(QLatin1String(kFileFormat)));
    }
    const double version = number(root, {}, "version");
    if (version > kFileVersion) {
        throw Fault(QStringLiteral("version"),
                    QStringLiteral("%1 is newer than this program reads (%2)")
                        .arg(exact(version))
                        .arg(kFileVersion));
    }
    if (version < kOldestFileVersion || version != std::floor(version)) {
        throw Fault(QStringLiteral("version"), QStringLiteral("%1 is not a version from %2 to %3")
                                                   .arg(exact(version))
                                                   .arg(kOldestFileVersion)
                                                   .arg(kFileVersion));
    }
    Aircraft a;
    a.name = text(root, {}, "name", true).toStdString();
    a.registration = text(root, {}, "registration", false).toStdString();
    a.units = static_cast<Units>(choice(root, {}, "units", kUnitNames));
    a.emptyWeight = number(root, {}, "emptyWeight");
    a.emptyArm = number(root, {}, "emptyArm");
    a.maxRampWeight = number(root, {}, "maxRampWeight");
    a.maxTakeoffWeight = number(root, {}, "maxTakeoffWeight");
    a.maxLandingWeight = number(root, {}, "maxLandingWeight");
    const QJsonArray stations = array(root, "stations", kMaxStations);
    for (qsizetype i = 0; i < stations.size(); ++i) {
        const QString here = QStringLiteral("stations[%1]").arg(i);
        const QJsonObject s = object(stations.at(i), here);
        a.stations.push_back({text(s, here, "name", true).toStdString(), number(s, here, "arm"),
                              optionalNumber(s, here, "maxWeight")});
    }
    const QJsonArray tanks = array(root, "tanks", kMaxTanks);
    for (qsizetype i = 0; i < tanks.size(); ++i) {
        const QString here = QStringLiteral("tanks[%1]").arg(i);
        const QJsonObject t = object(tanks.at(i), here);
        Tank tank{text(t, here, "name", true).toStdString(), number(t, here, "arm"),
                  number(t, here, "capacity"),
                  static_cast<FuelType>(choice(t, here, "fuel", kFuelNames)), 0};
        if (tank.fuel == FuelType::Other) {
            tank.density = number(t, here, "density");
        }
        a.tanks.push_back(tank);
    }
    a.normal = readEnvelope(root, "envelope");
    // Left out (or null), the aircraft has no utility category; given, it is an
    // envelope like the other, so an empty list is refused rather than taken for none.
    if (root.contains(QLatin1String("utilityEnvelope")) &&
        !root.value(QLatin1String("utilityEnvelope")).isNull()) {
        a.utility = readEnvelope(root, "utilityEnvelope");
        if (a.utility.size() < 3) {
            throw Fault(QStringLiteral("utilityEnvelope"),
                        QStringLiteral("needs at least three points"));
        }
    }
    a.lemac = optionalNumber(root, {}, "lemac");
    a.macLength = optionalNumber(root, {}, "macLength");
    a.cruiseTas = optionalNumber(root, {}, "cruiseTas");
    a.fuelFlow = optionalNumber(root, {}, "fuelFlow");
    // Version 1 had no climb nor descent; its files are read without them.
    a.climb = readPerformance(root, "climb");
    a.descent = readPerformance(root, "descent");
    if (const auto error = checkNames(a)) {
        throw Fault(error->first, error->second);
    }
    if (const auto error = checkAircraft(a)) {
        throw Fault(QString::fromStdString(error->key), QString::fromStdString(error->reason));
    }
    return a;
}

QJsonArray envelopeJson(const Envelope& envelope) {
    QJsonArray points;
    for (const EnvelopePoint& p : envelope) {
        points.append(
            QJsonObject{{QStringLiteral("weight"), p.weight}, {QStringLiteral("arm"), p.arm}});
    }
    return points;
}

}  // namespace

std::optional<std::pair<QString, QString>> checkNames(const Aircraft& a) {
    QList<std::pair<QString, const std::string*>> names = {{QStringLiteral("name"), &a.name}};
    for (std::size_t i = 0; i < a.stations.size(); ++i) {
        names.append({QStringLiteral("stations[%1].name").arg(i), &a.stations[i].name});
    }
    for (std::size_t i = 0; i < a.tanks.size(); ++i) {
        names.append({QStringLiteral("tanks[%1].name").arg(i), &a.tanks[i].name});
    }
    for (const auto& [key, name] : names) {
        const qsizetype length = platform::characterCount(QString::fromStdString(*name));
        if (length > kMaxNameLength) {
            return std::pair{key, QStringLiteral("has %1 characters, more than the %2 a name may "
                                                 "have")
                                      .arg(length)
                                      .arg(kMaxNameLength)};
        }
    }
    const qsizetype length = platform::characterCount(QString::fromStdString(a.registration));
    if (length > kMaxRegistrationLength) {
        return std::pair{QStringLiteral("registration"),
                         QStringLiteral("has %1 characters, more than the %2 a registration may "
                                        "have")
                             .arg(length)
                             .arg(kMaxRegistrationLength)};
    }
    return std::nullopt;
}

ReadResult readAircraft(const QByteArray& bytes) {
    if (bytes.size() > kMaxFileBytes) {
        return {std::nullopt,
                QStringLiteral("the file is larger than %1 KB").arg(kMaxFileBytes / 1024)};
    }
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError) {
        return {std::nullopt, QStringLiteral("not a JSON file (%1 at character %2)")
                                  .arg(parse.errorString())
                                  .arg(parse.offset)};
    }
    if (!document.isObject()) {
        return {std::nullopt, QStringLiteral("not an aircraft file (no JSON object)")};
    }
    if (const auto twice = platform::duplicateJsonKey(bytes)) {
        return {std::nullopt, *twice + QStringLiteral(": appears twice (a key may appear once "
                                                      "in an object)")};
    }
    try {
        return {readObject(document.object()), {}};
    } catch (const Fault& fault) {
        return {std::nullopt, fault.message};
    }
}

QByteArray writeAircraft(const Aircraft& a) {
    QJsonObject root{
        {QStringLiteral("format"), QLatin1String(kFileFormat)},
        {QStringLiteral("version"), kFileVersion},
        {QStringLiteral("name"), QString::fromStdString(a.name)},
        {QStringLiteral("registration"), QString::fromStdString(a.registration)},
        {QStringLiteral("units"), QLatin1String(kUnitNames[static_cast<int>(a.units)])},
        {QStringLiteral("emptyWeight"), a.emptyWeight},
        {QStringLiteral("emptyArm"), a.emptyArm},
        {QStringLiteral("maxRampWeight"), a.maxRampWeight},
        {QStringLiteral("maxTakeoffWeight"), a.maxTakeoffWeight},
        {QStringLiteral("maxLandingWeight"), a.maxLandingWeight}};
    QJsonArray stations;
    for (const Station& s : a.stations) {
        QJsonObject o{{QStringLiteral("name"), QString::fromStdString(s.name)},
                      {QStringLiteral("arm"), s.arm}};
        if (s.maxWeight) {
            o.insert(QStringLiteral("maxWeight"), *s.maxWeight);
        }
        stations.append(o);
    }
    root.insert(QStringLiteral("stations"), stations);
    QJsonArray tanks;
    for (const Tank& t : a.tanks) {
        QJsonObject o{
            {QStringLiteral("name"), QString::fromStdString(t.name)},
            {QStringLiteral("arm"), t.arm},
            {QStringLiteral("capacity"), t.capacity},
            {QStringLiteral("fuel"), QLatin1String(kFuelNames[static_cast<int>(t.fuel)])}};
        if (t.fuel == FuelType::Other) {
            o.insert(QStringLiteral("density"), t.density);
        }
        tanks.append(o);
    }
    root.insert(QStringLiteral("tanks"), tanks);
    root.insert(QStringLiteral("envelope"), envelopeJson(a.normal));
    if (!a.utility.empty()) {
        root.insert(QStringLiteral("utilityEnvelope"), envelopeJson(a.utility));
    }
    const struct {
        const char* key;
        const std::optional<double>& value;
    } optional[] = {{"lemac", a.lemac},
                    {"macLength", a.macLength},
                    {"cruiseTas", a.cruiseTas},
                    {"fuelFlow", a.fuelFlow}};
    for (const auto& o : optional) {
        if (o.value) {
            root.insert(QLatin1String(o.key), *o.value);
        }
    }
    for (const auto& [key, performance] :
         {std::pair{"climb", &a.climb}, std::pair{"descent", &a.descent}}) {
        if (*performance) {
            root.insert(QLatin1String(key),
                        QJsonObject{{QStringLiteral("rate"), (*performance)->rate},
                                    {QStringLiteral("trueAirspeed"), (*performance)->trueAirspeed},
                                    {QStringLiteral("fuelFlow"), (*performance)->fuelFlow}});
        }
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace aerolume::aircraft
