// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "shell/CalculatorWindow.h"

namespace Ui {
class RunwayWindForm;
}

namespace aerolume {

// The "Runway Wind" window: runway number, wind direction, wind speed and an optional gust
// in; head- or tailwind and crosswind for the steady wind and the gust out.
class RunwayWindWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit RunwayWindWindow(WindowRegistry& registry);
    ~RunwayWindWindow() override;

    void Command2_Click();

private:
    bool compute();

    std::unique_ptr<Ui::RunwayWindForm> m_ui;
};

}  // namespace aerolume
