// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageRecorder.h"

#include <QPaintEngine>
#include <QPainter>
#include <cmath>
#include <optional>

namespace aerolume::test {

class PageRecorder::Engine : public QPaintEngine {
public:
    Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyTransform) {
            m_transform = state.transform();
        }
    }
    // Lines, outlines and pictures are not kept.
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawLines(const QLineF*, int) override {}
    void drawLines(const QLine*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawPoints(const QPointF*, int) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        // The font's size scaled by the painter's transform, on a device of one dot a
        // point.
        const double scale = std::sqrt(std::abs(m_transform.determinant()));
        texts.push_back({page, item.text(), item.font().pointSizeF() * scale, m_transform.map(p)});
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            boxes.push_back({page, m_transform.mapRect(rects[i])});
        }
    }
    void drawRects(const QRect* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            boxes.push_back({page, m_transform.mapRect(QRectF(rects[i]))});
        }
    }

    int page = 0;
    std::vector<Text> texts;
    std::vector<Box> boxes;

private:
    QTransform m_transform;
};

PageRecorder::PageRecorder(const QSizeF& page)
    : m_page(page), m_engine(std::make_unique<Engine>()) {}

PageRecorder::~PageRecorder() = default;

void PageRecorder::record(int count, const std::function<void(QPainter&, int)>& paint) {
    QPainter painter(this);
    for (int i = 0; i < count; ++i) {
        m_engine->page = i;
        paint(painter, i);
    }
}

const std::vector<PageRecorder::Text>& PageRecorder::texts() const {
    return m_engine->texts;
}

const std::vector<PageRecorder::Box>& PageRecorder::boxes() const {
    return m_engine->boxes;
}

std::vector<PageRecorder::Text> PageRecorder::textsOn(int page) const {
    std::vector<Text> on;
    for (const Text& t : texts()) {
        if (t.page == page) {
            on.push_back(t);
        }
    }
    return on;
}

bool PageRecorder::shows(int page, const QString& text) const {
    const auto on = textsOn(page);
    return std::any_of(on.begin(), on.end(), [&](const Text& t) { return t.text == text; });
}

std::optional<QRectF> PageRecorder::boxAround(int page, const QPointF& point) const {
    std::optional<QRectF> smallest;
    for (const Box& b : boxes()) {
        if (b.page == page && b.rect.contains(point) &&
            (!smallest ||
             b.rect.width() * b.rect.height() < smallest->width() * smallest->height())) {
            smallest = b.rect;
        }
    }
    return smallest;
}

QPaintEngine* PageRecorder::paintEngine() const {
    return m_engine.get();
}

int PageRecorder::metric(PaintDeviceMetric metric) const {
    switch (metric) {
        case PdmWidth:
            return static_cast<int>(std::ceil(m_page.width()));
        case PdmHeight:
            return static_cast<int>(std::ceil(m_page.height()));
        case PdmWidthMM:
            return static_cast<int>(std::lround(m_page.width() * 25.4 / 72));
        case PdmHeightMM:
            return static_cast<int>(std::lround(m_page.height() * 25.4 / 72));
        case PdmNumColors:
            return 256;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 72;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}

}  // namespace aerolume::test
