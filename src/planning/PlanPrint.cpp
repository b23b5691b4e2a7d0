// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanPrint.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "PlanText.h"
#include "PlanWarningText.h"
#include "common/Durations.h"
#include "common/FormatMask.h"

namespace aerolume::planning {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("PlanPrint", text);
}

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

const QString kDash = QStringLiteral("–");

QString fixed(const std::optional<double>& value, int decimals) {
    return value ? q(formatFixed(*value, decimals)) : kDash;
}

// Courses and headings as written on a log: three digits, no degree sign.
QString degrees(const std::optional<double>& value) {
    return value ? q(formatDirection(*value)).remove(QStringLiteral("°")) : kDash;
}

// A time as h:mm, to the minute, for the kneeboard.
QString minutes(const std::optional<double>& hours) {
    if (!hours) {
        return kDash;
    }
    const std::string full = formatDuration(std::round(*hours * 60) / 60);
    return q(full.substr(0, full.size() - 3));
}

struct Column {
    const char* caption;  // two lines apart by '\n'
    double weight;
};

constexpr Column kColumns[] = {
    {QT_TRANSLATE_NOOP("PlanPrint", "Checkpoint\n"), 3.2},
    {QT_TRANSLATE_NOOP("PlanPrint", "TC\n"), 1},
    {QT_TRANSLATE_NOOP("PlanPrint", "Wind\n(kt)"), 1.7},
    {QT_TRANSLATE_NOOP("PlanPrint", "TAS\n(kt)"), 1},
    {QT_TRANSLATE_NOOP("PlanPrint", "WCA\n"), 1},
    {QT_TRANSLATE_NOOP("PlanPrint", "TH\n"), 1},
    {QT_TRANSLATE_NOOP("PlanPrint", "Var\n"), 1.2},
    {QT_TRANSLATE_NOOP("PlanPrint", "MH\n"), 1},
    {QT_TRANSLATE_NOOP("PlanPrint", "Dist\nleg"), 1.3},
    {QT_TRANSLATE_NOOP("PlanPrint", "Dist\nrem"), 1.3},
    {QT_TRANSLATE_NOOP("PlanPrint", "GS\n(kt)"), 1},
    {QT_TRANSLATE_NOOP("PlanPrint", "ETE\n"), 1.1},
    {QT_TRANSLATE_NOOP("PlanPrint", "Fuel\nleg"), 1.1},
    {QT_TRANSLATE_NOOP("PlanPrint", "Fuel\nrem"), 1.1},
    {QT_TRANSLATE_NOOP("PlanPrint", "ETA\n"), 1.1},
    {QT_TRANSLATE_NOOP("PlanPrint", "ATA\n"), 1.1},
    {QT_TRANSLATE_NOOP("PlanPrint", "Act.\nfuel"), 1.1},
};
constexpr int kColumnCount = static_cast<int>(std::size(kColumns));

// The texts of one checkpoint's row.
QStringList rowTexts(const Plan& plan, const PlanResult& result, std::size_t i) {
    QStringList cells;
    cells << q(plan.checkpoints[i].name);
    if (i == 0) {
        for (int c = 1; c < kColumnCount; ++c) {
            cells << QString();
        }
        cells[9] = fixed(result.totalDistance, 1);
        cells[13] = fixed(std::max(0.0, result.fuelAfterTaxi), 1);
        return cells;
    }
    const LegResult& leg = result.legs[i - 1];
    const LegConditions& c = leg.conditions;
    cells << degrees(leg.trueCourse)
          << degrees(c.windDirection) + u'/' + q(formatFixed(c.windSpeed, 0))
          << q(formatFixed(c.trueAirspeed, 0)) << (leg.wca ? q(formatWca(*leg.wca)) : kDash)
          << degrees(leg.trueHeading)
          << q(formatVariation(c.variation)).remove(QStringLiteral("° ")).remove(u'°')
          << degrees(leg.magneticHeading) << fixed(leg.distance, 1)
          << fixed(leg.distanceRemaining, 1) << fixed(leg.groundSpeed, 0) << minutes(leg.time)
          << fixed(leg.fuel, 1) << fixed(leg.fuelRemaining, 1) << QString() << QString()
          << QString();
    return cells;
}

}  // namespace

