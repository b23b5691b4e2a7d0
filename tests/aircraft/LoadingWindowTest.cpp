// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "SampleAircraft.h"
#include "aircraft/AircraftEditor.h"
#include "aircraft/AircraftFile.h"
#include "aircraft/AircraftStore.h"
#include "aircraft/EnvelopeGraph.h"
#include "aircraft/LoadingWindow.h"
#include "support/MenuWindowTest.h"

namespace aerolume::test {
namespace {

using aircraft::AircraftStore;
using aircraft::EnvelopeGraph;
using aircraft::LoadingWindow;

const char* const kResults[] = {"LblRampWeight",    "LblTakeoffWeight", "LblTakeoffCG",
                                "LblTakeoffMargin", "LblLandingCG",     "LblTakeoffVerdict"};
const char* const kChain[] = {"txtStation1", "txtStation2", "txtStation3", "txtStation4",
                              "txtFuel1",    "txtBurn1",    "txtTaxi"};

class LoadingWindowTest : public MenuWindowTest<LoadingWindow> {
protected:
    LoadingWindowTest() : MenuWindowTest("Loading", "menuLoading", kResults) {}

    void SetUp() override {
        QDir(AircraftStore::defaultFolder()).removeRecursively();
        QString error;
        ASSERT_TRUE(AircraftStore().save(aircraft::test::circularAircraft(), {}, &error));
        open();
    }
    void TearDown() override {
        program.reset();
        QDir(AircraftStore::defaultFolder()).removeRecursively();
    }
    // Closes the window and opens it again: it lists the aircraft folder anew.
    void reopenLoading(CloseBy by) {
        closeWindow(window, by);
        ASSERT_TRUE(program->main()->isVisible());
        ASSERT_TRUE(reopenFromMenu("menuLoading"));
        showAndActivate(window);
    }
    LoadingWindow* loading() const { return static_cast<LoadingWindow*>(window); }
    void load(const Names& texts) { typeAlongEnterChain(window, kChain, texts); }
};

TEST_F(LoadingWindowTest, TheCircularsLoadingIsWithinLimitsAtTakeoffAndLanding) {
    // AC 43.13-1B figure 10-14: 40 US gal at take-off, 25 burned, 2 taxied.
    load({"17", "340", "170", "100", "38", "25", "2"});
    expectEnterShowsResults("txtTaxi");
    EXPECT_EQ(text("LblRampWeight"), "2036.0 lb");
    EXPECT_EQ(text("LblTakeoffWeight"), "2024.0 lb");
    EXPECT_EQ(text("LblTakeoffMoment"), "37724.4 lb·in");
    EXPECT_EQ(text("LblTakeoffCG"), "18.64 in");
    EXPECT_EQ(text("LblTakeoffMAC"), "31.1% MAC");
    EXPECT_EQ(text("LblTakeoffMargin"),
              "3.26 in to the aft limit, 76.0 lb below the maximum weight");
    EXPECT_EQ(text("LblLandingWeight"), "1874.0 lb");
    EXPECT_EQ(text("LblLandingCG"), "18.37 in");
    EXPECT_EQ(text("LblTakeoffVerdict"), "Within limits");
    EXPECT_EQ(text("LblLandingVerdict"), "Within limits");
    // The results are announced when the program next waits for events.
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(label("LblLandingVerdict")->accessibleDescription(), QStringLiteral("Within limits"));
    EXPECT_EQ(label("LblLandingVerdict")->accessibleName(), QStringLiteral("Landing verdict"));
}

struct VerdictRow {
    const char* what;
    const char* entries[6];
    const char* takeoff;
    const char* landing;
};

class LoadingVerdictTest : public LoadingWindowTest,
                           public ::testing::WithParamInterface<VerdictRow> {};

TEST_P(LoadingVerdictTest, SaysWhichLimitIsBroken) {
    const VerdictRow& v = GetParam();
    load({v.entries[0], v.entries[1], v.entries[2], v.entries[3], v.entries[4], v.entries[5], ""});
    click(compute());
    EXPECT_EQ(text("LblTakeoffVerdict"), v.takeoff) << v.what;
    EXPECT_EQ(text("LblLandingVerdict"), v.landing) << v.what;
}

INSTANTIATE_TEST_SUITE_P(
    Limits, LoadingVerdictTest,
    ::testing::Values(
        VerdictRow{"baggage",
                   {"17", "170", "", "120", "20", "10"},
                   "Out of limits: Baggage over its maximum by 20.0 lb",
                   "Out of limits: Baggage over its maximum by 20.0 lb"},
        VerdictRow{"aft",
                   {"", "170", "340", "100", "", ""},
                   "Out of limits: CG aft of the envelope by 0.01 in",
                   "Out of limits: CG aft of the envelope by 0.01 in"},
        VerdictRow{"every drop burned",
                   {"17", "340", "", "", "40", "40"},
                   "Within limits",
                   "Within limits"},
        VerdictRow{"heavy",
                   {"17", "340", "340", "100", "40", "35"},
                   "Out of limits: over the maximum take-off weight by 106.0 lb and above the "
                   "envelope by 106.0 lb",
                   "Within limits"},
        VerdictRow{"heavy and aft",
                   {"17", "170", "500", "100", "40", ""},
                   "Out of limits: over the maximum take-off weight by 96.0 lb, above the envelope "
                   "by 96.0 lb and CG aft of the envelope by 1.37 in",
                   "Out of limits: over the maximum landing weight by 96.0 lb, above the envelope "
                   "by 96.0 lb and CG aft of the envelope by 1.37 in"},
        VerdictRow{"tank",
                   {"17", "170", "", "", "41", ""},
                   "Out of limits: Main tank over its capacity by 1.0 US gal",
                   "Within limits"}));

// A verdict is told by its words and its frame, not by its colour alone.
TEST_F(LoadingWindowTest, OutOfLimitsIsFramedAndWithinLimitsIsNot) {
    const auto framed = [this](const char* name) {
        const QImage image = label(name)->grab().toImage();
        return image.pixelColor(1, image.height() / 2).lightness() < 128;
    };
    load({"17", "170", "", "120", "20", "20", ""});
    click(compute());
    EXPECT_TRUE(framed("LblTakeoffVerdict"));
    load({"17", "170", "", "", "20", "10", ""});
    click(compute());
    EXPECT_EQ(text("LblTakeoffVerdict"), "Within limits");
    EXPECT_FALSE(framed("LblTakeoffVerdict"));
}

struct InputError {
    const char* entries[7];
    const char* message;
    const char* field;
};

class LoadingInputTest : public LoadingWindowTest,
                         public ::testing::WithParamInterface<InputError> {};

TEST_P(LoadingInputTest, ReportsTheFieldInTheWindowAndSelectsIt) {
    const InputError& e = GetParam();
    load({e.entries[0], e.entries[1], e.entries[2], e.entries[3], e.entries[4], e.entries[5],
          e.entries[6]});
    expectEnterReports("txtTaxi", e.message, e.field);
}

TEST_F(LoadingWindowTest, EnterMovesOnAndComputesWithoutABeep) {
    expectQuietEnterChain(kChain, {"17", "340", "170", "100", "38", "25", "2"});
    EXPECT_EQ(text("LblTakeoffWeight"), "2024.0 lb");
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, LoadingInputTest,
    ::testing::Values(
        InputError{{"17", "1..7", "", "", "", "", ""},
                   "Enter a number for the load at Front seats!",
                   "txtStation2"},
        InputError{{"", "", "", "", "3/4", "", ""},
                   "Enter a number for the take-off fuel in Main!",
                   "txtFuel1"},
        InputError{{"", "", "", "", "", ".", ""},
                   "Enter a number for the fuel burned from Main!",
                   "txtBurn1"},
        InputError{{"", "", "", "", "", "", "1/"}, "Enter a number for the taxi fuel!", "txtTaxi"},
        // No tank burns more than it held at take-off.
        InputError{{"17", "170", "", "", "10", "15", ""},
                   "More fuel burned from Main than the 10.0 US gal it held at take-off!",
                   "txtBurn1"},
        InputError{{"17", "170", "", "", "", "0.1", ""},
                   "More fuel burned from Main than the 0.0 US gal it held at take-off!",
                   "txtBurn1"}));

TEST_F(LoadingWindowTest, FieldsTakeDigitsAndAPointOnly) {
    BeepCounter beeps;
    type(field("txtStation2"), QStringLiteral("-1a7e.5"));
    EXPECT_EQ(field("txtStation2")->text(), QStringLiteral("17.5"));
    EXPECT_EQ(beeps.count(), 3);
}

TEST_F(LoadingWindowTest, FuelByWeightGivesTheSameLoading) {
    click(option("optWeight"));
    ASSERT_TRUE(option("optWeight")->isChecked());
    load({"17", "340", "170", "100", "228", "150", "12"});
    click(compute());
    EXPECT_EQ(text("LblTakeoffWeight"), "2024.0 lb");
    EXPECT_EQ(text("LblLandingCG"), "18.37 in");
    EXPECT_EQ(text("lblTaxiUnit"), "lb");
}

// Opened from the launcher, no navigation log is there to give the trip fuel: the window
// says where it comes from (LoadingForFlightTest.cpp has the window opened from the log).
TEST_F(LoadingWindowTest, FromNavigationLogSaysToOpenTheWindowFromTheLog) {
    load({"17", "340", "", "", "40", "", ""});
    click(button("cmdFromNavLog"));
    EXPECT_EQ(text("ErrorLbl"),
              "Open this window from the navigation log's Edit menu, Loading for This Flight, "
              "to take the plan's trip fuel.");
    EXPECT_EQ(text("txtBurn1"), "");
}

// Where the graph draws a point, and whether the drawn outline lies on both sides of it
// along its row of pixels.
struct Drawn {
    bool marker = false;
    bool outlineLeft = false;
    bool outlineRight = false;
};

Drawn drawnAt(EnvelopeGraph* graph, aircraft::EnvelopePoint point) {
    const QImage image = graph->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = image.devicePixelRatio();
    const QPointF at = graph->frame().toPixel(point) * ratio;
    const int y = qRound(at.y());
    const QRgb ink = graph->palette().color(QPalette::Text).rgb();
    const QRgb outline = graph->palette().color(QPalette::Highlight).rgb();
    Drawn drawn;
    drawn.marker = image.pixel(qRound(at.x()), y) == ink;
    for (int x = qRound(at.x()); x >= 0 && !drawn.outlineLeft; --x) {
        drawn.outlineLeft = image.pixel(x, y) == outline;
    }
    for (int x = qRound(at.x()); x < image.width() && !drawn.outlineRight; ++x) {
        drawn.outlineRight = image.pixel(x, y) == outline;
    }
    return drawn;
}

TEST_F(LoadingWindowTest, TheGraphDrawsTheTakeoffPointInsideTheEnvelopeInEveryScheme) {
    load({"17", "340", "170", "100", "40", "25", ""});
    click(compute());
    auto* graph = child<EnvelopeGraph>(window, QStringLiteral("graphEnvelope"));
    ASSERT_TRUE(graph->data().takeoff);
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(20, 20, 20));
    dark.setColor(QPalette::Text, QColor(240, 240, 240));
    dark.setColor(QPalette::Highlight, QColor(255, 200, 0));
    QPalette contrast;
    contrast.setColor(QPalette::Base, Qt::black);
    contrast.setColor(QPalette::Text, Qt::white);
    contrast.setColor(QPalette::Highlight, Qt::cyan);
    for (const QPalette& palette : {window->palette(), dark, contrast}) {
        graph->setPalette(palette);
        for (const QSize size : {QSize(200, 150), QSize(900, 700)}) {
            graph->resize(size);
            const Drawn drawn = drawnAt(graph, *graph->data().takeoff);
            EXPECT_TRUE(drawn.marker) << size.width();
            EXPECT_TRUE(drawn.outlineLeft && drawn.outlineRight) << size.width();
        }
    }
    // A loading aft of the envelope is drawn beyond its aft edge.
    load({"", "", "340", "100", "", "", ""});
    click(compute());
    ASSERT_EQ(text("LblTakeoffVerdict"), "Out of limits: CG aft of the envelope by 0.64 in");
    graph->resize(600, 400);
    const Drawn aft = drawnAt(graph, *graph->data().takeoff);
    EXPECT_TRUE(aft.outlineLeft);
    EXPECT_FALSE(aft.outlineRight);
}

// The weight axis's title stands clear above the frame, and without an envelope there
// are no axes to label.
TEST(EnvelopeGraphTest, TheWeightTitleClearsTheFrameAndNoEnvelopeDrawsNoAxes) {
    EnvelopeGraph graph;
    graph.resize(600, 400);
    const QColor base = graph.palette().color(QPalette::Base);
    const auto inked = [&base](const QImage& image, int y, int fromX, int toX) {
        for (int x = fromX; x < toX; ++x) {
            if (image.pixelColor(x, y) != base) {
                return true;
            }
        }
        return false;
    };
    const QImage empty = graph.grab().toImage();
    EXPECT_FALSE(inked(empty, 5, 0, empty.width()));  // no title, no frame at the top
    EXPECT_FALSE(inked(empty, empty.height() - 5, 0, empty.width()));

    const aircraft::Aircraft a = aircraft::test::circularAircraft();
    graph.setData(
        {a.normal, {}, std::nullopt, std::nullopt, QStringLiteral("lb"), QStringLiteral("in")});
    const QImage drawn = graph.grab().toImage();
    const int top = qRound(graph.frame().plot().top() * drawn.devicePixelRatio());
    const int left = qRound(graph.frame().plot().left() * drawn.devicePixelRatio());
    // Above the frame's top left corner, where the title stands (no tick is that high
    // in this envelope): the title's ink, then a clear row, then the frame.
    int lastTitleRow = -1;
    for (int y = 0; y < top - 1; ++y) {
        if (inked(drawn, y, 0, left + 12)) {
            lastTitleRow = y;
        }
    }
    EXPECT_GE(lastTitleRow, 0) << "no title";
    EXPECT_LT(lastTitleRow, top - 2);
}

TEST_F(LoadingWindowTest, ADamagedFileIsListedWithItsReasonAndKept) {
    const QString path =
        AircraftStore::defaultFolder() + QStringLiteral("/broken.aerolume-aircraft");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray newer = R"({"format": "aerolume-aircraft", "version": 7})";
    file.write(newer);
    file.close();
    reopenLoading(CloseBy::MenuEntry);
    auto* combo = child<QComboBox>(window, QStringLiteral("cboAircraft"));
    ASSERT_EQ(combo->count(), 2);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentText(), QStringLiteral("broken.aerolume-aircraft (damaged)"));
    EXPECT_EQ(
        text("ErrorLbl"),
        "This aircraft file cannot be read, version: 7 is newer than this program reads (2).");
    EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("txtStation1")), nullptr);
    closeWindow(window, CloseBy::CloseBox);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), newer);
}

