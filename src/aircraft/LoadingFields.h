// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The loading window's rows for one aircraft.
// An aircraft has its own stations and tanks, so the loading window's entries are not
// in its form: each time an aircraft is picked, LoadingFields deletes the rows of the
// one before and builds the new aircraft's into the form's two grids. Each station
// gets a caption with its weight unit (and its maximum, when it has one) and a weight
// field; each tank a caption with its capacity, a take-off fuel field, a fuel burned
// field and the fuel unit, which follows the volume or weight option. Every control is
// named after its row (lblStation1 and txtStation1, lblTank1, txtFuel1, txtBurn1 and
// lblFuelUnit1, ...) and each field after its station or tank for a screen reader, with
// the caption as its buddy. The window wires the fields' keys, their Enter chain and the
// tab order, and reads them in its checks; the rows only hold the controls.

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include "AircraftProfile.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace aerolume::aircraft {

class LoadingFields {
    Q_DECLARE_TR_FUNCTIONS(aerolume::aircraft::LoadingWindow)

public:
    // The rows go into `loads` (a caption and a field per station) and `fuel` (a header
    // row, then a caption, two fields and the unit per tank).
    LoadingFields(QGridLayout* loads, QGridLayout* fuel) : m_loads(loads), m_fuel(fuel) {}

    // Deletes the rows built before and builds those of `aircraft` (none for nullptr),
    // hidden until show().
    void build(const Aircraft* aircraft);
    // Shows the rows at once (a layout would show them only once the program next
    // waits), so the fields can take the focus as soon as the aircraft is picked.
    void show() const;

    // One field per station, and per tank its take-off fuel and its fuel burned.
    const QList<QLineEdit*>& stations() const { return m_stations; }
    const QList<QLineEdit*>& takeoffFuel() const { return m_takeoff; }
    const QList<QLineEdit*>& burn() const { return m_burn; }
    // The stations, then each tank's take-off fuel and burn: the order Enter moves in.
    QList<QLineEdit*> inOrder() const;

    // Writes the fuel unit after each tank's fields.
    void setFuelUnit(const QString& unit);

private:
    QGridLayout* m_loads;
    QGridLayout* m_fuel;
    QList<QLineEdit*> m_stations;
    QList<QLineEdit*> m_takeoff;
    QList<QLineEdit*> m_burn;
    QList<QLabel*> m_units;
    QList<QWidget*> m_built;  // every control of the rows
};

}  // namespace aerolume::aircraft
