#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "airdata/DaltWindow.h"
#include "support/WindowTestKit.h"

namespace aerolume {
namespace {

using test::BeepCounter;
using test::child;
using test::click;
using test::pressEnter;
using test::type;

const char* const kFields[] = {"txtMSL", "txtAlt", "CTemp"};
const char* const kResults[] = {"DALabel", "DenAlt", "PresAltLbl", "PAlt"};

class DaltWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        program = std::make_unique<test::TestProgram>(
            std::vector<std::pair<QString, WindowRegistry::Factory>>{
                {QStringLiteral("Dalt"), [](WindowRegistry& r) { return new DaltWindow(r); }}});
        window = program->open(QStringLiteral("Command4"), QStringLiteral("Dalt"));
        ASSERT_NE(window, nullptr);
    }

    QLineEdit* field(const char* name) {
        return child<QLineEdit>(window, QString::fromLatin1(name));
    }
    QLabel* label(const char* name) { return child<QLabel>(window, QString::fromLatin1(name)); }
    QPushButton* compute() { return child<QPushButton>(window, QStringLiteral("Command2")); }
    QRadioButton* option(const char* name) {
        return child<QRadioButton>(window, QString::fromLatin1(name));
    }

    // Selects the unit, then types the three fields as a pilot would: from the MSL
    // field, each entry followed by Enter except the last, into whichever field has
    // the focus.
    void fill(const QString& msl, const QString& altimeter, const QString& temperature,
              bool fahrenheit = false) {
        click(option(fahrenheit ? "OptionF" : "OptionC"));
        for (const char* name : kFields) {
            field(name)->clear();
        }
        field("txtMSL")->setFocus();
        const QString texts[] = {msl, altimeter, temperature};
        for (int i = 0; i < 3; ++i) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_EQ(focused, field(kFields[i]));
            type(focused, texts[i]);
            if (i < 2) {
                pressEnter(focused);
            }
        }
    }

    bool resultsShown() {
        for (const char* name : kResults) {
            if (label(name)->isHidden()) {
                return false;
            }
        }
        return label("ErrorLbl")->isHidden();
    }

    std::unique_ptr<test::TestProgram> program;
    QWidget* window = nullptr;
};

struct DaltCaptions {
    const char* msl;
    const char* altimeter;
    const char* temperature;
    bool fahrenheit;
    const char* density;
    const char* pressure;
};

class DaltCaptionsTest : public DaltWindowTest,
                         public ::testing::WithParamInterface<DaltCaptions> {};

TEST_P(DaltCaptionsTest, EnterInTheTemperatureShowsBothAltitudes) {
    const DaltCaptions& c = GetParam();
    fill(c.msl, c.altimeter, c.temperature, c.fahrenheit);
    BeepCounter beeps;
    pressEnter(field("CTemp"));
    EXPECT_EQ(beeps.count(), 1);  // the Enter key is dropped after the results
    EXPECT_TRUE(resultsShown());
    EXPECT_EQ(label("DenAlt")->text().toStdString(), c.density);
    EXPECT_EQ(label("PAlt")->text().toStdString(), c.pressure);
    // The fields stay as typed.
    EXPECT_EQ(field("txtMSL")->text().toStdString(), c.msl);
    EXPECT_EQ(field("CTemp")->text().toStdString(), c.temperature);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, DaltCaptionsTest,
    ::testing::Values(DaltCaptions{"5000", "30.12", "25", false, "7039", "4817"},
                      DaltCaptions{"5000", "29.92", "95", true, "8330", "5001"},
                      DaltCaptions{"0", "29.921", "15", false, "", ""},
                      DaltCaptions{"36000", "27", "15", false, "46316", "38815"},
                      DaltCaptions{"36000", "36", "150", false, "46383", "30791"},
                      DaltCaptions{"-1499", "36", "-40", false, "-16175", "-6708"},
                      DaltCaptions{"-1499", "27", "-273", false, "-704407", "1316"},
                      DaltCaptions{"5000", "30.12", "302", true, "17970", "4817"},
                      DaltCaptions{"5000", "30.12", "-459", true, "-520459", "4817"}));

// Text that is not a number is no error here: its leading number, or 0, is used.
INSTANTIATE_TEST_SUITE_P(
    LeadingNumbers, DaltCaptionsTest,
    ::testing::Values(DaltCaptions{"5000-1", "30.12", "25", false, "7039", "4817"},
                      DaltCaptions{"5000", "30.12/", "25/3", false, "7039", "4817"},
                      DaltCaptions{"-", "29.921", "15", false, "", ""},
                      DaltCaptions{".", "29.921", "15", false, "", ""},
                      DaltCaptions{"5000", "30.12", "1.2.", false, "4307", "4817"},
                      DaltCaptions{"0", "29.921", "-", false, "-1838", ""}));

