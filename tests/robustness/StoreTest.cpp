// SPDX-License-Identifier: GPL-3.0-or-later
// The stored entries under faults: a process killed at any moment of a save, store
// files that are missing, empty, garbage, binary or huge or hold entries far longer
// than a field, a save that fails, and two instances of the program closing their
// windows one after the other.
//
//   AEROLUME_KILL_ROUNDS  how many save loops are killed (default 150)

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <csignal>
#include <map>
#include <random>
#include <thread>

#include "SavedValues.h"
#include "loading/WBWindow.h"
#include "navigation/LatLongWindow.h"
#include "platform/SettingsStore.h"
#include "support/WindowTestKit.h"

namespace aerolume {
namespace {

using test::storeFile;

const QString kApplication = QString::fromLatin1(stored::kApplication);

// The store's sections as the file holds them, read line by line without the
// settings store: every line is a section header, a key=value pair or blank.
using Sections = std::map<QString, std::map<QString, QString>>;
::testing::AssertionResult parseStore(const QByteArray& bytes, Sections& sections) {
    QString section;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.isEmpty()) {
            continue;
        }
        if (line.startsWith('[') && line.endsWith(']')) {
            section = QString::fromUtf8(line.mid(1, line.size() - 2));
            sections[section];
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (section.isEmpty() || equals <= 0) {
            return ::testing::AssertionFailure()
                   << "a line that is no entry: " << line.toStdString();
        }
        sections[section][QString::fromUtf8(line.left(equals))] =
            QString::fromUtf8(line.mid(equals + 1));
    }
    return ::testing::AssertionSuccess();
}

QByteArray readStore() {
    QFile file(storeFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the store file as another program (or a damaged disk) would, with a time of
// its own so that no reader takes it for the file it parsed last.
void writeStoreFile(const QByteArray& bytes) {
    static int files = 0;
    QDir().mkpath(QFileInfo(storeFile()).path());
    QFile file(storeFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.setFileTime(QDateTime::currentDateTime().addSecs(-1000 + ++files),
                     QFileDevice::FileModificationTime);
}

// The save each section of the store file comes from: every key of the section must
// be there, and all with the value of one save.
::testing::AssertionResult savesInStore(std::map<QString, long long>& saves) {
    Sections sections;
    const QByteArray bytes = readStore();
    if (::testing::AssertionResult parsed = parseStore(bytes, sections); !parsed) {
        return parsed << "\nin the file:\n" << bytes.toStdString();
    }
    for (const test::SavedSection* expected : {&test::latLongSection(), &test::wbSection()}) {
        const QString name = QString::fromLatin1(expected->name);
        const auto& entries = sections[name];
        if (entries.size() != expected->keys.size()) {
            return ::testing::AssertionFailure()
                   << name.toStdString() << " has " << entries.size() << " entries:\n"
                   << bytes.toStdString();
        }
        std::optional<long long> save;
        for (const char* key : expected->keys) {
            const auto entry = entries.find(QString::fromLatin1(key));
            const auto from = entry == entries.end() ? std::nullopt : test::saveOf(entry->second);
            if (!from || (save && *save != *from)) {
                return ::testing::AssertionFailure()
                       << name.toStdString() << "/" << key << " is not of one save:\n"
                       << bytes.toStdString();
            }
            save = from;
        }
        saves[name] = *save;
    }
    return ::testing::AssertionSuccess();
}

// Starts a helper, waits for its first line of output and returns it.
QString startHelper(QProcess& process, const QString& program, const QStringList& arguments) {
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForStarted(10000)) {
        return QStringLiteral("(did not start)");
    }
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(60000)) {
            return QStringLiteral("(no output)");
        }
    }
    return QString::fromUtf8(process.readLine()).trimmed();
}

TEST(StoreUnderKills, TheFileIsAlwaysWholeAndOnlyMovesForward) {
    test::removeStore();
    // The first whole file, from save 0 of each section.
    for (const test::SavedSection* section : {&test::latLongSection(), &test::wbSection()}) {
        QList<QPair<QString, QString>> entries;
        for (const char* key : section->keys) {
            entries.append({QString::fromLatin1(key), test::savedValue(0)});
        }
        ASSERT_TRUE(
            platform::writeSettings(kApplication, QString::fromLatin1(section->name), entries));
    }

    bool ok = false;
    int rounds = qEnvironmentVariableIntValue("AEROLUME_KILL_ROUNDS", &ok);
    rounds = ok ? rounds : 150;
    std::mt19937 random(std::random_device{}());
    // The latest save of each section the file must hold at least: the last one a
    // loop reported done.
    std::map<QString, long long> done{{QStringLiteral("LatLong"), 0}, {QStringLiteral("WB"), 0}};
    for (int round = 1; round <= rounds; ++round) {
        QProcess loop;
        const long long first = round * 1000000LL;
        ASSERT_EQ(startHelper(loop, QStringLiteral(AEROLUME_SAVE_LOOP),
                              {QString::number(first), QStringLiteral("0")}),
                  QStringLiteral("saving"));
        // The kill comes after 0 to 3 saves are done, anywhere in one of the next:
        // a save takes a millisecond or two.
        const int wait = std::uniform_int_distribution<int>(0, 3)(random);
        for (int reported = 0; reported < wait;) {
            if (!loop.canReadLine() && !loop.waitForReadyRead(30000)) {
                FAIL() << "the loop stopped saving, kill " << round;
            }
            while (loop.canReadLine()) {
                const long long save =
                    QString::fromUtf8(loop.readLine()).section(u' ', 1).toLongLong();
                done[QString::fromLatin1(test::savedSection(save).name)] = save;
                ++reported;
            }
        }
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<int>(0, 3000)(random)));
        ::kill(static_cast<pid_t>(loop.processId()), SIGKILL);
        ASSERT_TRUE(loop.waitForFinished(10000));
        ASSERT_EQ(loop.exitStatus(), QProcess::CrashExit) << "the loop ended by itself";

