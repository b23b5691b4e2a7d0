// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>

#include "shell/CalculatorWindow.h"

namespace Ui {
class WBForm;
}

namespace aerolume {

// The weight and balance window, "WB": up to eight weights, each with its arm, in; the
// gross weight and the centre of gravity out. The empty weight and the eight arms are
// kept in the settings store from one opening of the window to the next.
class WBWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit WBWindow(WindowRegistry& registry);
    ~WBWindow() override;

    void Command2_Click();

protected:
    // Saves the empty weight and the arms, whatever closes the window.
    void Form_Unload() override;

private:
    // Restores the empty weight and the arms; the other weights start empty.
    void Form_Load();
    // Runs the computation; false when a check failed.
    bool compute();

    std::unique_ptr<Ui::WBForm> m_ui;
    std::array<QLineEdit*, 8> m_weights{};  // txtW1 ... txtW8
    std::array<QLineEdit*, 8> m_arms{};     // txtD1 ... txtD8
};

}  // namespace aerolume
