// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A paint device that keeps what a printout paints on it, page by page, instead of
// drawing it: every run of text with its font size in points, and every rectangle. Its
// units are points (72 dots per inch), so what a page test reads is what the paper
// shows.

#include <QPaintDevice>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

namespace aerolume::test {

class PageRecorder : public QPaintDevice {
public:
    struct Text {
        int page;
        QString text;
        double points;  // the font size
        QPointF at;     // the start of its baseline
    };
    struct Box {
        int page;
        QRectF rect;
    };

    explicit PageRecorder(const QSizeF& page);
    ~PageRecorder() override;

    // Paints `count` pages through `paint` (a painter on this device, and the page).
    void record(int count, const std::function<void(QPainter&, int)>& paint);

    const std::vector<Text>& texts() const;
    const std::vector<Box>& boxes() const;
    // The texts of one page, and whether one of them is exactly `text`.
    std::vector<Text> textsOn(int page) const;
    bool shows(int page, const QString& text) const;
    // The smallest box of the page around a point.
    std::optional<QRectF> boxAround(int page, const QPointF& point) const;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    QSizeF m_page;
    std::unique_ptr<Engine> m_engine;
};

}  // namespace aerolume::test
