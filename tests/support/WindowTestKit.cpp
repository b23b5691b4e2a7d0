// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowTestKit.h"

#include <QImage>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

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

QString answerFileDialogs(const QString& file, const std::function<void()>& trigger,
                          QString* note) {
    QString message;
    QTimer reader;
    reader.setInterval(10);
    QObject::connect(&reader, &QTimer::timeout, &reader, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            if (dialog->property("answered").toBool()) {
                return;  // its accept is on its way
            }
            // Typed into its name field as a pilot would. The dialog reads its folder in
            // the background and may then put the name it suggested back: accepted only
            // when its field held ours from one tick to the next, after this tick (a
            // question it asks, replace the file?, is answered by a later one).
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (name == nullptr || name->text() != file) {
                if (name != nullptr) {
                    name->setText(file);
                }
                return;
            }
            if (auto* shown = dialog->findChild<QLabel*>(QStringLiteral("lblFileNote"));
                note != nullptr && shown != nullptr) {
                *note = shown->text();
            }
            dialog->setProperty("answered", true);
            QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (QAbstractButton* replace = box->button(QMessageBox::Yes)) {
                replace->click();  // the file dialog's question: replace the file there
                return;
            }
            message = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    reader.start();
    trigger();
    return message;
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

namespace {

// The names, between quotes, of the children of the window for which `fails` holds.
template <class T, class Fails>
::testing::AssertionResult check(const QWidget* window, const Names& names, const char* what,
                                 Fails fails) {
    QStringList failing;
    for (const char* name : names) {
        T* found = child<T>(window, QString::fromLatin1(name));
        if (found == nullptr || fails(found)) {
            failing << QLatin1Char('"') + QString::fromLatin1(name) + QLatin1Char('"');
        }
    }
    if (failing.isEmpty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << failing.join(QStringLiteral(", ")).toStdString() << " " << what;
}

}  // namespace

::testing::AssertionResult allShown(const QWidget* window, const Names& names) {
    return check<QWidget>(window, names, "hidden", [](QWidget* w) { return w->isHidden(); });
}

::testing::AssertionResult allHidden(const QWidget* window, const Names& names) {
    return check<QWidget>(window, names, "shown", [](QWidget* w) { return !w->isHidden(); });
}

::testing::AssertionResult haveResultLook(const QWidget* window, const Names& labels) {
    return check<QLabel>(window, labels, "not bold, 12 points and dark red", [](QLabel* l) {
        return !l->font().bold() || l->font().pointSizeF() != 12 ||
               l->palette().color(QPalette::WindowText) != QColor(128, 0, 0);
    });
}

::testing::AssertionResult haveMessageLook(const QWidget* window, const Names& labels) {
    return check<QLabel>(window, labels, "not in the message look", [window](QLabel* l) {
        // As drawn: a dark left edge, a pale ground inside the frame.
        const QImage image = l->grab().toImage();
        if (image.width() < 8 || image.height() < 8) {
            return true;
        }
        const QColor edge = image.pixelColor(1, image.height() / 2);
        const QColor ground = image.pixelColor(image.width() - 4, 3);
        return l->font().bold() || l->font().pointSizeF() != window->font().pointSizeF() ||
               edge.lightness() > 128 || ground.lightness() < 200;
    });
}

::testing::AssertionResult holdTexts(const QWidget* window, const Names& fields, const Names& texts,
                                     const char* except) {
    EXPECT_EQ(fields.size(), texts.size());
    QStringList failing;
    for (std::size_t i = 0; i < fields.size() && i < texts.size(); ++i) {
        if (except != nullptr && std::string(fields[i]) == except) {
            continue;
        }
        auto* field = child<QLineEdit>(window, QString::fromLatin1(fields[i]));
        const QString expected = QString::fromUtf8(texts[i]);
        if (field == nullptr || field->text() != expected) {
            failing << QStringLiteral("%1 holds \"%2\", not \"%3\"")
                           .arg(QString::fromLatin1(fields[i]),
                                field != nullptr ? field->text() : QString(), expected);
        }
    }
    if (failing.isEmpty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << failing.join(QStringLiteral("; ")).toStdString();
}

void typeFields(const QWidget* window, const Names& fields, const Names& texts) {
    ASSERT_EQ(fields.size(), texts.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        auto* field = child<QLineEdit>(window, QString::fromLatin1(fields[i]));
        ASSERT_NE(field, nullptr);
        field->clear();
        type(field, QString::fromUtf8(texts[i]));
        ASSERT_EQ(field->text().toStdString(), texts[i]) << fields[i] << " refused a key";
    }
}

void typeAlongEnterChain(const QWidget* window, const Names& fields, const Names& texts) {
    ASSERT_EQ(fields.size(), texts.size());
    ASSERT_GT(fields.size(), 0U);
    std::vector<QLineEdit*> chain;
    for (const char* name : fields) {
        chain.push_back(child<QLineEdit>(window, QString::fromLatin1(name)));
        ASSERT_NE(chain.back(), nullptr);
        chain.back()->clear();
    }
    chain.front()->setFocus();
    for (std::size_t i = 0; i < chain.size(); ++i) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_EQ(focused, chain[i]) << "the focus is not in " << fields[i];
        type(focused, QString::fromUtf8(texts[i]));
        if (i + 1 < chain.size()) {
            pressEnter(focused);
        }
    }
}

void expectEnterMovesOn(QLineEdit* from, QWidget* to, const QString& typed, int beeps) {
    ASSERT_NE(from, nullptr);
    ASSERT_NE(to, nullptr);
    const std::string name = from->objectName().toStdString();
    from->setFocus();
    BeepCounter counter;
    type(from, typed);
    pressEnter(from);
    EXPECT_EQ(counter.count(), beeps) << name;
    EXPECT_TRUE(to->hasFocus()) << "after " << name;
    EXPECT_EQ(from->text(), typed) << name;  // Enter inserts nothing
}

void expectEnterChain(const QWidget* window, const Names& chain, const QString& typed, int beeps) {
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        expectEnterMovesOn(child<QLineEdit>(window, QString::fromLatin1(chain[i])),
                           child<QWidget>(window, QString::fromLatin1(chain[i + 1])), typed, beeps);
    }
}

void PrintTo(const KeyCase& k, std::ostream* os) {
    *os << k.field << " " << k.typed;
}

void expectKeys(QLineEdit* field, const KeyCase& k) {
    ASSERT_NE(field, nullptr);
    field->setFocus(Qt::MouseFocusReason);
    BeepCounter beeps;
    type(field, QString::fromUtf8(k.typed));
    EXPECT_EQ(field->text().toStdString(), k.kept);
    EXPECT_EQ(beeps.count(), k.beeps);
}

QStringList focusChain(const QWidget* from, int count) {
    QStringList names;
    const QWidget* current = from;
    while (current != nullptr && names.size() < count) {
        names << current->objectName();
        const QWidget* next = current->nextInFocusChain();
        while (next != nullptr && next != from && next->focusPolicy() == Qt::NoFocus) {
            next = next->nextInFocusChain();
        }
        current = next == from ? nullptr : next;
    }
    return names;
}

QStringList tabOrder(QWidget* first, int count) {
    QStringList names;
    first->setFocus();
    while (names.size() < count) {
        QWidget* focused = QApplication::focusWidget();
        if (focused == nullptr) {
            names << QStringLiteral("(no focus)");
            break;
        }
        names << focused->objectName();
        if (names.size() < count) {
            QTest::keyClick(focused, Qt::Key_Tab);
        }
    }
    return names;
}

QStringList helpParagraphs(const QWidget* window) {
    const MessageBoxSeen seen = captureMessageBox(
        [window] { child<QAction>(window, QStringLiteral("mnuHelp"))->trigger(); });
    EXPECT_TRUE(seen.shown) << "no Help box";
    if (!seen.shown) {
        return {};
    }
    EXPECT_EQ(seen.title, QStringLiteral("Aerolume Help"));
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_FALSE(seen.hasIcon);
    return seen.text.split(QStringLiteral("\n\r\n\r"));
}

void tick(QTimer* timer) {
    ASSERT_NE(timer, nullptr);
    ASSERT_TRUE(timer->isActive()) << timer->objectName().toStdString() << " is disabled";
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

QString storeFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Aerolume/ARLM.ini");
}

void removeStore() {
    const QString path = storeFile();
    QDir(path).removeRecursively();
    QFile::remove(path);
}

void PrintTo(CloseBy by, std::ostream* os) {
    *os << (by == CloseBy::Button ? "Button" : by == CloseBy::MenuEntry ? "MenuEntry" : "CloseBox");
}

void closeWindow(QWidget* window, CloseBy by) {
    ASSERT_NE(window, nullptr);
    switch (by) {
        case CloseBy::Button:
            click(child<QPushButton>(window, QStringLiteral("Command1")));
            break;
        case CloseBy::MenuEntry:
            child<QAction>(window, QStringLiteral("mnuClose"))->trigger();
            break;
        case CloseBy::CloseBox:
            window->close();
            break;
    }
    TestProgram::settle();
}

}  // namespace aerolume::test
