// SPDX-License-Identifier: GPL-3.0-or-later
// The Airport window through real keys: search, choose, runway winds, the last airport
// remembered, and an import refused; on the test database of real rows.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include "airports/AirportData.h"
#include "airports/AirportWindow.h"
#include "support/MenuWindowTest.h"

namespace aerolume::test {
namespace {

using airports::AirportWindow;

class AirportWindowTest : public MenuWindowTest<AirportWindow> {
protected:
    AirportWindowTest() : MenuWindowTest("Airport", "menuAirport", {}) {}

    void SetUp() override {
        removeStore();
        removeImported();
        MenuWindowTest::SetUp();
    }
    void TearDown() override {
        program.reset();
        removeStore();
        removeImported();
    }
    // No data imported by an earlier test.
    static void removeImported() {
        airports::AirportData::instance().reload();
        QFile::remove(airports::AirportData::importedPath());
    }

    QTableWidget* table(const char* name) const {
        return child<QTableWidget>(window, QString::fromLatin1(name));
    }
    QTreeWidget* matches() const {
        return child<QTreeWidget>(window, QStringLiteral("lstMatches"));
    }
    std::vector<std::string> column(const char* name, int col) const {
        std::vector<std::string> cells;
        QTableWidget* t = table(name);
        cells.reserve(static_cast<std::size_t>(t->rowCount()));
        for (int r = 0; r < t->rowCount(); ++r) {
            cells.push_back(t->item(r, col) != nullptr ? t->item(r, col)->text().toStdString()
                                                       : "");
        }
        return cells;
    }
    // Types into the search field as the pilot does and presses Enter.
    void search(const char* typed) {
        field("txtSearch")->clear();
        field("txtSearch")->setFocus();
        type(field("txtSearch"), QString::fromUtf8(typed));
        pressEnter(field("txtSearch"));
    }
};

struct ShownCase {
    const char* typed;
    const char *ident, *name, *kind, *elevation;
};

class AirportShownTest : public AirportWindowTest,
                         public ::testing::WithParamInterface<ShownCase> {};

TEST_P(AirportShownTest, EnterShowsTheFirstMatch) {
    search(GetParam().typed);
    EXPECT_EQ(text("LblIdent"), GetParam().ident);
    EXPECT_EQ(text("LblName"), GetParam().name);
    EXPECT_EQ(text("LblKind"), GetParam().kind);
    EXPECT_EQ(text("LblElevation"), GetParam().elevation);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, AirportShownTest,
    ::testing::Values(ShownCase{"EGTK", "EGTK (also OXF)",
                                "London Oxford Airport, Kidlington, Oxfordshire, United Kingdom",
                                "Medium airport", "270 ft (82 m)"},
                      ShownCase{"ksmo", "KSMO (also SMO)",
                                "Santa Monica Municipal Airport, Santa Monica, United States",
                                "Medium airport", "170 ft (52 m)"},
                      ShownCase{"santa mon", "KSMO (also SMO)",
                                "Santa Monica Municipal Airport, Santa Monica, United States",
                                "Medium airport", "170 ft (52 m)"},
                      ShownCase{"SAM", "SAM", "Samos, Greece", "VOR-DME", "30 ft (9 m)"}));

TEST_F(AirportWindowTest, ASharedIdentifierListsEveryPlace) {
    field("txtSearch")->setFocus();
    type(field("txtSearch"), QStringLiteral("SAM"));
    QStringList listed;
    for (int i = 0; i < 4; ++i) {
        listed << matches()->topLevelItem(i)->text(3);
    }
    EXPECT_EQ(listed, (QStringList{"GR", "IN", "US", "GB"}));
    // Down to the Southampton VOR and Enter: its frequency, variation and airport.
    matches()->setFocus();
    matches()->setCurrentItem(matches()->topLevelItem(3));
    pressEnter(matches());
    EXPECT_EQ(text("LblFrequency"), "113.35 MHz, DME channel 080Y");
    EXPECT_EQ(text("LblServes"), "EGHI, Southampton Airport");
    EXPECT_TRUE(text("LblVariation").starts_with("2.4° W in the data; radials slaved to 4.0° W;"));
}

TEST_F(AirportWindowTest, RunwaysWithHeadingsAndStatus) {
    search("EGTK");
    EXPECT_EQ(column("tblRunways", 0),
              (std::vector<std::string>{"01/19", "03/21", "09/27", "11/29"}));
    EXPECT_EQ(column("tblRunways", 3)[0], "paved (ASP)");
    EXPECT_EQ(column("tblRunways", 5)[0], "011° / 191°");
    EXPECT_EQ(column("tblRunways", 7),
              (std::vector<std::string>{"open", "closed", "closed", "closed"}));
    EXPECT_EQ(column("tblFrequencies", 2)[0], "125.325 MHz");
    EXPECT_EQ(column("tblNavaids", 0)[0], "OX");
    // 00AK: runway N/S without a true heading, derived from the designators.
    search("00AK");
    EXPECT_EQ(column("tblRunways", 0)[0], "N/S");
    EXPECT_EQ(column("tblRunways", 6)[0], "360°* / 180°*");
    EXPECT_TRUE(text("LblRunwayNote").find("* Derived") != std::string::npos);
}

struct WindCase {
    const char* airport;
    std::array<const char*, 4> wind;
    std::vector<std::string> ends, headwinds, crosswinds, notes;
};

class RunwayWindsTest : public AirportWindowTest, public ::testing::WithParamInterface<WindCase> {};

TEST_P(RunwayWindsTest, EnterInTheLimitShowsEveryEnd) {
    search(GetParam().airport);
    typeAlongEnterChain(window, {"txtWindDir", "txtWindSpeed", "txtGust", "txtXwindLimit"},
                        GetParam().wind);
    pressEnter(field("txtXwindLimit"));
    EXPECT_EQ(column("tblRunwayWinds", 0), GetParam().ends);
    EXPECT_EQ(column("tblRunwayWinds", 2), GetParam().headwinds);
    EXPECT_EQ(column("tblRunwayWinds", 3), GetParam().crosswinds);
    EXPECT_EQ(column("tblRunwayWinds", 6), GetParam().notes);
}

INSTANTIATE_TEST_SUITE_P(Winds, RunwayWindsTest,
                         ::testing::Values(
                             // EGTK: only 01/19 is open; 270/15G25 with a 15 kt limit.
                             WindCase{"EGTK",
                                      {"270", "15", "25", "15"},
                                      {"01", "19"},
                                      {"3 kt tailwind", "3 kt headwind"},
                                      {"15 kt from the left", "15 kt from the right"},
                                      {"crosswind beyond the limit",
                                       "best into the wind; crosswind beyond the limit"}},
                             WindCase{"KSMO",
                                      {"200", "10", "", ""},
                                      {"03", "21"},
                                      {"10 kt tailwind", "10 kt headwind"},
                                      {"2 kt from the right", "2 kt from the left"},
                                      {"", "best into the wind"}}));

// On a 1366 x 768 screen the window shows every column of every table without scrolling.
TEST_F(AirportWindowTest, EveryColumnShowsOnA1366By768Screen) {
    qobject_cast<AirportWindow*>(window)->fitTo(QSize(1366, 768));
    search("EGTK");
    typeAlongEnterChain(window, {"txtWindDir", "txtWindSpeed", "txtGust", "txtXwindLimit"},
                        {"240", "15", "25", "15"});
    pressEnter(field("txtXwindLimit"));
    QApplication::processEvents();
    const auto* form = window->findChild<QScrollArea*>();
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(form->verticalScrollBar()->isVisible());
    for (const char* name : {"tblRunways", "tblFrequencies", "tblNavaids", "tblRunwayWinds"}) {
        EXPECT_LE(table(name)->horizontalHeader()->length(), table(name)->viewport()->width())
            << name;
    }
}

TEST_F(AirportWindowTest, WindChecksInOrder) {
    search("KSMO");
    typeFields(window, {"txtWindDir", "txtWindSpeed", "txtGust", "txtXwindLimit"},
               {"361", "10", "", ""});
    expectEnterReports("txtXwindLimit", "Enter where the wind is from, 0 to 360°!", "txtWindDir");
    typeFields(window, {"txtWindDir", "txtWindSpeed", "txtGust", "txtXwindLimit"},
               {"200", "10", "5", ""});
    click(button("Command2"));
    EXPECT_EQ(text("ErrorLbl"), "Enter a gust from the wind speed to 200 kt!");
}

TEST_F(AirportWindowTest, TheLastAirportShownOpensAgain) {
    search("KSMO");
    closeWindow(window, CloseBy::Button);
    ASSERT_TRUE(reopenFromMenu("menuAirport"));
    EXPECT_EQ(text("LblIdent"), "KSMO (also SMO)");
    EXPECT_TRUE(text("LblDataCredit").find("Reference data, not a chart") != std::string::npos);
}

TEST_F(AirportWindowTest, AFolderThatIsNotTheDataIsRefusedAndTheDataStays) {
    search("EGTK");
    QTemporaryDir dir;
    QFile list(dir.filePath("airports.csv"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("id,name\n1,Oxford\n");
    list.close();
    const QList<airports::ImportFile> files = {{airports::DataFile::Airports, list.fileName()}};
    const MessageBoxSeen seen = captureMessageBox([&] {
        EXPECT_EQ(qobject_cast<AirportWindow*>(window)->importFiles(files),
                  airports::ImportSummary::Outcome::Refused);
    });
    EXPECT_TRUE(
        seen.text.contains("airports.csv is not OurAirports airports.csv data: its columns "
                           "ident, type, latitude_deg, longitude_deg are missing."));
    EXPECT_TRUE(seen.text.endsWith("The airport data is as it was."));
    EXPECT_EQ(airports::AirportData::instance().origin(), airports::AirportData::Origin::Bundled);
    EXPECT_EQ(text("LblIdent"), "EGTK (also OXF)");
}

// Files of the test rows, as the Data menu's folder command finds them.
QList<airports::ImportFile> testRows() {
    QList<airports::ImportFile> files;
    EXPECT_EQ(airports::dataFilesIn(QStringLiteral(AEROLUME_TEST_ROWS), &files), QString());
    return files;
}

// Presses a button of the first window `find` finds, as soon as it is on screen.
void pressOnceShown(const std::function<QAbstractButton*()>& find) {
    auto* watch = new QTimer;
    watch->setInterval(0);
    QObject::connect(watch, &QTimer::timeout, watch, [watch, find] {
        if (QAbstractButton* button = find()) {
            watch->stop();
            watch->deleteLater();
            click(button);
        }
    });
    watch->start();
}

// Presses the progress dialog's Cancel the moment the dialog is shown, before the import
// has begun, so that even a quick import sees it.
class CancelOnShow : public QObject {
public:
    CancelOnShow() { qApp->installEventFilter(this); }
    ~CancelOnShow() override { qApp->removeEventFilter(this); }
    CancelOnShow(const CancelOnShow&) = delete;
    CancelOnShow& operator=(const CancelOnShow&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("dlgImport")) {
            qApp->removeEventFilter(this);
            if (auto* cancel = watched->findChild<QPushButton*>()) {
                cancel->click();
            }
        }
        return false;
    }
};

QAbstractButton* questionYes() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    return box != nullptr ? box->button(QMessageBox::Yes) : nullptr;
}

TEST_F(AirportWindowTest, CancelDuringTheImportLeavesTheDataAsItWas) {
    search("EGTK");
    const CancelOnShow cancel;
    const MessageBoxSeen seen = captureMessageBox([&] {
        EXPECT_EQ(qobject_cast<AirportWindow*>(window)->importFiles(testRows()),
                  airports::ImportSummary::Outcome::Cancelled);
    });
    EXPECT_EQ(seen.text, "The import was cancelled. The airport data is as it was.");
    EXPECT_EQ(airports::AirportData::instance().origin(), airports::AirportData::Origin::Bundled);
    EXPECT_EQ(text("LblIdent"), "EGTK (also OXF)");
    EXPECT_EQ(QDir(QFileInfo(airports::AirportData::importedPath()).path()).entryList(QDir::Files),
              QStringList());
}

TEST_F(AirportWindowTest, DataUseTheBundledDataGoesBackFromAnImport) {
    search("EGTK");
    captureMessageBox([&] {
        EXPECT_EQ(qobject_cast<AirportWindow*>(window)->importFiles(testRows()),
                  airports::ImportSummary::Outcome::Done);
    });
    EXPECT_TRUE(text("LblDataCredit").find("imported by you") != std::string::npos);
    auto* bundled = child<QAction>(window, QStringLiteral("mnuBundled"));
    ASSERT_TRUE(bundled->isEnabled());
    // The question answered No: the imported data stays; Yes: it is gone.
    const MessageBoxSeen asked = captureMessageBox([&] { bundled->trigger(); });
    EXPECT_TRUE(asked.text.startsWith("Go back to the airport data installed with the program?"));
    EXPECT_EQ(airports::AirportData::instance().origin(), airports::AirportData::Origin::Imported);
    pressOnceShown(questionYes);
    bundled->trigger();
    EXPECT_EQ(airports::AirportData::instance().origin(), airports::AirportData::Origin::Bundled);
    EXPECT_FALSE(QFile::exists(airports::AirportData::importedPath()));
    EXPECT_FALSE(bundled->isEnabled());
    EXPECT_EQ(text("LblDataCredit").find("imported by you"), std::string::npos);
    EXPECT_EQ(text("LblIdent"), "EGTK (also OXF)");
}

}  // namespace
}  // namespace aerolume::test
