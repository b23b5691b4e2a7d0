#include "SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace aerolume::platform {
namespace {

const QString kOrganization = QStringLiteral("Aerolume");

}  // namespace

QString readSetting(const QString& application, const QString& section, const QString& key,
                    const QString& fallback) {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, kOrganization,
                             application);
    const QVariant value = settings.value(section + QLatin1Char('/') + key);
    if (!value.isValid()) {
        return fallback;
    }
    // A hand-edited value with commas is read by the INI format as a list.
    if (value.metaType().id() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(','));
    }
    return value.toString();
}

bool writeSettings(const QString& application, const QString& section,
                   const QList<QPair<QString, QString>>& entries) {
    {
        // A file that cannot be parsed would refuse every later save: keep it aside
        // for whoever wants to look at it, and start a new one.
        const QSettings existing(QSettings::IniFormat, QSettings::UserScope, kOrganization,
                                 application);
        (void)existing.childGroups();  // the file is parsed on first use
        if (existing.status() == QSettings::FormatError) {
            const QString path = existing.fileName();
            const QString aside = path + QStringLiteral(".unreadable");
            QFile::remove(aside);
            QFile::rename(path, aside);
        }
    }
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kOrganization, application);
    settings.setAtomicSyncRequired(true);
    settings.beginGroup(section);
    for (const auto& [key, value] : entries) {
        settings.setValue(key, value);
    }
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace aerolume::platform