// Fills a cell of an editor table by keys: the key that starts the edit, the rest, Enter.
void typeCell(QTableWidget* table, int row, int column, const QString& text) {
    table->setFocus();
    table->setCurrentCell(row, column);
    type(table, text.left(1));
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : table->viewport()->findChildren<QLineEdit*>()) {
        editor = e->isVisible() ? e : editor;
    }
    ASSERT_NE(editor, nullptr) << "no cell editor opened";
    type(editor, text.mid(1));
    pressEnter(editor);
    QCoreApplication::processEvents();  // the view commits the cell once the key is handled
}

TEST_F(LoadingWindowTest, NewAircraftIsEditedAndItsEnvelopeDrawnAsTyped) {
    int previewPoints = -1;
    QString firstFault;
    loading()->setDialogRunner([&](QDialog& dialog) {
        dialog.show();
        typeFields(&dialog,
                   {"txtName", "txtRegistration", "txtEmptyWeight", "txtEmptyArm", "txtMaxRamp",
                    "txtMaxTakeoff", "txtMaxLanding"},
                   {"Trainer", "N12345", "1500", "85", "2450", "2400", "2300"});
        auto* envelope = child<QTableWidget>(&dialog, QStringLiteral("tblEnvelope"));
        auto* add = child<QPushButton>(&dialog, QStringLiteral("cmdAddPoint"));
        const char* const points[][2] = {{"1500", "80"}, {"2400", "95"}, {"2400", "80"}};
        for (int row = 0; row < 3; ++row) {
            click(add);
            typeCell(envelope, row, 0, QString::fromLatin1(points[row][0]));
            typeCell(envelope, row, 1, QString::fromLatin1(points[row][1]));
        }
        previewPoints = static_cast<int>(
            child<EnvelopeGraph>(&dialog, QStringLiteral("graphPreview"))->data().normal.size());
        auto* ok = child<QDialogButtonBox>(&dialog, QStringLiteral("buttonBox"))
                       ->button(QDialogButtonBox::Ok);
        click(add);
        typeCell(envelope, 3, 0, QStringLiteral("1500"));
        typeCell(envelope, 3, 1, QStringLiteral("95"));  // crosses the edge back to the start
        click(ok);
        firstFault = child<QLabel>(&dialog, QStringLiteral("lblEditorError"))->text();
        envelope->setCurrentCell(3, 0);
        click(child<QPushButton>(&dialog, QStringLiteral("cmdRemovePoint")));
        click(ok);
        return dialog.result();
    });
    click(button("cmdNew"));
    EXPECT_EQ(previewPoints, 3);
    EXPECT_EQ(firstFault,
              QStringLiteral("CG envelope (normal) crosses itself or repeats a point."));
    auto* combo = child<QComboBox>(window, QStringLiteral("cboAircraft"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("Trainer (N12345)"));
    EXPECT_EQ(AircraftStore().entries().size(), 2);
    EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("txtStation1")), nullptr);
}

