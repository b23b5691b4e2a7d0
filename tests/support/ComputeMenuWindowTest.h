// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A WindowTest of a calculator the launcher opens from its Compute menu (it has no
// launcher button), whose failed checks keep the entry selected in the field.

#include "support/WindowTestKit.h"

namespace aerolume::test {

template <class Window>
class ComputeMenuWindowTest : public WindowTest<Window> {
protected:
    ComputeMenuWindowTest(const char* name, const char* menuEntry, Names resultArea)
        : WindowTest<Window>(name, menuEntry, std::move(resultArea)),
          m_name(name),
          m_entry(menuEntry) {}

    void SetUp() override {
        this->program =
            std::make_unique<TestProgram>(std::vector<std::pair<QString, WindowRegistry::Factory>>{
                {QString::fromLatin1(m_name), [](WindowRegistry& r) { return new Window(r); }}});
        ASSERT_TRUE(this->reopenFromMenu(m_entry));
        showAndActivate(this->window);
    }

    // Presses Enter in the last field of a run that fails: the message in place of the
    // results, no beep, and the field that failed focused with its whole entry selected.
    void expectEnterReports(const char* last, const char* message, const char* field) {
        this->field(last)->setFocus();
        BeepCounter beeps;
        pressEnter(this->field(last));
        EXPECT_EQ(beeps.count(), 0);
        EXPECT_EQ(this->label("ErrorLbl")->text().toStdString(), message);
        EXPECT_TRUE(this->errorShown());
        QLineEdit* failed = this->field(field);
        EXPECT_TRUE(failed->hasFocus()) << field;
        EXPECT_EQ(failed->selectedText(), failed->text()) << field;
    }

private:
    const char* m_name;
    const char* m_entry;
};

}  // namespace aerolume::test
