// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <memory>
#include <optional>

#include "conversions/ConversionCore.h"
#include "shell/CalculatorWindow.h"

namespace Ui {
class ConvertForm;
}

namespace aerolume {

// The conversions window, "Conversions": eight small converters (distance, crosswind,
// temperature, pressure, mass, length, fluid volume, climb rate and gradient), each
// run on demand by Enter in a field or a click on a unit option button. There is no
// Compute button and no error label: an empty source field does nothing, and a source
// text that is not a number, or a gradient without ground speed, clears the result.
class ConvertWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit ConvertWindow(WindowRegistry& registry);
    ~ConvertWindow() override;

    // The fields' key handlers: `key` is the typed character code, set to 0 to drop it.
    void Dist_KeyPress(int& key);
    void WindVel_KeyPress(int& key);
    void Angle_KeyPress(int& key);
    void Fahr_KeyPress(int& key);
    void Cels_KeyPress(int& key);
    void HG_KeyPress(int& key);
    void MB_KeyPress(int& key);
    void txtLb_KeyPress(int& key);
    void txtKg_KeyPress(int& key);
    void txtFT_KeyPress(int& key);
    void txtM_KeyPress(int& key);
    void Vol_KeyPress(int& key);
    void txtGS_KeyPress(int& key);
    void txtFPNM_KeyPress(int& key);
    void txtFPM_KeyPress(int& key);

    // The unit option buttons: the unit in which the distance or volume is given.
    void OptNM_Click();
    void OptSM_Click();
    void OptKM_Click();
    void optGal_Click();
    void optImpGal_Click();
    void optLit_Click();

private:
    // Enter in a non-empty field of a two-field converter writes the partner field;
    // then the key goes through the numeric key filter.
    void convertInto(QLineEdit* source, QLineEdit* partner, UnitConversion conversion, Mask mask,
                     int& key);
    void convertDistance(DistanceUnit unit);
    void convertVolume(VolumeUnit unit);

    // A field's maximum length bounds what the user types, not what the program writes
    // into it: a longer result is shown whole (the limit is raised to its length), keys
    // that would type past the limit are dropped silently, and the limit returns as
    // soon as the text fits it again. An empty value clears the field.
    void writeResult(QLineEdit* field, std::optional<double> value, Mask mask);
    void keepTypingLimit(QLineEdit* field, int& key) const;

    std::unique_ptr<Ui::ConvertForm> m_ui;
    QHash<const QLineEdit*, int> m_typingLimit;
};

}  // namespace aerolume
