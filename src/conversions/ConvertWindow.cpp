// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConvertWindow.h"

#include <QMenu>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "common/Functions.h"
#include "platform/Beep.h"
#include "shell/ClientArea.h"
#include "ui_ConvertWindow.h"

namespace aerolume {
namespace {

// The filter of the digit-only fields: Backspace and digits pass, any other key is
// dropped with a beep.
void filterDigits(int& key) {
    if (!keyPasses(key, kDigits)) {
        key = 0;
        platform::beep();
    }
}

}  // namespace

ConvertWindow::ConvertWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Conversions")), m_ui(std::make_unique<Ui::ConvertForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    setHelp({tr("Distance: Enter a positive value in the text box, then select the 'radio button' "
                "appropriate to the input unit of measure. The equivalent distances will then be "
                "calculated."),
             tr("Crosswind component: Enter the wind velocity and wind angle from runway (degrees) "
                "in appropriate boxes. Press 'Enter' after inputting wind angle to display "
                "crosswind component. Valid values are 0 to 99 wind velocity, and 0 to 360 degrees "
                "wind angle."),
             tr("Temperature, Pressure, Mass, and Length: Enter the value to be converted in the "
                "unit desired, then press 'Enter' to see the equivalent value."),
             tr("Fluid volume: Enter a positive value in the text box, then select the 'radio "
                "button' appropriate to the input unit of measure. The equivalent volumes will "
                "then be calculated."),
             tr("Climb/Descent Rate & Gradient: Enter a ground speed in Knots, then either the "
                "climb/descent rate or gradient in feet per minute or feet per Nautical Mile. "
                "Press 'Enter' to display the corresponding climb/descent rate/gradient")});

    // Room for the longest result each label can show (a seven-digit distance or volume
    // gives eleven characters), so that no result is clipped and the window never jumps.
    for (QLabel* label : {m_ui->NM, m_ui->SM, m_ui->KM, m_ui->USGal, m_ui->ImpGal, m_ui->Lit}) {
        styleResultLabel(label);
        label->setMinimumWidth(
            label->fontMetrics().horizontalAdvance(QStringLiteral("00000000.00")));
    }
    styleResultLabel(m_ui->Label18);
    m_ui->Label18->setMinimumWidth(
        m_ui->Label18->fontMetrics().horizontalAdvance(QStringLiteral("-000.0")));

    using Handler = void (ConvertWindow::*)(int&);
    const struct {
        QLineEdit* field;
        KeyRange accepted;
        Handler handler;
    } fields[] = {
        {m_ui->Dist, kMinusPointSlashDigits, &ConvertWindow::Dist_KeyPress},
        {m_ui->WindVel, kDigits, &ConvertWindow::WindVel_KeyPress},
        {m_ui->Angle, kDigits, &ConvertWindow::Angle_KeyPress},
        {m_ui->Fahr, kMinusPointSlashDigits, &ConvertWindow::Fahr_KeyPress},
        {m_ui->Cels, kMinusPointSlashDigits, &ConvertWindow::Cels_KeyPress},
        {m_ui->HG, kMinusPointSlashDigits, &ConvertWindow::HG_KeyPress},
        {m_ui->MB, kMinusPointSlashDigits, &ConvertWindow::MB_KeyPress},
        {m_ui->txtLb, kMinusPointSlashDigits, &ConvertWindow::txtLb_KeyPress},
        {m_ui->txtKg, kMinusPointSlashDigits, &ConvertWindow::txtKg_KeyPress},
        {m_ui->txtFT, kMinusPointSlashDigits, &ConvertWindow::txtFT_KeyPress},
        {m_ui->txtM, kMinusPointSlashDigits, &ConvertWindow::txtM_KeyPress},
        {m_ui->Vol, kPointSlashDigits, &ConvertWindow::Vol_KeyPress},
        {m_ui->txtGS, kDigits, &ConvertWindow::txtGS_KeyPress},
        {m_ui->txtFPNM, kDigits, &ConvertWindow::txtFPNM_KeyPress},
        {m_ui->txtFPM, kDigits, &ConvertWindow::txtFPM_KeyPress},
    };
    for (const auto& f : fields) {
        // Wide enough to show everything that can be typed, with a character to spare.
        f.field->setMinimumWidth(
            f.field->fontMetrics().horizontalAdvance(QString(f.field->maxLength() + 1, u'0')) + 12);
        addCustomField(f.field, f.accepted,
                       [this, handler = f.handler](int& key) { (this->*handler)(key); });
    }

    // The fields the program writes results into keep their typing limit.
    for (QLineEdit* field : {m_ui->Fahr, m_ui->Cels, m_ui->HG, m_ui->MB, m_ui->txtLb, m_ui->txtKg,
                             m_ui->txtFT, m_ui->txtM, m_ui->txtFPNM, m_ui->txtFPM}) {
        const int limit = field->maxLength();
        m_typingLimit.insert(field, limit);
        connect(field, &QLineEdit::textChanged, this, [field, limit](const QString& text) {
            if (field->maxLength() != limit && text.size() <= limit) {
                const int cursor = field->cursorPosition();
                field->setMaxLength(limit);
                field->setCursorPosition(cursor);
            }
        });
    }

    // Those fields also show their longest result whole: the conversion of the largest
    // entry of the partner field, of either sign, or the climb rate and gradient of the
    // largest entries (a gradient is largest at the least ground speed, 1 knot).
    const struct {
        QLineEdit* source;
        QLineEdit* result;
        UnitConversion conversion;
        Mask mask;
    } partners[] = {
        {m_ui->Fahr, m_ui->Cels, UnitConversion::FahrenheitToCelsius, Mask::D3_1},
        {m_ui->Cels, m_ui->Fahr, UnitConversion::CelsiusToFahrenheit, Mask::D3_1},
        {m_ui->HG, m_ui->MB, UnitConversion::InchesHgToMillibars, Mask::D4_1},
        {m_ui->MB, m_ui->HG, UnitConversion::MillibarsToInchesHg, Mask::D2_2},
        {m_ui->txtLb, m_ui->txtKg, UnitConversion::PoundsToKilograms, Mask::D3_1},
        {m_ui->txtKg, m_ui->txtLb, UnitConversion::KilogramsToPounds, Mask::D3_1},
        {m_ui->txtFT, m_ui->txtM, UnitConversion::FeetToMetres, Mask::D3_1},
        {m_ui->txtM, m_ui->txtFT, UnitConversion::MetresToFeet, Mask::D3_1},
    };
    const auto largestEntry = [this](QLineEdit* field) {
        return std::pow(10.0, m_typingLimit.value(field, field->maxLength())) - 1;
    };
    for (const auto& p : partners) {
        const double largest = largestEntry(p.source);
        qsizetype longest = 0;
        for (const double entry : {largest, -std::floor(largest / 10)}) {
            longest = std::max(longest, caption(ConvertUnit(p.conversion, entry), p.mask).size());
        }
        showWhole(p.result, static_cast<int>(longest));
    }
    const double climbRate =
        ComputeClimbRate({largestEntry(m_ui->txtGS), largestEntry(m_ui->txtFPNM)});
    showWhole(m_ui->txtFPM, static_cast<int>(caption(climbRate, Mask::D5).size()));
    const std::optional<double> gradient = ComputeClimbGradient({1, largestEntry(m_ui->txtFPM)});
    showWhole(m_ui->txtFPNM, static_cast<int>(caption(gradient.value_or(0), Mask::D5).size()));

    connect(m_ui->OptNM, &QRadioButton::clicked, this, &ConvertWindow::OptNM_Click);
    connect(m_ui->OptSM, &QRadioButton::clicked, this, &ConvertWindow::OptSM_Click);
    connect(m_ui->OptKM, &QRadioButton::clicked, this, &ConvertWindow::OptKM_Click);
    connect(m_ui->optGal, &QRadioButton::clicked, this, &ConvertWindow::optGal_Click);
    connect(m_ui->optImpGal, &QRadioButton::clicked, this, &ConvertWindow::optImpGal_Click);
    connect(m_ui->optLit, &QRadioButton::clicked, this, &ConvertWindow::optLit_Click);
    fitClientArea(this, 6375, 4020);
}