TEST_F(LoadingWindowTest, DuplicateDeleteImportExportAndPdf) {
    QTemporaryDir outside;
    QString chosen;
    loading()->setFileChooser([&](LoadingWindow::FileRole, const QString&) { return chosen; });
    click(button("cmdDuplicate"));
    auto* combo = child<QComboBox>(window, QStringLiteral("cboAircraft"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("AC 43.13-1B example (copy) (N43131)"));
    EXPECT_EQ(combo->count(), 2);

    int asked = 0;
    loading()->setDialogRunner([&](QDialog&) {
        ++asked;
        return int(QMessageBox::Yes);
    });
    click(button("cmdDelete"));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(combo->count(), 1);

    chosen = outside.filePath(QStringLiteral("out.aerolume-aircraft"));
    click(button("cmdExport"));
    EXPECT_TRUE(QFile::exists(chosen));
    click(button("cmdImport"));
    EXPECT_EQ(combo->count(), 2);
    chosen = outside.filePath(QStringLiteral("notes.txt"));
    QFile notes(chosen);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("hello");
    notes.close();
    click(button("cmdImport"));
    EXPECT_EQ(text("ErrorLbl"),
              "Could not import notes.txt: not a JSON file (illegal value at character 1).");
    EXPECT_EQ(combo->count(), 2);

    load({"17", "340", "170", "100", "40", "25", ""});
    chosen = outside.filePath(QStringLiteral("loading.pdf"));
    click(button("cmdPdf"));
    QFile pdf(chosen);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_GT(pdf.size(), 2000);
}

// The aircraft shown, as another program changes it on disk.
QString shownFile() {
    return AircraftStore().entries().constFirst().path;
}

void writeAsAnotherProgram(const aircraft::Aircraft& a) {
    QString error;
    ASSERT_TRUE(AircraftStore().exportFile(a, shownFile(), &error)) << error.toStdString();
}

TEST_F(LoadingWindowTest, AnAircraftChangedOnDiskIsReadAgainBeforeAnyComputation) {
    load({"17", "340", "170", "100", "40", "25", ""});
    const std::string before = text("LblTakeoffWeight");
    aircraft::Aircraft heavier = aircraft::test::circularAircraft();
    heavier.emptyWeight += 100;
    writeAsAnotherProgram(heavier);
    click(compute());
    EXPECT_EQ(text("ErrorLbl"),
              "AC-43-13-1B-example.aerolume-aircraft was changed on disk and "
              "has been read again: check the loads and compute again.");
    EXPECT_EQ(text("LblTakeoffWeight"), "");
    EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("txtStation2"))->text(), "340");
    click(compute());
    EXPECT_FALSE(errorShown());
    EXPECT_NE(text("LblTakeoffWeight"), before);

    ASSERT_TRUE(QFile::remove(shownFile()));
    click(compute());
    EXPECT_EQ(text("ErrorLbl"),
              "AC-43-13-1B-example.aerolume-aircraft was removed from the "
              "aircraft folder by another program.");
    EXPECT_EQ(child<QComboBox>(window, QStringLiteral("cboAircraft"))->count(), 0);
}

