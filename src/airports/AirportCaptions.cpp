// SPDX-License-Identifier: GPL-3.0-or-later
#include "AirportCaptions.h"

#include <QCoreApplication>
#include <cmath>
#include <map>

namespace aerolume::airports {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("AirportCaptions", text);
}

constexpr double kMetresPerFoot = 0.3048;

QString whole(double value) {
    const double rounded = std::round(value);
    return QString::number(rounded == 0 ? 0.0 : rounded, 'f', 0);
}

}  // namespace

QString kindCaption(const Place& place) {
    static const std::pair<const char*, const char*> kKinds[] = {
        {"small_airport", QT_TRANSLATE_NOOP("AirportCaptions", "Small airport")},
        {"medium_airport", QT_TRANSLATE_NOOP("AirportCaptions", "Medium airport")},
        {"large_airport", QT_TRANSLATE_NOOP("AirportCaptions", "Large airport")},
        {"heliport", QT_TRANSLATE_NOOP("AirportCaptions", "Heliport")},
        {"seaplane_base", QT_TRANSLATE_NOOP("AirportCaptions", "Seaplane base")},
        {"balloonport", QT_TRANSLATE_NOOP("AirportCaptions", "Balloon port")},
        {"closed", QT_TRANSLATE_NOOP("AirportCaptions", "Closed airport")},
    };
    for (const auto& [type, caption] : kKinds) {
        if (place.Kind == type) {
            return tr(caption);
        }
    }
    return QString::fromStdString(place.Kind);
}

QString elevationCaption(std::optional<double> feet) {
    if (!feet) {
        return tr("unknown");
    }
    return tr("%1 ft (%2 m)").arg(whole(*feet), whole(*feet * kMetresPerFoot));
}

QString lengthCaption(std::optional<double> feet) {
    if (!feet) {
        return {};
    }
    return tr("%1 ft (%2 m)").arg(whole(*feet), whole(*feet * kMetresPerFoot));
}

QString mhzCaption(double mhz) {
    QString text = QString::number(mhz, 'f', 3);
    return tr("%1 MHz").arg(text);
}

QString navaidFrequencyCaption(const Place& navaid, std::optional<double> khz) {
    if (!khz) {
        return tr("none given");
    }
    if (navaid.Kind.starts_with("NDB")) {
        return tr("%1 kHz").arg(QString::number(*khz, 'f', *khz == std::round(*khz) ? 0 : 1));
    }
    return tr("%1 MHz").arg(QString::number(*khz / 1000, 'f', 2));
}

QString surfaceCaption(SurfaceClass surface) {
    switch (surface) {
        case SurfaceClass::Paved:
            return tr("paved");
        case SurfaceClass::Gravel:
            return tr("gravel");
        case SurfaceClass::Grass:
            return tr("grass");
        case SurfaceClass::Water:
            return tr("water");
        case SurfaceClass::SnowIce:
            return tr("snow/ice");
        case SurfaceClass::Unknown:
            break;
    }
    return tr("unknown");
}

QString dataCreditText(const QList<DataSetInfo>& sets, AirportData::Origin origin) {
    if (sets.isEmpty()) {
        return {};
    }
    // The files grouped by snapshot date and licence: "runways.csv, navaids.csv of
    // 2026-08-22, public domain (the Unlicense)".
    std::map<std::pair<QString, QString>, QStringList> groups;
    for (const DataSetInfo& set : sets) {
        groups[{set.snapshot, set.licence}] << set.file;
    }
    QStringList parts;
    for (const auto& [key, files] : groups) {
        parts << tr("%1 of %2, %3").arg(files.join(QStringLiteral(", ")), key.first, key.second);
    }
    const QString from =
        origin == AirportData::Origin::Imported
            ? tr("Airport data from OurAirports (ourairports.com), imported by you: %1.")
            : tr("Airport data from OurAirports (ourairports.com): %1.");
    return from.arg(parts.join(QStringLiteral("; "))) + QLatin1Char(' ') +
           tr("Reference data, not a chart: check positions, runways and frequencies against "
              "current official publications.");
}

QString dataCreditLine() {
    AirportData& data = AirportData::instance();
    AirportDatabase* db = data.database();
    return db == nullptr ? QString() : dataCreditText(db->dataSets(), data.origin());
}

}  // namespace aerolume::airports