        std::map<QString, long long> saves;
        ASSERT_TRUE(savesInStore(saves)) << "after kill " << round;
        for (const auto& [section, save] : saves) {
            ASSERT_GE(save, done[section])
                << section.toStdString() << " lost a save that was done, kill " << round;
            done[section] = save;  // never back from here
        }
    }
    // What a killed save leaves does not stop the next program from saving: a last
    // loop runs to its end.
    QProcess final;
    ASSERT_EQ(startHelper(final, QStringLiteral(AEROLUME_SAVE_LOOP),
                          {QStringLiteral("999000000"), QStringLiteral("2")}),
              QStringLiteral("saving"));
    ASSERT_TRUE(final.waitForFinished(60000));
    EXPECT_EQ(final.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(final.exitCode(), 0);
    std::map<QString, long long> saves;
    ASSERT_TRUE(savesInStore(saves));
    EXPECT_EQ(saves[QStringLiteral("LatLong")], 999000001);
    EXPECT_EQ(saves[QStringLiteral("WB")], 999000002);
    // Nothing a killed save began is left beside the store.
    const QStringList left = QDir(QFileInfo(storeFile()).path()).entryList(QDir::Files);
    EXPECT_EQ(left, QStringList{QStringLiteral("ARLM.ini")}) << left.join(u' ').toStdString();
    test::removeStore();
}

// A save that fails (here: the disk is full) keeps no entries anywhere: a later read
// gives what the file holds, and saves nothing, even after another instance has
// written newer entries.
TEST(StoreUnderFaults, AFailedSaveLeavesNothingPendingBehind) {
    test::removeStore();
    const QString wb = QString::fromLatin1(stored::wb::kSection);
    const QString weight = QString::fromLatin1(stored::wb::kEmptyWeight);
    ASSERT_TRUE(platform::writeSettings(kApplication, wb, {{weight, QStringLiteral("1000")}}));
    ASSERT_EQ(platform::readSetting(kApplication, wb, weight), QStringLiteral("1000"));

    {
        // Files may grow to 8 bytes only, for the length of the save.
        rlimit before{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
        rlimit full = before;
        full.rlim_cur = 8;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
        const bool saved =
            platform::writeSettings(kApplication, wb, {{weight, QStringLiteral("2222222")}});
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
        ASSERT_FALSE(saved);
    }
    EXPECT_EQ(platform::readSetting(kApplication, wb, weight), QStringLiteral("1000"));

    // Another instance saves newer entries; reading them must not bring back the
    // failed save.
    writeStoreFile("[WB]\nEmpty_W=3333\nEmpty_CG=44\n");
    EXPECT_EQ(platform::readSetting(kApplication, wb, weight), QStringLiteral("3333"));
    EXPECT_EQ(platform::readSetting(kApplication, wb, QStringLiteral("Empty_CG")),
              QStringLiteral("44"));
    EXPECT_EQ(readStore(), QByteArray("[WB]\nEmpty_W=3333\nEmpty_CG=44\n"));
    test::removeStore();
}

// Store files a window may meet: each must give a working window with field texts it
// could hold, and closing the window must leave a store that gives back what it held.
struct BadStore {
    const char* name;
    std::function<QByteArray()> bytes;
};

void PrintTo(const BadStore& store, std::ostream* os) {
    *os << store.name;
}

QByteArray randomBytes(int size, unsigned seed) {
    std::mt19937 random(seed);
    QByteArray bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random() & 0xff);
    }
    return bytes;
}

