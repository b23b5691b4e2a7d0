#include "WindowTestKit.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/Beep.h"
#include "shell/LauncherWindow.h"

namespace aerolume::test {

void showAndActivate(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

void type(QWidget* field, const QString& text) {
    QTest::keyClicks(field, text);
}

void pressEnter(QWidget* field) {
    QTest::keyClick(field, Qt::Key_Return);
}

void pressBackspace(QWidget* field) {
    QTest::keyClick(field, Qt::Key_Backspace);
}

void paste(QLineEdit* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

BeepCounter::BeepCounter() : m_start(platform::beepCount()) {}

int BeepCounter::count() const {
    return static_cast<int>(platform::beepCount() - m_start);
}

MessageBoxSeen captureMessageBox(const std::function<void()>& trigger) {
    MessageBoxSeen seen;
    QTimer reader;
    reader.setInterval(10);
    QObject::connect(&reader, &QTimer::timeout, &reader, [&seen, &reader] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        reader.stop();
        seen.shown = true;
        seen.title = box->windowTitle();
        const QVariant stored = box->property("helpText");
        seen.text = stored.isValid() ? stored.toString() : box->text();
        seen.buttons = static_cast<int>(box->buttons().size());
        seen.hasIcon = box->icon() != QMessageBox::NoIcon;
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            seen.okText = ok->text();
            ok->click();
        } else {
            box->reject();
        }
    });
    reader.start();
    QTimer::singleShot(5000, &reader, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    trigger();
    return seen;
}

TestProgram::TestProgram(const std::vector<std::pair<QString, WindowRegistry::Factory>>& windows)
    : m_registry(std::make_unique<WindowRegistry>()) {
    m_registry->setEndProgram([this] { m_ended = true; });
    m_registry->registerWindow(QStringLiteral("Main"),
                               [](WindowRegistry& r) { return new LauncherWindow(r); });
    for (const auto& [name, factory] : windows) {
        m_registry->registerWindow(name, factory);
    }
    showAndActivate(m_registry->show(QStringLiteral("Main")));
}

TestProgram::~TestProgram() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->parentWidget() == nullptr) {
            windows.append(window);
        }
    }
    for (const QPointer<QWidget>& window : windows) {
        delete window.data();
    }
    settle();
}

QWidget* TestProgram::open(const QString& launcherButton, const QString& window) {
    click(child<QPushButton>(main(), launcherButton));
    QWidget* opened = m_registry->window(window);
    EXPECT_NE(opened, nullptr) << "window " << window.toStdString() << " did not open";
    if (opened != nullptr) {
        showAndActivate(opened);
    }
    return opened;
}

void TestProgram::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace aerolume::test
