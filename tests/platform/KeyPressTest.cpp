// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <vector>

#include "platform/Beep.h"
#include "platform/HelpBox.h"
#include "platform/KeyPress.h"
#include "platform/Twips.h"
#include "support/WindowTestKit.h"

namespace aerolume {
namespace {

class KeyPressTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::showAndActivate(&field);
        field.setFocus();
        platform::onKeyPress(&field, [this](int& key) {
            seen.push_back(key);
            if (key == 'x') {
                key = 0;
            } else if (key == 'u') {
                key = 'U';
            }
        });
    }

    QLineEdit field;
    std::vector<int> seen;
};

struct KeyCode {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int code;
};

TEST_F(KeyPressTest, HandlersSeeCharacterCodes) {
    const KeyCode keys[] = {
        {Qt::Key_Return, Qt::NoModifier, 13},   {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Backspace, Qt::NoModifier, 8}, {Qt::Key_Escape, Qt::NoModifier, 27},
        {Qt::Key_Minus, Qt::NoModifier, 45},    {Qt::Key_Period, Qt::NoModifier, 46},
        {Qt::Key_Slash, Qt::NoModifier, 47},    {Qt::Key_0, Qt::NoModifier, 48},
        {Qt::Key_9, Qt::KeypadModifier, 57},    {Qt::Key_Space, Qt::NoModifier, 32}};
    for (const KeyCode& k : keys) {
        seen.clear();
        QTest::keyClick(&field, k.key, k.modifiers);
        ASSERT_EQ(seen.size(), 1u) << k.code;
        EXPECT_EQ(seen[0], k.code);
    }
}

TEST_F(KeyPressTest, CapitalLettersKeepTheirCode) {
    QTest::keyClick(&field, 'A');
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], 'A');
}

TEST_F(KeyPressTest, DroppedKeysAreSwallowedAndReplacedKeysInsertTheirCharacter) {
    QTest::keyClicks(&field, QStringLiteral("axbu"));
    EXPECT_EQ(field.text(), QStringLiteral("abU"));
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(field.text(), QStringLiteral("abU"));  // Enter inserts nothing
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), QStringLiteral("ab"));
}

TEST_F(KeyPressTest, EditingKeysAndShortcutsNeverReachTheHandler) {
    field.setText(QStringLiteral("1234"));
    seen.clear();
    QTest::keyClick(&field, Qt::Key_Left);
    QTest::keyClick(&field, Qt::Key_Home);
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_EQ(field.text(), QStringLiteral("234"));
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(field.selectedText(), QStringLiteral("234"));
    QTest::keyClick(&field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("234"));
    QTest::keyClick(&field, Qt::Key_End);
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.text(), QStringLiteral("234234"));
    QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field.text(), QStringLiteral("234"));
    EXPECT_TRUE(seen.empty());
}

TEST(AcceptOnlyCharacters, RefusesAPasteWithAnyOtherCharacterWithABeep) {
    QLineEdit field;
    test::showAndActivate(&field);
    platform::acceptOnlyCharacters(&field, [](int c) { return c >= '0' && c <= '9'; });
    const auto before = platform::beepCount();
    test::paste(&field, QStringLiteral("12.5"));
    EXPECT_EQ(field.text(), QString());
    EXPECT_GT(platform::beepCount(), before);
    test::paste(&field, QStringLiteral("125"));
    EXPECT_EQ(field.text(), QStringLiteral("125"));
    field.setText(QStringLiteral("set by the program"));  // not limited
    EXPECT_EQ(field.text(), QStringLiteral("set by the program"));
}

TEST(AcceptOnlyCharacters, TextSetByTheProgramCanStillBeEditedAndShortened) {
    QLineEdit field;
    test::showAndActivate(&field);
    platform::acceptOnlyCharacters(&field, [](int c) { return c >= '0' && c <= '9'; });
    field.setText(QStringLiteral("a.b"));
    QTest::keyClick(&field, Qt::Key_End);
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), QStringLiteral("a."));
    QTest::keyClicks(&field, QStringLiteral("7"));
    EXPECT_EQ(field.text(), QStringLiteral("a.7"));
    test::paste(&field, QStringLiteral("x"));
    EXPECT_EQ(field.text(), QStringLiteral("a.7"));
    QTest::keyClick(&field, Qt::Key_Home);
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_EQ(field.text(), QStringLiteral(".7"));
}

TEST(HelpBox, JoinsParagraphsWithLineFeedCarriageReturnPairs) {
    EXPECT_EQ(platform::helpText({QStringLiteral("a"), QStringLiteral(" b"), QStringLiteral("c ")}),
              QStringLiteral("a\n\r\n\r b\n\r\n\rc "));
    EXPECT_EQ(platform::helpText({QStringLiteral("only")}), QStringLiteral("only"));
}

TEST(HelpBox, IsModalWithOneOkButtonAndNoIcon) {
    QWidget parent;
    const auto seen = test::captureMessageBox([&parent] {
        platform::showHelpBox(&parent, {QStringLiteral("one"), QStringLiteral("two")});
    });
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, QStringLiteral("Aerolume Help"));
    EXPECT_EQ(seen.text, QStringLiteral("one\n\r\n\rtwo"));
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_FALSE(seen.hasIcon);
}

TEST(Twips, FollowTheLogicalDpi) {
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    EXPECT_EQ(platform::twipsToPixels(1440), qRound(dpi));
    EXPECT_EQ(platform::twipsToPixels(0), 0);
    EXPECT_EQ(platform::twipsToPixels(4905), qRound(4905 * dpi / 1440));
}

}  // namespace
}  // namespace aerolume
