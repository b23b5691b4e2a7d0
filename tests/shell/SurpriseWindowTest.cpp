// SPDX-License-Identifier: GPL-3.0-or-later
#include <QRegularExpression>

#include "shell/Artwork.h"
#include "shell/SurpriseWindow.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {
namespace {

// The credit cycle's timers in the order of its steps.
const char* const kChain[] = {"Timer1", "Timer2", "Timer3", "Timer8",
                              "Timer9", "Timer4", "Timer5", "Timer6"};

class SurpriseWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<SurpriseWindow>();
        showAndActivate(window.get());
    }

    QTimer* timer(const char* name) { return test::timer(window.get(), QString::fromLatin1(name)); }
    QLabel* label(const char* name) {
        return child<QLabel>(window.get(), QString::fromLatin1(name));
    }
    QString credit() { return label("Label2")->text(); }
    // The chain timers that are running.
    QStringList activeSteps() {
        QStringList active;
        for (const char* name : kChain) {
            if (timer(name)->isActive()) {
                active << QString::fromLatin1(name);
            }
        }
        return active;
    }

    std::unique_ptr<SurpriseWindow> window;
};

struct TimerAtStart {
    const char* name;
    int interval;
    bool enabled;
};

void PrintTo(const TimerAtStart& t, std::ostream* os) {
    *os << t.name;
}

class SurpriseTimersTest : public SurpriseWindowTest,
                           public ::testing::WithParamInterface<TimerAtStart> {};

TEST_P(SurpriseTimersTest, StartsWithItsDesignedIntervalAndState) {
    const TimerAtStart& t = GetParam();
    QTimer* running = timer(t.name);
    ASSERT_NE(running, nullptr);
    EXPECT_EQ(running->interval(), t.interval);
    EXPECT_EQ(running->isActive(), t.enabled);
    EXPECT_FALSE(running->isSingleShot());
}

INSTANTIATE_TEST_SUITE_P(
    Design, SurpriseTimersTest,
    ::testing::Values(TimerAtStart{"Timer1", 2000, true}, TimerAtStart{"Timer2", 2000, false},
                      TimerAtStart{"Timer3", 2000, false}, TimerAtStart{"Timer8", 2000, false},
                      TimerAtStart{"Timer9", 2000, false}, TimerAtStart{"Timer4", 2000, false},
                      TimerAtStart{"Timer5", 2000, false}, TimerAtStart{"Timer6", 2750, false},
                      TimerAtStart{"Timer7", 1500, true}));

struct CreditStep {
    int step;  // 1 to 8
    const char* own;
    int line;  // 1 to 8
    const char* next;
};

void PrintTo(const CreditStep& s, std::ostream* os) {
    *os << "step " << s.step << ", " << s.own;
}

class CreditStepTest : public SurpriseWindowTest,
                       public ::testing::WithParamInterface<CreditStep> {};

TEST_P(CreditStepTest, SetsItsLineEnablesTheNextStepAndStopsItsOwn) {
    const CreditStep& s = GetParam();
    for (int i = 0; i < s.step - 1; ++i) {
        tick(timer(kChain[i]));
    }
    ASSERT_EQ(activeSteps(), QStringList{QString::fromLatin1(s.own)});
    tick(timer(s.own));
    EXPECT_EQ(credit(), SurpriseWindow::creditLines().at(s.line - 1));
    EXPECT_EQ(activeSteps(), QStringList{QString::fromLatin1(s.next)});
    EXPECT_TRUE(timer("Timer7")->isActive());  // the blink runs on beside the cycle
}

INSTANTIATE_TEST_SUITE_P(
    Cycle, CreditStepTest,
    ::testing::Values(CreditStep{1, "Timer1", 1, "Timer2"}, CreditStep{2, "Timer2", 2, "Timer3"},
                      CreditStep{3, "Timer3", 3, "Timer8"}, CreditStep{4, "Timer8", 4, "Timer9"},
                      CreditStep{5, "Timer9", 5, "Timer4"}, CreditStep{6, "Timer4", 6, "Timer5"},
                      CreditStep{7, "Timer5", 7, "Timer6"}, CreditStep{8, "Timer6", 8, "Timer1"}));

TEST_F(SurpriseWindowTest, OpensOnLineOneAndOneTurnLasts16750Milliseconds) {
    EXPECT_EQ(credit(), SurpriseWindow::creditLines().first());
    for (int turn = 0; turn < 2; ++turn) {
        int elapsed = 0;
        QStringList shown;
        for (int step = 0; step < 8; ++step) {
            const QStringList active = activeSteps();
            ASSERT_EQ(active.size(), 1);
            QTimer* running = timer(active.first().toLatin1().constData());
            elapsed += running->interval();
            tick(running);
            shown << credit();
        }
        EXPECT_EQ(elapsed, 16750) << "turn " << turn;
        EXPECT_EQ(shown, SurpriseWindow::creditLines()) << "turn " << turn;
        EXPECT_EQ(activeSteps(), QStringList{QStringLiteral("Timer1")});
    }
}

