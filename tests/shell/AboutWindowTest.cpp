// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include "shell/AboutWindow.h"
#include "shell/SurpriseWindow.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {
namespace {

class AboutWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        program =
            std::make_unique<TestProgram>(std::vector<std::pair<QString, WindowRegistry::Factory>>{
                {QStringLiteral("About"), [](WindowRegistry& r) { return new AboutWindow(r); }},
                {QStringLiteral("Surprise"), [](WindowRegistry&) { return new SurpriseWindow; }}});
        child<QAction>(program->main(), QStringLiteral("menuAbout"))->trigger();
        about = registry().window(QStringLiteral("About"));
        ASSERT_NE(about, nullptr);
        showAndActivate(about);
    }

    WindowRegistry& registry() { return program->registry(); }
    QWidget* surprise() { return registry().window(QStringLiteral("Surprise")); }
    QLineEdit* text1() { return child<QLineEdit>(about, QStringLiteral("Text1")); }
    QLabel* credit() { return child<QLabel>(surprise(), QStringLiteral("Label2")); }

    // Types "hi" into the hidden field and presses Enter: the credits window opens.
    QWidget* openCredits() {
        text1()->setFocus();
        type(text1(), QStringLiteral("hi"));
        pressEnter(text1());
        EXPECT_NE(surprise(), nullptr);
        return surprise();
    }

    std::unique_ptr<TestProgram> program;
    QPointer<QWidget> about;
};

