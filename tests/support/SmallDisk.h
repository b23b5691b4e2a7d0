// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace aerolume::test {

// A real file system of its own for a test to fill: a small tmpfs mounted on a new
// folder, unmounted when the object goes. Mounting needs root (CI runs as root);
// elsewhere mounted() is false and skipReason() says why, for GTEST_SKIP().
class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes = qint64{256} * 1024);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString skipReason() const { return m_reason; }
    QString path() const { return m_folder.path(); }
    QString filePath(const QString& name) const { return m_folder.filePath(name); }

    // Fills the disk until a write fails, then gives back `room` bytes (in whole pages
    // of 4 KB), so that a write of more than `room` bytes runs out of space on the way.
    void fill(qint64 room = 0);
    // Gives the space back.
    void empty();
    // Mounts the disk again, read-only.
    bool makeReadOnly();

    // Every entry in `folder` of this disk (hidden ones too), the filler excepted.
    QStringList entries(const QString& folder = {}) const;

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
    QString m_reason;
};

// A file's bytes, "(none)" when it cannot be read; and a file written as a test needs
// it (its folder made first).
QByteArray fileContents(const QString& path);
void writeTestFile(const QString& path, const QByteArray& bytes);

}  // namespace aerolume::test
