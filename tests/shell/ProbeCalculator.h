// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A small calculator built on the window pattern, for testing the pattern and the
// launcher without any real calculator: two fields, a Close button, one result.

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/CalculatorWindow.h"

namespace aerolume::test {

class ProbeCalculator final : public CalculatorWindow {
public:
    static inline int unloads = 0;

    // `newer`: declared as the newer windows are (silent Enter, the message look).
    ProbeCalculator(WindowRegistry& registry,
                    const QString& closeEntry = QStringLiteral("mnuClose"), bool newer = false)
        : CalculatorWindow(registry, QStringLiteral("Probe"), closeEntry) {
        auto* form = new QWidget(this);
        auto* layout = new QFormLayout(form);
        first = new QLineEdit(form);
        first->setObjectName(QStringLiteral("txtA"));
        second = new QLineEdit(form);
        second->setObjectName(QStringLiteral("txtB"));
        caption = new QLabel(QStringLiteral("Sum:"), form);
        caption->setObjectName(QStringLiteral("Label1"));
        result = new QLabel(form);
        result->setObjectName(QStringLiteral("Result"));
        error = new QLabel(form);
        error->setObjectName(QStringLiteral("ErrorLbl"));
        auto* close = new QPushButton(QStringLiteral("Close"), form);
        close->setObjectName(QStringLiteral("Command1"));
        layout->addRow(QStringLiteral("A:"), first);
        layout->addRow(QStringLiteral("B:"), second);
        layout->addRow(caption, result);
        layout->addRow(error);
        layout->addRow(close);
        setForm(form);
        if (newer) {
            setResultsAndMessage({caption}, {result}, error);
            setEnterSound(EnterSound::Silent);
        } else {
            setResults({caption}, {result}, error);
        }
        setHelp({QStringLiteral("   First."), QStringLiteral("Second.  ")});
        addField(first, kMinusPointSlashDigits, second);
        addLastField(second, kDigits, [this] { return run(); });
    }

    // Adds the two fields; an empty A is cleared-and-focused, an empty B only focused.
    bool run() {
        beginRun();
        if (isEmpty(first)) {
            return fail(QStringLiteral("A?"), first);
        }
        if (isEmpty(second)) {
            return fail(QStringLiteral("B?"), second, OnField::FocusOnly);
        }
        const auto a = strictValue(first);
        if (!a) {
            return fail(QStringLiteral("Not a number!"), first);
        }
        if (lenientValue(second) > 500) {
            return fail(QStringLiteral("B too large!"), second, OnField::SelectAndFocus);
        }
        result->setText(CalculatorWindow::caption(*a + lenientValue(second), Mask::D3_1,
                                                  QStringLiteral(" kt")));
        return true;
    }

    QLineEdit* first;
    QLineEdit* second;
    QLabel* caption;
    QLabel* result;
    QLabel* error;

protected:
    void Form_Unload() override { ++unloads; }
};

}  // namespace aerolume::test