TEST_F(DaltWindowTest, SeaLevelStandardShowsEmptyCaptionsEvenWhenTypedInFull) {
    // The altimeter field holds six characters: "29.92126" arrives as "29.921".
    fill("0", "29.92126", "15");
    EXPECT_EQ(field("txtAlt")->text(), QStringLiteral("29.921"));
    click(compute());
    EXPECT_TRUE(resultsShown());
    EXPECT_TRUE(label("DenAlt")->text().isEmpty());
    EXPECT_TRUE(label("PAlt")->text().isEmpty());
}

TEST_F(DaltWindowTest, ComputeButtonGivesTheSameResultsWithoutABeep) {
    fill("5000", "30.12", "25");
    BeepCounter beeps;
    click(compute());
    EXPECT_EQ(beeps.count(), 0);
    EXPECT_EQ(label("DenAlt")->text(), QStringLiteral("7039"));
    EXPECT_EQ(label("PAlt")->text(), QStringLiteral("4817"));
}

struct DaltError {
    const char* msl;
    const char* altimeter;
    const char* temperature;
    bool fahrenheit;
    const char* message;
    const char* cleared;
};

class DaltErrorTest : public DaltWindowTest, public ::testing::WithParamInterface<DaltError> {};

TEST_P(DaltErrorTest, ReportsTheFirstFailingCheckAndClearsItsField) {
    const DaltError& e = GetParam();
    fill(e.msl, e.altimeter, e.temperature, e.fahrenheit);
    BeepCounter beeps;
    pressEnter(field("CTemp"));
    EXPECT_EQ(beeps.count(), 0);  // a failed run leaves the Enter key alone
    EXPECT_EQ(label("ErrorLbl")->text().toStdString(), e.message);
    EXPECT_FALSE(label("ErrorLbl")->isHidden());
    for (const char* name : kResults) {
        EXPECT_TRUE(label(name)->isHidden()) << name;
    }
    EXPECT_TRUE(field(e.cleared)->text().isEmpty());
    EXPECT_TRUE(field(e.cleared)->hasFocus());
    const std::pair<const char*, const char*> texts[] = {
        {"txtMSL", e.msl}, {"txtAlt", e.altimeter}, {"CTemp", e.temperature}};
    for (const auto& [name, text] : texts) {
        if (std::string(name) != e.cleared) {
            EXPECT_EQ(field(name)->text().toStdString(), text) << name << " kept its text";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Emptiness, DaltErrorTest,
    ::testing::Values(DaltError{"", "", "", false, "Invalid temperature!", "CTemp"},
                      DaltError{"99999", "99", "", false, "Invalid temperature!", "CTemp"},
                      DaltError{"", "", "15", false, "Invalid altitude!", "txtMSL"},
                      DaltError{"", "99", "999", false, "Invalid altitude!", "txtMSL"},
                      DaltError{"5000", "", "15", false, "Invalid altimeter!", "txtAlt"},
                      DaltError{"-1500", "", "999", false, "Invalid altimeter!", "txtAlt"}));

INSTANTIATE_TEST_SUITE_P(
    Ranges, DaltErrorTest,
    ::testing::Values(DaltError{"-1500", "29.92", "15", false, "Invalid altitude!", "txtMSL"},
                      DaltError{"36001", "29.92", "15", false, "Invalid altitude!", "txtMSL"},
                      DaltError{"-1501", "99", "999", false, "Invalid altitude!", "txtMSL"},
                      DaltError{"5000", "99", "151", false, "Invalid temperature!", "CTemp"},
                      DaltError{"5000", "29.92", "-301", false, "Invalid temperature!", "CTemp"},
                      DaltError{"5000", "29.92", "303", true, "Invalid temperature!", "CTemp"},
                      DaltError{"5000", "29.92", "-509", true, "Invalid temperature!", "CTemp"},
                      DaltError{"5000", "26.99", "15", false, "Invalid Altimeter!", "txtAlt"},
                      DaltError{"5000", "36.01", "15", false, "Invalid Altimeter!", "txtAlt"},
                      DaltError{"5000", ".", "15", false, "Invalid Altimeter!", "txtAlt"},
                      DaltError{"5000", "2/9.9", "15", false, "Invalid Altimeter!", "txtAlt"}));

// -300 to -273.15 degrees Celsius pass the range check but have no density altitude.
INSTANTIATE_TEST_SUITE_P(
    BelowAbsoluteZero, DaltErrorTest,
    ::testing::Values(
        DaltError{"5000", "29.92", "-300", false, "At or below absolute zero!", "CTemp"},
        DaltError{"5000", "29.92", "-274", false, "At or below absolute zero!", "CTemp"},
        DaltError{"5000", "29.92", "-460", true, "At or below absolute zero!", "CTemp"},
        DaltError{"5000", "29.92", "-508", true, "At or below absolute zero!", "CTemp"}));

TEST_F(DaltWindowTest, ANewRunHidesTheErrorAndShowsTheResultsAgain) {
    fill("5000", "26.99", "25");
    click(compute());
    EXPECT_EQ(label("ErrorLbl")->text(), QStringLiteral("Invalid Altimeter!"));
    click(compute());  // the cleared field is now reported empty
    EXPECT_EQ(label("ErrorLbl")->text(), QStringLiteral("Invalid altimeter!"));
    type(field("txtAlt"), QStringLiteral("30.12"));
    click(compute());
    EXPECT_TRUE(resultsShown());
    EXPECT_EQ(label("DenAlt")->text(), QStringLiteral("7039"));
    EXPECT_EQ(label("ErrorLbl")->font().pointSizeF(), 12);
    EXPECT_TRUE(label("ErrorLbl")->font().bold());
}

TEST_F(DaltWindowTest, SwitchingTheUnitAfterARunChangesTheNextResult) {
    fill("5000", "29.92", "35");
    click(compute());
    EXPECT_EQ(label("DenAlt")->text(), QStringLiteral("8330"));
    click(option("OptionF"));
    EXPECT_FALSE(option("OptionC")->isChecked());
    click(compute());
    EXPECT_EQ(label("DenAlt")->text(), QStringLiteral("4592"));  // 35 °F, cold air
}

struct DaltEnter {
    const char* from;
    const char* to;
};

class DaltEnterTest : public DaltWindowTest, public ::testing::WithParamInterface<DaltEnter> {};

TEST_P(DaltEnterTest, EnterMovesTheFocusAndBeeps) {
    QLineEdit* from = field(GetParam().from);
    from->setFocus();
    type(from, QStringLiteral("12"));
    BeepCounter beeps;
    pressEnter(from);
    EXPECT_EQ(beeps.count(), 1);
    EXPECT_TRUE(field(GetParam().to)->hasFocus());
    EXPECT_EQ(from->text(), QStringLiteral("12"));  // Enter inserts nothing
}

INSTANTIATE_TEST_SUITE_P(Chain, DaltEnterTest,
                         ::testing::Values(DaltEnter{"txtMSL", "txtAlt"},
                                           DaltEnter{"txtAlt", "CTemp"}));

struct DaltKeys {
    const char* field;
    const char* typed;
    const char* kept;
    int beeps;
};

class DaltKeysTest : public DaltWindowTest, public ::testing::WithParamInterface<DaltKeys> {};

TEST_P(DaltKeysTest, TheFilterDropsOtherKeysWithABeep) {
    const DaltKeys& k = GetParam();
    BeepCounter beeps;
    type(field(k.field), QString::fromUtf8(k.typed));
    EXPECT_EQ(field(k.field)->text().toStdString(), k.kept);
    EXPECT_EQ(beeps.count(), k.beeps);
}

INSTANTIATE_TEST_SUITE_P(Filters, DaltKeysTest,
                         ::testing::Values(DaltKeys{"txtMSL", "-1.5/", "-1.5/", 0},
                                           DaltKeys{"txtMSL", "1a2 e+", "12", 4},
                                           DaltKeys{"txtMSL", "1234567", "123456", 0},
                                           DaltKeys{"txtAlt", "-29.9", "29.9", 1},
                                           DaltKeys{"txtAlt", "3/0,1", "3/01", 1},
                                           DaltKeys{"txtAlt", "29.9212", "29.921", 0},
                                           DaltKeys{"CTemp", "-12.5", "-12.", 0},
                                           DaltKeys{"CTemp", "1°5C", "15", 2}));

TEST_F(DaltWindowTest, BackspacePassesAndPastingIsFiltered) {
    QLineEdit* altimeter = field("txtAlt");
    BeepCounter beeps;
    test::paste(altimeter, QStringLiteral("-29"));
    EXPECT_TRUE(altimeter->text().isEmpty());
    EXPECT_GE(beeps.count(), 1);
    test::paste(altimeter, QStringLiteral("29.92"));
    EXPECT_EQ(altimeter->text(), QStringLiteral("29.92"));
    const int before = beeps.count();
    test::pressBackspace(altimeter);
    EXPECT_EQ(altimeter->text(), QStringLiteral("29.9"));
    EXPECT_EQ(beeps.count(), before);
}

TEST_F(DaltWindowTest, HelpShowsOneParagraph) {
    const auto seen = test::captureMessageBox(
        [this] { child<QAction>(window, QStringLiteral("mnuHelp"))->trigger(); });
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, QStringLiteral("Aerolume Help"));
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_FALSE(seen.hasIcon);
    EXPECT_EQ(seen.text,
              QStringLiteral("Enter an MSL altitude between -1500 and 65000 feet. Enter the sea "
                             "level altimeter setting (inches of Mercury) from 27 to 36. Enter the "
                             "outside air temperature between -300 and 150 Centigrade. A "
                             "Fahrenheit 'radio button' is provided for convenience."));
}

TEST_F(DaltWindowTest, StartsEmptyInCelsiusWithTheResultCaptionsShown) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Density Altitude"));
    const std::pair<const char*, int> lengths[] = {{"txtMSL", 6}, {"txtAlt", 6}, {"CTemp", 4}};
    for (const auto& [name, length] : lengths) {
        EXPECT_TRUE(field(name)->text().isEmpty()) << name;
        EXPECT_EQ(field(name)->maxLength(), length) << name;
        EXPECT_EQ(field(name)->palette().color(QPalette::Base), QColor(Qt::white)) << name;
    }
    EXPECT_TRUE(option("OptionC")->isChecked());
    EXPECT_FALSE(option("OptionF")->isChecked());
    EXPECT_EQ(option("OptionC")->text(), QStringLiteral("°C"));
    EXPECT_EQ(option("OptionF")->text(), QStringLiteral("°F"));
    EXPECT_EQ(compute()->text(), QStringLiteral("Compute!"));
    EXPECT_EQ(child<QPushButton>(window, QStringLiteral("Command1"))->text(),
              QStringLiteral("Close"));
    EXPECT_EQ(label("Label1")->text(), QStringLiteral("MSL Altitude:"));
    EXPECT_EQ(label("Label2")->text(), QStringLiteral("Altimeter Setting:"));
    EXPECT_EQ(label("Label3")->text(), QStringLiteral("Temperature:"));
    EXPECT_EQ(label("DALabel")->text(), QStringLiteral("Density Altitude:"));
    EXPECT_EQ(label("PresAltLbl")->text(), QStringLiteral("Pressure Altitude:"));
    EXPECT_TRUE(label("ErrorLbl")->isHidden());
    for (const char* name : {"DenAlt", "PAlt"}) {
        EXPECT_FALSE(label(name)->isHidden()) << name;
        EXPECT_TRUE(label(name)->text().isEmpty()) << name;
        EXPECT_TRUE(label(name)->font().bold()) << name;
        EXPECT_EQ(label(name)->font().pointSizeF(), 12) << name;
        EXPECT_EQ(label(name)->palette().color(QPalette::WindowText), QColor(128, 0, 0)) << name;
    }
    EXPECT_NE(child<QAction>(window, QStringLiteral("mnuExit")), nullptr);
}

