// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives one answer of a calculator window the way a pilot does: opens the window from
// the launcher, types the fixed entries key by key, and then, run after run, retypes
// the varied field, presses Enter in the target field (or clicks the target button)
// and reads the results.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <optional>
#include <vector>

#include "BenchWindows.h"

namespace aerolume::bench {

// Lets posted events (deferred deletions, repaints) happen.
inline void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The text of a result: a label's caption or a field's text.
inline QString textOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
        return field->text();
    }
    return QString();
}

class AnswerDriver {
public:
    // Opens the window from the launcher and types the fixed entries.
    // `registry` holds the launcher, shown, and the window.
    AnswerDriver(WindowRegistry& registry, const Answer& answer)
        : m_registry(registry), m_answer(answer) {
        m_failure = open();
    }

    // Empty when the window is open with every control the answer names.
    const QString& failure() const { return m_failure; }
    QWidget* window() const { return m_window; }
    const std::vector<QWidget*>& resultWidgets() const { return m_results; }

    // Retypes the varied field with the first (0) or second (1) text and puts the focus
    // on the target, then lets the window settle.
    void prepare(int variant) {
        m_varied->setFocus();
        m_varied->clear();
        QTest::keyClicks(m_varied,
                         variant == 0 ? m_answer.variants.first : m_answer.variants.second);
        m_target->setFocus();
        settle();
    }

    // What is measured: Enter in the target field, or a click on the target button.
    void trigger() {
        if (m_answer.by == Answer::By::Enter) {
            QTest::keyClick(m_target, Qt::Key_Return);
        } else {
            QTest::mouseClick(static_cast<QAbstractButton*>(m_target), Qt::LeftButton);
        }
    }

    // The results' texts, or nothing (and `why`) when the window shows an error or an
    // empty result.
    std::optional<QStringList> results(QString* why) const {
        QStringList texts;
        for (const QWidget* widget : m_results) {
            texts << textOf(widget);
        }
        if (m_error != nullptr && m_error->isVisible()) {
            *why = QStringLiteral("the window reports: ") + textOf(m_error);
            return std::nullopt;
        }
        if (texts.contains(QString())) {
            *why = QStringLiteral("a result is empty");
            return std::nullopt;
        }
        return texts;
    }

    void close() {
        m_registry.unload(m_answer.window);
        settle();
    }

private:
    QString open() {
        QWidget* launcher = m_registry.window(QStringLiteral("Main"));
        QString button;
        for (const Calculator& c : calculators()) {
            if (c.name == m_answer.window) {
                button = c.launcherButton;
            }
        }
        if (!openFromLauncher(launcher, button)) {
            return QStringLiteral("the launcher has no button or entry ") + button;
        }
        m_window = m_registry.window(m_answer.window);
        if (m_window == nullptr || !m_window->isVisible()) {
            return QStringLiteral("the window did not open");
        }
        QApplication::setActiveWindow(m_window);
        if (!QTest::qWaitForWindowExposed(m_window)) {
            return QStringLiteral("the window was never exposed");
        }
        for (const auto& [name, text] : m_answer.entries) {
            auto* field = m_window->findChild<QLineEdit*>(name);
            if (field == nullptr) {
                return QStringLiteral("no field ") + name;
            }
            field->setFocus();
            field->clear();
            QTest::keyClicks(field, text);
        }
        m_varied = m_window->findChild<QLineEdit*>(m_answer.varied);
        if (m_varied == nullptr) {
            return QStringLiteral("no field ") + m_answer.varied;
        }
        m_target = m_answer.by == Answer::By::Enter
                       ? static_cast<QWidget*>(m_window->findChild<QLineEdit*>(m_answer.target))
                       : m_window->findChild<QAbstractButton*>(m_answer.target);
        if (m_target == nullptr) {
            return (m_answer.by == Answer::By::Enter ? QStringLiteral("no field ")
                                                     : QStringLiteral("no button ")) +
                   m_answer.target;
        }
        for (const QString& name : m_answer.results) {
            QWidget* result = m_window->findChild<QLabel*>(name);
            if (result == nullptr) {
                result = m_window->findChild<QLineEdit*>(name);
            }
            if (result == nullptr) {
                return QStringLiteral("no result ") + name;
            }
            m_results.push_back(result);
        }
        if (!m_answer.errorLabel.isEmpty()) {
            m_error = m_window->findChild<QLabel*>(m_answer.errorLabel);
            if (m_error == nullptr) {
                return QStringLiteral("no error label ") + m_answer.errorLabel;
            }
        }
        return QString();
    }

    WindowRegistry& m_registry;
    const Answer& m_answer;
    QString m_failure;
    QWidget* m_window = nullptr;
    QLineEdit* m_varied = nullptr;
    QWidget* m_target = nullptr;
    std::vector<QWidget*> m_results;
    QLabel* m_error = nullptr;
};

}  // namespace aerolume::bench
