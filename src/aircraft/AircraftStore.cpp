// SPDX-License-Identifier: GPL-3.0-or-later
#include "AircraftStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

#include "AircraftFile.h"

namespace aerolume::aircraft {
namespace {

bool writeBytes(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace

QString AircraftStore::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/aircraft");
}

AircraftStore::AircraftStore(QString folder) : m_folder(std::move(folder)) {}

AircraftEntry readAircraftFile(const QString& path) {
    AircraftEntry entry{path, std::nullopt, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        entry.damage = file.errorString();
        return entry;
    }
    if (file.size() > kMaxFileBytes) {
        entry.damage = readAircraft(QByteArray(kMaxFileBytes + 1, ' ')).error;
        return entry;
    }
    ReadResult read = readAircraft(file.readAll());
    entry.aircraft = std::move(read.aircraft);
    entry.damage = read.error;
    return entry;
}

QList<AircraftEntry> AircraftStore::entries() const {
    QList<AircraftEntry> found;
    const QDir dir(m_folder);
    const QStringList names =
        dir.entryList({QStringLiteral("*.") + QLatin1String(kFileSuffix)}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        found.append(readAircraftFile(dir.filePath(name)));
    }
    std::stable_sort(
        found.begin(), found.end(), [](const AircraftEntry& a, const AircraftEntry& b) {
            if (a.aircraft.has_value() != b.aircraft.has_value()) {
                return a.aircraft.has_value();
            }
            return a.aircraft &&
                   QString::fromStdString(a.aircraft->name)
                           .localeAwareCompare(QString::fromStdString(b.aircraft->name)) < 0;
        });
    return found;
}

QList<AircraftSummary> AircraftStore::list(const QString& folder) {
    QList<AircraftSummary> summaries;
    for (const AircraftEntry& e : AircraftStore(folder).entries()) {
        AircraftSummary s;
        s.path = e.path;
        s.damage = e.damage;
        if (e.aircraft) {
            s.name = QString::fromStdString(e.aircraft->name);
            s.registration = QString::fromStdString(e.aircraft->registration);
            s.cruiseTasKt = e.aircraft->cruiseTas;
            s.fuelFlow = e.aircraft->fuelFlow;
            s.fuelFlowUnit = e.aircraft->units == Units::PoundInch ? QStringLiteral("USgal")
                                                                   : QStringLiteral("L");
        }
        summaries.append(s);
    }
    return summaries;
}

QString AircraftStore::newPath(const QString& name) const {
    QString base = name;
    base.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]+")), QStringLiteral("-"));
    if (base.isEmpty() || base == QLatin1String("-")) {
        base = QStringLiteral("aircraft");
    }
    const QDir dir(m_folder);
    QString path = dir.filePath(base + u'.' + QLatin1String(kFileSuffix));
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = dir.filePath(
            QStringLiteral("%1-%2.%3").arg(base).arg(n).arg(QLatin1String(kFileSuffix)));
    }
    return path;
}

std::optional<QString> AircraftStore::save(const Aircraft& aircraft, const QString& path,
                                           QString* error) const {
    if (!QDir().mkpath(m_folder)) {
        *error = QStringLiteral("cannot create the folder %1").arg(m_folder);
        return std::nullopt;
    }
    const QString target = path.isEmpty() ? newPath(QString::fromStdString(aircraft.name)) : path;
    if (!writeBytes(target, writeAircraft(aircraft), error)) {
        return std::nullopt;
    }
    return target;
}

bool AircraftStore::remove(const QString& path, QString* error) const {
    QFile file(path);
    if (!file.remove()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

std::optional<QString> AircraftStore::importFile(const QString& source, QString* error) const {
    const AircraftEntry entry = readAircraftFile(source);
    if (!entry.aircraft) {
        *error = entry.damage;
        return std::nullopt;
    }
    return save(*entry.aircraft, {}, error);
}

bool AircraftStore::exportFile(const Aircraft& aircraft, const QString& target,
                               QString* error) const {
    return writeBytes(target, writeAircraft(aircraft), error);
}

}  // namespace aerolume::aircraft
