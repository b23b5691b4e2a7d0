// SPDX-License-Identifier: GPL-3.0-or-later
#include "AircraftStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <unistd.h>

#include "AircraftFile.h"
#include "common/FormatMask.h"
#include "platform/SafeFile.h"
#include "platform/TextChecks.h"

namespace aerolume::aircraft {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("AircraftStore", text);
}

QByteArray contentsOf(const QString& path) {
    return platform::readFileChecked(path, kMaxFileBytes).bytes;
}

// The longest part of a file name taken from an aircraft's name, so that a name of any
// length gives a file name far below the system's limit.
constexpr qsizetype kMaxBaseLength = 60;

QString suffix() {
    return u'.' + QLatin1String(kFileSuffix);
}

// `name` in `folder`, or when a file of that name is there, name-2, name-3, ...
QString freeName(const QDir& folder, const QString& base) {
    QString path = folder.filePath(base + suffix());
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n) {
        path = folder.filePath(QStringLiteral("%1-%2").arg(base).arg(n) + suffix());
    }
    return path;
}

bool writeBytes(const QString& path, const QByteArray& bytes, QString* error) {
    if (const auto newer =
            platform::newerFormatOnDisk(path, kFileFormat, kFileVersion, kMaxFileBytes)) {
        *error = tr("the file there is an aircraft of format version %1, written by a newer "
                    "program; this one would replace it with version %2")
                     .arg(QString::fromStdString(formatExact(*newer)))
                     .arg(kFileVersion);
        return false;
    }
    *error = platform::writeFileAtomically(path, bytes);
    return error->isEmpty();
}

}  // namespace

QString AircraftStore::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Aerolume/aircraft");
}

QString AircraftStore::earlierFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Aerolume 32/aircraft");
}

QStringList AircraftStore::moveEarlierFiles(const QString& earlier, const QString& folder) {
    QDir old(earlier);
    if (!old.exists()) {
        return {};
    }
    QStringList unmoved;
    const QStringList names = old.entryList(QDir::Files | QDir::Hidden | QDir::System);
    if (!names.isEmpty() && !QDir().mkpath(folder)) {
        return {tr("%1: the folder %2 cannot be created").arg(earlier, folder)};
    }
    for (const QString& name : names) {
        const QString from = old.filePath(name);
        const QString same = QDir(folder).filePath(name);
        if (QFileInfo::exists(same) && contentsOf(same) == contentsOf(from) &&
            !contentsOf(from).isEmpty()) {
            QFile::remove(from);  // moved already, by hand
            continue;
        }
        const QString base = QFileInfo(name).completeBaseName();
        const QString to =
            name.endsWith(suffix()) ? freeName(QDir(folder), base) : QDir(folder).filePath(name);
        if (QFileInfo::exists(to)) {
            unmoved << tr("%1: %2 is there already").arg(from, to);
            continue;
        }
        // One step on one disk; a copy checked whole, then the old file removed, across
        // disks.
        if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) ==
            0) {
            continue;
        }
        const int renameError = errno;
        const platform::FileContents file = platform::readFileChecked(from, kMaxFileBytes * 4);
        QString failure = renameError == EXDEV && file.status == platform::ReadStatus::Read
                              ? platform::writeFileAtomically(to, file.bytes)
                              : platform::fileErrorText(renameError);
        if (failure.isEmpty() && !QFile::remove(from)) {
            failure = tr("copied, but the old file stays");
        }
        if (!failure.isEmpty()) {
            unmoved << QStringLiteral("%1: %2").arg(from, failure);
        }
    }
    // The earlier folders go once empty (rmdir refuses a folder that is not).
    QDir().rmdir(earlier);
    QDir().rmdir(QFileInfo(earlier).path());
    return unmoved;
}

AircraftStore::AircraftStore(QString folder) : m_folder(std::move(folder)) {}

AircraftEntry readAircraftFile(const QString& path) {
    AircraftEntry entry{path, std::nullopt, {}, platform::fileStamp(path)};
    const platform::FileContents file = platform::readFileChecked(path, kMaxFileBytes);
    switch (file.status) {
        case platform::ReadStatus::Failed:
            entry.damage = file.reason;
            break;
        case platform::ReadStatus::TooLarge:
            entry.damage = readAircraft(QByteArray(kMaxFileBytes + 1, ' ')).error;
            break;
        case platform::ReadStatus::Read: {
            ReadResult read = readAircraft(file.bytes);
            entry.aircraft = std::move(read.aircraft);
            entry.damage = read.error;
            break;
        }
    }
    return entry;
}

QList<AircraftEntry> AircraftStore::entries() const {
    QList<AircraftEntry> found;
    const QDir dir(m_folder);
    // System: pipes, devices and sockets of an aircraft's name are listed too, each with
    // why it cannot be read, rather than passed over without a word.
    const QStringList names =
        dir.entryList({QStringLiteral("*") + suffix()}, QDir::Files | QDir::System, QDir::Name);
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
            s.climb = e.aircraft->climb;
            s.descent = e.aircraft->descent;
            s.fuelFlowUnit = e.aircraft->units == Units::PoundInch ? QStringLiteral("USgal")
                                                                   : QStringLiteral("L");
        }
        summaries.append(s);
    }
    return summaries;
}

QString AircraftStore::newPath(const QString& name) const {
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_-]+"));
    QString base = name;
    base.replace(unsafe, QStringLiteral("-"));
    base = base.left(kMaxBaseLength);
    // No '-' at either end: a name that starts with one reads as an option to a command.
    while (base.startsWith(u'-')) {
        base.remove(0, 1);
    }
    while (base.endsWith(u'-')) {
        base.chop(1);
    }
    if (base.isEmpty()) {
        base = QStringLiteral("aircraft");
    }
    return freeName(QDir(m_folder), base);
}

std::optional<QString> AircraftStore::save(const Aircraft& aircraft, const QString& path,
                                           QString* error, const QByteArray& readStamp) const {
    if (!QDir().mkpath(m_folder)) {
        *error = tr("the folder %1 cannot be created").arg(m_folder);
        return std::nullopt;
    }
    // Never a file the reader would refuse.
    if (const auto fault = checkNames(aircraft)) {
        *error = fault->first + QStringLiteral(": ") + fault->second;
        return std::nullopt;
    }
    if (const auto fault = checkAircraft(aircraft)) {
        *error = QString::fromStdString(fault->key + ": " + fault->reason);
        return std::nullopt;
    }
    const QString target = path.isEmpty() ? newPath(QString::fromStdString(aircraft.name)) : path;
    if (!path.isEmpty() && !readStamp.isEmpty()) {
        const QByteArray now = platform::fileStamp(path);
        if (now.isEmpty()) {
            *error = tr("the file was removed since it was read");
            return std::nullopt;
        }
        if (now != readStamp) {
            *error = tr("the file was changed since it was read");
            return std::nullopt;
        }
    }
    if (!writeBytes(target, writeAircraft(aircraft), error)) {
        return std::nullopt;
    }
    return target;
}

bool AircraftStore::remove(const QString& path, QString* error) const {
    if (::unlink(QFile::encodeName(path).constData()) != 0) {
        *error = platform::fileErrorText(errno);
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
