// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "AircraftProfile.h"

namespace aerolume::aircraft {

// One file of the aircraft folder: the aircraft, or why the file cannot be read.
struct AircraftEntry {
    QString path;
    std::optional<Aircraft> aircraft;
    QString damage;  // set when there is no aircraft; the file is left as it is
    // The file as it was read (platform::fileStamp()): a file that no longer has it was
    // changed or removed since.
    QByteArray stamp;
};

// What another window may take from an aircraft (the navigation log offers the cruise
// speed and fuel flow as its defaults, and flies the climb and descent).
struct AircraftSummary {
    QString path;
    QString name;
    QString registration;
    std::optional<double> cruiseTasKt;
    std::optional<double> fuelFlow;           // per hour, in fuelFlowUnit
    QString fuelFlowUnit;                     // "USgal" (lb aircraft) or "L" (kg aircraft)
    std::optional<ClimbPerformance> climb;    // its fuel flow in fuelFlowUnit too
    std::optional<ClimbPerformance> descent;  // the same
    QString damage;                           // non-empty: a damaged file, the fields above empty
};

// The aircraft files of one folder, one aircraft per file, by default
// <GenericDataLocation>/Aerolume/aircraft (on Linux ~/.local/share/Aerolume/aircraft).
// Files are written by platform::writeFileAtomically(), so a failed save leaves the old
// file whole; a damaged file (or a pipe, a device, a socket of that name) is listed
// with its reason and never overwritten or removed unless the pilot deletes it.
class AircraftStore {
public:
    static QString defaultFolder();
    // The folder where versions before 1.4's data folder settled kept the aircraft:
    // <GenericDataLocation>/Aerolume 32/aircraft.
    static QString earlierFolder();
    // Moves every file of earlierFolder() into `folder`, under its own name or, when
    // that is taken by another file, a new one, and removes the earlier folders once
    // empty. Returns the files that could not be moved, each with why; run at start.
    static QStringList moveEarlierFiles(const QString& earlier = earlierFolder(),
                                        const QString& folder = defaultFolder());
    explicit AircraftStore(QString folder = defaultFolder());

    const QString& folder() const { return m_folder; }

    // Every *.aerolume-aircraft file, sorted by aircraft name (damaged files by file
    // name, after the others).
    QList<AircraftEntry> entries() const;
    // The same, reduced to what the navigation log needs.
    static QList<AircraftSummary> list(const QString& folder = defaultFolder());

    // Saves to `path`, or to a new file named after the aircraft when `path` is empty
    // (a short, safe name: letters, digits, '-' and '_' of the name, at most 60 of
    // them). With `readStamp`, saves over `path` only when the file there is still the
    // one read then: never over a file changed since, nor again one removed since.
    // Never writes over a file of a newer format version. Returns the path written, or
    // nothing with `error` set (why, in words).
    std::optional<QString> save(const Aircraft& aircraft, const QString& path, QString* error,
                                const QByteArray& readStamp = {}) const;
    bool remove(const QString& path, QString* error) const;
    // The path a new file for an aircraft of this name gets.
    QString newPath(const QString& name) const;
    // Adds a readable aircraft file from elsewhere to the folder, as a new file.
    std::optional<QString> importFile(const QString& source, QString* error) const;
    // Writes the aircraft's file to `target`.
    bool exportFile(const Aircraft& aircraft, const QString& target, QString* error) const;

private:
    QString m_folder;
};

// Reads one file, however large, refusing it unread past the size limit.
AircraftEntry readAircraftFile(const QString& path);

}  // namespace aerolume::aircraft
