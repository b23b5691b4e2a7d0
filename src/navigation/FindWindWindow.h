// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "shell/CalculatorWindow.h"

namespace Ui {
class FindWindForm;
}

namespace aerolume {

// The "Wind from Ground Speed" window: true heading, true airspeed, true course and ground
// speed in; the wind and its components along the track out.
class FindWindWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit FindWindWindow(WindowRegistry& registry);
    ~FindWindWindow() override;

    void Command2_Click();

private:
    bool compute();

    std::unique_ptr<Ui::FindWindForm> m_ui;
};

}  // namespace aerolume