TEST_F(DaltWindowTest, FieldsAndTheirCaptionsShareTheirTooltips) {
    const struct {
        const char* field;
        const char* caption;
        QString tip;
    } tips[] = {{"txtMSL", "Label1", QStringLiteral("-1500 < MSL < 36000 Feet")},
                {"txtAlt", "Label2", QStringLiteral("27.00 < Barometer < 36.00 \"HG")},
                {"CTemp", "Label3", QStringLiteral("-300C < OAT < 150C")}};
    for (const auto& t : tips) {
        EXPECT_EQ(field(t.field)->toolTip(), t.tip) << t.field;
        EXPECT_EQ(label(t.caption)->toolTip(), t.tip) << t.caption;
    }
}

TEST_F(DaltWindowTest, TabVisitsTheControlsInOrder) {
    const char* order[] = {"txtMSL",  "txtAlt",   "CTemp",   "OptionC",
                           "OptionF", "Command2", "Command1"};
    QWidget* current = field("txtMSL");
    for (int i = 1; i < 7; ++i) {
        current = current->nextInFocusChain();
        while (current->focusPolicy() == Qt::NoFocus) {
            current = current->nextInFocusChain();
        }
        EXPECT_EQ(current->objectName().toStdString(), order[i]);
    }
}

TEST_F(DaltWindowTest, TheCloseEntryUnloadsTheWindowAndShowsTheLauncher) {
    type(field("txtMSL"), QStringLiteral("5000"));
    child<QAction>(window, QStringLiteral("mnuExit"))->trigger();
    test::TestProgram::settle();
    EXPECT_EQ(program->registry().window(QStringLiteral("Dalt")), nullptr);
    EXPECT_TRUE(program->main()->isVisible());
    // The launcher's menu entry opens a fresh window.
    child<QAction>(program->main(), QStringLiteral("menuDalt"))->trigger();
    QWidget* reopened = program->registry().window(QStringLiteral("Dalt"));
    ASSERT_NE(reopened, nullptr);
    EXPECT_TRUE(reopened->isVisible());
    EXPECT_TRUE(child<QLineEdit>(reopened, QStringLiteral("txtMSL"))->text().isEmpty());
}

}  // namespace
}  // namespace aerolume
