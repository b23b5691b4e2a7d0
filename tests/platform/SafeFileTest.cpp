// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/SafeFile.h"
#include "platform/SettingsStore.h"
#include "platform/TextChecks.h"
#include "support/SmallDisk.h"

namespace aerolume::platform {
namespace {

using test::fileContents;
using test::SmallDisk;
using test::writeTestFile;

const QByteArray kOld = "the old file, whole\n";

// The ways a full disk tore files: a small file lost whole in the last flush, a large
// one cut where the disk filled, with and without an old file to keep.
struct FullDisk {
    const char* what;
    qint64 room;
    qsizetype size;
    bool replacing;
};

void PrintTo(const FullDisk& c, std::ostream* os) {
    *os << c.what;
}

class FullDiskTest : public ::testing::TestWithParam<FullDisk> {};

TEST_P(FullDiskTest, LeavesTheOldFileAsItWasAndNothingBehind) {
    const FullDisk& c = GetParam();
    SmallDisk disk;
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.skipReason().toStdString();
    }
    const QString path = disk.filePath(QStringLiteral("trip.aerolume-plan"));
    if (c.replacing) {
        writeTestFile(path, kOld);
    }
    disk.fill(c.room);
    EXPECT_EQ(writeFileAtomically(path, QByteArray(c.size, 'n')),
              QStringLiteral("no space left on the disk"));
    EXPECT_EQ(fileContents(path), c.replacing ? kOld : QByteArray("(none)"));
    EXPECT_EQ(disk.entries(),
              c.replacing ? QStringList{QStringLiteral("trip.aerolume-plan")} : QStringList{});
    disk.empty();
    EXPECT_EQ(writeFileAtomically(path, QByteArray(c.size, 'n')), QString());
    EXPECT_EQ(fileContents(path), QByteArray(c.size, 'n'));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FullDiskTest,
    ::testing::Values(FullDisk{"small file, no room", 0, 100, true},
                      FullDisk{"large file, no room", 0, 20000, true},
                      FullDisk{"large file, room for part", 8192, 20000, true},
                      FullDisk{"larger file, room for part", 8192, 100000, true},
                      FullDisk{"new file, room for part", 8192, 20000, false}));

TEST(SafeFile, ASettingsStoreOnAFullDiskKeepsItsEntries) {
    SmallDisk disk;
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.skipReason().toStdString();
    }
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, disk.path());
    const QString app = QStringLiteral("FullDisk");
    ASSERT_TRUE(writeSettings(app, QStringLiteral("WB"), {{QStringLiteral("Empty_W"), "1169"}}));
    ASSERT_TRUE(
        writeSettings(app, QStringLiteral("LatLong"), {{QStringLiteral("DepLatDeg"), "34"}}));
    const QString store = disk.filePath(QStringLiteral("Aerolume/FullDisk.ini"));
    const QByteArray before = fileContents(store);
    // No room; room for a copy of the store; room for a copy and a lock file.
    for (const qint64 room : {0, 4096, 8192}) {
        disk.fill(room);
        EXPECT_FALSE(writeSettings(app, QStringLiteral("WB"),
                                   {{QStringLiteral("Empty_W"), QString(9000, u'9')}}))
            << room;
        EXPECT_EQ(fileContents(store), before) << room;
        EXPECT_EQ(disk.entries(QStringLiteral("Aerolume")),
                  QStringList{QStringLiteral("FullDisk.ini")});
        EXPECT_EQ(readSetting(app, QStringLiteral("WB"), QStringLiteral("Empty_W")),
                  QStringLiteral("1169"));
        disk.empty();
    }
    EXPECT_EQ(readSetting(app, QStringLiteral("LatLong"), QStringLiteral("DepLatDeg")),
              QStringLiteral("34"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

TEST(SafeFile, AReadOnlyDiskIsNamed) {
    SmallDisk disk;
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.skipReason().toStdString();
    }
    const QString path = disk.filePath(QStringLiteral("a.csv"));
    writeTestFile(path, kOld);
    ASSERT_TRUE(disk.makeReadOnly());
    EXPECT_EQ(writeFileAtomically(path, "new"), QStringLiteral("the disk is read-only"));
    EXPECT_EQ(fileContents(path), kOld);
    EXPECT_EQ(saveFailureMessage(path, QStringLiteral("the disk is read-only")),
              QStringLiteral("Could not save a.csv: the disk is read-only."));
}

TEST(SafeFile, KeepsPermissionsAndLinks) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan"));
    writeTestFile(path, kOld);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    const QString link = dir.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(path, link));
    EXPECT_EQ(writeFileAtomically(link, "new"), QString());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(fileContents(path), QByteArray("new"));
    EXPECT_EQ(QFileInfo(path).permissions() & 0x7777,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                  QFileDevice::WriteUser | QFileDevice::ReadGroup);
}

