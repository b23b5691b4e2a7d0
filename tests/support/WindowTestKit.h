// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for driving real windows with real key and mouse events.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "shell/WindowRegistry.h"

// Failures show Qt strings, and lists of them, as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace aerolume::test {

// The child of a window with that object name; fails the test when there is none.
template <class T>
T* child(const QObject* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << "no " << name.toStdString();
    return found;
}

// Shows a window, makes it the active one and waits until it is.
void showAndActivate(QWidget* window);

// Types the text key by key into a field (each character a real key event).
void type(QWidget* field, const QString& text);
// Presses Enter (Return) / Backspace in a field.
void pressEnter(QWidget* field);
void pressBackspace(QWidget* field);
// Pastes text into a field through the clipboard and Ctrl+V.
void paste(QLineEdit* field, const QString& text);
// Clicks a button or option button with the left mouse button.
void click(QAbstractButton* button);

// Counts the beeps given from its creation on.
class BeepCounter {
public:
    BeepCounter();
    int count() const;

private:
    std::uint64_t m_start;
};

// What a modal message box showed.
struct MessageBoxSeen {
    bool shown = false;
    QString title;
    QString text;  // the text handed to the box
    int buttons = 0;
    bool hasIcon = true;
    QString okText;
};
// Runs `trigger`, which is expected to open a modal message box; reads the box and
// presses its OK button.
MessageBoxSeen captureMessageBox(const std::function<void()>& trigger);
// Runs `trigger`; chooses `file` in the file dialog it opens, if any, typed into its name
// field, and reads the message box that follows (pressing OK; a question whether to
// replace the file is answered Yes). Returns the box's text, "" when none came; `note`
// receives the dialog's note below its fields (DocumentCommands::askFile), if any.
QString answerFileDialogs(const QString& file, const std::function<void()>& trigger,
                          QString* note = nullptr);

// A registry holding the launcher and the given windows, whose Exit is recorded
// instead of ending the test program. Shows the launcher.
class TestProgram {
public:
    explicit TestProgram(
        const std::vector<std::pair<QString, WindowRegistry::Factory>>& windows = {});
    ~TestProgram();

    WindowRegistry& registry() { return *m_registry; }
    QWidget* main() const { return m_registry->window(QStringLiteral("Main")); }
    bool ended() const { return m_ended; }
    // Opens a window the way the launcher does (its button), returns it active.
    QWidget* open(const QString& launcherButton, const QString& window);
    // Lets deferred deletions of closed windows happen.
    static void settle();

private:
    std::unique_ptr<WindowRegistry> m_registry;
    bool m_ended = false;
};

// A list of object names or of texts, written as a braced list or given as an array.
class Names {
public:
    Names(std::initializer_list<const char*> names) : m_names(names) {}
    template <std::size_t N>
    Names(const char* const (&names)[N]) : m_names(names, names + N) {}
    template <std::size_t N>
    Names(const std::array<const char*, N>& names) : m_names(names.begin(), names.end()) {}

    std::size_t size() const { return m_names.size(); }
    const char* operator[](std::size_t i) const { return m_names[i]; }
    auto begin() const { return m_names.begin(); }
    auto end() const { return m_names.end(); }

private:
    std::vector<const char*> m_names;
};

// Every named child of the window is shown (not hidden), or every one hidden; a failure
// names each that is not.
::testing::AssertionResult allShown(const QWidget* window, const Names& names);
::testing::AssertionResult allHidden(const QWidget* window, const Names& names);

// Each named label has the look of a result: bold, 12 points, dark red.
::testing::AssertionResult haveResultLook(const QWidget* window, const Names& labels);
// Each named label has the newer windows' message look (styleMessageLabel): framed, not
// bold, in the window's font.
::testing::AssertionResult haveMessageLook(const QWidget* window, const Names& labels);

// Each named field holds its text (UTF-8), except the field named `except`; a failure
// names each that does not.
::testing::AssertionResult holdTexts(const QWidget* window, const Names& fields, const Names& texts,
                                     const char* except = nullptr);

// Empties each named field and types its text (UTF-8) key by key; fails when a field
// refuses a key.
void typeFields(const QWidget* window, const Names& fields, const Names& texts);

// Empties the fields, then types the texts as a pilot would: from the first field on,
// each into whichever field has the focus, each but the last followed by Enter. Fails
// when the focus is not in the next field of the list.
void typeAlongEnterChain(const QWidget* window, const Names& fields, const Names& texts);

// Gives `from` the focus, types `typed` and presses Enter: `beeps` beeps (the original
// calculators' one, or none in the newer windows), the focus in `to` and the text as
// typed (Enter inserts nothing).
void expectEnterMovesOn(QLineEdit* from, QWidget* to, const QString& typed, int beeps = 1);
// The same along every field of the chain in turn.
void expectEnterChain(const QWidget* window, const Names& chain, const QString& typed,
                      int beeps = 1);

// A key filter case: what typing into a field keeps and how many beeps it gives.
struct KeyCase {
    const char* field;
    const char* typed;  // UTF-8
    const char* kept;
    int beeps;
};
void PrintTo(const KeyCase& k, std::ostream* os);
// Gives the field the focus as a click would, types the keys and checks the outcome.
void expectKeys(QLineEdit* field, const KeyCase& k);

// The object names of `from` and of the widgets that follow it in its window's focus
// chain and take the focus: `count` names in all.
QStringList focusChain(const QWidget* from, int count);
// The object names of the widgets that have the focus in turn when `first` is given the
// focus and Tab is pressed again and again: `count` names in all.
QStringList tabOrder(QWidget* first, int count);

