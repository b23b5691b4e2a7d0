// SPDX-License-Identifier: GPL-3.0-or-later
#include "SafeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace aerolume::platform {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("SafeFile", text);
}

QString kindOf(mode_t mode) {
    if (S_ISFIFO(mode)) {
        return tr("it is a named pipe, not a file");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return tr("it is a device, not a file");
    }
    if (S_ISSOCK(mode)) {
        return tr("it is a socket, not a file");
    }
    if (S_ISDIR(mode)) {
        return tr("it is a folder, not a file");
    }
    return tr("it is not a plain file");
}

// The file a path names, a symbolic link followed to its end (to where it points
// when that does not exist yet).
QByteArray resolved(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
        if (!target.isEmpty()) {
            return QFile::encodeName(target);
        }
    }
    return QFile::encodeName(path);
}

// A new file of our own beside `target`, or -1 with errno set. Its name is short, so
// that a target whose name is as long as the system allows still gets one.
int createBeside(const QByteArray& target, mode_t mode, QByteArray* name) {
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : target.left(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = folder + ".aerolume-" +
                QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".saving";
        int fd = -1;
        do {
            fd = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        } while (fd < 0 && errno == EINTR);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = ENOSPC;  // a write that takes nothing and says nothing
            }
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

// Makes the open file's modification time later than `than` when it is not.
bool makeLater(int fd, const QDateTime& than) {
    struct stat written {};
    if (::fstat(fd, &written) != 0) {
        return false;
    }
    const qint64 ms = qint64{written.st_mtim.tv_sec} * 1000 + written.st_mtim.tv_nsec / 1000000;
    if (ms > than.toMSecsSinceEpoch()) {
        return true;
    }
    const qint64 later = than.toMSecsSinceEpoch() + 1;
    const timespec times[2] = {{0, UTIME_OMIT}, {later / 1000, (later % 1000) * 1000000}};
    return ::futimens(fd, times) == 0;
}

}  // namespace

QString fileErrorText(int errorNumber) {
    switch (errorNumber) {
        case ENOSPC:
            return tr("no space left on the disk");
        case EDQUOT:
            return tr("the disk quota is used up");
        case EACCES:
        case EPERM:
            return tr("permission denied");
        case EROFS:
            return tr("the disk is read-only");
        case EIO:
            return tr("an input/output error on the disk");
        case ENOENT:
            return tr("there is no such file or folder");
        case ENOTDIR:
            return tr("a part of the path is not a folder");
        case EISDIR:
            return tr("it is a folder, not a file");
        case ENAMETOOLONG:
            return tr("the file name is too long");
        case EFBIG:
            return tr("the file would be larger than the system allows");
        case ELOOP:
            return tr("too many symbolic links");
        case EMFILE:
        case ENFILE:
            return tr("too many files are open");
        case ENXIO:
        case ENODEV:
            return tr("there is no device behind the file");
        case EBUSY:
        case ETXTBSY:
            return tr("the file is in use");
        default: {
            QString text = qt_error_string(errorNumber);
            if (!text.isEmpty()) {
                text[0] = text[0].toLower();
            }
            return text;
        }
    }
}

QString saveFailureMessage(const QString& path, const QString& reason) {
    return tr("Could not save %1: %2.").arg(QFileInfo(path).fileName(), reason);
}

QString writeFileAtomically(const QString& path, const QByteArray& bytes,
                            const WriteOptions& options) {
    const QByteArray target = resolved(path);
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (!replacing && errno != ENOENT) {
        return fileErrorText(errno);
    }
    if (replacing && !S_ISREG(old.st_mode)) {
        return kindOf(old.st_mode);
    }
    QByteArray temporary;
    // A new file gets the permissions the user's umask gives; a replaced one keeps its
    // own, set below.
    int fd = createBeside(target, replacing ? S_IRUSR | S_IWUSR : 0666, &temporary);
    if (fd < 0) {
        return fileErrorText(errno);
    }
    const auto fail = [&](int error) {
        if (fd >= 0) {
            ::close(fd);
        }
        ::unlink(temporary.constData());
        return fileErrorText(error);
    };
    // A file system without permissions refuses this; the file is then as the system
    // makes it, which is all that can be had there.
    if (replacing) {
        (void)::fchmod(fd, old.st_mode & 07777);
    }
    if (!writeAll(fd, bytes)) {
        return fail(errno);
    }
    if (options.laterThan.isValid() && !makeLater(fd, options.laterThan)) {
        return fail(errno);
    }
    // A disk (or a network folder) may report a failed write only here.
    int synced = -1;
    do {
        synced = ::fsync(fd);
    } while (synced != 0 && errno == EINTR);
    if (synced != 0) {
        return fail(errno);
    }
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) {
        return fail(errno);
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        return fail(errno);
    }
    // The new name on the disk too. The file is whole under one name or the other
    // whatever this gives, so a failure here is no failure of the save.
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : target.left(slash + 1);
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        (void)::fsync(folderFd);
        ::close(folderFd);
    }
    return {};
}

QString notAPlainFile(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || S_ISREG(info.st_mode)) {
        return {};
    }
    return kindOf(info.st_mode);
}

QByteArray fileStamp(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return {};
    }
    return QByteArray::number(static_cast<qulonglong>(info.st_dev)) + ':' +
           QByteArray::number(static_cast<qulonglong>(info.st_ino)) + ':' +
           QByteArray::number(static_cast<qlonglong>(info.st_size)) + ':' +
           QByteArray::number(static_cast<qlonglong>(info.st_mtim.tv_sec)) + '.' +
           QByteArray::number(static_cast<qlonglong>(info.st_mtim.tv_nsec)) + ':' +
           QByteArray::number(static_cast<qlonglong>(info.st_ctim.tv_sec)) + '.' +
           QByteArray::number(static_cast<qlonglong>(info.st_ctim.tv_nsec));
}

FileContents readFileChecked(const QString& path, qint64 maxBytes) {
    const QByteArray name = QFile::encodeName(path);
    const auto failed = [](const QString& reason) {
        return FileContents{ReadStatus::Failed, {}, reason};
    };
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        return failed(fileErrorText(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return failed(kindOf(info.st_mode));
    }
    // Not blocking and not taking a terminal, should the path be swapped for one
    // between the look above and the open.
    int fd = -1;
    do {
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return failed(fileErrorText(errno));
    }
    FileContents contents;
    if (::fstat(fd, &info) != 0) {
        contents = failed(fileErrorText(errno));
    } else if (!S_ISREG(info.st_mode)) {
        contents = failed(kindOf(info.st_mode));
    } else if (info.st_size > maxBytes) {
        contents.status = ReadStatus::TooLarge;
    } else {
        // One byte more than allowed shows a file that grew since it was looked at.
        QByteArray bytes(static_cast<qsizetype>(info.st_size) + 1, Qt::Uninitialized);
        qsizetype filled = 0;
        contents.status = ReadStatus::Read;
        for (;;) {
            if (filled == bytes.size()) {
                if (bytes.size() > maxBytes) {
                    contents.status = ReadStatus::TooLarge;
                    break;
                }
                bytes.resize(std::min<qsizetype>(bytes.size() * 2, maxBytes + 1));
            }
            const ssize_t got =
                ::read(fd, bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                contents = failed(fileErrorText(errno));
                break;
            }
            if (got == 0) {
                bytes.truncate(filled);
                contents.bytes = std::move(bytes);
                break;
            }
            filled += got;
        }
    }
    ::close(fd);
    return contents;
}

}  // namespace aerolume::platform