TEST_F(LoadingWindowTest, EditsNeverGoOverAFileChangedOrRemovedWhileTheEditorWasOpen) {
    const struct {
        bool remove;
        int answer;
        int files;  // in the folder afterwards
    } rows[] = {{false, QMessageBox::No, 1},
                {false, QMessageBox::Yes, 2},
                {true, QMessageBox::No, 0},
                {true, QMessageBox::Yes, 1}};
    for (const auto& row : rows) {
        QDir(AircraftStore::defaultFolder()).removeRecursively();
        QString error;
        ASSERT_TRUE(AircraftStore().save(aircraft::test::circularAircraft(), {}, &error));
        reopenLoading(CloseBy::Button);
        const QString path = shownFile();
        aircraft::Aircraft other = aircraft::test::circularAircraft();
        other.registration = "N99999";
        QStringList asked;
        loading()->setDialogRunner([&](QDialog& dialog) {
            if (dialog.objectName() == QLatin1String("askChangedOnDisk")) {
                asked << static_cast<QMessageBox&>(dialog).text();
                return row.answer;
            }
            if (row.remove) {
                QFile::remove(path);
            } else {
                writeAsAnotherProgram(other);
            }
            dialog.show();
            typeFields(&dialog, {"txtEmptyWeight"}, {"1200"});
            click(child<QDialogButtonBox>(&dialog, QStringLiteral("buttonBox"))
                      ->button(QDialogButtonBox::Ok));
            return dialog.result();
        });
        click(button("cmdEdit"));
        EXPECT_EQ(asked.size(), 1);
        EXPECT_EQ(AircraftStore().entries().size(), row.files);
        if (!row.remove) {
            const auto kept = aircraft::readAircraftFile(path);
            ASSERT_TRUE(kept.aircraft);
            EXPECT_EQ(kept.aircraft->registration, "N99999");  // the other program's
            EXPECT_EQ(kept.aircraft->emptyWeight, 1169);
        } else if (row.answer == QMessageBox::No) {
            EXPECT_FALSE(QFile::exists(path));  // not made again unasked
        }
    }
}

