#include "core/base/CMapProfile.h"
#include "core/shell/CTipOfTheDay.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TempDir.h"
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {
// Every tip the reader gives, in order, for up to n reads.
std::vector<std::string> Tips(const std::string& text, int n)
{
    std::istringstream in(text);
    CTipsReader reader(in);
    std::vector<std::string> out;
    std::string tip;
    for (int i = 0; i < n && reader.Next(tip) == CTipsReader::Result::Tip; ++i)
        out.push_back(tip);
    return out;
}

void Write(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}
} // namespace

TEST(TipsReader, LineRules)
{
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> tips;
    };
    const std::string longLine = std::string(999, 'a') + std::string(5, 'b') + "\n";
    const Case cases[] = {
        {"comments, indented and blank lines are skipped",
         "; comment\n\n indented\n\ttabbed\nFirst tip.\nSecond tip.\n",
         {"First tip.\n", "Second tip.\n", "First tip.\n"}},
        {"a last line without a line end is a tip", "One\nTwo", {"One\n", "Two", "One\n"}},
        {"CR LF line ends read as one", "; c\r\n\r\nTip A\r\nTip B\r\n", {"Tip A\n", "Tip B\n", "Tip A\n"}},
        {"a line longer than 999 characters gives two tips", longLine,
         {std::string(999, 'a'), "bbbbb\n", std::string(999, 'a')}},
        {"one tip among comments comes every time", ";a\n;b\nOnly tip\n;c\n", {"Only tip\n", "Only tip\n", "Only tip\n"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Tips(c.text, 3), c.tips) << c.what;
}

TEST(TipsReader, NoTipsEndsAndBadOffsetsFail)
{
    for (const std::string text : {"", ";only\n\n  comments\n"}) {
        std::istringstream in(text);
        CTipsReader reader(in);
        std::string tip = "unchanged";
        EXPECT_EQ(reader.Next(tip), CTipsReader::Result::NoTips) << "'" << text << "'";
        EXPECT_EQ(tip, "unchanged");
    }
    std::istringstream in("A\nB\nC\n");
    CTipsReader reader(in);
    EXPECT_FALSE(reader.Seek(-1));
    ASSERT_TRUE(reader.Seek(2));
    std::string tip;
    ASSERT_EQ(reader.Next(tip), CTipsReader::Result::Tip);
    EXPECT_EQ(tip, "B\n");
    EXPECT_EQ(reader.Offset(), 4);
}

class TipOfTheDay : public ::testing::Test {
protected:
    TempDir dir;
    CMapProfile profile;
    FakeHost host;
    std::string Folder() const { return dir.Path() + "/"; }
    std::string Shown()
    {
        CTipOfTheDay t(profile, host, Folder());
        return t.Tip();
    }
};

TEST_F(TipOfTheDay, EachStartShowsTheNextTipAndAChangedFileStartsOver)
{
    Write(dir.File("tips.txt"), "; tips\nFirst\nSecond\nThird\n");
    EXPECT_TRUE(CTipOfTheDay::ShowAtStartUp(profile)) << "shown by default";
    EXPECT_EQ(Shown(), "First\n");
    EXPECT_EQ(profile.GetString("Tip", "TimeStamp", ""), CTipOfTheDay::TimeStampOf(dir.File("tips.txt")));
    EXPECT_FALSE(profile.GetString("Tip", "TimeStamp", "").empty());
    EXPECT_EQ(profile.GetInt("Tip", "FilePos", -1), 13);
    EXPECT_EQ(Shown(), "Second\n");
    {
        CTipOfTheDay t(profile, host, Folder());
        EXPECT_EQ(t.Tip(), "Third\n");
        t.NextTip();
        EXPECT_EQ(t.Tip(), "First\n") << "after the last tip the file starts again";
    }
    // Another time stamp than the stored one: the file changed, its first tip comes again.
    profile.SetString("Tip", "TimeStamp", "Mon Jan  1 00:00:00 2001");
    EXPECT_EQ(Shown(), "First\n");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(TipOfTheDay, MissingFileBadOffsetAndTheStartUpBox)
{
    {
        CTipOfTheDay t(profile, host, Folder());
        EXPECT_EQ(t.Tip(), "Tips file does not exist in the prescribed directory");
        EXPECT_FALSE(t.CanShowNext());
        t.Close(false);
    }
    EXPECT_EQ(profile.GetInt("Tip", "StartUp", -1), 1);
    EXPECT_FALSE(CTipOfTheDay::ShowAtStartUp(profile));
    EXPECT_FALSE(profile.Has("Tip", "FilePos")) << "no file, no offset";

    Write(dir.File("tips.txt"), "Tip\n");
    profile.SetString("Tip", "TimeStamp", CTipOfTheDay::TimeStampOf(dir.File("tips.txt")));
    profile.SetInt("Tip", "FilePos", -7);
    {
        CTipOfTheDay t(profile, host, Folder());
        EXPECT_TRUE(t.Tip().empty());
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, "Trouble reading the tips file");
        t.Close(true);
    }
    EXPECT_EQ(profile.GetInt("Tip", "StartUp", -1), 0);
}
