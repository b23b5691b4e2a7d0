// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSettings>
#include <QStringList>
#include <QThread>
#include <QVariant>
#include <algorithm>
#include <cerrno>
#include <iterator>
#include <utility>

#include "SafeFile.h"

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

// The text of a stored value. A hand-edited value with commas is read by the INI
// format as a list.
QString textOf(const QVariant& value) {
    if (value.metaType().id() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(','));
    }
    return value.toString();
}

bool isHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

QByteArray hex(char16_t c, int digits) {
    return QByteArray::number(c, 16).rightJustified(digits, '0');
}

// A key or section name as the INI format writes it: letters, digits, '_', '-' and
// '.' as they are, '/' as a backslash, anything else as %XX or %UXXXX.
QByteArray iniKey(const QString& key) {
    QByteArray out;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if (u == u'/') {
            out += '\\';
        } else if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
                   (u >= u'0' && u <= u'9') || u == u'_' || u == u'-' || u == u'.') {
            out += static_cast<char>(u);
        } else if (u <= 0xFF) {
            out += '%' + hex(u, 2).toUpper();
        } else {
            out += "%U" + hex(u, 4).toUpper();
        }
    }
    return out;
}

// A value as the INI format reads it back exactly, written as QSettings writes it:
// control characters, quotes and backslashes escaped, and the whole in quotes when it
// holds a comma, a semicolon or an equals sign or starts or ends with a blank (which
// would otherwise make it a list, a comment or trimmed). An escape in hexadecimal
// takes every hexadecimal digit after it, so a digit that follows one is escaped too.
// A leading '@' marks a typed value in the format and is doubled.
QByteArray iniValue(const QString& value) {
    const QString text = value.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + value : value;
    QByteArray out;
    QString plain;
    const auto escape = [&](const QByteArray& code) {
        out += plain.toUtf8() + code;
        plain.clear();
    };
    bool escapeHexDigit = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (escapeHexDigit && isHexDigit(u)) {
            escape("\\x" + hex(u, 2));
            continue;
        }
        escapeHexDigit = false;
        static constexpr std::pair<char16_t, const char*> kNamed[] = {
            {u'\a', "\\a"}, {u'\b', "\\b"}, {u'\f', "\\f"}, {u'\n', "\\n"}, {u'\r', "\\r"},
            {u'\t', "\\t"}, {u'\v', "\\v"}, {u'"', "\\\""}, {u'\\', "\\\\"}};
        const auto* named = std::find_if(std::begin(kNamed), std::end(kNamed),
                                         [u](const auto& n) { return n.first == u; });
        if (named != std::end(kNamed)) {
            escape(named->second);
        } else if (u < 0x20 || u == 0x7F) {
            escape("\\x" + hex(u, 2));
            escapeHexDigit = true;
        } else {
            plain += c;
        }
    }
    escape({});
    const bool quoted = text.contains(QLatin1Char(';')) || text.contains(QLatin1Char(',')) ||
                        text.contains(QLatin1Char('=')) || text.startsWith(QLatin1Char(' ')) ||
                        text.endsWith(QLatin1Char(' '));
    return quoted ? '"' + out + '"' : out;
}

// The whole store as an INI file: keys without a section in [General], the others in
// their section (a section of that very name is written as %General).
QByteArray iniText(const QMap<QString, QString>& values) {
    QMap<QString, QByteArray> sections;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        const QString group = slash < 0 ? QString() : it.key().left(slash);
        const QString key = slash < 0 ? it.key() : it.key().mid(slash + 1);
        sections[group] += iniKey(key) + '=' + iniValue(it.value()) + '\n';
    }
    QByteArray text;
    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        const QByteArray name = it.key().isEmpty()                     ? QByteArray("General")
                                : it.key() == QLatin1String("General") ? QByteArray("%General")
                                                                       : iniKey(it.key());
        text += (text.isEmpty() ? "[" : "\n[") + name + "]\n" + it.value();
    }
    return text;
}

}  // namespace

QString readSetting(const QString& application, const QString& section, const QString& key,
                    const QString& fallback) {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, kOrganization,
                             application);
    const QVariant value = settings.value(section + QLatin1Char('/') + key);
    return value.isValid() ? textOf(value) : fallback;
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
    // a process killed in the middle of its save (this version's or an earlier one's).
    QDir folder(info.absolutePath());
    for (const QString& leftover : folder.entryList(
             {info.fileName() + QStringLiteral(".saving-*"), QStringLiteral(".aerolume-*.saving")},
             QDir::Files | QDir::Hidden)) {
        folder.remove(leftover);
    }
    // Every entry the store holds now, read afresh, and the new ones over them.
    QMap<QString, QString> values;
    {
        const QSettings existing(path, QSettings::IniFormat);
        const QStringList keys = existing.allKeys();  // the file is parsed on first use
        if (existing.status() == QSettings::FormatError) {
            // A file that cannot be parsed would refuse every later save: keep it
            // aside for whoever wants to look at it, and start a new one.
            const QString aside = path + QStringLiteral(".unreadable");
            QFile::remove(aside);
            QFile::rename(path, aside);
        } else {
            for (const QString& key : keys) {
                values.insert(key, textOf(existing.value(key)));
            }
        }
    }
    for (const auto& [key, value] : entries) {
        values.insert(section + QLatin1Char('/') + key, value);
    }
    // The store is written by the program's own atomic write, not through QSettings:
    // QSettings' own write can put an empty file in place on a full disk and report
    // success (SafeFile.h). A read in this process takes a file of the same size and
    // time (to the millisecond) as the one it parsed last for that file, so the new
    // one is made later than the old one.
    WriteOptions options;
    if (info.exists()) {
        options.laterThan = info.lastModified();
    }
    return writeFileAtomically(path, iniText(values), options).isEmpty();
}

}  // namespace aerolume::platform