TEST_F(LoadingWindowTest, LongNamesAreCutWithTheWholeNameInTheirTooltip) {
    const int width = window->sizeHint().width();
    aircraft::Aircraft a = aircraft::test::circularAircraft();
    a.name = std::string(100, 'W');
    a.stations[1].name = std::string(100, 'S');
    a.tanks[0].name = std::string(100, 'T');
    QString error;
    ASSERT_TRUE(AircraftStore().save(a, {}, &error));
    reopenLoading(CloseBy::Button);
    auto* combo = child<QComboBox>(window, QStringLiteral("cboAircraft"));
    combo->setCurrentIndex(
        combo->findData(QStringLiteral("W").repeated(100) + " (N43131)", Qt::ToolTipRole));
    ASSERT_GE(combo->currentIndex(), 0);
    EXPECT_LT(combo->currentText().size(), 60);
    auto* station = child<QLabel>(window, QStringLiteral("lblStation2"));
    EXPECT_LT(station->text().size(), 60);
    EXPECT_EQ(station->toolTip(), QStringLiteral("S").repeated(100) + " (lb):");
    EXPECT_TRUE(child<QLabel>(window, QStringLiteral("lblTank1"))
                    ->toolTip()
                    .startsWith(QStringLiteral("T").repeated(100)));
    EXPECT_LE(window->sizeHint().width(), width + 40);
}

