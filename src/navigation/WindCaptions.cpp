// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindCaptions.h"

#include <QCoreApplication>

#include "WindComponents.h"
#include "common/FormatMask.h"

namespace aerolume {
namespace {

// `text` is marked for translation where it is written.
QString translated(const char* text) {
    return QCoreApplication::translate("WindCaptions", text);
}

QString component(double knots, const char* positive, const char* negative) {
    const RoundedComponent rounded = RoundComponent(knots);
    const QString number = QString::fromStdString(rounded.Knots);
    if (rounded.Sign == 0) {
        return QCoreApplication::translate("WindCaptions", "%1 kt").arg(number);
    }
    return translated(rounded.Sign > 0 ? positive : negative).arg(number);
}

}  // namespace

QString headwindCaption(double headwind) {
    return component(headwind, QT_TRANSLATE_NOOP("WindCaptions", "%1 kt headwind"),
                     QT_TRANSLATE_NOOP("WindCaptions", "%1 kt tailwind"));
}

QString crosswindCaption(double crosswind) {
    return component(crosswind, QT_TRANSLATE_NOOP("WindCaptions", "%1 kt from the right"),
                     QT_TRANSLATE_NOOP("WindCaptions", "%1 kt from the left"));
}

QString windFromCaption(double direction, double speed) {
    if (RoundsToCalm(speed)) {
        return QCoreApplication::translate("WindCaptions", "calm");
    }
    return QCoreApplication::translate("WindCaptions", "%1°")
        .arg(QString::fromStdString(WholeDegrees(direction)));
}

QString knotsCaption(double speed) {
    return QCoreApplication::translate("WindCaptions", "%1 kt")
        .arg(QString::fromStdString(formatFixed(speed, 0)));
}

}  // namespace aerolume
