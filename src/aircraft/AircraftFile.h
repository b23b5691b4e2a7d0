// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The aircraft file: one aircraft as a JSON object with "format": "aerolume-aircraft" and
// "version": 2 (every key, unit and range in docs/aircraft-format.md); version 1, without
// the climb and descent, is read as well. Needs QtCore only.

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>

#include "AircraftProfile.h"

namespace aerolume::aircraft {

inline constexpr char kFileFormat[] = "aerolume-aircraft";
inline constexpr int kFileVersion = 2;
inline constexpr int kOldestFileVersion = 1;
inline constexpr char kFileSuffix[] = "aerolume-aircraft";
// Larger files are refused unread.
inline constexpr qint64 kMaxFileBytes = qint64{1024} * 1024;
inline constexpr int kMaxStations = 20;
inline constexpr int kMaxTanks = 8;
inline constexpr int kMaxEnvelopePoints = 100;
// Names (of the aircraft, its stations and tanks) and the registration, in characters
// as a person counts them (platform::characterCount()).
inline constexpr qsizetype kMaxNameLength = 100;
inline constexpr qsizetype kMaxRegistrationLength = 20;

struct ReadResult {
    std::optional<Aircraft> aircraft;
    QString error;  // when there is no aircraft: the key at fault and why, in English
};

// The first name or registration longer than its limit: the key and why, in English.
std::optional<std::pair<QString, QString>> checkNames(const Aircraft& aircraft);

// Reads an aircraft file's bytes. Refuses a file larger than kMaxFileBytes, one that is
// not JSON, not of this format, of a newer version (or one that never was), with a key given twice
// in one object, a key missing or of the wrong type, a name too long (checkNames()), or whose
// figures fail checkAircraft().
ReadResult readAircraft(const QByteArray& bytes);

// The file's bytes for an aircraft (indented JSON, numbers exact).
QByteArray writeAircraft(const Aircraft& aircraft);

}  // namespace aerolume::aircraft
