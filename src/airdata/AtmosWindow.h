// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

#include "shell/CalculatorWindow.h"

namespace Ui {
class AtmosForm;
}

namespace aerolume {

// The standard atmosphere window, "Atmos": indicated altitude, altimeter setting (hPa or
// inHg), and optionally the outside air temperature (C or F) and the station elevation
// in; pressure altitude, standard temperature and pressure there, and with a
// temperature the deviation, density altitude, true altitude, density ratio and speed
// of sound out.
class AtmosWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit AtmosWindow(WindowRegistry& registry);
    ~AtmosWindow() override;

    void Command2_Click();

private:
    bool compute();

    std::unique_ptr<Ui::AtmosForm> m_ui;
};

}  // namespace aerolume
