// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/script_runner.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <streambuf>

namespace zelmora {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string errors;
};

Outcome runScript(std::string const& text)
{
    std::ostringstream out, errors;
    std::istringstream in(text);
    ScriptRunner runner(out, errors);
    int const status = runner.run(in);
    return { status, out.str(), errors.str() };
}

struct RefusedLine {
    char const* name;
    char const* line;
    char const* why;
    int lineNumber = 6;
};

class ScriptDriverRefuses : public ::testing::TestWithParam<RefusedLine> { };

// The lines before the bad one have run and printed; the bad one stops the script with status 2.
TEST_P(ScriptDriverRefuses, LinesThatCannotRun)
{
    auto const& refused = GetParam();
    auto const outcome = runScript(
        std::string("start\nopen frmZelmora1\nprint beeps\n# a comment\n\n") + refused.line + "\nprint beeps\n");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "beeps=0\n");
    auto const prefix = "line " + std::to_string(refused.lineNumber) + ": ";
    EXPECT_EQ(outcome.errors.rfind(prefix, 0), 0u) << outcome.errors;
    EXPECT_NE(outcome.errors.find(refused.why), std::string::npos) << outcome.errors;
}

INSTANTIATE_TEST_SUITE_P(Table, ScriptDriverRefuses,
    ::testing::Values(RefusedLine { "UnknownCommand", "jump frmZelmora1", "unknown command" },
        RefusedLine { "UnknownWindow", "open frmNowhere", "unknown window" },
        RefusedLine { "UnknownControl", "print frmZelmora1 Command99", "unknown control" },
        RefusedLine { "MemberOutOfRange", "print frmZelmora1 Command1(142)", "unknown control" },
        RefusedLine { "HiddenControlPressed", "click frmZelmora1 Command1(0)", "hidden" },
        RefusedLine { "PressWhileHeld", "down frmZelmora1 10 10\npress frmZelmora1 Command2 1 1", "already held", 7 },
        // A keyboard drag holds the pointer as a held mouse button would.
        RefusedLine { "PressDuringKeyboardDrag",
            "click frmZelmora1 Command7\nkey frmZelmora1 tab\nkey frmZelmora1 tab\nkey frmZelmora1 right\n"
            "down frmZelmora1 10 10",
            "already held", 10 },
        RefusedLine { "BadNumber", "down frmZelmora1 10x 10", "bad number" },
        RefusedLine { "NumberWithExponent", "move frmZelmora1 1e3 10", "bad number" },
        RefusedLine { "UnknownKey", "key frmZelmora1 f1", "unknown key" },
        RefusedLine { "UnknownButton", "down frmZelmora1 10 10 fourth", "unknown mouse button" },
        RefusedLine { "MissingWords", "drag frmZelmora1 Command2 1 1", "wrong number" },
        RefusedLine { "StartTwice", "start", "already" }),
    [](auto const& info) { return std::string(info.param.name); });

// A script is read to its true end: a read error or a line with no end stops it with status 2,
// after the lines before it have run; a long line within the limit and a last line with no
// newline still run.
TEST(ScriptDriver, ReadsTheScriptSafelyToItsEnd)
{
    // Two lines, then the source fails as a disk or a directory does.
    struct FailingSource : std::streambuf {
        std::string text = "start\nprint beeps\n";
        FailingSource() { setg(text.data(), text.data(), text.data() + text.size()); }
        int_type underflow() override { throw std::ios_base::failure("read error"); }
    } failing;
    std::istream broken(&failing);
    std::ostringstream out, errors;
    EXPECT_EQ(ScriptRunner(out, errors).run(broken), ScriptRunner::LineFailure);
    EXPECT_EQ(out.str(), "beeps=0\n");
    EXPECT_EQ(errors.str().rfind("line 3: cannot read the script", 0), 0u) << errors.str();

    std::ifstream directory(::testing::TempDir());
    std::ostringstream dirOut, dirErrors;
    EXPECT_EQ(ScriptRunner(dirOut, dirErrors).run(directory), ScriptRunner::LineFailure);
    EXPECT_EQ(dirErrors.str(), "line 1: cannot read the script: Is a directory\n");

    std::string const longest = "#" + std::string(ScriptRunner::maxLineLength - 1, 'x');
    auto const fits = runScript("start\n" + longest + "\nprint beeps");
    EXPECT_EQ(fits.status, 0) << fits.errors;
    EXPECT_EQ(fits.out, "beeps=0\n");

    auto const endless = runScript("start\nprint beeps\n" + longest + "x\nprint beeps\n");
    EXPECT_EQ(endless.status, 2);
    EXPECT_EQ(endless.out, "beeps=0\n");
    EXPECT_EQ(endless.errors, "line 3: line longer than 65536 characters\n");
}

TEST(ScriptDriver, WindowThatIsNotOpenIsRefused)
{
    auto const outcome = runScript("start\nopen frmZelmora1\nclick frmZelmora1 Command10\nprint frmZelmora1 focus\n");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.errors, "line 4: window frmZelmora1 is not open\n");
}

TEST(ScriptDriver, NothingRunsBeforeStart)
{
    auto const outcome = runScript("open frmZelmora1\n");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.errors.rfind("line 1: ", 0), 0u);
}

TEST(ScriptDriver, RuntimeErrorOfTheProgramExitsOne)
{
    // A grab point far outside any tile does not fit the Integer the board keeps it in.
    auto const outcome = runScript("start\nopen frmZelmora1\nclick frmZelmora1 Command7\nprint beeps\n"
                                   "press frmZelmora1 Command1(111) 40000 10\n");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "beeps=0\n");
    EXPECT_EQ(outcome.errors, "line 5: runtime error: Overflow\n");
}

TEST(ScriptDriver, PrintsEveryKindOfControlInItsFormat)
{
    auto const outcome = runScript("start\nopen frmZelmora1\nprint frmZelmora1 Line1\nprint frmZelmora1 Text1\n"
                                   "print frmZelmora1 Image1(1)\nprint frmZelmora1 Label1\nprint frmZelmora1 Command9\n"
                                   "print running\nprint guide\n");
    EXPECT_EQ(outcome.status, 0) << outcome.errors;
    EXPECT_EQ(outcome.out,
        "frmZelmora1.Line1 X1=900 Y1=360 X2=900 Y2=7920 Visible=True\n"
        "frmZelmora1.Text1 Text=\"0\" Visible=False\n"
        "frmZelmora1.Image1(1) Left=10680 Top=60 Width=1155 Height=1875 Visible=True Picture=none\n"
        "frmZelmora1.Label1 Left=3060 Top=7980 Width=1995 Height=375 Visible=False\n"
        "frmZelmora1.Command9 Left=10740 Top=1860 Width=1035 Height=435 Visible=True Appearance=1\n"
        "running=yes\n"
        "guide=0\n");
}

} // namespace
} // namespace zelmora
