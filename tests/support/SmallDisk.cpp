// SPDX-License-Identifier: GPL-3.0-or-later
#include "SmallDisk.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace aerolume::test {
namespace {

const QString kFiller = QStringLiteral(".filler");

}  // namespace

SmallDisk::SmallDisk(qint64 bytes) {
    if (!m_folder.isValid()) {
        m_reason = QStringLiteral("no temporary folder to mount a disk on");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0777";
    if (::mount("aerolume-test", QFile::encodeName(m_folder.path()).constData(), "tmpfs", 0,
                options.constData()) != 0) {
        m_reason = QStringLiteral("a small disk cannot be mounted here (%1; mounting needs root)")
                       .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_mounted = true;
}

SmallDisk::~SmallDisk() {
    if (m_mounted) {
        ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
    }
}

void SmallDisk::fill(qint64 room) {
    const QByteArray name = QFile::encodeName(filePath(kFiller));
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) {
        return;
    }
    const QByteArray page(4096, 'x');
    while (::write(fd, page.constData(), static_cast<size_t>(page.size())) > 0) {
    }
    const off_t size = ::lseek(fd, 0, SEEK_END);
    const qint64 pages = (room + 4095) / 4096;
    if (::ftruncate(fd, std::max<off_t>(0, size - static_cast<off_t>(pages * 4096))) != 0) {
        ::close(fd);
        return;
    }
    ::close(fd);
}

bool SmallDisk::makeReadOnly() {
    return m_mounted && ::mount("aerolume-test", QFile::encodeName(m_folder.path()).constData(),
                                "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

void SmallDisk::empty() {
    QFile::remove(filePath(kFiller));
}

QStringList SmallDisk::entries(const QString& folder) const {
    QStringList names =
        QDir(folder.isEmpty() ? path() : filePath(folder))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    names.removeAll(kFiller);
    return names;
}

QByteArray fileContents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void writeTestFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
}

}  // namespace aerolume::test
