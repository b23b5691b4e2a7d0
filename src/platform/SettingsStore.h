// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace aerolume::platform {

// The per-user settings store: texts by application name, section and key, kept in
// an INI file per application under the user's configuration folder
// ($XDG_CONFIG_HOME/Aerolume/<application>.ini).

// Reads a text; a missing key (or a store that is missing or unreadable) gives
// `fallback`.
QString readSetting(const QString& application, const QString& section, const QString& key,
                    const QString& fallback = QString());

// Writes texts into one section and puts them on disk before returning. The file is
// replaced atomically, so a crash leaves either the old or the new file whole.
// Returns false when the store could not be written; the store is then as it was,
// and later reads give what it holds, not the entries of the failed save.
bool writeSettings(const QString& application, const QString& section,
                   const QList<QPair<QString, QString>>& entries);

}  // namespace aerolume::platform
