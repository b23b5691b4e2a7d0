// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuelWindow.h"

#include "FuelCore.h"
#include "common/Durations.h"
#include "shell/ClientArea.h"
#include "ui_FuelWindow.h"

namespace aerolume {

FuelWindow::FuelWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Fuel")), m_ui(std::make_unique<Ui::FuelForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    setResultsAndMessage({m_ui->Label4, m_ui->Label5, m_ui->Label6, m_ui->Label7, m_ui->Label8,
                          m_ui->Label9, m_ui->Label10},
                         {m_ui->LblFlow, m_ui->LblTime, m_ui->LblAmount, m_ui->LblGal,
                          m_ui->LblLitre, m_ui->LblLb, m_ui->LblKg},
                         m_ui->ErrorLbl);
    setEnterSound(EnterSound::Silent);
    setHelp({tr("Fill in two of the three fields and leave the third empty: Compute! finds it "
                "from fuel amount = fuel flow × time, and shows the amount in every unit (US "
                "gal, L, lb, kg). A result outside the range of its field is not shown: the "
                "window says which entries to check."),
             tr("Fuel flow in the chosen unit per hour, from 0 to 99999 per hour."),
             tr("Time from 0:00:00 to 99:59:59 (h:mm:ss, h:mm or minutes); minutes may have "
                "decimals: 7.5 is 0:07:30."),
             tr("Fuel amount in the chosen unit, from 0 to 999999."),
             tr("Volume and weight by the fuel's standard density: AvGas 6.0 lb per US gallon, "
                "Jet A 6.7 lb per US gallon; 1 US gal = 3.785411784 L, 1 lb = "
                "0.45359237 kg. The density of real fuel varies with its temperature.")});

    addField(m_ui->txtFlow, kPointSlashDigits, m_ui->txtTime);
    addField(m_ui->txtTime, kPointSlashDigitsColon, m_ui->txtAmount);
    addLastField(m_ui->txtAmount, kPointSlashDigits, [this] { return compute(); });
    connect(m_ui->Command2, &QPushButton::clicked, this, &FuelWindow::Command2_Click);
    fitClientArea(this, 5100, 6960);
}

FuelWindow::~FuelWindow() = default;

void FuelWindow::Command2_Click() {
    compute();
}

bool FuelWindow::compute() {
    beginRun();
    if (!oneLeftEmpty({m_ui->txtFlow, m_ui->txtTime, m_ui->txtAmount})) {
        return false;
    }
    const struct {
        QRadioButton* option;
        FuelUnit unit;
        QString symbol;
    } units[] = {{m_ui->optGal, FuelUnit::UsGallons, tr("US gal")},
                 {m_ui->optLitre, FuelUnit::Litres, tr("L")},
                 {m_ui->optLb, FuelUnit::Pounds, tr("lb")},
                 {m_ui->optKg, FuelUnit::Kilograms, tr("kg")}};
    FuelInput input;
    QString symbol;
    for (const auto& u : units) {
        if (u.option->isChecked()) {
            input.Unit = u.unit;
            symbol = u.symbol;
        }
    }
    const QString perHour = tr("%1/h").arg(symbol);
    if (!isEmpty(m_ui->txtFlow) &&
        !(input.Flow = readWithin(m_ui->txtFlow, 0, kFuelMaxFlow,
                                  tr("Enter a fuel flow from 0 to 99999 %1!").arg(perHour)))) {
        return false;
    }
    if (!isEmpty(m_ui->txtTime) &&
        !(input.Hours = readHoursBelow(m_ui->txtTime, kFuelHoursBelow,
                                       tr("Enter a time from 0:00:00 to 99:59:59!")))) {
        return false;
    }
    if (!isEmpty(m_ui->txtAmount) &&
        !(input.Amount = readWithin(m_ui->txtAmount, 0, kFuelMaxAmount,
                                    tr("Enter a fuel amount from 0 to 999999 %1!").arg(symbol)))) {
        return false;
    }
    input.Kind = m_ui->optJetA->isChecked() ? FuelKind::JetA : FuelKind::AvGas;
    const auto result = SolveFuel(input);
    if (!result) {
        // The unknown would come from a division by zero.
        return !input.Hours ? fail(tr("The time needs a fuel flow above 0!"), m_ui->txtFlow,
                                   OnField::SelectAndFocus)
                            : fail(tr("The fuel flow needs a time above 0!"), m_ui->txtTime,
                                   OnField::SelectAndFocus);
    }
    auto amount = [](double value, const QString& unit) {
        return QString::fromStdString(formatFixed(value, 1)) + QLatin1Char(' ') + unit;
    };
    const QString flow = amount(result->Flow, perHour);
    const QString time = QString::fromStdString(formatDuration(result->Hours));
    const QString total = amount(result->Amount, symbol);
    // A result the window would refuse as an entry is no answer: the entries are off.
    if (!input.Flow && result->Flow > kFuelMaxFlow) {
        return fail(tr("The fuel flow that burns %1 in %2 is %3, outside the 0 to 99999 %4 this "
                       "window takes: check the fuel amount and the time!")
                        .arg(total, time, flow, perHour),
                    m_ui->txtAmount, OnField::SelectAndFocus);
    }
    if (!input.Hours && result->Hours >= kFuelHoursBelow) {
        return fail(tr("The time %1 lasts at %2 is %3, outside the 0:00:00 to 99:59:59 this "
                       "window takes: check the fuel amount and the fuel flow!")
                        .arg(total, flow, time),
                    m_ui->txtAmount, OnField::SelectAndFocus);
    }
    if (!input.Amount && result->Amount > kFuelMaxAmount) {
        return fail(tr("The fuel burned at %1 for %2 is %3, outside the 0 to 999999 %4 this "
                       "window takes: check the fuel flow and the time!")
                        .arg(flow, time, total, symbol),
                    m_ui->txtTime, OnField::SelectAndFocus);
    }
    m_ui->LblFlow->setText(flow);
    m_ui->LblTime->setText(time);
    m_ui->LblAmount->setText(total);
    QLabel* const inEveryUnit[] = {m_ui->LblGal, m_ui->LblLitre, m_ui->LblLb, m_ui->LblKg};
    for (std::size_t i = 0; i < std::size(inEveryUnit); ++i) {
        inEveryUnit[i]->setText(amount(result->AmountIn[i], units[i].symbol));
    }
    return true;
}

}  // namespace aerolume
