// SPDX-License-Identifier: GPL-3.0-or-later
// Every save the program makes, through the menus and buttons a pilot uses, onto a real
// disk that is full: the old file stays as it was, nothing is left beside it, the window
// says what failed and where, and a plan stays modified.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "aircraft/AircraftStore.h"
#include "aircraft/LoadingWindow.h"
#include "airports/AirportWindow.h"
#include "loading/WBWindow.h"
#include "navigation/LatLongWindow.h"
#include "planning/NavLogWindow.h"
#include "planning/PlanFile.h"
#include "support/SmallDisk.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {
namespace {

using aircraft::AircraftStore;
using aircraft::LoadingWindow;
using planning::NavLogWindow;

const QByteArray kOld = "the file as it was\n";

// The disk, with the program's data and settings folders on it for the test's time.
class FullDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!disk.mounted()) {
            GTEST_SKIP() << disk.skipReason().toStdString();
        }
        m_dataHome = qEnvironmentVariable("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(disk.filePath(QStringLiteral("data"))));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           disk.filePath(QStringLiteral("config")));
        QDir().mkpath(disk.filePath(QStringLiteral("config/Aerolume")));
    }
    void TearDown() override {
        program.reset();
        if (disk.mounted()) {
            qputenv("XDG_DATA_HOME", QFile::encodeName(m_dataHome));
            QSettings::setPath(
                QSettings::IniFormat, QSettings::UserScope,
                QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
        }
    }
    QWidget* open(const QString& name, WindowRegistry::Factory factory) {
        program = std::make_unique<TestProgram>(
            std::vector<std::pair<QString, WindowRegistry::Factory>>{{name, std::move(factory)}});
        return program->registry().show(name);
    }

    SmallDisk disk{qint64{2} * 1024 * 1024};
    std::unique_ptr<TestProgram> program;

private:
    QString m_dataHome;
};

// A save of the navigation log: the menu entry and the file it writes.
struct PlanSave {
    const char* entry;
    const char* file;
    bool savesThePlan;  // not an export
};

void PrintTo(const PlanSave& c, std::ostream* os) {
    *os << c.entry;
}

class PlanSaveTest : public FullDiskTest, public ::testing::WithParamInterface<PlanSave> {};

TEST_P(PlanSaveTest, KeepsTheOldFileAndThePlanModified) {
    const PlanSave& c = GetParam();
    auto* log = qobject_cast<NavLogWindow*>(
        open(QStringLiteral("NavLog"), [](WindowRegistry& r) { return new NavLogWindow(r); }));
    ASSERT_NE(log, nullptr);
    const QString plan = disk.filePath(QStringLiteral("trip.aerolume-plan"));
    ASSERT_TRUE(log->saveFile(plan));
    ASSERT_TRUE(log->openFile(plan));
    const QByteArray saved = fileContents(plan);
    log->model()->insertCheckpoint(0);
    ASSERT_TRUE(log->isWindowModified());
    const QString target = disk.filePath(QString::fromLatin1(c.file));
    if (target != plan) {
        writeTestFile(target, kOld);
    }
    const QByteArray before = fileContents(target);
    const QStringList entries = disk.entries();
    disk.fill();
    const QString message = answerFileDialogs(
        target, [&] { child<QAction>(log, QString::fromLatin1(c.entry))->trigger(); });
    EXPECT_EQ(message, QStringLiteral("Could not save %1: no space left on the disk.").arg(c.file));
    EXPECT_EQ(fileContents(target), before);
    EXPECT_EQ(fileContents(plan), saved);
    EXPECT_EQ(disk.entries(), entries);
    EXPECT_EQ(disk.entries(QStringLiteral("config/Aerolume")), QStringList());
    EXPECT_TRUE(log->isWindowModified());
    EXPECT_TRUE(log->filePath().endsWith(QStringLiteral("trip.aerolume-plan")));
    disk.empty();
    // With room again the same command succeeds.
    EXPECT_EQ(answerFileDialogs(
                  target, [&] { child<QAction>(log, QString::fromLatin1(c.entry))->trigger(); }),
              QString());
    EXPECT_NE(fileContents(target), before);
    EXPECT_EQ(log->isWindowModified(), !c.savesThePlan);
}

