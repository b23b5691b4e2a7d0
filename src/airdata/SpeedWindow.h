// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "shell/CalculatorWindow.h"

namespace Ui {
class SpeedForm;
}

namespace aerolume {

// The speed window, "Speed": calibrated airspeed, MSL altitude, altimeter setting and
// outside air temperature (Celsius or Fahrenheit) in; true airspeed and Mach number out.
class SpeedWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit SpeedWindow(WindowRegistry& registry);
    ~SpeedWindow() override;

    void Command2_Click();

private:
    bool compute();

    std::unique_ptr<Ui::SpeedForm> m_ui;
};

}  // namespace aerolume
