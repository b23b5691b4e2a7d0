// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Every file the program writes (plans, aircraft, exports, the settings store) goes
// through writeFileAtomically(), and every file it reads through readFileChecked().
// Both need QtCore only and answer in plain words: "no space left on the disk",
// "permission denied", "it is a named pipe, not a file".
//
// Why not QSaveFile: it keeps up to 16 KB of written data in memory and writes it to
// the disk only in commit(); when that last write fails (a full disk), commit() still
// renames the empty or cut-off new file over the old one and returns true. A larger
// write that fills the disk halfway returns a short count without an error, and
// commit() again puts the cut-off file in place. QSettings writes through QSaveFile
// and inherits both faults. The write below checks every write, the flush to the disk
// and the close before the new file takes the old one's name.

namespace aerolume::platform {

// What went wrong, in words, for an errno value (ENOSPC: "no space left on the disk").
QString fileErrorText(int errorNumber);

// "Could not save trip.aerolume-plan: no space left on the disk." (the file's name,
// without its folder, and the reason).
QString saveFailureMessage(const QString& path, const QString& reason);

struct WriteOptions {
    // When valid, the new file's modification time is made later than this one, so
    // that a reader that recognises a file by its size and time never takes the new
    // file for the old.
    QDateTime laterThan;
};

// Replaces the file at `path` with `bytes`, or leaves it exactly as it was. The bytes
// go to a new file beside it; every write, the flush to the disk and the close are
// checked, and only then does the new file take the name, in one step, with the old
// file's permissions (a new file gets the user's default ones). A symbolic link is
// followed: the file it names is replaced. Nothing is left behind when it fails.
// Returns an empty text, or why the file could not be written (fileErrorText(), or
// "it is a named pipe, not a file" and the like when `path` is no plain file).
QString writeFileAtomically(const QString& path, const QByteArray& bytes,
                            const WriteOptions& options = {});

enum class ReadStatus { Read, TooLarge, Failed };

struct FileContents {
    ReadStatus status = ReadStatus::Failed;
    QByteArray bytes;  // Read: the whole file
    QString reason;    // Failed: why, in words
};

// Reads a whole plain file of at most `maxBytes` bytes. Anything else is refused at
// once, without waiting on it: a named pipe, a device, a socket or a folder (the
// reason says which). A read that fails gives its own reason ("an input/output error
// on the disk"), never the part read so far.
FileContents readFileChecked(const QString& path, qint64 maxBytes);

// Whether `path` names something that is not a plain file (after following links):
// the reason, as readFileChecked() gives it; empty for a plain file or nothing.
QString notAPlainFile(const QString& path);

// What tells one state of a file from another: its device and inode, its size, and
// the times of its last change of content and of any change (which no program can set
// back, so a copy that keeps the old time still shows). Empty when there is no file.
QByteArray fileStamp(const QString& path);

}  // namespace aerolume::platform
