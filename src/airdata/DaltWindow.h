// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "shell/CalculatorWindow.h"

namespace Ui {
class DaltForm;
}

namespace aerolume {

// The density altitude window, "Dalt": MSL altitude, altimeter setting and outside
// air temperature (Celsius or Fahrenheit) in; density and pressure altitude out.
class DaltWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit DaltWindow(WindowRegistry& registry);
    ~DaltWindow() override;

    void Command2_Click();
    void txtMSL_Change();
    void txtAlt_Change();

private:
    bool compute();

    std::unique_ptr<Ui::DaltForm> m_ui;
    // Kept equal to the numeric value of txtMSL and txtAlt by their change handlers.
    double m_mslAltitude = 0;
    double m_altimeter = 0;
    // Degrees Celsius; set by a computation from CTemp and the selected unit.
    double m_temperature = 0;
};

}  // namespace aerolume