int paintPlanPages(QPagedPaintDevice& device, const Plan& plan, const PlanResult& result,
                   const QDate& date) {
    QPainter painter(&device);
    // Points: the device's units scaled to 1/72 inch.
    const double scale = device.logicalDpiX() / 72.0;
    painter.scale(scale, scale);
    const QRectF page(QPointF(0, 0), device.pageLayout().paintRect(QPageLayout::Point).size());

    double totalWeight = 0;
    for (const Column& column : kColumns) {
        totalWeight += column.weight;
    }
    const double unit = page.width() / totalWeight;
    const double fontSize = std::clamp(unit * 0.36, 6.0, 9.0);
    // The painter is scaled to points already: a font of p points is set as p / scale
    // so that the device's own conversion does not apply the scale a second time.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(fontSize / scale);
    QFont bold = font;
    bold.setBold(true);
    QFont title = bold;
    title.setPointSizeF(fontSize * 1.5 / scale);
    const double rowHeight = std::max(fontSize * 2.4, 16.0);
    const double captionHeight = fontSize * 3;

    const QString unitName = tr(fuelUnitLabel(plan.defaults.fuelUnit));
    auto amount = [&](const std::optional<double>& value, int decimals, const QString& suffix) {
        return value ? q(formatFixed(*value, decimals)) + u' ' + suffix : tr("unknown");
    };
    const QString totals =
        tr("Date %1 · Distance %2 · Time %3 · Trip fuel %4 · Taxi fuel %5 · Fuel at start %6 · "
           "Reserve %7 (%8 min) · Great circle %9 · In the table: NM, kt, h:mm, %10")
            .arg(date.isValid() ? date.toString(Qt::ISODate) : tr("none"),
                 amount(result.totalDistance, 1, tr("NM")),
                 result.totalTime ? minutes(result.totalTime) : tr("unknown"),
                 amount(result.tripFuel, 1, unitName), amount(plan.defaults.taxiFuel, 1, unitName),
                 amount(plan.defaults.fuelAtStart, 1, unitName),
                 amount(result.reserveFuel, 1, unitName),
                 q(formatFixed(plan.defaults.reserveMinutes, 0)),
                 amount(result.greatCircleDistance, 1, tr("NM")))
            .arg(unitName);
    const QString name = plan.name.empty() ? tr("Navigation log") : q(plan.name);

    painter.setFont(font);
    const QRectF totalsBox =
        painter.boundingRect(QRectF(0, 0, page.width(), page.height()), Qt::TextWordWrap, totals);
    const double headerHeight = fontSize * 2.2 + totalsBox.height() + fontSize * 0.8;
    const std::size_t count = plan.checkpoints.size();
    const int perPage =
        std::max(1, static_cast<int>((page.height() - headerHeight - captionHeight - fontSize * 6) /
                                     rowHeight));
    const int pages = std::max(1, static_cast<int>((count + perPage - 1) / perPage));

    const QStringList warnings = warningTexts(plan, result);

    const QPen grid(Qt::black, 0.5);
    for (int p = 0; p < pages; ++p) {
        if (p > 0) {
            device.newPage();
        }
        // The header.
        painter.setFont(title);
        painter.drawText(QRectF(0, 0, page.width() * 0.75, fontSize * 2.2),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
        painter.setFont(font);
        painter.drawText(QRectF(0, 0, page.width(), fontSize * 2.2),
                         Qt::AlignRight | Qt::AlignVCenter,
                         tr("Page %1 of %2").arg(p + 1).arg(pages));
        painter.drawText(QRectF(0, fontSize * 2.2, page.width(), totalsBox.height()),
                         Qt::TextWordWrap, totals);

        // The column captions.
        double y = headerHeight;
        double x = 0;
        painter.setFont(bold);
        painter.setPen(grid);
        painter.fillRect(QRectF(0, y, page.width(), captionHeight), QColor(225, 225, 225));
        for (const Column& column : kColumns) {
            const double w = column.weight * unit;
            painter.drawRect(QRectF(x, y, w, captionHeight));
            painter.drawText(QRectF(x + 1, y, w - 2, captionHeight), Qt::AlignCenter,
                             tr(column.caption).trimmed());
            x += w;
        }
        y += captionHeight;

        // The rows.
        painter.setFont(font);
        const std::size_t first = static_cast<std::size_t>(p) * static_cast<std::size_t>(perPage);
        const std::size_t last = std::min(count, first + static_cast<std::size_t>(perPage));
        for (std::size_t i = first; i < last; ++i) {
            const QStringList cells = rowTexts(plan, result, i);
            const bool low = i > 0 ? result.legs[i - 1].belowReserve
                                   : result.firstBelowReserve == std::optional<std::size_t>(0);
            x = 0;
            for (int c = 0; c < kColumnCount; ++c) {
                const double w = kColumns[c].weight * unit;
                const QRectF cell(x, y, w, rowHeight);
                if (low && c == 13) {
                    painter.fillRect(cell, QColor(210, 210, 210));
                }
                painter.drawRect(cell);
                const QString text =
                    c == 0 ? painter.fontMetrics().elidedText(cells.value(c), Qt::ElideRight,
                                                              static_cast<int>(w - 3))
                           : cells.value(c);
                painter.drawText(cell.adjusted(1.5, 0, -1.5, 0),
                                 (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter,
                                 text);
                x += w;
            }
            y += rowHeight;
        }
        if (p == pages - 1 && !warnings.isEmpty()) {
            painter.drawText(QRectF(0, y + fontSize, page.width(), page.height() - y - fontSize),
                             Qt::TextWordWrap, warnings.join(u'\n'));
        }
    }
    painter.end();
    return pages;
}

QString writePlanPdf(const QString& path, const Plan& plan, const PlanResult& result,
                     const QPageSize& size, const QDate& date) {
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly)) {
        return tr("The PDF file %1 cannot be written: %2.").arg(path, probe.errorString());
    }
    probe.close();
    QPdfWriter writer(path);
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("Aerolume"));
    writer.setTitle(plan.name.empty() ? tr("Navigation log") : q(plan.name));
    writer.setPageLayout(
        QPageLayout(size, QPageLayout::Portrait, QMarginsF(22, 22, 22, 22), QPageLayout::Point));
    paintPlanPages(writer, plan, result, date);
    return {};
}

}  // namespace aerolume::planning
