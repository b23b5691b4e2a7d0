// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

#include "shell/CalculatorWindow.h"

namespace Ui {
class CloudForm;
}

namespace aerolume {

// The cloud base and freezing level window, "Cloud": surface temperature and dew point
// (C or F) and field elevation in; the base of convective cloud above the field and
// above sea level, and the freezing level above sea level out.
class CloudWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit CloudWindow(WindowRegistry& registry);
    ~CloudWindow() override;

    void Command2_Click();

private:
    bool compute();

    std::unique_ptr<Ui::CloudForm> m_ui;
};

}  // namespace aerolume