TEST_F(LoadingWindowTest, APipeInTheFolderIsListedAsDamagedAndNeverOpened) {
    const QByteArray pipe =
        QFile::encodeName(AircraftStore::defaultFolder() + "/pipe.aerolume-aircraft");
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    reopenLoading(CloseBy::Button);
    auto* combo = child<QComboBox>(window, QStringLiteral("cboAircraft"));
    ASSERT_EQ(combo->count(), 2);
    combo->setCurrentIndex(1);
    EXPECT_EQ(text("ErrorLbl"),
              "This aircraft file cannot be read, it is a named pipe, not a file.");
}

TEST_F(LoadingWindowTest, WithoutAircraftTheWindowSaysHowToMakeOne) {
    QDir(AircraftStore::defaultFolder()).removeRecursively();
    reopenLoading(CloseBy::Button);
    EXPECT_EQ(text("ErrorLbl"), "No aircraft yet, make one with New or bring one in with Import.");
    click(compute());
    EXPECT_TRUE(errorShown());
}

// The climb's three figures, and the descent's, are given together or not at all.
TEST(AircraftEditorClimbTest, TakesAllThreeFiguresOrNone) {
    aircraft::AircraftEditor editor(aircraft::test::circularAircraft());
    showAndActivate(&editor);
    QPushButton* ok =
        child<QDialogButtonBox>(&editor, QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok);
    const auto fault = [&] {
        return child<QLabel>(&editor, QStringLiteral("lblEditorError"))->text().toStdString();
    };
    typeFields(&editor, {"txtClimbRate", "txtClimbTas"}, {"700", "75"});
    click(ok);
    EXPECT_EQ(fault(),
              "Climb rate (ft/min), climb TAS (kt) and climb fuel flow (per hour) go "
              "together: fill in all three or none.");
    typeFields(&editor, {"txtClimbFuelFlow", "txtDescentTas"}, {"11.5", "1oo"});
    click(ok);
    EXPECT_EQ(fault(), "Descent TAS (kt) must be a number or left empty.");
    typeFields(&editor, {"txtDescentRate", "txtDescentTas", "txtDescentFuelFlow"},
               {"500", "120", "6"});
    click(ok);
    EXPECT_FALSE(editor.isVisible()) << fault();
    EXPECT_EQ(editor.aircraft().climb, (aircraft::ClimbPerformance{700, 75, 11.5}));
    EXPECT_EQ(editor.aircraft().descent, (aircraft::ClimbPerformance{500, 120, 6}));
}

