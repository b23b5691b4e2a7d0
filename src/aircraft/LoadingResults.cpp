// SPDX-License-Identifier: GPL-3.0-or-later
// The loading window's results: each point's weight, moment, CG, % MAC, margin and
// verdict as the pilot reads them.
#include "LoadingSheet.h"
#include "LoadingWindow.h"

namespace aerolume::aircraft {
namespace {

QString fixed(double value, int decimals) {
    return QString::fromStdString(formatFixed(value, decimals));
}

// "A", "A and B", "A, B and C".
QString listed(const QStringList& parts) {
    if (parts.size() < 2) {
        return parts.join(QString());
    }
    return LoadingWindow::tr("%1 and %2")
        .arg(parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")), parts.last());
}

// A verdict within limits in dark green, out of limits in the message look (framed, on a
// pale red ground): the words and the frame tell them apart, not the colour alone.
void styleVerdict(QLabel* verdict, bool withinLimits) {
    verdict->setStyleSheet(
        withinLimits ? QStringLiteral("QLabel { color: #1b5e20; }")
                     : QStringLiteral("QLabel { color: #800000; background-color: #fdf0ee;"
                                      " border: 1px solid #a03020; border-left-width: 4px;"
                                      " border-radius: 2px; padding: 1px 4px; }"));
}

}  // namespace

QString LoadingWindow::weightText(double weight) const {
    return fixed(weight, 1) + u' ' + QString::fromLatin1(weightUnit(selected()->units));
}

QString LoadingWindow::armText(double arm) const {
    const Units units = selected()->units;
    return fixed(arm, armDecimals(units)) + u' ' + QString::fromLatin1(armUnit(units));
}

void LoadingWindow::showPoint(const LoadPoint& point, QLabel* weight, QLabel* moment, QLabel* cg,
                              QLabel* mac, QLabel* margin, QLabel* verdict) {
    const Units units = selected()->units;
    weight->setText(weightText(point.weight));
    moment->setText(fixed(point.moment, momentDecimals(units)) + u' ' +
                    QString::fromLatin1(weightUnit(units)) + u'\u00b7' +
                    QString::fromLatin1(armUnit(units)));
    cg->setText(point.cg ? armText(*point.cg) : tr("none"));
    mac->setText(point.percentMac ? tr("%1% MAC").arg(fixed(*point.percentMac, 1)) : QString());
    if (margin != nullptr) {
        margin->setText(point.margin ? marginText(*point.margin) : tr("none, out of limits"));
    }
    verdict->setText(verdictText(point));
    styleVerdict(verdict, verdict->text().startsWith(tr("Within")));
}

QString LoadingWindow::marginText(const Margin& margin) const {
    const QString arm =
        margin.armLimit == Side::Aft ? tr("%1 to the aft limit") : tr("%1 to the forward limit");
    QString weight;
    switch (margin.weightLimit) {
        case WeightLimit::MaximumWeight:
            weight = tr("%1 below the maximum weight");
            break;
        case WeightLimit::EnvelopeTop:
            weight = tr("%1 below the envelope's top");
            break;
        case WeightLimit::EnvelopeBottom:
            weight = tr("%1 above the envelope's bottom");
            break;
    }
    return tr("%1, %2").arg(arm.arg(armText(margin.arm)), weight.arg(weightText(margin.weight)));
}

QString LoadingWindow::verdictText(const LoadPoint& point) const {
    const Aircraft& a = *selected();
    QStringList parts;
    std::optional<QString> utilityOnly;
    for (const Finding& f : point.findings) {
        const auto stationName = [&] {
            return QString::fromStdString(a.stations[static_cast<std::size_t>(f.index)].name);
        };
        const auto tankName = [&] {
            return QString::fromStdString(a.tanks[static_cast<std::size_t>(f.index)].name);
        };
        switch (f.breach) {
            case Breach::StationOverMax:
                parts << tr("%1 over its maximum by %2").arg(stationName(), weightText(f.excess));
                break;
            case Breach::TankOverCapacity: {
                const Tank& tank = a.tanks[static_cast<std::size_t>(f.index)];
                parts << tr("%1 tank over its capacity by %2 %3")
                             .arg(tankName(), fixed(f.excess / fuelDensity(tank, a.units), 1),
                                  QString::fromLatin1(volumeUnit(a.units)));
                break;
            }
            case Breach::BurnOverContents:
                parts << tr("more fuel burned from %1 than it held, by %2")
                             .arg(tankName(), weightText(f.excess));
                break;
            case Breach::OverMaxWeight:
                parts << (&point == &m_result->ramp ? tr("over the maximum ramp weight by %1")
                          : &point == &m_result->takeoff
                              ? tr("over the maximum take-off weight by %1")
                              : tr("over the maximum landing weight by %1"))
                             .arg(weightText(f.excess));
                break;
            case Breach::CgForward:
                parts << tr("CG forward of the envelope by %1").arg(armText(f.excess));
                break;
            case Breach::CgAft:
                parts << tr("CG aft of the envelope by %1").arg(armText(f.excess));
                break;
            case Breach::AboveEnvelope:
                parts << tr("above the envelope by %1").arg(weightText(f.excess));
                break;
            case Breach::BelowEnvelope:
                parts << tr("below the envelope by %1").arg(weightText(f.excess));
                break;
            case Breach::OutsideUtility: {
                const bool alongArm = point.utility && (point.utility->side == Side::Forward ||
                                                        point.utility->side == Side::Aft);
                utilityOnly = alongArm ? armText(f.excess) : weightText(f.excess);
                break;
            }
        }
    }
    if (!parts.isEmpty()) {
        if (utilityOnly) {
            parts << tr("outside the utility envelope by %1").arg(*utilityOnly);
        }
        return tr("Out of limits: %1").arg(listed(parts));
    }
    if (utilityOnly) {
        return tr("Within limits in the normal category only: outside the utility envelope "
                  "by %1")
            .arg(*utilityOnly);
    }
    return tr("Within limits");
}

}  // namespace aerolume::aircraft
