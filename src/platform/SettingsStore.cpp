// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QThread>
#include <QVariant>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace aerolume::platform {
namespace {

const QString kOrganization = QStringLiteral("Aerolume");
// A save takes milliseconds; a lock held longer than this belongs to a process that
// hangs, and the save gives up.
constexpr int kLockWaitMs = 15000;
constexpr int kLockRetryMs = 5;

// An exclusive lock on a folder, held from construction to destruction.
class FolderLock {
public:
    explicit FolderLock(const QString& folder)
        : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        QElapsedTimer waited;
        waited.start();
        while (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || waited.elapsed() > kLockWaitMs) {
                ::close(m_fd);
                m_fd = -1;
                break;
            }
            QThread::msleep(kLockRetryMs);
        }
    }
    ~FolderLock() {
        if (m_fd >= 0) {
            ::close(m_fd);  // releases the lock
        }
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return m_fd >= 0; }

private:
    int m_fd;
};

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
    const QString path =
        QSettings(QSettings::IniFormat, QSettings::UserScope, kOrganization, application)
            .fileName();
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        return false;
    }
    // Saves of two instances follow one another: each holds a lock on the store's
    // folder. The system drops the lock of a process that ends, killed or not, so no
    // save can leave a lock behind that blocks the next ones.
    const FolderLock lock(info.absolutePath());
    if (!lock.held()) {
        return false;
    }
    // Under the lock no other save is under way: a file being saved is left over from
    // a process killed in the middle of its save.
    const QString savingPrefix = info.fileName() + QStringLiteral(".saving-");
    QDir folder(info.absolutePath());
    for (const QString& leftover :
         folder.entryList({savingPrefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden)) {
        folder.remove(leftover);
    }
    {
        // A file that cannot be parsed would refuse every later save: keep it aside
        // for whoever wants to look at it, and start a new one.
        const QSettings existing(path, QSettings::IniFormat);
        (void)existing.childGroups();  // the file is parsed on first use
        if (existing.status() == QSettings::FormatError) {
            const QString aside = path + QStringLiteral(".unreadable");
            QFile::remove(aside);
            QFile::rename(path, aside);
        }
    }

    // The new file is written beside the store, then put in its place in one step, so
    // that the store is always either the old file or the new one, whole. QSettings
    // keeps the entries of a failed save pending in a per-process cache and would
    // return them on the next read (and write them then, over newer entries of
    // another instance), so it never writes the store's own path: the entries of a
    // failed save stay pending only under a name that is never opened again.
    static int saves = 0;
    const QString saving = folder.filePath(
        savingPrefix +
        QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(++saves));
    const QFileInfo current(path);
    if (current.exists() && !QFile::copy(path, saving)) {
        QFile::remove(saving);
        return false;
    }
    bool saved = false;
    {
        QSettings settings(saving, QSettings::IniFormat);
        settings.beginGroup(section);
        for (const auto& [key, value] : entries) {
            settings.setValue(key, value);
        }
        settings.endGroup();
        settings.sync();
        saved = settings.status() == QSettings::NoError;
    }
    // A read in this process takes a file of the same size and time (to the
    // millisecond) as the one it parsed last for that file: the new one must not
    // have the old one's time.
    const QDateTime replaced = current.exists() ? current.lastModified() : QDateTime();
    if (saved && replaced.isValid() && QFileInfo(saving).lastModified() <= replaced) {
        QFile file(saving);
        saved = file.open(QIODevice::ReadWrite) &&
                file.setFileTime(replaced.addMSecs(1), QFileDevice::FileModificationTime);
    }
    saved = saved && std::rename(QFile::encodeName(saving).constData(),
                                 QFile::encodeName(path).constData()) == 0;
    if (!saved) {
        QFile::remove(saving);
    }
    return saved;
}

}  // namespace aerolume::platform