ConvertWindow::~ConvertWindow() = default;

// Distance and volume: Enter moves on to the first unit button.

void ConvertWindow::Dist_KeyPress(int& key) {
    if (key == kKeyEnter) {
        m_ui->OptNM->setFocus(Qt::TabFocusReason);
    }
    key = NumericKeyFilter(key, platform::beep);
}

void ConvertWindow::Vol_KeyPress(int& key) {
    if (key == kKeyEnter) {
        m_ui->optGal->setFocus(Qt::TabFocusReason);
    }
    // No minus: a volume is never negative.
    if (!keyPasses(key, kPointSlashDigits)) {
        key = 0;
        platform::beep();
    }
}

void ConvertWindow::OptNM_Click() {
    convertDistance(DistanceUnit::NauticalMiles);
}
void ConvertWindow::OptSM_Click() {
    convertDistance(DistanceUnit::StatuteMiles);
}
void ConvertWindow::OptKM_Click() {
    convertDistance(DistanceUnit::Kilometres);
}
void ConvertWindow::optGal_Click() {
    convertVolume(VolumeUnit::UsGallons);
}
void ConvertWindow::optImpGal_Click() {
    convertVolume(VolumeUnit::ImperialGallons);
}
void ConvertWindow::optLit_Click() {
    convertVolume(VolumeUnit::Litres);
}