INSTANTIATE_TEST_SUITE_P(Table, PlanSaveTest,
                         ::testing::Values(PlanSave{"mnuSave", "trip.aerolume-plan", true},
                                           PlanSave{"mnuSaveAs", "other.aerolume-plan", true},
                                           PlanSave{"mnuExportCsv", "trip.csv", false},
                                           PlanSave{"mnuExportPdf", "trip.pdf", false}));

// A save of the loading window: the button, what it is given, and the file it writes
// ("" for the new file in the aircraft folder).
struct AircraftSave {
    const char* button;
    const char* file;
};

void PrintTo(const AircraftSave& c, std::ostream* os) {
    *os << c.button;
}

class AircraftSaveTest : public FullDiskTest, public ::testing::WithParamInterface<AircraftSave> {};

TEST_P(AircraftSaveTest, KeepsTheOldFileAndSaysWhatFailed) {
    const AircraftSave& c = GetParam();
    aircraft::Aircraft a;
    a.name = "Trainer";
    a.emptyWeight = 1169;
    a.emptyArm = 10.6;
    a.maxRampWeight = a.maxTakeoffWeight = a.maxLandingWeight = 2100;
    a.stations = {{"Seats", 16, std::nullopt}};
    a.normal = {{1100, 8.5}, {2100, 8.5}, {2100, 21.9}, {1100, 21.9}};
    QString error;
    const auto profile = AircraftStore().save(a, {}, &error);
    ASSERT_TRUE(profile) << error.toStdString();
    const QString import = disk.filePath(QStringLiteral("import.aerolume-aircraft"));
    a.name = "Imported";
    ASSERT_TRUE(AircraftStore().exportFile(a, import, &error));
    const QString target = c.file[0] == 0 ? *profile : disk.filePath(QString::fromLatin1(c.file));
    if (target != *profile) {
        writeTestFile(target, kOld);
    }
    auto* loading = qobject_cast<LoadingWindow*>(
        open(QStringLiteral("Loading"), [](WindowRegistry& r) { return new LoadingWindow(r); }));
    ASSERT_NE(loading, nullptr);
    loading->setFileChooser([&](LoadingWindow::FileRole role, const QString&) {
        return role == LoadingWindow::FileRole::Import ? import : target;
    });
    loading->setDialogRunner([](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            return int(box->defaultButton() ? box->standardButton(box->defaultButton())
                                            : QMessageBox::Ok);
        }
        dialog.show();
        typeFields(&dialog, {"txtEmptyWeight"}, {"1200"});
        click(child<QDialogButtonBox>(&dialog, QStringLiteral("buttonBox"))
                  ->button(QDialogButtonBox::Ok));
        return dialog.result();
    });
    const QByteArray before = fileContents(target);
    const QStringList folder = disk.entries(QStringLiteral("data/Aerolume/aircraft"));
    const QStringList top = disk.entries();
    disk.fill();
    click(child<QPushButton>(loading, QString::fromLatin1(c.button)));
    const QString shown = child<QLabel>(loading, QStringLiteral("ErrorLbl"))->text();
    const QString name = QString::fromLatin1(c.button) == QLatin1String("cmdDuplicate")
                             ? QStringLiteral("Trainer-copy.aerolume-aircraft")
                         : QString::fromLatin1(c.button) == QLatin1String("cmdImport")
                             ? QStringLiteral("import.aerolume-aircraft")
                             : QFileInfo(target).fileName();
    const QString verb = QString::fromLatin1(c.button) == QLatin1String("cmdImport")
                             ? QStringLiteral("import")
                             : QStringLiteral("save");
    EXPECT_EQ(shown, QStringLiteral("Could not %1 %2: no space left on the disk.").arg(verb, name));
    EXPECT_EQ(fileContents(target), before);
    EXPECT_EQ(disk.entries(QStringLiteral("data/Aerolume/aircraft")), folder);
    EXPECT_EQ(disk.entries(), top);
}