// The editor says what is wrong in its own captions, as sentences, and stays open.
struct EditorFault {
    const char* what;
    void (*change)(aircraft::Aircraft&);
    const char* message;
};

void PrintTo(const EditorFault& f, std::ostream* os) {
    *os << f.what;
}

class AircraftEditorTest : public ::testing::TestWithParam<EditorFault> {};

TEST_P(AircraftEditorTest, SaysWhatIsWrongInTheFormsCaptions) {
    aircraft::Aircraft a = aircraft::test::circularAircraft();
    GetParam().change(a);
    aircraft::AircraftEditor editor(a);
    showAndActivate(&editor);
    click(child<QDialogButtonBox>(&editor, QStringLiteral("buttonBox"))
              ->button(QDialogButtonBox::Ok));
    EXPECT_EQ(child<QLabel>(&editor, QStringLiteral("lblEditorError"))->text().toStdString(),
              GetParam().message);
    EXPECT_TRUE(haveMessageLook(&editor, {"lblEditorError"}));
    EXPECT_TRUE(editor.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, AircraftEditorTest,
    ::testing::Values(
        EditorFault{"no name", [](aircraft::Aircraft& a) { a.name.clear(); },
                    "The aircraft needs a name."},
        EditorFault{"half a MAC", [](aircraft::Aircraft& a) { a.macLength.reset(); },
                    "LEMAC and MAC length go together: fill in both or neither."},
        EditorFault{"no ramp weight", [](aircraft::Aircraft& a) { a.maxRampWeight = 0; },
                    "Maximum ramp weight is 0 lb; it must be more than 0 and at most 2000000 lb."},
        EditorFault{"a station's limit",
                    [](aircraft::Aircraft& a) { a.stations[3].maxWeight = -1; },
                    "The maximum weight of station 4 is -1 lb; it must be from 0 to 2000000 lb."},
        EditorFault{"a fuel of no weight",
                    [](aircraft::Aircraft& a) {
                        a.tanks[0].fuel = aircraft::FuelType::Other;
                        a.tanks[0].density = 0;
                    },
                    "The density of tank 1 is 0 lb/US gal; it must be from 1 to 15 lb/US gal."},
        EditorFault{
            "a corner below 0", [](aircraft::Aircraft& a) { a.normal[1].weight = -5; },
            "The weight of point 2 of the CG envelope (normal) is -5 lb; it must be from 0 to "
            "2000000 lb."},
        EditorFault{"a utility envelope of two points",
                    [](aircraft::Aircraft& a) {
                        a.utility = {{1100, 8.5}, {1900, 8.5}};
                    },
                    "Utility envelope (optional) needs at least three points."},
        EditorFault{"a MAC of no length", [](aircraft::Aircraft& a) { a.macLength = 0.0; },
                    "MAC length is 0 in; it must be more than 0 and at most 1000 in."},
        EditorFault{"a metric arm just beyond its limit",
                    [](aircraft::Aircraft& a) {
                        a.units = aircraft::Units::KilogramMetre;
                        a.stations[0].arm = 250.000001;
                    },
                    "The arm of station 1 is 250.000001 m; it must be from -250 to 250 m."},
        EditorFault{"a cruise speed too fast", [](aircraft::Aircraft& a) { a.cruiseTas = 1000.5; },
                    "Cruise TAS is 1000.5 kt; it must be from 0 to 1000 kt."},
        EditorFault{"a climb rate of 0",
                    [](aircraft::Aircraft& a) {
                        a.climb = aircraft::ClimbPerformance{0, 75, 11};
                    },
                    "Climb rate is 0 ft/min; it must be from 1 to 10000 ft/min."},
        EditorFault{"a climb fuel flow below 0",
                    [](aircraft::Aircraft& a) {
                        a.climb = aircraft::ClimbPerformance{700, 75, -1};
                    },
                    "Climb fuel flow is -1 US gal/h; it must be from 0 to 10000 US gal/h."},
        EditorFault{"a descent rate too high",
                    [](aircraft::Aircraft& a) {
                        a.descent = aircraft::ClimbPerformance{10001, 100, 6};
                    },
                    "Descent rate is 10001 ft/min; it must be from 1 to 10000 ft/min."},
        EditorFault{"a descent too fast",
                    [](aircraft::Aircraft& a) {
                        a.units = aircraft::Units::KilogramMillimetre;
                        a.descent = aircraft::ClimbPerformance{500, 1000.5, 6};
                    },
                    "Descent TAS is 1000.5 kt; it must be from 1 to 1000 kt."},
        EditorFault{"a station's name of 101 characters",
                    [](aircraft::Aircraft& a) { a.stations[0].name = std::string(101, 'x'); },
                    "The name of station 1 has 101 characters, more than the 100 a name may "
                    "have."}));

}  // namespace
}  // namespace aerolume::test
