// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Checks the file readers share, beyond what QJsonDocument does. QtCore only.

namespace aerolume::platform {

// The length of a text in characters as a person counts them (grapheme clusters: "é"
// written as e and a combining accent is one, a flag is one), the way names' limits
// are stated.
qsizetype characterCount(const QString& text);

// The first key that appears twice in one object of a JSON text, as its path from the
// top ("version", "defaults.altitudeFt", "checkpoints[2].name"); none when every
// object's keys are distinct. QJsonDocument keeps only the last of such keys, so a
// file could say one thing and then another. Meant for a text QJsonDocument parsed.
std::optional<QString> duplicateJsonKey(const QByteArray& json);

// The "version" of a JSON file of the given "format", when the file at `path` is one
// and its version is higher than `ours`: a file this program must not write over with
// its older format. None for a missing file, any other file, or a version of ours.
std::optional<double> newerFormatOnDisk(const QString& path, const char* format, int ours,
                                        qint64 maxBytes);

}  // namespace aerolume::platform