TEST_F(SurpriseWindowTest, TheBeaconFlashesForAFifthOfASecondEveryThreePointTwo) {
    QLabel* dark = label("Image1");
    QLabel* lit = label("Image2");
    EXPECT_FALSE(dark->isHidden());
    EXPECT_TRUE(lit->isHidden());
    const QString line = credit();
    // Tick by tick: interval afterwards, the lit icon shown.
    const std::pair<int, bool> ticks[] = {{200, true},   {3000, false}, {200, true},
                                          {3000, false}, {200, true},   {3000, false}};
    int litTime = 0;
    int period = 0;
    for (std::size_t i = 0; i < std::size(ticks); ++i) {
        const int before = timer("Timer7")->interval();
        if (i >= 2) {
            period += before;
            litTime += lit->isHidden() ? 0 : before;
        }
        tick(timer("Timer7"));
        EXPECT_EQ(timer("Timer7")->interval(), ticks[i].first) << "tick " << i + 1;
        EXPECT_EQ(!lit->isHidden(), ticks[i].second) << "tick " << i + 1;
        EXPECT_EQ(dark->isHidden(), ticks[i].second) << "tick " << i + 1;
        EXPECT_TRUE(timer("Timer7")->isActive());
    }
    EXPECT_EQ(period, 2 * 3200);
    EXPECT_EQ(litTime, 2 * 200);
    // Independent of the cycle.
    EXPECT_EQ(credit(), line);
    EXPECT_EQ(activeSteps(), QStringList{QStringLiteral("Timer1")});
}

TEST_F(SurpriseWindowTest, TheTwoIconsShareOnePlace) {
    QLabel* dark = label("Image1");
    QLabel* lit = label("Image2");
    EXPECT_EQ(dark->mapTo(window.get(), QPoint()), lit->mapTo(window.get(), QPoint()));
    EXPECT_EQ(dark->size(), QSize(32, 32));
    EXPECT_EQ(lit->size(), QSize(32, 32));
    EXPECT_EQ(dark->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(lit->pixmap().size(), QSize(32, 32));
    EXPECT_NE(dark->pixmap().toImage(), lit->pixmap().toImage());
    EXPECT_NEAR(dark->mapTo(window.get(), dark->rect().center()).x(), window->width() / 2.0, 2);
}

TEST_F(SurpriseWindowTest, ShowsItsDesignContents) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Thanks..."));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::white));
    QLabel* heading = label("Label1");
    EXPECT_EQ(heading->text(), QStringLiteral("Special Thanks To:"));
    EXPECT_TRUE(heading->font().bold());
    EXPECT_DOUBLE_EQ(heading->font().pointSizeF(), 13.5);
    QLabel* line = label("Label2");
    EXPECT_TRUE(line->font().bold());
    EXPECT_DOUBLE_EQ(line->font().pointSizeF(), 12);
    EXPECT_EQ(line->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    EXPECT_GT(line->y(), label("Image1")->mapTo(window.get(), QPoint()).y());
    auto* ok = child<QPushButton>(window.get(), QStringLiteral("Command1"));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_GT(ok->y(), line->y());
}

TEST_F(SurpriseWindowTest, EveryCreditLineFitsWithoutResizingTheWindow) {
    const QSize size = window->size();
    for (int step = 0; step < 8; ++step) {
        tick(timer(kChain[step]));
        EXPECT_GE(label("Label2")->width(), label("Label2")->sizeHint().width()) << step;
        EXPECT_EQ(window->size(), size) << step;
    }
}

TEST_F(SurpriseWindowTest, OkUnloadsTheWindowAndStopsEveryTimer) {
    click(child<QPushButton>(window.get(), QStringLiteral("Command1")));
    EXPECT_FALSE(window->isVisible());
    for (const char* name : {"Timer1", "Timer2", "Timer3", "Timer4", "Timer5", "Timer6", "Timer7",
                             "Timer8", "Timer9"}) {
        EXPECT_FALSE(timer(name)->isActive()) << name;
    }
}

TEST(CreditLines, AreEightNamesWithQualificationsTheLastBeginningWithAnd) {
    const QStringList& lines = SurpriseWindow::creditLines();
    ASSERT_EQ(lines.size(), 8);
    const QRegularExpression form(QStringLiteral("^[^,]+, [^,]+$"));
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(form.match(lines[i]).hasMatch()) << lines[i].toStdString();
        EXPECT_EQ(lines[i].startsWith(QStringLiteral("and ")), i == 7) << lines[i].toStdString();
        EXPECT_EQ(lines.count(lines[i]), 1) << lines[i].toStdString();
    }
}

struct Picture {
    const char* name;
    std::function<QPixmap()> load;
    QSize size;
};

void PrintTo(const Picture& p, std::ostream* os) {
    *os << p.name;
}

class ArtworkTest : public ::testing::TestWithParam<Picture> {};

TEST_P(ArtworkTest, IsEmbeddedAtItsSize) {
    const QPixmap picture = GetParam().load();
    ASSERT_FALSE(picture.isNull()) << GetParam().name;
    EXPECT_EQ(picture.size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Program, ArtworkTest,
    ::testing::Values(
        Picture{"window icon", [] { return art::programIcon().pixmap(QSize(32, 32)); }, {32, 32}},
        Picture{"product picture", &art::productPicture, {402, 196}},
        Picture{"beacon dark", &art::beaconDark, {32, 32}},
        Picture{"beacon lit", &art::beaconLit, {32, 32}}),
    [](const auto& info) {
        QString name = QString::fromLatin1(info.param.name);
        name.replace(QLatin1Char(' '), QLatin1Char('_'));
        return name.toStdString();
    });

// The icon the program shows at start is its renderings, pixel for pixel, at each size.
TEST(ProgramIconTest, IsItsRenderingsPixelForPixel) {
    const QIcon icon = art::programIcon();
    for (const int size : {32, 64}) {
        const QImage rendering = QImage(QStringLiteral(AEROLUME_ART_DIR "/icon-%1.png").arg(size))
                                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_FALSE(rendering.isNull()) << size;
        const QImage shown = icon.pixmap(QSize(size, size))
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(shown, rendering) << size;
    }
}

}  // namespace
}  // namespace aerolume::test