// Things with a file's name that are no file.
struct Special {
    const char* what;
    QString (*make)(const QTemporaryDir&);
    const char* reason;
};

void PrintTo(const Special& c, std::ostream* os) {
    *os << c.what;
}

QString fifo(const QTemporaryDir& dir) {
    QString path = dir.filePath(QStringLiteral("pipe.aerolume-plan"));
    EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    return path;
}

QString socketFile(const QTemporaryDir& dir) {
    QString path = dir.filePath(QStringLiteral("s.aerolume-plan"));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::copy(name.begin(), name.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    return path;
}

QString device(const QTemporaryDir& dir) {
    QString path = dir.filePath(QStringLiteral("null.aerolume-plan"));
    EXPECT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
    return path;
}

QString folder(const QTemporaryDir& dir) {
    QString path = dir.filePath(QStringLiteral("folder.aerolume-plan"));
    EXPECT_TRUE(QDir().mkdir(path));
    return path;
}

class SpecialFileTest : public ::testing::TestWithParam<Special> {};

TEST_P(SpecialFileTest, IsRefusedAtOnceForReadingAndWriting) {
    QTemporaryDir dir;
    const QString path = GetParam().make(dir);
    QElapsedTimer clock;
    clock.start();
    const FileContents read = readFileChecked(path, 1024);
    EXPECT_EQ(read.status, ReadStatus::Failed);
    EXPECT_EQ(read.reason, QString::fromUtf8(GetParam().reason));
    EXPECT_EQ(notAPlainFile(path), QString::fromUtf8(GetParam().reason));
    EXPECT_EQ(writeFileAtomically(path, "plan"), QString::fromUtf8(GetParam().reason));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(QFileInfo(path).isFile());
    EXPECT_EQ(QDir(dir.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList{QFileInfo(path).fileName()});
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpecialFileTest,
    ::testing::Values(Special{"named pipe", fifo, "it is a named pipe, not a file"},
                      Special{"socket", socketFile, "it is a socket, not a file"},
                      Special{"device", device, "it is a device, not a file"},
                      Special{"folder", folder, "it is a folder, not a file"}));

TEST(SafeFile, AFailingReadIsReportedAsSuch) {
    // The kernel answers a read of this process's memory at address 0 with EIO.
    const FileContents read = readFileChecked(QStringLiteral("/proc/self/mem"), 1024);
    EXPECT_EQ(read.status, ReadStatus::Failed);
    EXPECT_EQ(read.reason, QStringLiteral("an input/output error on the disk"));
    EXPECT_EQ(readFileChecked(QStringLiteral("/nowhere/plan"), 10).reason,
              QStringLiteral("there is no such file or folder"));
}

TEST(SafeFile, AFileLargerThanAllowedIsNotRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big"));
    writeTestFile(path, QByteArray(2000, 'x'));
    EXPECT_EQ(readFileChecked(path, 1999).status, ReadStatus::TooLarge);
    const FileContents whole = readFileChecked(path, 2000);
    EXPECT_EQ(whole.status, ReadStatus::Read);
    EXPECT_EQ(whole.bytes, QByteArray(2000, 'x'));
}

TEST(TextChecks, FindsTheFirstKeyGivenTwiceWhereverItIs) {
    const struct {
        const char* json;
        const char* path;  // "" when every key is distinct
    } rows[] = {
        {R"({"version": 99, "version": 2})", "version"},
        {R"({"a": {"b": 1, "c": {"b": 2}}, "b": 3})", ""},
        {R"({"list": [{"x": 1}, {"x": 1, "y": 2, "x": 3}]})", "list[1].x"},
        {R"({"a\"b": 1, "a\u0022b": 2})", "a\"b"},
        {R"({"t": "{\"k\": 1, \"k\": 2}", "u": [1, "x", {"k": [], "k2": {}}]})", ""},
        {R"([{"n": 1}, {"n": 2}])", ""},
    };
    for (const auto& row : rows) {
        const auto found = duplicateJsonKey(row.json);
        EXPECT_EQ(found.value_or(QString()).toStdString(), row.path) << row.json;
    }
}

TEST(TextChecks, CountsCharactersAsAPersonDoes) {
    EXPECT_EQ(characterCount(QStringLiteral("KSMO")), 4);
    EXPECT_EQ(characterCount(QString::fromUtf16(u"Ame\u0301lie")), 6);
    EXPECT_EQ(characterCount(QString::fromUtf16(u"\U0001F1FA\U0001F1F8 \u2708\uFE0F")), 3);
    EXPECT_EQ(characterCount(QString()), 0);
}

}  // namespace
}  // namespace aerolume::platform