void ConvertWindow::convertDistance(DistanceUnit unit) {
    if (isEmpty(m_ui->Dist)) {
        return;
    }
    const std::optional<double> distance = strictValue(m_ui->Dist);
    if (!distance) {
        for (QLabel* label : {m_ui->NM, m_ui->SM, m_ui->KM}) {
            label->clear();
        }
        return;
    }
    const DistanceResult result = ComputeDistance({*distance, unit});
    m_ui->NM->setText(caption(result.NauticalMiles, Mask::Fixed));
    m_ui->SM->setText(caption(result.StatuteMiles, Mask::Fixed));
    m_ui->KM->setText(caption(result.Kilometres, Mask::Fixed));
}

void ConvertWindow::convertVolume(VolumeUnit unit) {
    if (isEmpty(m_ui->Vol)) {
        return;
    }
    const std::optional<double> volume = strictValue(m_ui->Vol);
    if (!volume) {
        for (QLabel* label : {m_ui->USGal, m_ui->ImpGal, m_ui->Lit}) {
            label->clear();
        }
        return;
    }
    const VolumeResult result = ComputeVolume({*volume, unit});
    m_ui->USGal->setText(caption(result.UsGallons, Mask::Fixed));
    m_ui->ImpGal->setText(caption(result.ImperialGallons, Mask::Fixed));
    m_ui->Lit->setText(caption(result.Litres, Mask::Fixed));
}

// Crosswind.

void ConvertWindow::WindVel_KeyPress(int& key) {
    if (key == kKeyEnter && !isEmpty(m_ui->WindVel)) {
        m_ui->Angle->setFocus(Qt::TabFocusReason);
    }
    filterDigits(key);
}

void ConvertWindow::Angle_KeyPress(int& key) {
    if (key == kKeyEnter) {
        if (isEmpty(m_ui->WindVel) || isEmpty(m_ui->Angle)) {
            return;  // nothing at all, not even a beep
        }
        const std::optional<double> velocity = strictValue(m_ui->WindVel);
        const std::optional<double> angle = strictValue(m_ui->Angle);
        if (velocity && angle) {
            m_ui->Label18->setText(caption(ComputeCrosswind({*velocity, *angle}), Mask::D3_1));
        } else {
            m_ui->Label18->clear();
        }
    }
    filterDigits(key);
}

// Temperature, pressure, mass and length.

void ConvertWindow::Fahr_KeyPress(int& key) {
    convertInto(m_ui->Fahr, m_ui->Cels, UnitConversion::FahrenheitToCelsius, Mask::D3_1, key);
}

void ConvertWindow::Cels_KeyPress(int& key) {
    convertInto(m_ui->Cels, m_ui->Fahr, UnitConversion::CelsiusToFahrenheit, Mask::D3_1, key);
}

