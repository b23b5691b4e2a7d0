// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The navigation log as a pilot opens it, from the launcher's Compute menu, on the test
// airport data, with the Airport window it opens; the log's tests build on it.
#include <QAction>
#include <QTableView>
#include <QTemporaryDir>
#include <memory>

#include "airports/AirportData.h"
#include "airports/AirportWindow.h"
#include "planning/NavLogWindow.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {

class NavLogFixture : public ::testing::Test {
public:
    void SetUp() override {
        qputenv("AEROLUME_AIRPORT_DATABASE", AEROLUME_TEST_DATABASE);
        airports::AirportData::instance().reload();
        program =
            std::make_unique<TestProgram>(std::vector<std::pair<QString, WindowRegistry::Factory>>{
                {QStringLiteral("NavLog"),
                 [](WindowRegistry& r) { return new planning::NavLogWindow(r); }},
                {QStringLiteral("Airport"),
                 [](WindowRegistry& r) { return new airports::AirportWindow(r); }}});
        child<QAction>(program->main(), QStringLiteral("menuNavLog"))->trigger();
        window = qobject_cast<planning::NavLogWindow*>(
            program->registry().window(QStringLiteral("NavLog")));
        ASSERT_NE(window, nullptr);
        showAndActivate(window);
        table = child<QTableView>(window, QStringLiteral("tblLog"));
        model = window->model();
    }
    void TearDown() override {
        if (window != nullptr) {
            window->undoStack()->setClean();
        }
        program.reset();
    }

    QTemporaryDir dir;
    std::unique_ptr<TestProgram> program;
    planning::NavLogWindow* window = nullptr;
    QTableView* table = nullptr;
    planning::NavLogModel* model = nullptr;
};

}  // namespace aerolume::test
