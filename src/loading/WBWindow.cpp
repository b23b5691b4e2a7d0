// SPDX-License-Identifier: GPL-3.0-or-later
#include "WBWindow.h"

#include "BalanceCore.h"
#include "common/StoredEntries.h"
#include "platform/SettingsStore.h"
#include "shell/ClientArea.h"
#include "ui_WBWindow.h"

namespace aerolume {
namespace {

const QString kApplication = QString::fromLatin1(stored::kApplication);
const QString kSection = QString::fromLatin1(stored::wb::kSection);

QString armKey(std::size_t row) {
    return QString::fromLatin1(stored::wb::kArmKeys[row]);
}

}  // namespace

WBWindow::WBWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Weight and Balance")), m_ui(std::make_unique<Ui::WBForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    m_weights = {m_ui->txtW1, m_ui->txtW2, m_ui->txtW3, m_ui->txtW4,
                 m_ui->txtW5, m_ui->txtW6, m_ui->txtW7, m_ui->txtW8};
    m_arms = {m_ui->txtD1, m_ui->txtD2, m_ui->txtD3, m_ui->txtD4,
              m_ui->txtD5, m_ui->txtD6, m_ui->txtD7, m_ui->txtD8};
    setResults({m_ui->Label12, m_ui->Label13}, {m_ui->GW, m_ui->CG}, m_ui->ErrorLbl, 12, true);
    setHelp({tr("   Note: the labels 'Fuel', 'Front Seat(s)', etc. are merely suggestions, you can "
                "enter baggage in that field, if you wanted to. The labels are only for "
                "reference."),
             tr("   Enter weights in the first columb. Valid values are positive numbers up to 6 "
                "digits long. Enter the distance from the datum for each weight. Valid values are "
                "all integers up to 7 digits. If a particular load is FOREWARD from the datum, "
                "enter the distance as a NEGATIVE number!"),
             tr("   It might be best to do the weight & balance problem twice, as it is quite easy "
                "to make a mistake with the data entry.")});

    // txtW1_KeyPress ... txtW8_KeyPress: Enter goes to the arm of the same row.
    // txtD1_KeyPress ... txtD7_KeyPress: Enter goes to the weight of the next row.
    // txtD8_KeyPress: Enter computes.
    for (std::size_t row = 0; row < 8; ++row) {
        addField(m_weights[row], kDigits, m_arms[row]);
        if (row + 1 < 8) {
            addField(m_arms[row], kMinusPointSlashDigits, m_weights[row + 1]);
        }
    }
    addLastField(m_ui->txtD8, kMinusPointSlashDigits, [this] { return compute(); });

    connect(m_ui->Command2, &QPushButton::clicked, this, &WBWindow::Command2_Click);
    fitClientArea(this, 5685, 4770);
    Form_Load();
}

WBWindow::~WBWindow() = default;

void WBWindow::Form_Load() {
    m_ui->txtW1->setText(platform::readSetting(kApplication, kSection,
                                               QString::fromLatin1(stored::wb::kEmptyWeight)));
    for (std::size_t row = 0; row < 8; ++row) {
        m_arms[row]->setText(platform::readSetting(kApplication, kSection, armKey(row)));
        if (row > 0) {
            m_weights[row]->clear();
        }
    }
}

void WBWindow::Form_Unload() {
    QList<QPair<QString, QString>> entries;
    entries.append({QString::fromLatin1(stored::wb::kEmptyWeight), m_ui->txtW1->text()});
    for (std::size_t row = 0; row < 8; ++row) {
        entries.append({armKey(row), m_arms[row]->text()});
    }
    // The window is going away: a store that cannot be written leaves the previous
    // entries in place (the write is atomic) and there is nowhere left to report it.
    platform::writeSettings(kApplication, kSection, entries);
}

void WBWindow::Command2_Click() {
    compute();
}

bool WBWindow::compute() {
    beginRun();
    // All sixteen values are taken first: an empty field counts as 0, any other text
    // must be a decimal number as a whole.
    std::array<std::optional<double>, 8> weights;
    std::array<std::optional<double>, 8> arms;
    for (std::size_t row = 0; row < 8; ++row) {
        weights[row] = isEmpty(m_weights[row]) ? 0.0 : strictValue(m_weights[row]);
        arms[row] = isEmpty(m_arms[row]) ? 0.0 : strictValue(m_arms[row]);
    }
    // No field is cleared on any error.
    if (isEmpty(m_ui->txtW1)) {
        return fail(tr("Invalid Empty Weight!"), m_ui->txtW1, OnField::FocusOnly);
    }
    if (isEmpty(m_ui->txtD1)) {
        return fail(tr("Invalid Empty CG!"), m_ui->txtD1, OnField::FocusOnly);
    }
    // A text such as "-", "." or "3/4" is not a number: the first one, in tab order, is
    // reported and focused, and nothing is computed.
    for (std::size_t row = 0; row < 8; ++row) {
        if (!weights[row]) {
            return fail(tr("Invalid number!"), m_weights[row], OnField::FocusOnly);
        }
        if (!arms[row]) {
            return fail(tr("Invalid number!"), m_arms[row], OnField::FocusOnly);
        }
    }
    BalanceInput input;
    for (std::size_t row = 0; row < 8; ++row) {
        input.Rows[row] = {*weights[row], *arms[row]};
    }
    const BalanceResult result = ComputeBalance(input);
    if (!result.CenterOfGravity) {
        return fail(tr("Invalid weight!"));
    }
    m_ui->GW->setText(caption(result.GrossWeight, Mask::D7_1));
    m_ui->CG->setText(caption(*result.CenterOfGravity, Mask::Fixed));
    return true;
}

}  // namespace aerolume
