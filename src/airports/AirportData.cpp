// SPDX-License-Identifier: GPL-3.0-or-later
#include "AirportData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "AirportModule.h"

namespace aerolume::airports {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("AirportData", text);
}

}  // namespace

AirportData& AirportData::instance() {
    static AirportData data;
    static const bool closedWithTheApplication = [] {
        // The database's connection must close while Qt's SQL driver is still loaded.
        qAddPostRoutine([] { AirportData::instance().reload(); });
        return true;
    }();
    Q_UNUSED(closedWithTheApplication);
    return data;
}

QString AirportData::importedPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/airports/airports.sqlite");
}

QString AirportData::bundledPath() {
    QString chosen = qEnvironmentVariable("AEROLUME_AIRPORT_DATABASE");
    if (!chosen.isEmpty()) {
        return chosen;
    }
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/aerolume/airports.sqlite"));
}

AirportDatabase* AirportData::database() {
    if (m_opened) {
        return m_database.get();
    }
    m_opened = true;
    m_notice.clear();
    m_origin = Origin::None;
    const QString imported = importedPath();
    if (QFileInfo::exists(imported)) {
        QString error;
        m_database = openThroughModule(imported, &error);
        if (m_database) {
            m_origin = Origin::Imported;
            return m_database.get();
        }
        m_notice = tr("Your imported airport data cannot be used: %1 The bundled data is used "
                      "instead; import the files again, or go back to the bundled data.")
                       .arg(error);
    }
    QString error;
    m_database = openThroughModule(bundledPath(), &error);
    if (m_database) {
        m_origin = Origin::Bundled;
    } else {
        m_notice = (m_notice.isEmpty() ? QString() : m_notice + QLatin1Char(' ')) +
                   tr("No airport data can be read: %1").arg(error);
    }
    return m_database.get();
}

void AirportData::reload() {
    m_database.reset();
    m_opened = false;
}

bool AirportData::useBundled(QString* error) {
    const QString imported = importedPath();
    reload();
    if (QFileInfo::exists(imported) && !QFile::remove(imported)) {
        *error = tr("%1 cannot be removed.").arg(imported);
        return false;
    }
    return true;
}

}  // namespace aerolume::airports