INSTANTIATE_TEST_SUITE_P(Table, AircraftSaveTest,
                         ::testing::Values(AircraftSave{"cmdEdit", ""},
                                           AircraftSave{"cmdDuplicate", ""},
                                           AircraftSave{"cmdImport", ""},
                                           AircraftSave{"cmdExport", "out.aerolume-aircraft"},
                                           AircraftSave{"cmdPdf", "loading.pdf"}));

// The windows that keep entries in the settings store, closed on a full disk.
struct StoredSave {
    const char* window;
    const char* field;  // typed into; Enter pressed in it for the Airport window's search
    const char* file;
};

void PrintTo(const StoredSave& c, std::ostream* os) {
    *os << c.window;
}

class StoredSaveTest : public FullDiskTest, public ::testing::WithParamInterface<StoredSave> {
protected:
    // Opens the window, does what makes it write its entries, and closes it.
    void useTheWindow() {
        const StoredSave& c = GetParam();
        const QString name = QString::fromLatin1(c.window);
        QWidget* window = open(name, [name](WindowRegistry& r) -> QWidget* {
            if (name == QLatin1String("WB")) {
                return new WBWindow(r);
            }
            if (name == QLatin1String("LatLong")) {
                return new LatLongWindow(r);
            }
            if (name == QLatin1String("Airport")) {
                return new airports::AirportWindow(r);
            }
            return new NavLogWindow(r);
        });
        ASSERT_NE(window, nullptr);
        if (name == QLatin1String("NavLog")) {
            // The folder of a file chosen in the Export CSV dialog is remembered.
            answerFileDialogs(disk.filePath(QStringLiteral("x.csv")), [window] {
                child<QAction>(window, QStringLiteral("mnuExportCsv"))->trigger();
            });
        } else if (name == QLatin1String("Airport")) {
            // The place shown is remembered.
            auto* search = child<QLineEdit>(window, QString::fromLatin1(c.field));
            search->setFocus();
            type(search, QStringLiteral("EGTK"));
            pressEnter(search);
        } else {
            typeFields(window, {c.field}, {"12"});
        }
        closeWindow(window, CloseBy::CloseBox);
    }
};

TEST_P(StoredSaveTest, TheStoreStaysWhole) {
    const QString store = disk.filePath(QStringLiteral("config/Aerolume/%1").arg(GetParam().file));
    const QByteArray old =
        "[LatLong]\nDepLatDeg=34\n\n[WB]\nEmpty_W=1169\n\n[Files]\nLastFolder=/tmp\n\n"
        "[Window]\nLastIdent=KSMO\n";
    writeTestFile(store, old);
    const QStringList entries = disk.entries(QStringLiteral("config/Aerolume"));
    disk.fill();
    useTheWindow();
    EXPECT_EQ(fileContents(store), old);
    EXPECT_EQ(disk.entries(QStringLiteral("config/Aerolume")), entries);
    // With room again the window writes its entries.
    disk.empty();
    useTheWindow();
    EXPECT_NE(fileContents(store), old);
    EXPECT_EQ(disk.entries(QStringLiteral("config/Aerolume")), entries);
}

INSTANTIATE_TEST_SUITE_P(Table, StoredSaveTest,
                         ::testing::Values(StoredSave{"WB", "txtW1", "ARLM.ini"},
                                           StoredSave{"LatLong", "txtDepLatDeg", "ARLM.ini"},
                                           StoredSave{"NavLog", "", "NavLog.ini"},
                                           StoredSave{"Airport", "txtSearch", "Airport.ini"}));

}  // namespace
}  // namespace aerolume::test
