// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

#include "shell/CalculatorWindow.h"

namespace Ui {
class MagVarForm;
}

namespace aerolume {

// The magnetic variation window, "MagVar": a position (degrees, minutes and seconds
// with their hemispheres, or decimal degrees), an altitude in feet and a date in; the
// variation, inclination, total and horizontal intensity and the yearly change of the
// variation out, from the World Magnetic Model (MagneticModel.h), with a warning in the
// window when the date lies outside the model's life or the compass is unreliable or
// useless there.
class MagVarWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit MagVarWindow(WindowRegistry& registry);
    ~MagVarWindow() override;

    void Command2_Click();

private:
    struct Angle {
        QLineEdit* degrees;
        QLineEdit* minutes;
        QLineEdit* seconds;
    };
    bool compute();
    // The angle in degrees, unsigned: degrees + minutes / 60 + seconds / 3600, blanks
    // as 0. Fails, with `message` and the focus on the field at fault, when a field is
    // no number, minutes or seconds reach 60, or the angle passes `limit`.
    std::optional<double> readAngle(const Angle& angle, double limit, const QString& message);

    std::unique_ptr<Ui::MagVarForm> m_ui;
};

}  // namespace aerolume
