// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintHeading.h"

#include <QDateTime>

#include "common/FormatMask.h"

namespace aerolume::planning::print {
namespace {

QString placeName(const Checkpoint& point) {
    return point.origin.identifier.empty() ? q(oneLineName(point.name))
                                           : q(point.origin.identifier);
}

}  // namespace

QString zoneText(int seconds) {
    const int minutes = std::abs(seconds) / 60;
    QString text = QStringLiteral("UTC%1%2")
                       .arg(seconds < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                       .arg(minutes / 60);
    return minutes % 60 == 0
               ? text
               : text + QStringLiteral(":%1").arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString departureText(const Plan& plan, const PrintHeader& header) {
    if (!plan.departureTime) {
        return {};
    }
    QDate day = plan.date ? QDate(plan.date->year, plan.date->month, plan.date->day) : QDate();
    if (!day.isValid()) {
        day = QDate::currentDate();
    }
    const QDateTime utc(day, QTime(plan.departureTime->hour, plan.departureTime->minute),
                        QTimeZone::utc());
    QString text = tr("%1 UTC").arg(utc.toString(QStringLiteral("HH:mm")));
    if (!header.localZone.isValid()) {
        return text;
    }
    const QDateTime local = utc.toTimeZone(header.localZone);
    const QString clock = local.toString(QStringLiteral("HH:mm"));
    const QString zone = zoneText(local.offsetFromUtc());
    return local.date() == day ? tr("%1 (%2 local, %3)").arg(text, clock, zone)
                               : tr("%1 (%2 local on %3, %4)")
                                     .arg(text, clock, local.date().toString(Qt::ISODate), zone);
}

std::vector<std::vector<Heading::Item>> Heading::lines() const {
    const QString unit = fuelUnitName(m_plan);
    const auto amount = [&](const std::optional<double>& v, const QString& suffix) {
        return v ? q(formatFixed(*v, 1)) + u' ' + suffix : tr("unknown");
    };
    std::vector<std::vector<Item>> lines(3);
    const auto& d = m_plan.date;
    lines[0] = {{tr("Date"), d ? QDate(d->year, d->month, d->day).toString(Qt::ISODate) : QString(),
                 22 * kMillimetre},
                {tr("Departure"), departureText(m_plan, m_header), 14 * kMillimetre,
                 m_plan.departureTime ? QString() : tr("UTC")},
                {tr("Aircraft"), m_header.aircraft, 30 * kMillimetre},
                {tr("Registration"), m_header.registration, 20 * kMillimetre}};
    const auto& points = m_plan.checkpoints;
    if (!points.empty()) {
        lines[1].push_back({tr("From %1").arg(placeName(points.front())),
                            m_header.departureFrequencies.join(QStringLiteral("  ")),
                            40 * kMillimetre});
    }
    if (points.size() > 1) {
        lines[1].push_back({tr("To %1").arg(placeName(points.back())),
                            m_header.destinationFrequencies.join(QStringLiteral("  ")),
                            40 * kMillimetre});
    }
    const auto& r = m_result;
    lines[2] = {{tr("Distance"), amount(r.totalDistance, tr("NM"))},
                {tr("ETE"), r.totalTime ? hoursText(*r.totalTime) : tr("unknown")}};
    if (!r.legs.empty() && r.legs.back().eta) {
        lines[2].push_back({tr("ETA"), clockText(*r.legs.back().eta)});
    }
    lines[2].push_back({tr("Trip fuel"), amount(r.tripFuel, unit)});
    lines[2].push_back({tr("Great circle"), amount(r.greatCircleDistance, tr("NM"))});
    return lines;
}

double Heading::flow(PageCanvas* canvas, double y, const std::vector<Item>& items) const {
    const Style& s = m_style;
    const double space = m_metrics.width(s.body, QStringLiteral(" "));
    const double separation = s.body.points * 1.6;
    double x = 0;
    double top = y;
    for (const Item& item : items) {
        const double label = m_metrics.width(s.body, item.label);
        const double after = item.after.isEmpty() ? 0 : space + m_metrics.width(s.body, item.after);
        const bool hasValue = !item.value.isEmpty() || item.blank > 0;
        double value = item.value.isEmpty() ? item.blank : m_metrics.width(s.bold, item.value);
        const double fixedPart = label + after + (hasValue ? space : 0);
        if (x > 0 && x + fixedPart + value > m_width) {
            x = 0;
            y += s.line;
        }
        value = std::min(value, std::max(0.0, m_width - fixedPart));
        if (canvas != nullptr) {
            canvas->text(QRectF(x, y, label, s.line), s.body, Qt::AlignLeft | Qt::AlignVCenter,
                         item.label);
            const double at = x + label + space;
            if (!item.value.isEmpty()) {
                canvas->text(QRectF(at, y, value + 1, s.line), s.bold,
                             Qt::AlignLeft | Qt::AlignVCenter,
                             m_metrics.elided(s.bold, item.value, value));
            } else if (item.blank > 0) {
                canvas->line(QLineF(at, y + s.line * 0.9, at + value, y + s.line * 0.9), 0.5);
            }
            canvas->text(QRectF(at + value + space, y, after, s.line), s.body,
                         Qt::AlignLeft | Qt::AlignVCenter, item.after);
        }
        x += fixedPart + value + separation;
    }
    return y + s.line - top;
}

double Heading::draw(PageCanvas* canvas) const {
    const Style& s = m_style;
    if (canvas != nullptr) {
        const double numberWidth = m_metrics.width(s.body, tr("Page %1 of %2").arg(99).arg(99));
        const QString name =
            m_plan.name.empty() ? tr("Navigation log") : q(oneLineName(m_plan.name));
        canvas->text(QRectF(0, 0, m_width - numberWidth - s.gap, titleHeight()), s.title,
                     Qt::AlignLeft | Qt::AlignVCenter,
                     m_metrics.elided(s.title, name, m_width - numberWidth - s.gap));
    }
    double y = titleHeight() + s.pad;
    for (const auto& items : lines()) {
        if (!items.empty()) {
            y += flow(canvas, y, items) + s.pad;
        }
    }
    const QString legend = tr("In the log: ft, kt, NM, h:mm, times UTC, fuel in %1; wind "
                              "from, °T/kt; ↑ climbing, ↓ descending to the altitude shown.")
                               .arg(fuelUnitName(m_plan));
    const double legendHeight = m_metrics.wrappedHeight(s.body, legend, m_width);
    if (canvas != nullptr) {
        canvas->text(QRectF(0, y, m_width, legendHeight + 1), s.body,
                     Qt::AlignLeft | Qt::TextWordWrap, legend);
    }
    y += legendHeight + s.pad;
    if (canvas != nullptr) {
        canvas->line(QLineF(0, y, m_width, y), 1);
    }
    return y;
}

void Heading::numberPage(PageCanvas& canvas, int page, int pages) const {
    canvas.text(QRectF(0, 0, m_width, titleHeight()), m_style.body,
                Qt::AlignRight | Qt::AlignVCenter, tr("Page %1 of %2").arg(page).arg(pages));
}

}  // namespace aerolume::planning::print
