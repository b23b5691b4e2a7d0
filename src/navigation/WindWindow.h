// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "shell/CalculatorWindow.h"

namespace Ui {
class WindForm;
}

namespace aerolume {

// The wind triangle window, "Wind": wind direction and speed, true course and true
// airspeed in; wind correction angle, true heading and ground speed out.
class WindWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit WindWindow(WindowRegistry& registry);
    ~WindWindow() override;

    void Command2_Click();

private:
    enum class RunBy { Button, Enter };
    bool compute(RunBy by);

    std::unique_ptr<Ui::WindForm> m_ui;
    // The numeric value of each field, kept by its change handler.
    double m_windDirection = 0;
    double m_windSpeed = 0;
    double m_trueCourse = 0;
    double m_trueAirspeed = 0;
};

}  // namespace aerolume
