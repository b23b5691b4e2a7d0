// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

#include "shell/CalculatorWindow.h"

namespace Ui {
class LatLongForm;
}

namespace aerolume {

// The latitude/longitude window, "LatLong": a departure and a destination as degrees,
// minutes and seconds with their hemispheres in; great-circle distance and initial
// course, rhumb-line course and distance out. Keeps the departure point in the
// settings store between openings.
class LatLongWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit LatLongWindow(WindowRegistry& registry);
    ~LatLongWindow() override;

    void Command2_Click();

protected:
    void Form_Unload() override;

private:
    void Form_Load();
    bool compute();
    // A field's number: blank reads as 0; a text that is not an unsigned decimal
    // number gives nothing.
    static std::optional<double> reading(const QLineEdit* field);

    std::unique_ptr<Ui::LatLongForm> m_ui;
};

}  // namespace aerolume