void ConvertWindow::HG_KeyPress(int& key) {
    convertInto(m_ui->HG, m_ui->MB, UnitConversion::InchesHgToMillibars, Mask::D4_1, key);
}

void ConvertWindow::MB_KeyPress(int& key) {
    convertInto(m_ui->MB, m_ui->HG, UnitConversion::MillibarsToInchesHg, Mask::D2_2, key);
}

void ConvertWindow::txtLb_KeyPress(int& key) {
    convertInto(m_ui->txtLb, m_ui->txtKg, UnitConversion::PoundsToKilograms, Mask::D3_1, key);
}

void ConvertWindow::txtKg_KeyPress(int& key) {
    convertInto(m_ui->txtKg, m_ui->txtLb, UnitConversion::KilogramsToPounds, Mask::D3_1, key);
}

void ConvertWindow::txtFT_KeyPress(int& key) {
    convertInto(m_ui->txtFT, m_ui->txtM, UnitConversion::FeetToMetres, Mask::D3_1, key);
}

void ConvertWindow::txtM_KeyPress(int& key) {
    convertInto(m_ui->txtM, m_ui->txtFT, UnitConversion::MetresToFeet, Mask::D3_1, key);
}

void ConvertWindow::convertInto(QLineEdit* source, QLineEdit* partner, UnitConversion conversion,
                                Mask mask, int& key) {
    if (key == kKeyEnter && !isEmpty(source)) {
        const std::optional<double> value = strictValue(source);
        writeResult(partner, value ? std::optional(ConvertUnit(conversion, *value)) : std::nullopt,
                    mask);
    }
    key = NumericKeyFilter(key, platform::beep);
    keepTypingLimit(source, key);
}

// Climb rate and gradient.

void ConvertWindow::txtGS_KeyPress(int& key) {
    if (key == kKeyEnter) {
        m_ui->txtFPNM->setFocus(Qt::TabFocusReason);
    }
    filterDigits(key);
}

void ConvertWindow::txtFPNM_KeyPress(int& key) {
    if (key == kKeyEnter) {
        if (isEmpty(m_ui->txtGS) || isEmpty(m_ui->txtFPNM)) {
            return;  // nothing at all, not even a beep
        }
        const std::optional<double> groundSpeed = strictValue(m_ui->txtGS);
        const std::optional<double> gradient = strictValue(m_ui->txtFPNM);
        writeResult(m_ui->txtFPM,
                    groundSpeed && gradient
                        ? std::optional(ComputeClimbRate({*groundSpeed, *gradient}))
                        : std::nullopt,
                    Mask::D5);
    }
    filterDigits(key);
    keepTypingLimit(m_ui->txtFPNM, key);
}

void ConvertWindow::txtFPM_KeyPress(int& key) {
    if (key == kKeyEnter) {
        if (isEmpty(m_ui->txtGS) || isEmpty(m_ui->txtFPM)) {
            return;  // nothing at all, not even a beep
        }
        const std::optional<double> groundSpeed = strictValue(m_ui->txtGS);
        const std::optional<double> rate = strictValue(m_ui->txtFPM);
        // Without ground speed there is no gradient: the field is left empty.
        writeResult(
            m_ui->txtFPNM,
            groundSpeed && rate ? ComputeClimbGradient({*groundSpeed, *rate}) : std::nullopt,
            Mask::D5);
    }
    filterDigits(key);
    keepTypingLimit(m_ui->txtFPM, key);
}

void ConvertWindow::writeResult(QLineEdit* field, std::optional<double> value, Mask mask) {
    // caption() gives the empty text for a value that is not finite.
    const QString text = value ? caption(*value, mask) : QString();
    field->setMaxLength(std::max(m_typingLimit.value(field), static_cast<int>(text.size())));
    field->setText(text);
}

void ConvertWindow::keepTypingLimit(QLineEdit* field, int& key) const {
    const int limit = m_typingLimit.value(field);
    if (key == 0 || key == kKeyBackspace || key == kKeyEnter || field->maxLength() <= limit) {
        return;
    }
    if (field->text().size() - field->selectedText().size() >= limit) {
        key = 0;  // a full field ignores further characters, without a beep
    }
}

}  // namespace aerolume
