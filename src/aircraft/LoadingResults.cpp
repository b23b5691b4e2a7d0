// SPDX-License-Identifier: GPL-3.0-or-later
// The loading window's results: each point's weight, moment, CG, % MAC, margin and
// verdict as the pilot reads them.
#include "LoadingWindow.h"

namespace aerolume::aircraft {
namespace {

int armDecimals(Units units) {
    switch (units) {
        case Units::PoundInch:
            return 2;
        case Units::KilogramMillimetre:
            return 1;
        case Units::KilogramMetre:
            return 3;
    }
    return 2;
}

int momentDecimals(Units units) {
    return units == Units::KilogramMetre ? 2 : units == Units::PoundInch ? 1 : 0;
}

QString fixed(double value, int decimals) {
    return QString::fromStdString(formatFixed(value, decimals));
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
        if (point.normal && point.normal->inside) {
            margin->setText(tr("%1, %2").arg(armText(point.normal->armMargin),
                                             weightText(point.normal->weightMargin)));
        } else {
            margin->setText(tr("outside"));
        }
    }
    verdict->setText(verdictText(point));
}

QString LoadingWindow::verdictText(const LoadPoint& point) const {
    const Aircraft& a = *selected();
    QStringList parts;
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
                parts << (&point == &m_result->ramp ? tr("Over the maximum ramp weight by %1")
                          : &point == &m_result->takeoff
                              ? tr("Over the maximum take-off weight by %1")
                              : tr("Over the maximum landing weight by %1"))
                             .arg(weightText(f.excess));
                break;
            case Breach::CgForward:
                parts << tr("CG forward of the envelope by %1").arg(armText(f.excess));
                break;
            case Breach::CgAft:
                parts << tr("CG aft of the envelope by %1").arg(armText(f.excess));
                break;
            case Breach::AboveEnvelope:
                parts << tr("Above the envelope by %1").arg(weightText(f.excess));
                break;
            case Breach::BelowEnvelope:
                parts << tr("Below the envelope by %1").arg(weightText(f.excess));
                break;
            case Breach::OutsideUtility: {
                const bool alongArm = point.utility && (point.utility->side == Side::Forward ||
                                                        point.utility->side == Side::Aft);
                parts << tr("Within the normal envelope, outside the utility envelope only, by %1")
                             .arg(alongArm ? armText(f.excess) : weightText(f.excess));
                break;
            }
        }
    }
    if (parts.isEmpty()) {
        return tr("Within limits");
    }
    QString text = parts.join(QStringLiteral("; "));
    text[0] = text[0].toUpper();
    return text;
}

}  // namespace aerolume::aircraft
