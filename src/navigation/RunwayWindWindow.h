// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

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

    // The wind as this window reads it: direction 0 to 360° (magnetic, as a tower gives
    // it), speed 0 to 200 kt and an optional gust from the speed to 200 kt, in that order;
    // the Airport window reads its runway winds the same way. Either the wind, or the
    // first field out of range and the message that says so.
    struct WindEntry {
        double direction = 0, speed = 0;
        std::optional<double> gust;
    };
    struct WindReading {
        std::optional<WindEntry> wind;
        QLineEdit* field = nullptr;
        QString message;
    };
    static WindReading readWind(QLineEdit* direction, QLineEdit* speed, QLineEdit* gust);

private:
    bool compute();

    std::unique_ptr<Ui::RunwayWindForm> m_ui;
};

}  // namespace aerolume
