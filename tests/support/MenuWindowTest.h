// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A test of a newer window, one the launcher opens from its Compute menu only (the
// second group), with the checks those windows share: Enter moves on and computes
// without a beep, a failed check keeps the entry in its field, selected, and the
// message has the message look.

#include "support/WindowTestKit.h"

namespace aerolume::test {

template <class Window>
class MenuWindowTest : public WindowTest<Window> {
protected:
    using Windows = std::vector<std::pair<QString, WindowRegistry::Factory>>;

    // `others`: more windows of the program the test needs beside this one.
    MenuWindowTest(const char* name, const char* menuEntry, Names resultArea, Windows others = {})
        : WindowTest<Window>(name, menuEntry, std::move(resultArea)),
          m_name(name),
          m_entry(menuEntry),
          m_others(std::move(others)) {}

    void SetUp() override { open(); }

    // A new program with the launcher, the window and the others, the window opened
    // from its menu entry.
    void open() {
        Windows windows = m_others;
        windows.emplace_back(QString::fromLatin1(m_name),
                             [](WindowRegistry& r) { return new Window(r); });
        this->program = std::make_unique<TestProgram>(windows);
        ASSERT_TRUE(this->reopenFromMenu(m_entry));
        showAndActivate(this->window);
    }

    // Types the entries (UTF-8) into the fields.
    void fill(const Names& fields, const Names& texts) { typeFields(this->window, fields, texts); }

    // Presses Enter in the field that ends a run that succeeds: the results, no beep.
    void expectEnterShowsResults(const char* last) {
        this->field(last)->setFocus();
        BeepCounter beeps;
        pressEnter(this->field(last));
        EXPECT_EQ(beeps.count(), 0) << "Enter in " << last;
        EXPECT_TRUE(this->resultsShown()) << "Enter in " << last;
    }

    // Types the entries along the Enter chain and presses Enter in the last field, as a
    // pilot computes: not one beep from the first key to the results.
    void expectQuietEnterChain(const Names& fields, const Names& texts) {
        showAndActivate(this->window);
        BeepCounter beeps;
        typeAlongEnterChain(this->window, fields, texts);
        pressEnter(this->field(fields[fields.size() - 1]));
        EXPECT_EQ(beeps.count(), 0);
        EXPECT_TRUE(this->resultsShown());
    }

    // Enter moves along the fields without a beep.
    void expectEnterChain(const Names& chain) {
        test::expectEnterChain(this->window, chain, QStringLiteral("10"), 0);
    }

    // Presses Enter in the last field of a run that fails, or clicks Compute!: the
    // message in place of the results, no beep, and the field that failed focused with
    // its whole entry selected.
    void expectEnterReports(const char* last, const char* message, const char* field) {
        this->field(last)->setFocus();
        BeepCounter beeps;
        pressEnter(this->field(last));
        EXPECT_EQ(beeps.count(), 0);
        expectMessage(message, field);
    }
    void expectReport(const char* message, const char* field) {
        click(this->compute());
        expectMessage(message, field);
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
    void expectMessage(const char* message, const char* field) {
        EXPECT_EQ(this->label("ErrorLbl")->text().toStdString(), message);
        EXPECT_TRUE(this->errorShown());
        EXPECT_TRUE(haveMessageLook(this->window, {"ErrorLbl"}));
        QLineEdit* failed = this->field(field);
        EXPECT_TRUE(failed->hasFocus()) << field;
        EXPECT_EQ(failed->selectedText(), failed->text()) << field;
    }

    const char* m_name;
    const char* m_entry;
    Windows m_others;
};

}  // namespace aerolume::test