// Opens the window's Help box from its menu entry, checks that it is the program's help
// box (its title, one button, no icon) and returns its paragraphs (none when no box
// showed).
QStringList helpParagraphs(const QWidget* window);

// Delivers one tick of a running timer as its event loop would: the timer emits its
// timeout and the connected handler runs. A stopped timer has nothing to deliver.
void tick(QTimer* timer);
inline QTimer* timer(const QWidget* window, const QString& name) {
    return child<QTimer>(window, name);
}

// The ways a window is closed: its Close button, its Close menu entry, its close box.
enum class CloseBy { Button, MenuEntry, CloseBox };
void PrintTo(CloseBy by, std::ostream* os);
// Closes the window that way and lets its deletion happen.
void closeWindow(QWidget* window, CloseBy by);

// The program's settings store file, in the test program's own configuration folder
// (see QtTestMain.cpp).
QString storeFile();
// Removes the store file, or a folder a test left in its place.
void removeStore();

// A test of one calculator window: a program with the launcher and that window, opened
// the way the launcher does, with finders for the window's children by object name and
// the state of its result area (the result captions and results against the error
// label).
template <class Window>
class WindowTest : public ::testing::Test {
protected:
    WindowTest(const char* name, const char* launcherButton, Names resultArea = {},
               const char* errorLabel = "ErrorLbl")
        : m_name(QString::fromLatin1(name)),
          m_launcherButton(QString::fromLatin1(launcherButton)),
          m_resultArea(std::move(resultArea)),
          m_errorLabel(errorLabel) {}

    void SetUp() override { startProgram(); }

    // A new program whose launcher then opens the window.
    void startProgram() {
        program =
            std::make_unique<TestProgram>(std::vector<std::pair<QString, WindowRegistry::Factory>>{
                {m_name, [](WindowRegistry& r) { return new Window(r); }}});
        reopen();
    }
    // Opens the window from the launcher's button.
    void reopen() {
        window = program->open(m_launcherButton, m_name);
        ASSERT_NE(window, nullptr);
    }
    // Opens the window from the launcher's menu entry.
    [[nodiscard]] ::testing::AssertionResult reopenFromMenu(const char* entry) {
        child<QAction>(program->main(), QString::fromLatin1(entry))->trigger();
        window = program->registry().window(m_name);
        if (window == nullptr) {
            return ::testing::AssertionFailure() << entry << " opened no window";
        }
        return ::testing::AssertionSuccess();
    }
    bool loaded() const { return program->registry().isLoaded(m_name); }

    QLineEdit* field(const char* name) const { return field(QString::fromLatin1(name)); }
    QLineEdit* field(const QString& name) const { return child<QLineEdit>(window, name); }
    QLabel* label(const char* name) const {
        return child<QLabel>(window, QString::fromLatin1(name));
    }
    QRadioButton* option(const char* name) const {
        return child<QRadioButton>(window, QString::fromLatin1(name));
    }
    QPushButton* button(const char* name) const {
        return child<QPushButton>(window, QString::fromLatin1(name));
    }
    QPushButton* compute() const { return button("Command2"); }
    QAction* action(const char* name) const {
        return child<QAction>(window, QString::fromLatin1(name));
    }
    // The text of the named field or label.
    std::string text(const char* name) const {
        if (auto* f = window->findChild<QLineEdit*>(QString::fromLatin1(name))) {
            return f->text().toStdString();
        }
        return label(name)->text().toStdString();
    }

    // The result captions and results shown, the error hidden; or the reverse.
    ::testing::AssertionResult resultsShown() const {
        ::testing::AssertionResult shown = allShown(window, m_resultArea);
        return shown ? allHidden(window, {m_errorLabel}) : shown;
    }
    ::testing::AssertionResult errorShown() const {
        ::testing::AssertionResult hidden = allHidden(window, m_resultArea);
        return hidden ? allShown(window, {m_errorLabel}) : hidden;
    }

    // Presses Enter in the field that ends a run that succeeds: the results are shown,
    // then the Enter key meets the field's key filter and gives its one beep.
    void expectEnterShowsResults(const char* last) {
        field(last)->setFocus();
        BeepCounter beeps;
        pressEnter(field(last));
        EXPECT_EQ(beeps.count(), 1) << "Enter in " << last;
        EXPECT_TRUE(resultsShown()) << "Enter in " << last;
    }
    // Presses Enter in the field that ends a run that fails: the message is shown in
    // place of the results, the field that failed is emptied and given the focus, and the
    // Enter key is left alone (no beep).
    void expectEnterReports(const char* last, const char* message, const char* cleared) {
        field(last)->setFocus();
        BeepCounter beeps;
        pressEnter(field(last));
        EXPECT_EQ(beeps.count(), 0) << "Enter in " << last;
        EXPECT_EQ(label(m_errorLabel)->text().toStdString(), message);
        EXPECT_TRUE(errorShown());
        EXPECT_TRUE(field(cleared)->text().isEmpty()) << cleared;
        EXPECT_TRUE(field(cleared)->hasFocus()) << cleared;
    }

    std::unique_ptr<TestProgram> program;
    QWidget* window = nullptr;

private:
    QString m_name;
    QString m_launcherButton;
    Names m_resultArea;
    const char* m_errorLabel;
};

// A WindowTest of a window that keeps entries in the settings store: each test starts
// without a store and removes the one it leaves.
template <class Window>
class StoredWindowTest : public WindowTest<Window> {
protected:
    using WindowTest<Window>::WindowTest;

    void SetUp() override {
        removeStore();
        WindowTest<Window>::SetUp();
    }
    void TearDown() override {
        this->program.reset();
        removeStore();
    }
};

}  // namespace aerolume::test
