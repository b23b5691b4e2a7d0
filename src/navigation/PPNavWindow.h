// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "shell/CalculatorWindow.h"

namespace Ui {
class PPNavForm;
}

namespace aerolume {

// The pressure pattern window, "PPNav": the pressures aloft over the departure and the
// destination, the average latitude, the true airspeed and the distance in; the net
// drift and the wind correction angle that cancels it out.
class PPNavWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit PPNavWindow(WindowRegistry& registry);
    ~PPNavWindow() override;

    void Command2_Click();

private:
    // Runs the computation; false when a check failed.
    bool compute();

    std::unique_ptr<Ui::PPNavForm> m_ui;
};

}  // namespace aerolume