TEST_F(AboutWindowTest, OpensFromTheLauncherWithTheLauncherHidden) {
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(program->main()->isHidden());
    EXPECT_EQ(about->objectName(), QStringLiteral("About"));
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Aerolume"));
    EXPECT_EQ(about->parentWidget(), nullptr);
    EXPECT_EQ(about->findChild<QMenuBar*>(), nullptr);
    EXPECT_EQ(about->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(surprise(), nullptr);
}

TEST_F(AboutWindowTest, ShowsVersionNamePictureNoticeAndClose) {
    auto* version = child<QLabel>(about, QStringLiteral("Label2"));
    EXPECT_EQ(version->text(), QStringLiteral("Version 1.4"));
    EXPECT_TRUE(version->font().bold());
    EXPECT_DOUBLE_EQ(version->font().pointSizeF(), 13.5);

    auto* name = child<QLabel>(about, QStringLiteral("Label3"));
    EXPECT_EQ(name->text(), QStringLiteral("Aerolume"));
    EXPECT_EQ(name->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(name->font().styleHint(), QFont::SansSerif);  // the fallback when Arial is absent
    EXPECT_DOUBLE_EQ(name->font().pointSizeF(), 30);
    EXPECT_LT(version->y(), name->y());

    auto* picture = child<QLabel>(about, QStringLiteral("Image1"));
    EXPECT_EQ(picture->pixmap().size(), QSize(402, 196));
    EXPECT_EQ(picture->size(), QSize(402, 196));
    EXPECT_EQ(picture->x(), 0);  // across the full width of the window
    EXPECT_EQ(about->width(), 402);
    EXPECT_LT(name->y(), picture->y());

    auto* notice = child<QLabel>(about, QStringLiteral("Label1"));
    EXPECT_EQ(notice->text(), AboutWindow::noticeLine());
    EXPECT_FALSE(notice->text().isEmpty());
    EXPECT_DOUBLE_EQ(notice->font().pointSizeF(), 8.25);
    EXPECT_LE(notice->sizeHint().width(), about->width());
    EXPECT_GT(notice->y(), picture->y() + picture->height() - 1);

    EXPECT_TRUE(text1()->text().isEmpty());
    EXPECT_EQ(text1()->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_LT(text1()->x(), about->width() / 4);  // lower left
    auto* close = child<QPushButton>(about, QStringLiteral("Command1"));
    EXPECT_EQ(close->text(), QStringLiteral("Close"));
    EXPECT_NEAR(close->geometry().center().x(), about->width() / 2.0, 2);  // bottom centre
    EXPECT_GT(close->y(), notice->y());
}

struct Gesture {
    const char* typed;
    bool enter;
    bool opens;
};

void PrintTo(const Gesture& g, std::ostream* os) {
    *os << '"' << g.typed << '"' << (g.enter ? " + Enter" : " without Enter");
}

class AboutGestureTest : public AboutWindowTest, public ::testing::WithParamInterface<Gesture> {};

TEST_P(AboutGestureTest, OnlyEnterAfterExactlyHiOpensTheCredits) {
    const Gesture& g = GetParam();
    text1()->setFocus();
    type(text1(), QString::fromUtf8(g.typed));
    if (g.enter) {
        pressEnter(text1());
    }
    EXPECT_EQ(surprise() != nullptr, g.opens);
    EXPECT_EQ(text1()->text(), QString::fromUtf8(g.typed));  // Enter inserts nothing
    EXPECT_TRUE(about->isVisible());                         // About stays open
    EXPECT_TRUE(program->main()->isHidden());
}

INSTANTIATE_TEST_SUITE_P(Texts, AboutGestureTest,
                         ::testing::Values(Gesture{"hi", true, true}, Gesture{"hi", false, false},
                                           Gesture{"Hi", true, false}, Gesture{"HI", true, false},
                                           Gesture{"hI", true, false}, Gesture{"hi ", true, false},
                                           Gesture{" hi", true, false}, Gesture{"hih", true, false},
                                           Gesture{"h", true, false}, Gesture{"", true, false},
                                           Gesture{"hello", true, false}));

TEST_F(AboutWindowTest, WhatCountsIsTheTextWhenEnterIsPressed) {
    text1()->setFocus();
    type(text1(), QStringLiteral("hii"));
    pressEnter(text1());
    EXPECT_EQ(surprise(), nullptr);
    pressBackspace(text1());
    EXPECT_EQ(text1()->text(), QStringLiteral("hi"));
    pressEnter(text1());
    EXPECT_NE(surprise(), nullptr);
}

TEST_F(AboutWindowTest, TheFieldTakesAnyCharacterWithoutABeep) {
    const QString typed = QStringLiteral("Hi there! 42 -./ zZ@#~");
    BeepCounter beeps;
    text1()->setFocus();
    type(text1(), typed);
    pressEnter(text1());
    EXPECT_EQ(text1()->text(), typed);
    EXPECT_EQ(beeps.count(), 0);
}

TEST_F(AboutWindowTest, TheCreditsOpenModelessWithoutOwnerBesideAbout) {
    QWidget* credits = openCredits();
    ASSERT_NE(credits, nullptr);
    EXPECT_TRUE(credits->isVisible());
    EXPECT_EQ(credits->parentWidget(), nullptr);
    EXPECT_EQ(credits->windowModality(), Qt::NonModal);
    EXPECT_EQ(credits->windowTitle(), QStringLiteral("Thanks..."));
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(program->main()->isHidden());
    // Modeless: the About window can still be typed into.
    showAndActivate(about);
    type(text1(), QStringLiteral("x"));
    EXPECT_EQ(text1()->text(), QStringLiteral("hix"));
}

TEST_F(AboutWindowTest, TheGestureAgainOnlyBringsTheOpenCreditsForward) {
    QPointer<QWidget> credits = openCredits();
    ASSERT_NE(credits, nullptr);
    tick(timer(credits, QStringLiteral("Timer1")));
    tick(timer(credits, QStringLiteral("Timer2")));
    tick(timer(credits, QStringLiteral("Timer3")));
    tick(timer(credits, QStringLiteral("Timer7")));
    const QString third = SurpriseWindow::creditLines().at(2);
    ASSERT_EQ(credit()->text(), third);

    showAndActivate(about);
    text1()->setFocus();
    pressEnter(text1());
    TestProgram::settle();

    EXPECT_EQ(surprise(), credits.data());
    int creditWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        creditWindows += qobject_cast<SurpriseWindow*>(window) != nullptr ? 1 : 0;
    }
    EXPECT_EQ(creditWindows, 1);
    EXPECT_TRUE(QTest::qWaitForWindowActive(credits));  // brought forward
    // The cycle goes on where it was: line 3 showing, step 4 next, the blink lit.
    EXPECT_EQ(credit()->text(), third);
    EXPECT_TRUE(timer(credits, QStringLiteral("Timer8"))->isActive());
    EXPECT_FALSE(timer(credits, QStringLiteral("Timer1"))->isActive());
    EXPECT_EQ(timer(credits, QStringLiteral("Timer7"))->interval(), 200);
}

class AboutClosingTest : public AboutWindowTest, public ::testing::WithParamInterface<CloseBy> {
protected:
    void closeAbout() { closeWindow(about, GetParam()); }
};

TEST_P(AboutClosingTest, UnloadsAboutAndShowsTheLauncher) {
    closeAbout();
    EXPECT_TRUE(about.isNull());
    EXPECT_EQ(registry().window(QStringLiteral("About")), nullptr);
    EXPECT_TRUE(program->main()->isVisible());
    EXPECT_FALSE(program->ended());
}

TEST_P(AboutClosingTest, LeavesTheCreditsCycling) {
    QPointer<QWidget> credits = openCredits();
    ASSERT_NE(credits, nullptr);
    closeAbout();
    EXPECT_TRUE(program->main()->isVisible());
    ASSERT_FALSE(credits.isNull());
    EXPECT_TRUE(credits->isVisible());
    EXPECT_TRUE(timer(credits, QStringLiteral("Timer7"))->isActive());
    tick(timer(credits, QStringLiteral("Timer1")));
    tick(timer(credits, QStringLiteral("Timer2")));
    EXPECT_EQ(credit()->text(), SurpriseWindow::creditLines().at(1));
    EXPECT_TRUE(timer(credits, QStringLiteral("Timer3"))->isActive());
}

TEST_P(AboutClosingTest, ReopeningStartsWithAnEmptyField) {
    type(text1(), QStringLiteral("hi"));
    closeAbout();
    child<QAction>(program->main(), QStringLiteral("menuAbout"))->trigger();
    about = registry().window(QStringLiteral("About"));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(text1()->text().isEmpty());
    EXPECT_TRUE(program->main()->isHidden());
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutClosingTest,
                         ::testing::Values(CloseBy::Button, CloseBy::CloseBox));

class CreditsClosingTest : public AboutWindowTest, public ::testing::WithParamInterface<CloseBy> {
protected:
    void closeCredits(QWidget* credits) { closeWindow(credits, GetParam()); }
};

TEST_P(CreditsClosingTest, UnloadsOnlyTheCreditsAndDoesNotShowTheLauncher) {
    QPointer<QWidget> credits = openCredits();
    ASSERT_NE(credits, nullptr);
    closeCredits(credits);
    EXPECT_TRUE(credits.isNull());
    EXPECT_EQ(surprise(), nullptr);
    EXPECT_TRUE(program->main()->isHidden());
    ASSERT_FALSE(about.isNull());
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(program->ended());
}

TEST_P(CreditsClosingTest, AfterAboutHasClosedLeavesTheLauncherAsItWas) {
    QPointer<QWidget> credits = openCredits();
    ASSERT_NE(credits, nullptr);
    about->close();
    TestProgram::settle();
    ASSERT_TRUE(program->main()->isVisible());
    closeCredits(credits);
    EXPECT_TRUE(credits.isNull());
    EXPECT_TRUE(program->main()->isVisible());
    EXPECT_EQ(registry().window(QStringLiteral("About")), nullptr);
}

TEST_P(CreditsClosingTest, TheGestureOpensAFreshCycleAfterwards) {
    QPointer<QWidget> credits = openCredits();
    ASSERT_NE(credits, nullptr);
    tick(timer(credits, QStringLiteral("Timer1")));
    tick(timer(credits, QStringLiteral("Timer2")));
    closeCredits(credits);
    showAndActivate(about);
    text1()->setFocus();
    pressEnter(text1());
    ASSERT_NE(surprise(), nullptr);
    EXPECT_EQ(credit()->text(), SurpriseWindow::creditLines().first());
    EXPECT_TRUE(timer(surprise(), QStringLiteral("Timer1"))->isActive());
    EXPECT_FALSE(timer(surprise(), QStringLiteral("Timer3"))->isActive());
}

INSTANTIATE_TEST_SUITE_P(Ways, CreditsClosingTest,
                         ::testing::Values(CloseBy::Button, CloseBy::CloseBox));

// The launcher's close box with the credits still open: the program runs on until the
// credits window is closed too. Runs the real event loop; the guard only stops a loop
// that would otherwise never end.
TEST_F(AboutWindowTest, TheProgramEndsOnlyWhenTheCreditsAreClosedToo) {
    QPointer<QWidget> credits = openCredits();
    ASSERT_NE(credits, nullptr);
    about->close();
    TestProgram::settle();
    QPointer<QWidget> launcher = program->main();
    ASSERT_TRUE(launcher->isVisible());

    bool creditsOpenAtEnd = true;
    bool launcherClosedAtEnd = false;
    int lastWindowClosings = 0;
    QObject watch;
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, &watch, [&] {
        ++lastWindowClosings;
        creditsOpenAtEnd = !credits.isNull() && credits->isVisible();
        launcherClosedAtEnd = launcher.isNull() || !launcher->isVisible();
    });
    bool runningAfterLauncherClosed = false;
    QTimer::singleShot(0, &watch, [&] {
        launcher->close();  // the launcher's close box
        QTimer::singleShot(20, &watch, [&] {
            runningAfterLauncherClosed = true;
            credits->close();
        });
    });
    QTimer::singleShot(10000, &watch, [] { QCoreApplication::exit(99); });

    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(runningAfterLauncherClosed);
    EXPECT_EQ(lastWindowClosings, 1);
    EXPECT_FALSE(creditsOpenAtEnd);
    EXPECT_TRUE(launcherClosedAtEnd);
    EXPECT_FALSE(program->ended());  // not the Exit command
}

}  // namespace
}  // namespace aerolume::test
