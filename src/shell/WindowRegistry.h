// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace aerolume {

// The program's top-level windows, addressed by name ("Main", "Wind", "Dalt", ...).
// Each name exists at most once. Showing a window that is not loaded creates it
// (its load code runs in its constructor); unloading closes it, which runs its unload
// code and destroys it together with everything typed into it. Windows delete
// themselves when closed (Qt::WA_DeleteOnClose), so the registry only watches them.
//
// One window is on screen at a time. The launcher hides itself when it opens a window,
// and a closing window shows the launcher again. A window opened from another window
// (showFrom: the Airport window from a checkpoint of the navigation log) hides its
// opener instead, which keeps everything in it; closing the window shows the opener
// again, and only when the opener is gone the launcher.
class WindowRegistry final : public QObject {
    Q_OBJECT

public:
    using Factory = std::function<QWidget*(WindowRegistry&)>;

    WindowRegistry();

    // Makes a window known by its name. A name without a factory cannot be shown.
    void registerWindow(const QString& name, Factory factory);
    bool isRegistered(const QString& name) const;

    // The loaded window of that name, or nullptr.
    QWidget* window(const QString& name) const;
    bool isLoaded(const QString& name) const { return window(name) != nullptr; }

    // Loads the window if needed, shows it modeless and without an owner and brings
    // it to the front. Returns it, or nullptr for an unknown name.
    QWidget* show(const QString& name);
    // Shows the window as show() does, on behalf of `opener`, which is hidden until the
    // window closes. Returns the window, or nullptr for an unknown name (the opener then
    // stays on screen).
    QWidget* showFrom(const QString& name, QWidget* opener);
    // The window that opened `window` with showFrom() and is still loaded, or nullptr.
    QWidget* openerOf(const QWidget* window) const;
    // What a window that is closing gives back: its opener, shown again, or the launcher.
    void showAfterClose(const QWidget* window);

    // Unloads the window if it is loaded.
    void unload(const QString& name);

    // Ends the program at once: no window's unload code runs, nothing is saved.
    void endProgram();
    // Replaces what endProgram does (tests watch it instead of leaving the loop).
    void setEndProgram(std::function<void()> end) { m_endProgram = std::move(end); }

protected:
    // Forgets a window as soon as it has accepted its close, so that its name can be
    // loaded anew at once, before Qt gets round to deleting the closed window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<QWidget>> m_windows;
    QHash<const QWidget*, QPointer<QWidget>> m_openers;
    std::function<void()> m_endProgram;
};

}  // namespace aerolume
