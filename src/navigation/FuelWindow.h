// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "shell/CalculatorWindow.h"

namespace Ui {
class FuelForm;
}

namespace aerolume {

// The "Fuel" window: two of fuel flow, time and fuel amount in, the third out, in the
// unit chosen, with the amount in US gallons, litres, pounds and kilograms.
class FuelWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit FuelWindow(WindowRegistry& registry);
    ~FuelWindow() override;

    void Command2_Click();

private:
    bool compute();

    std::unique_ptr<Ui::FuelForm> m_ui;
};

}  // namespace aerolume
