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
    // The field's number when it holds one from `low` to `high`; otherwise reports
    // what is wrong, naming the field by `what`.
    std::optional<double> read(QLineEdit* field, double low, double high, const QString& what);

    std::unique_ptr<Ui::CloudForm> m_ui;
};

}  // namespace aerolume