// Every key of both sections with the same text.
QByteArray everyEntry(const QByteArray& value) {
    QByteArray bytes;
    for (const test::SavedSection* section : {&test::latLongSection(), &test::wbSection()}) {
        bytes += '[' + QByteArray(section->name) + "]\n";
        for (const char* key : section->keys) {
            bytes += QByteArray(key) + '=' + value + '\n';
        }
    }
    return bytes;
}

const BadStore kBadStores[] = {
    {"Missing", nullptr},
    {"Empty", [] { return QByteArray(); }},
    {"Garbage",
     [] {
         return QByteArray(R"([[[LatLong
=== ;;; \\""
DepLatDeg
]]]
@@@=@@@
)");
     }},
    {"Binary", [] { return randomBytes(4096, 7); }},
    {"BinaryWithSections", [] { return randomBytes(300, 8) + everyEntry(randomBytes(20, 9)); }},
    {"Huge", [] { return randomBytes(8 << 20, 10); }},
    {"HugeWithEntries",
     [] { return QByteArray(6 << 20, 'x') + "\n" + everyEntry("12") + QByteArray(2 << 20, ';'); }},
    {"EntriesFarLongerThanAField", [] { return everyEntry(QByteArray(100000, '7')); }},
    {"EntriesThatAreNoNumbers", [] { return everyEntry("nan"); }},
    {"EntriesWithControlCharacters", [] { return everyEntry(R"(\t1\n2\x7\0)"); }},
    {"EntriesInOtherScripts", [] { return everyEntry("\xe4\xb8\xad\xc2\xb0\xf0\x9f\x9b\xa9"); }},
};

// The window under a bad store, and what is typed into it to see it work.
struct StoredWindow {
    const char* name;
    const char* launcherButton;
    WindowRegistry::Factory factory;
    // Texts that make a computation succeed; the fields filled from the store first.
    std::vector<std::pair<const char*, const char*>> entries;
    std::size_t storedFields;
    std::vector<const char*> results;
};

const StoredWindow kStoredWindows[] = {
    {"LatLong",
     "Command9",
     [](WindowRegistry& r) { return new LatLongWindow(r); },
     {{"txtDepLatDeg", "40"},
      {"txtDepLatMin", "38"},
      {"txtDepLatSec", "0"},
      {"txtDepLongDeg", "73"},
      {"txtDepLongMin", "47"},
      {"txtDepLongSec", "0"},
      {"txtDestLatDeg", "51"},
      {"txtDestLatMin", "28"},
      {"txtDestLatSec", "0"},
      {"txtDestLongDeg", "0"},
      {"txtDestLongMin", "27"},
      {"txtDestLongSec", "0"}},
     6,
     {"Dist", "TC", "RTC", "RDist"}},
    {"WB",
     "Command10",
     [](WindowRegistry& r) { return new WBWindow(r); },
     {{"txtW1", "1500"},
      {"txtD1", "38.5"},
      {"txtD2", "48"},
      {"txtD3", "37"},
      {"txtD4", "73"},
      {"txtD5", "95"},
      {"txtD6", "123"},
      {"txtD7", "-4"},
      {"txtD8", "0"},
      {"txtW3", "340"}},
     9,
     {"GW", "CG"}},
};

class BadStoreTest : public ::testing::TestWithParam<std::tuple<std::size_t, BadStore>> {};

