// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "shell/CalculatorWindow.h"

namespace Ui {
class TsdForm;
}

namespace aerolume {

// The "Time, Speed & Distance" window: two of distance, ground speed and time in, the
// third out, with all three shown as results.
class TsdWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit TsdWindow(WindowRegistry& registry);
    ~TsdWindow() override;

    void Command2_Click();

private:
    bool compute();

    std::unique_ptr<Ui::TsdForm> m_ui;
};

}  // namespace aerolume
