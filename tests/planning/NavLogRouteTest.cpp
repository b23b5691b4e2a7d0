// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log's route files and route map, through its menus and file dialogs.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "NavLogFixture.h"
#include "airports/AirportData.h"
#include "map/MapWidget.h"
#include "planning/NavLogWindow.h"
#include "planning/PlanFile.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {
namespace {

using planning::NavLogModel;
using planning::NavLogWindow;

class RouteTest : public NavLogFixture {
public:
    QString path(const QString& name) const { return dir.filePath(name); }
    // Types into the cell as a pilot would, and ends the entry with Enter.
    void type(int row, int column, const QString& text) {
        showAndActivate(window);
        table->setFocus();
        table->setCurrentIndex(model->index(row, column));
        for (QChar c : text) {
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
    }
    void trigger(const char* action) {
        child<QAction>(window, QString::fromLatin1(action))->trigger();
    }

    // A plan of two airports and a navaid from the data and a strip of the pilot's own,
    // saved, so that an import finds nothing unsaved.
    void typePlan() {
        type(0, NavLogModel::Name, QStringLiteral("EGTK"));
        type(1, NavLogModel::Name, QStringLiteral("CPT"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Compton, listed first
        type(2, NavLogModel::Name, QStringLiteral("Home strip"));
        type(2, NavLogModel::Latitude, QStringLiteral("51 12 34.5 N"));
        type(2, NavLogModel::Longitude, QStringLiteral("0 41 09 W"));
        type(3, NavLogModel::Name, QStringLiteral("LFAT"));
        ASSERT_EQ(model->checkpointCount(), 4);
        ASSERT_TRUE(window->saveFile(path(QStringLiteral("trip.aerolume-plan"))));
    }
};

struct FormatCase {
    const char* exportEntry;
    const char* file;
    const char* homeName;  // the typed checkpoint's name as it comes back
};

class RoundTripTest : public RouteTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(RoundTripTest, AnExportedRouteImportsAsTheSameCheckpoints) {
    const FormatCase& c = GetParam();
    typePlan();
    const planning::Plan before = model->plan();
    const QString file = path(QString::fromLatin1(c.file));
    QString note;
    EXPECT_EQ(answerFileDialogs(
                  file, [&] { trigger(c.exportEntry); }, &note),
              QString());
    EXPECT_TRUE(note.contains(QStringLiteral("wind, altitude and true airspeed")))
        << note.toStdString();
    ASSERT_TRUE(QFile::exists(file));

    const QString summary = answerFileDialogs(file, [&] { trigger("mnuImportRoute"); });
    EXPECT_TRUE(
        summary.startsWith(QStringLiteral("4 points read: 3 matched to the airport and navaid "
                                          "data, 1 user waypoint, 0 not matched.")))
        << summary.toStdString();
    const planning::Plan& after = model->plan();
    ASSERT_EQ(after.checkpoints.size(), before.checkpoints.size());
    for (std::size_t i = 0; i < before.checkpoints.size(); ++i) {
        const planning::Checkpoint& a = after.checkpoints[i];
        const planning::Checkpoint& b = before.checkpoints[i];
        EXPECT_NEAR(a.latitude, b.latitude, 1e-6) << i;
        EXPECT_NEAR(a.longitude, b.longitude, 1e-6) << i;
        EXPECT_EQ(a.origin, b.origin) << i;
        EXPECT_EQ(a.name, i == 2 ? c.homeName : b.name) << i;
    }
    // A new plan, not yet saved; one undo gives back the empty one.
    EXPECT_TRUE(window->filePath().isEmpty());
    EXPECT_TRUE(window->isWindowModified());
    window->undoStack()->undo();
    EXPECT_EQ(model->checkpointCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTripTest,
                         ::testing::Values(FormatCase{"mnuExportFpl", "trip.fpl", "HOME STRIP"},
                                           FormatCase{"mnuExportGpx", "trip.gpx", "Home strip"}));

TEST_F(RouteTest, TheSimulatorPlanIsWrittenWithItsIdentifiersAndTooShortARouteIsRefused) {
    type(0, NavLogModel::Name, QStringLiteral("EGTK"));
    const QString file = path(QStringLiteral("trip.fms"));
    EXPECT_TRUE(answerFileDialogs(file, [&] {
                    trigger("mnuExportFms");
                }).contains(QStringLiteral("at least a departure and a destination")));
    EXPECT_FALSE(QFile::exists(file));
    type(1, NavLogModel::Name, QStringLiteral("LFAT"));
    EXPECT_EQ(answerFileDialogs(file, [&] { trigger("mnuExportFms"); }), QString());
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.contains("EGTK") && bytes.contains("LFAT")) << bytes.toStdString();
}

struct BadFile {
    const char* what;
    QByteArray bytes;
    const char* said;  // a part of the message
};

class HostileFileTest : public RouteTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(HostileFileTest, IsRefusedByNameAndThePlanStaysAsItWas) {
    typePlan();
    type(0, NavLogModel::Name, QStringLiteral("Changed"));
    const planning::Plan before = model->plan();
    const QString file = path(QStringLiteral("bad.gpx"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(GetParam().bytes);
    out.close();
    const QString message = answerFileDialogs(file, [&] { trigger("mnuImportRoute"); });
    EXPECT_TRUE(message.contains(QStringLiteral("bad.gpx"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromLatin1(GetParam().said))) << message.toStdString();
    EXPECT_EQ(model->plan(), before);
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(window->filePath().endsWith(QStringLiteral("trip.aerolume-plan")));
}

QByteArray manyPoints(int count) {
    QByteArray gpx = R"(<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1"><rte>)";
    for (int i = 0; i < count; ++i) {
        gpx += R"(<rtept lat="1" lon="2"/>)";
    }
    return gpx + "</rte></gpx>";
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileFileTest,
    ::testing::Values(BadFile{"NotXml", "PK\x03\x04 a zip file", "flight plan"},
                      BadFile{"EntityBomb",
                              R"(<?xml version="1.0"?><!DOCTYPE gpx [<!ENTITY a "aaaaaaaaaa">)"
                              R"(<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">]><gpx>&b;</gpx>)",
                              "DTD"},
                      BadFile{
                          "NoPosition",
                          R"(<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1"><rte>)"
                          R"(<rtept lat="1" lon="2"/><rtept lat="3"/></rte></gpx>)",
                          "lon"},
                      BadFile{"TooManyPoints", manyPoints(1001), "1000"},
                      BadFile{"HundredThousandPoints", manyPoints(100000), "larger than 2 MB"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(RouteTest, TheMapFollowsEveryEditAndHidesFromTheViewMenu) {
    typePlan();
    auto* map = child<map::MapWidget>(window, QStringLiteral("routeMap"));
    ASSERT_EQ(map->route().size(), 4u);
    EXPECT_EQ(map->route()[0].name, QStringLiteral("EGTK"));
    EXPECT_EQ(map->route()[2].name, QStringLiteral("Home strip"));
    type(2, NavLogModel::Latitude, QStringLiteral("50S"));
    EXPECT_DOUBLE_EQ(map->route()[2].position.latitude, -50);
    window->undoStack()->undo();
    EXPECT_NEAR(map->route()[2].position.latitude, 51.209583, 1e-6);
    trigger("mnuDelete");
    EXPECT_EQ(map->route().size(), 3u);
    EXPECT_TRUE(map->isVisible());
    showAndActivate(window);
    QTest::keyClick(window, Qt::Key_M, Qt::ControlModifier);
    EXPECT_FALSE(map->isVisible());
}

TEST_F(RouteTest, ThePrintedLogCarriesTheMapUnlessItIsTurnedOff) {
    typePlan();
    const QString with = path(QStringLiteral("with.pdf"));
    const QString without = path(QStringLiteral("without.pdf"));
    ASSERT_TRUE(window->exportPdf(with));
    trigger("mnuPrintMap");
    ASSERT_TRUE(window->exportPdf(without));
    // The coastlines, borders and names of the map's strip.
    EXPECT_GT(QFileInfo(with).size(), QFileInfo(without).size() + 5000);
}

}  // namespace
}  // namespace aerolume::test
