#pragma once

// Helpers for driving real windows with real key and mouse events.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "shell/WindowRegistry.h"

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

}  // namespace aerolume::test
