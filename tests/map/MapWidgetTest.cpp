// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTest>

#include "map/MapWidget.h"

namespace aerolume::map {
namespace {

std::vector<MapCheckpoint> oxfordToSywell() {
    return {{QStringLiteral("EGTK Oxford"), {51.837, -1.32}},
            {QStringLiteral("DTY"), {52.18, -1.114}},
            {QStringLiteral("EGBK Sywell"), {52.305, -0.793}}};
}

TEST(MapWidgetTest, ZoomsPansAndFitsFromTheKeyboardAndWheel) {
    MapWidget map;
    map.resize(480, 360);
    map.show();
    map.setRoute(oxfordToSywell());
    EXPECT_EQ(map.objectName(), QStringLiteral("routeMap"));
    EXPECT_EQ(map.accessibleName(), QStringLiteral("Route map"));
    EXPECT_EQ(map.accessibleDescription(),
              QStringLiteral("3 checkpoints, from EGTK Oxford to EGBK Sywell."));
    const MapView fitted = map.view();
    ASSERT_TRUE(map.isFitted());

    QTest::keyClick(&map, Qt::Key_Plus);
    EXPECT_NEAR(map.view().pixelsPerNm, fitted.pixelsPerNm * 1.5, 1e-9);
    QTest::keyClick(&map, Qt::Key_Minus);
    EXPECT_NEAR(map.view().pixelsPerNm, fitted.pixelsPerNm, 1e-9);
    QTest::keyClick(&map, Qt::Key_Right);
    EXPECT_GT(map.view().centre.longitude, fitted.centre.longitude);
    QTest::keyClick(&map, Qt::Key_Up);
    EXPECT_GT(map.view().centre.latitude, fitted.centre.latitude);
    EXPECT_FALSE(map.isFitted());

    // The view stays where the pilot put it when the route changes...
    const MapView moved = map.view();
    auto route = oxfordToSywell();
    route.push_back({QStringLiteral("EGTC"), {52.072, -0.617}});
    map.setRoute(route);
    EXPECT_DOUBLE_EQ(map.view().centre.latitude, moved.centre.latitude);
    // ...until Home fits it again.
    QTest::keyClick(&map, Qt::Key_Home);
    EXPECT_TRUE(map.isFitted());
    EXPECT_NE(map.view().centre.longitude, moved.centre.longitude);

    // Dragging moves the map with the pointer.
    const MapView before = map.view();
    QTest::mousePress(&map, Qt::LeftButton, {}, QPoint(200, 200));
    QMouseEvent move(QEvent::MouseMove, QPointF(260, 200), map.mapToGlobal(QPointF(260, 200)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&map, &move);
    QTest::mouseRelease(&map, Qt::LeftButton, {}, QPoint(260, 200));
    EXPECT_LT(map.view().centre.longitude, before.centre.longitude);
    // The wheel zooms in about the pointer.
    QWheelEvent wheel(QPointF(100, 100), map.mapToGlobal(QPointF(100, 100)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&map, &wheel);
    EXPECT_NEAR(map.view().pixelsPerNm, before.pixelsPerNm * 1.25, 1e-9);
}

}  // namespace
}  // namespace aerolume::map
