// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A test of a calculator the launcher opens from its Compute menu only, with checks
// the calculators of that group share.

#include <QApplication>

#include "support/WindowTestKit.h"

namespace aerolume::test {

template <class Window>
class MenuWindowTest : public WindowTest<Window> {
protected:
    MenuWindowTest(const char* name, const char* entry, Names resultArea)
        : WindowTest<Window>(name, "", std::move(resultArea)), m_name(name), m_entry(entry) {}

    void SetUp() override {
        this->program =
            std::make_unique<TestProgram>(std::vector<std::pair<QString, WindowRegistry::Factory>>{
                {QString::fromLatin1(m_name), [](WindowRegistry& r) { return new Window(r); }}});
        ASSERT_TRUE(this->reopenFromMenu(m_entry));
        showAndActivate(this->window);
    }

    // Types the entries (UTF-8) into the fields, then computes by Enter in the last field
    // or by the Compute! button.
    void fill(const Names& fields, const Names& texts) { typeFields(this->window, fields, texts); }

    // Computes by the button: the message shows in place of the results, and the field
    // that failed has the focus with its entry kept and selected.
    void expectReport(const char* message, const char* field) {
        click(this->compute());
        EXPECT_EQ(this->label("ErrorLbl")->text().toStdString(), message);
        EXPECT_TRUE(this->errorShown());
        QLineEdit* failed = this->field(field);
        EXPECT_TRUE(failed->hasFocus()) << field;
        EXPECT_EQ(failed->selectedText(), failed->text()) << field;
    }

    // Every field states its range in its tooltip, and the Help box states it too.
    void expectRangesInTooltipsAndHelp(const Names& fields) {
        const QString help = helpParagraphs(this->window).join(QLatin1Char(' '));
        for (const char* name : fields) {
            const QString range = this->field(name)->toolTip();
            EXPECT_FALSE(range.isEmpty()) << name;
            EXPECT_TRUE(help.contains(range)) << name << ": " << range.toStdString();
        }
    }

private:
    const char* m_name;
    const char* m_entry;
};

}  // namespace aerolume::test
