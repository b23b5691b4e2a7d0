// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

#include "PlanCore.h"

namespace aerolume::planning {

// The plan file: one JSON object with "format": "aerolume-plan" and "version": 3, the
// plan's name, its date, its defaults and its checkpoints (each with its position, and
// where it came from: its identifier, kind and country in the airport data, a fix's
// radial and distance, its elevation), the departure time, the climb and descent
// figures, the pattern altitude, the fuel plan's inputs, the alternate and the aircraft,
// each key named with its unit (docs/plan-format.md lists every key, unit and range).
// Version 1 files (no date) and version 2 files (no origins and elevations, nor the
// flight's time, height and fuel plan) are still read. Needs QtCore only.

inline constexpr const char* kPlanFormat = "aerolume-plan";
inline constexpr int kPlanVersion = 3;
inline constexpr const char* kPlanSuffix = "aerolume-plan";
inline constexpr const char* kPlanMimeType = "application/x-aerolume-plan";
// Larger files are refused unread; a plan of kMaxCheckpoints checkpoints with long
// names stays well below.
inline constexpr qint64 kMaxPlanFileBytes = qint64{4} * 1024 * 1024;

// The plan in a file's bytes, or a message saying what is wrong and where (the key
// path, and the checkpoint by its number from 1): not JSON, another format, a newer
// version, a missing key, a value of the wrong type or out of its range, too many
// checkpoints, too many bytes. Unknown keys are ignored. Names are read onto one line
// (a line break in the file becomes a space).
std::variant<Plan, QString> readPlan(const QByteArray& bytes);
// The same for a file on disk, refused unread when larger than kMaxPlanFileBytes.
std::variant<Plan, QString> readPlanFile(const QString& path);

// The plan as the file holds it (indented JSON, keys in a fixed order of the format).
QByteArray writePlan(const Plan& plan);
// Writes the file atomically (the old file or the new one, never a torn one).
// Returns an empty string, or the message of the failure.
QString savePlanFile(const QString& path, const Plan& plan);

}  // namespace aerolume::planning
