// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

#include "shell/CalculatorWindow.h"

namespace Ui {
class ClimbForm;
}

namespace aerolume {

// The climb and descent window, "Climb": the altitudes, the ground speed and one of
// vertical speed, path angle and gradient in; all three rates, the time and the
// ground distance out.
class ClimbWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit ClimbWindow(WindowRegistry& registry);
    ~ClimbWindow() override;

    void Command2_Click();

private:
    bool compute();

    std::unique_ptr<Ui::ClimbForm> m_ui;
};

}  // namespace aerolume
