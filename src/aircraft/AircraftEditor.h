// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <optional>

#include "AircraftProfile.h"

class QLineEdit;
class QTableWidget;

namespace Ui {
class AircraftEditorForm;
}

namespace aerolume::aircraft {

// The aircraft editor: the aircraft's figures in fields, its stations, tanks and
// envelope points in tables, and the envelope drawn as it is typed. OK is taken only
// when every figure reads and the aircraft passes checkAircraft(); otherwise the
// dialog says what is wrong and stays open.
class AircraftEditor final : public QDialog {
    Q_OBJECT

public:
    AircraftEditor(const Aircraft& aircraft, QWidget* parent = nullptr);
    ~AircraftEditor() override;

    // The aircraft as edited (valid once the dialog is accepted).
    const Aircraft& aircraft() const { return m_aircraft; }

    void accept() override;

private:
    void fill(const Aircraft& aircraft);
    // Reads the dialog into an aircraft; the first fault as a message when it cannot.
    std::optional<Aircraft> read(QString* fault) const;
    // The climb's (or the descent's) rate, TAS and fuel flow fields.
    std::array<QLineEdit*, 3> performanceFields(bool climb) const;
    // Reads the climb's or the descent's three fields: all empty is none; some empty, or
    // one that is not a number, is a fault.
    bool readPerformance(bool climb, std::optional<ClimbPerformance>* performance,
                         QString* fault) const;
    // What checkAircraft() found, as a sentence in the form's own captions.
    QString sentence(const ProfileError& error) const;
    // Draws the envelopes from the rows that read so far.
    void updatePreview();
    void addRow(QTableWidget* table);
    void addTankRow(const Tank& tank);

    std::unique_ptr<Ui::AircraftEditorForm> m_ui;
    Aircraft m_aircraft;
};

}  // namespace aerolume::aircraft