TEST_P(BadStoreTest, GivesAWorkingWindowThatSavesAgain) {
    const StoredWindow& w = kStoredWindows[std::get<0>(GetParam())];
    const BadStore& store = std::get<1>(GetParam());
    test::removeStore();
    QFile::remove(storeFile() + QStringLiteral(".unreadable"));
    if (store.bytes) {
        writeStoreFile(store.bytes());
    }
    const QString name = QString::fromLatin1(w.name);
    {
        test::TestProgram program({{name, w.factory}});
        QWidget* window = program.open(QString::fromLatin1(w.launcherButton), name);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->isVisible());
        // Each field holds no more than it can.
        for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
            EXPECT_LE(field->text().size(), field->maxLength())
                << field->objectName().toStdString();
        }
        // The window computes as ever once the fields are typed anew.
        for (const auto& [field, text] : w.entries) {
            auto* edit = test::child<QLineEdit>(window, QString::fromLatin1(field));
            edit->selectAll();
            test::pressBackspace(edit);
            test::type(edit, QString::fromLatin1(text));
        }
        test::click(test::child<QPushButton>(window, QStringLiteral("Command2")));
        static const QRegularExpression number(QStringLiteral("^-?[0-9]*\\.[0-9]*"));
        for (const char* result : w.results) {
            const QString text = test::child<QLabel>(window, QString::fromLatin1(result))->text();
            EXPECT_TRUE(number.match(text).hasMatch()) << result << " shows " << text.toStdString();
        }
        test::closeWindow(window, test::CloseBy::CloseBox);
    }
    test::TestProgram::settle();
    // What the window held is what the store now gives back.
    test::TestProgram program({{name, w.factory}});
    QWidget* window = program.open(QString::fromLatin1(w.launcherButton), name);
    ASSERT_NE(window, nullptr);
    for (std::size_t i = 0; i < w.storedFields; ++i) {
        const auto& [field, text] = w.entries[i];
        EXPECT_EQ(test::child<QLineEdit>(window, QString::fromLatin1(field))->text(),
                  QString::fromLatin1(text))
            << field;
    }
    test::closeWindow(window, test::CloseBy::CloseBox);
    test::removeStore();
    QFile::remove(storeFile() + QStringLiteral(".unreadable"));
}

INSTANTIATE_TEST_SUITE_P(EveryStoredWindow, BadStoreTest,
                         ::testing::Combine(::testing::Values<std::size_t>(0, 1),
                                            ::testing::ValuesIn(kBadStores)),
                         [](const auto& info) {
                             return std::string(kStoredWindows[std::get<0>(info.param)].name) +
                                    "_" + std::get<1>(info.param).name;
                         });

// Two instances of the program, each with a window that keeps entries open, close
// them one after the other: the store keeps the entries of the later close, and the
// other section's entries of the earlier one.
struct Instance {
    QProcess process;

    void start(const QStringList& arguments) {
        ASSERT_EQ(startHelper(process, QStringLiteral(AEROLUME_INSTANCE), arguments),
                  QStringLiteral("ready"));
    }
    void close() {
        process.write("close\n");
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(QString::fromUtf8(process.readAll()).trimmed(), QStringLiteral("closed yes"));
        EXPECT_EQ(process.exitCode(), 0);
    }
};

QString stored(const char* section, const char* key) {
    return platform::readSetting(kApplication, QString::fromLatin1(section),
                                 QString::fromLatin1(key), QStringLiteral("(missing)"));
}

TEST(TwoInstances, TheLaterCloseKeepsItsEntries) {
    for (const bool firstClosesFirst : {true, false}) {
        test::removeStore();
        Instance first;
        Instance second;
        first.start(
            {QStringLiteral("WB"), QStringLiteral("txtW1=1111"), QStringLiteral("txtD1=11.5")});
        second.start(
            {QStringLiteral("WB"), QStringLiteral("txtW1=2222"), QStringLiteral("txtD8=-8")});
        Instance& earlier = firstClosesFirst ? first : second;
        Instance& later = firstClosesFirst ? second : first;
        earlier.close();
        later.close();
        const bool secondLast = firstClosesFirst;
        EXPECT_EQ(stored("WB", "Empty_W"),
                  secondLast ? QStringLiteral("2222") : QStringLiteral("1111"));
        EXPECT_EQ(stored("WB", "Empty_CG"), secondLast ? QString() : QStringLiteral("11.5"));
        EXPECT_EQ(stored("WB", "Other2_CG"), secondLast ? QStringLiteral("-8") : QString());
    }
    test::removeStore();
}

TEST(TwoInstances, EachKeepsTheSectionItWrote) {
    test::removeStore();
    Instance latLong;
    Instance wb;
    // Both windows read the store before either writes it.
    latLong.start({QStringLiteral("LatLong"), QStringLiteral("txtDepLatDeg=45"),
                   QStringLiteral("txtDepLongSec=30")});
    wb.start({QStringLiteral("WB"), QStringLiteral("txtW1=1750"), QStringLiteral("txtD1=39")});
    wb.close();
    latLong.close();
    EXPECT_EQ(stored("LatLong", "DepLatDeg"), QStringLiteral("45"));
    EXPECT_EQ(stored("LatLong", "DepLongSec"), QStringLiteral("30"));
    EXPECT_EQ(stored("WB", "Empty_W"), QStringLiteral("1750"));
    EXPECT_EQ(stored("WB", "Empty_CG"), QStringLiteral("39"));
    test::removeStore();
}

}  // namespace
}  // namespace aerolume
