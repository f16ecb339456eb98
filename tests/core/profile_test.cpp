#include "platform/fileio.h"
#include "platform/modini.h"
#include "platform/profiledocument.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tarvello {
namespace {

// Prefix and number; GCC 12 warns falsely about "literal" + std::string here.
std::string Named(const char *prefix, std::size_t n)
{
    std::string name(prefix);
    name += std::to_string(n);
    return name;
}


namespace fs = std::filesystem;
std::string FileText(const std::string &path)
{
    return ReadFileBytes(path).value_or("<missing>");
}

// Writes (section, key, value), or with no key deletes a section, one after
// the other on a new file; then the file's text (none: no file).
TEST(ProfileIni, WritesAndDeletesChangeTheFileInPlace)
{
    struct Step { const char *section, *key, *value; };
    const std::pair<std::vector<Step>, const char *> cases[] = {
        {{{"Figure", "chkUseOptionalMovement", "0"}, {"Figure", "txtFigureName", "Elf"},
          {"MeleeWeapon1", "Name", "Sword"}, {"Figure", "txtFinalCost", "42"}, {"MeleeWeapon1", "Max Damage", "8"}},
         "[Figure]\r\nchkUseOptionalMovement=0\r\ntxtFigureName=Elf\r\ntxtFinalCost=42\r\n"
         "[MeleeWeapon1]\r\nName=Sword\r\nMax Damage=8\r\n"},
        {{{"Figure", "a", "1"}, {"Figure", "b", "2"}, {"Other", "c", "3"}, {"FIGURE", "A", "one"}},
         "[Figure]\r\na=one\r\nb=2\r\n[Other]\r\nc=3\r\n"},
        // Deleting, then writing, moves the section to the end.
        {{{"Figure", "txtFigureName", "Elf"}, {"MeleeWeapon1", "Name", "Sword"}, {"CardLayout", "Height", "100"},
          {"meleeweapon1", nullptr, nullptr}, {"MeleeWeapon1", "Name", "Axe"}},
         "[Figure]\r\ntxtFigureName=Elf\r\n[CardLayout]\r\nHeight=100\r\n[MeleeWeapon1]\r\nName=Axe\r\n"},
        {{{"Figure", nullptr, nullptr}}, nullptr},
    };
    for (const auto &[steps, expected] : cases) {
        TestFolder dir;
        const std::string file = dir.File("figure.tvf");
        for (const Step &step : steps)
            EXPECT_TRUE((step.key ? WriteIni(step.section, step.key, step.value, file)
                                  : DeleteIniSection(step.section, file)).ok());
        EXPECT_EQ(FileText(file), expected ? expected : "<missing>");
    }
}

TEST(ProfileIni, AppendedPictureLinesReadBackAsSectionsAndKeys)
{
    TestFolder dir;
    const std::string file = dir.File("figure.tvf");
    EXPECT_TRUE(WriteIni("Figure", "txtImageFile", "elf.bmp", file).ok());
    ProfileDocument doc;
    ASSERT_TRUE(doc.Load(file).ok());
    doc.AppendSection("ImageProperties");
    doc.AppendEntry("Width", "2");
    doc.AppendEntry("Height", "2");
    doc.AppendSection("ImagePixels");
    doc.AppendEntry("1_0", "255");
    ASSERT_TRUE(doc.Save(file).ok());
    EXPECT_EQ(ReadIni("ImageProperties", "Width", "0", file), "2");
    EXPECT_EQ(ReadIni("ImagePixels", "1_0", "", file), "255");

    ProfileDocument again;
    ASSERT_TRUE(again.Load(file).ok());
    std::vector<std::string> pixels;
    EXPECT_TRUE(again.ForEachEntry("imagepixels", [&pixels](const ProfileLine &line) {
        pixels.push_back(std::string(line.key) + "=" + std::string(line.value));
    }));
    EXPECT_EQ(pixels, std::vector<std::string>{"1_0=255"});
    EXPECT_TRUE(again.HasSection("imagepixels"));
    EXPECT_EQ(again.SectionNames(),
              (std::vector<std::string>{"Figure", "ImageProperties", "ImagePixels"}));
}

TEST(ProfileDocument, AppendedLinesMatchWhatReadingTheFileGives)
{
    ProfileDocument doc;
    doc.AppendEntry("before", "x"); // no section yet: a verbatim leading line
    doc.AppendSection("S");
    doc.AppendEntry(" k ", " v ");
    doc.AppendEntry("[T", "1"); // a header line "[T=1" once written
    doc.AppendEntry("a", "b\r\nc=d");
    const ProfileDocument reread = ProfileDocument::Parse(doc.ToText());
    EXPECT_EQ(doc.ToText(), reread.ToText());
    EXPECT_EQ(doc.ToText(), "before=x\r\n[S]\r\nk= v \r\n[T=1]\r\na=b\r\nc=d\r\n");
    EXPECT_EQ(doc.Read("S", "k", "-"), "v");
    EXPECT_EQ(doc.Read("T=1", "c", "-"), "d");
    EXPECT_EQ(reread.Read("T=1", "c", "-"), "d");
    EXPECT_EQ(doc.Read("T=1", "a", "-"), "b");
}

TEST(ProfileDocument, ByteOrderMarkDoesNotHideTheFirstSection)
{
    const std::string text = "\xEF\xBB\xBF[Figure]\r\ntxtFigureName=Elf\r\n";
    const ProfileDocument doc = ProfileDocument::Parse(text);
    EXPECT_TRUE(doc.HasSection("Figure"));
    EXPECT_EQ(doc.Read("Figure", "txtFigureName", ""), "Elf");
    EXPECT_EQ(ProfileDocument::Lookup(text, "Figure", "txtFigureName").value, "Elf");
    // A first line that starts with those bytes is written after a mark.
    ProfileDocument marked;
    marked.AppendEntry(text.substr(0, 3) + "k", "v");
    EXPECT_EQ(ProfileDocument::Parse(marked.ToText()).ToText(), marked.ToText());
}

struct ReadCase
{
    const char *line;
    const char *expected;
};

class ProfileValueTest : public testing::TestWithParam<ReadCase>
{};

TEST_P(ProfileValueTest, ReadsTheCleanedValue)
{
    const std::string text = std::string("[S]\r\n") + GetParam().line + "\r\n";
    EXPECT_EQ(ProfileDocument::Parse(text).Read("S", "k", "<default>"), GetParam().expected)
        << GetParam().line;
    EXPECT_EQ(ProfileDocument::Lookup(text, "S", "k").value,
              std::string(GetParam().expected) == "<default>" ? "" : GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ProfileValueTest,
    testing::Values(ReadCase{"k=v", "v"}, ReadCase{"k= \tv w\t ", "v w"},
                    ReadCase{"  k  =v", "v"}, ReadCase{"k=", ""}, ReadCase{"k=\"\"", ""},
                    ReadCase{"k=\" Elf\"", " Elf"}, ReadCase{"k='x'", "x"},
                    ReadCase{"k=\"'x'\"", "'x'"}, ReadCase{"k=\"x'", "\"x'"},
                    ReadCase{"k=\"", "\""}, ReadCase{"k=a\"b", "a\"b"},
                    ReadCase{"k=\"\"x\"\"", "\"x\""}, ReadCase{"k=a=b", "a=b"},
                    ReadCase{"k", "<default>"}, ReadCase{"kk=v", "<default>"},
                    ReadCase{"; k=v", "<default>"}));

TEST(ProfileDocument, ValueIsCutAtItsFirstNul)
{
    const std::string text("[S]\r\nk=ab\0cd\r\nj=\0\r\n", 19);
    const ProfileDocument doc = ProfileDocument::Parse(text);
    EXPECT_EQ(doc.Read("S", "k", ""), "ab");
    EXPECT_EQ(doc.Read("S", "j", "x"), "");
    EXPECT_EQ(doc.ToText(), text); // the bytes stay as they were
}

TEST(ProfileDocument, ValuesAreReadWholeHoweverLong)
{
    for (const std::size_t length : {249u, 250u, 300u, 100000u}) {
        ProfileDocument doc;
        doc.Write("S", "k", std::string(length, 'x'));
        const std::string text = doc.ToText();
        EXPECT_EQ(doc.Read("S", "k", ""), std::string(length, 'x')) << length;
        EXPECT_EQ(ProfileDocument::Lookup(text, "S", "k").value, std::string(length, 'x'));
        EXPECT_EQ(ProfileDocument::Parse(text).Read("S", "k", ""), std::string(length, 'x'));
    }
}

TEST(ProfileDocument, WrittenValuesReadBackExactly)
{
    const std::vector<std::string> values = {" Elf", "Elf ", "'x'", "\"q\"", "a\"b", "it's",
                                             "\"", "'", "\t", "  ", "", "x=y", "[x]", "\"a"};
    ProfileDocument doc;
    for (std::size_t i = 0; i < values.size(); ++i)
        doc.Write("S", Named("k", i), values[i]);
    const ProfileDocument reread = ProfileDocument::Parse(doc.ToText());
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(reread.Read("S", Named("k", i), "-"), values[i]) << values[i];
        EXPECT_EQ(doc.Read("S", Named("k", i), "-"), values[i]) << values[i];
    }
    EXPECT_EQ(ProfileDocument::Parse("").ToText(), "");
    ProfileDocument one;
    one.Write("S", "k", " Elf");
    EXPECT_EQ(one.ToText(), "[S]\r\nk=\" Elf\"\r\n");
}

TEST(ProfileIni, AbsentFileSectionOrKeyGivesTheDefault)
{
    TestFolder dir;
    const std::string file = dir.File("figure.tvf");
    EXPECT_EQ(ReadIni("Figure", "Name", "def", file), "def");
    EXPECT_TRUE(WriteIni("Figure", "Name", "Elf", file).ok());
    EXPECT_EQ(ReadIni("Figure", "Missing", "def", file), "def");
    EXPECT_EQ(ReadIni("MeleeWeapon1", "Name", "", file), "");
    EXPECT_EQ(ReadIni("Figure", "Name", "def", file), "Elf");
    ProfileDocument doc;
    const Status loaded = doc.Load(dir.File("missing.tvf"));
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.failure().Message(),
              "Error in loading " + dir.File("missing.tvf") + " !\r\nFile not found");
    EXPECT_TRUE(doc.SectionNames().empty());
    EXPECT_EQ(doc.Read("Figure", "Name", "d"), "d");
    EXPECT_FALSE(doc.HasSection("Figure"));
}

TEST(ProfileIni, ReadIniFindsKeysBeyondItsFirstChunk)
{
    TestFolder dir;
    const std::string file = dir.File("big.tvf");
    std::string text = "[Figure]\r\nName=Elf\r\n[ImagePixels]\r\n";
    for (int i = 0; i < 40000; ++i)
        text += std::to_string(i) + "_0=" + std::to_string(i) + "\r\n";
    text += "[Late]\r\nKey=found\r\n";
    text += "[Figure]\r\nLater=no\r\n";
    ASSERT_TRUE(WriteFileAtomically(file, text).ok());
    EXPECT_EQ(ReadIni("Figure", "Name", "", file), "Elf");
    EXPECT_EQ(ReadIni("late", "key", "", file), "found");
    EXPECT_EQ(ReadIni("ImagePixels", "39999_0", "", file), "39999");
    EXPECT_EQ(ReadIni("Figure", "Later", "absent", file), "absent");
    EXPECT_EQ(ReadIni("Nowhere", "Key", "absent", file), "absent");
}

TEST(ProfileDocument, FailedSaveKeepsTheOldFile)
{
    TestFolder dir;
    const std::string file = dir.File("figure.tvf");
    ASSERT_TRUE(WriteFileAtomically(file, "[Old]\r\nk=1\r\n").ok());
    ProfileDocument doc;
    doc.Write("New", "k", "2");
    EXPECT_FALSE(doc.Save(dir.File("no-such-folder/figure.tvf")).ok());
    const std::string folder = dir.File("folder.tvf");
    fs::create_directory(folder);
    const Status saved = doc.Save(folder);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.failure(), (Failure{"Error in saving " + folder + " !", "Path/File access error",
                                         FailureKind::CannotWrite}));
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(FileText(file), "[Old]\r\nk=1\r\n");
    EXPECT_TRUE(doc.Save(file).ok());
    EXPECT_EQ(FileText(file), "[New]\r\nk=2\r\n");
}

TEST(ProfileIni, WriteToAnUnreadableTargetChangesNothing)
{
    TestFolder dir;
    const std::string folder = dir.File("folder.tvf");
    fs::create_directory(folder);
    const Status written = WriteIni("Figure", "Name", "Elf", folder);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.failure().sentence, "Error in saving " + folder + " !");
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(ReadIni("Figure", "Name", "d", folder), "d");
}

// A text read, changed (a write, or a section deleted when key is null),
// written back, and one value read from the result.
struct RewriteCase
{
    const char *text;
    const char *section, *key, *value;
    const char *expected;
    const char *readSection, *readKey, *read;
};

const RewriteCase kRewrites[] = {
    {"[A]\nx=1\n[B]\ny=2\n[a]\nz=3\n", "A", nullptr, nullptr, "[B]\r\ny=2\r\n", "a", "z", "-"},
    {"[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "a", "z", "3", "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n",
     "A", "z", "3"},
    {"[ Spaced ]junk\r\n; comment\r\nnot a key\r\n[Open\r\nk=v\r\n", "", "", nullptr,
     "[Spaced]\r\n; comment\r\nnot a key\r\n[Open]\r\nk=v\r\n", "open", "k", "v"},
    {"[A]\nx=1\ny=2\n[B]\nz=3", "", "", nullptr, "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n", "B", "z", "3"},
    {"[A]\rx=1\r\ry=2\r\n[B]\rz=3\r", "", "", nullptr, "[A]\r\nx=1\r\n\r\ny=2\r\n[B]\r\nz=3\r\n",
     "A", "y", "2"},
    {"", "S", "k", "one\r\n[Evil]\r\nx=1", "[S]\r\nk=one\r\n", "Evil", "x", "-"},
    {"; made by hand\r\n  k = v\r\n\r\n[S]\r\nk=1\r\n", "S", "j", "2",
     "; made by hand\r\n  k = v\r\n\r\n[S]\r\nk=1\r\nj=2\r\n", "", "k", "-"},
    {"[Figure]\r\ntxtFigureName=Elf\r\n", "", "", nullptr, "[Figure]\r\ntxtFigureName=Elf\r\n",
     "FIGURE", "txtfigurename", "Elf"},
    {"[A]\nk=1\nK=2\n[a]\nonly=4\n", "", "", nullptr, "[A]\r\nk=1\r\nK=2\r\n[a]\r\nonly=4\r\n",
     "A", "only", "-"},
    {"[A]\nk=1\nK=2\n", "", "", nullptr, "[A]\r\nk=1\r\nK=2\r\n", "a", "K", "1"},
};

TEST(ProfileDocument, RewritesKeepLinesAndFirstSectionAndKeyWin)
{
    for (const RewriteCase &c : kRewrites) {
        ProfileDocument doc = ProfileDocument::Parse(c.text);
        if (!c.key)
            doc.DeleteSection(c.section);
        else if (c.value)
            doc.Write(c.section, c.key, c.value);
        EXPECT_EQ(doc.ToText(), c.expected) << c.text;
        EXPECT_EQ(doc.Read(c.readSection, c.readKey, "-"), c.read) << c.text;
    }
}

TEST(ProfileDocument, LargeSectionsStayConsistentThroughChanges)
{
    // Enough sections and keys for the hash lookups to be used.
    ProfileDocument doc;
    for (int s = 0; s < 40; ++s) {
        for (int k = 0; k < 60; ++k)
            doc.Write(Named("S", s), Named("K", k), std::to_string(s * k));
    }
    doc.AppendSection("s3"); // a later section of the same name never wins
    doc.AppendEntry("K1", "later");
    doc.AppendSection("S1");
    doc.AppendEntry("K1", "appended");
    doc.AppendEntry("New", "appended");
    EXPECT_EQ(doc.Read("s3", "k1", ""), "3");
    EXPECT_EQ(doc.Read("S1", "k59", ""), "59");
    doc.DeleteSection("S1");
    EXPECT_EQ(doc.Read("S1", "K1", "gone"), "gone");
    EXPECT_EQ(doc.Read("S39", "K59", ""), std::to_string(39 * 59));
    doc.Write("S2", "K10", "changed");
    doc.Write("S2", "Extra", "x");
    doc.Write("S1", "K1", "back");
    EXPECT_EQ(doc.Read("s2", "k10", ""), "changed");
    EXPECT_EQ(doc.Read("s2", "extra", ""), "x");
    EXPECT_EQ(doc.Read("s1", "k1", ""), "back");
    EXPECT_EQ(doc.SectionNames().back(), "S1");
    const ProfileDocument reread = ProfileDocument::Parse(doc.ToText());
    EXPECT_EQ(reread.ToText(), doc.ToText());
    EXPECT_EQ(reread.Read("s2", "k10", ""), "changed");
    EXPECT_EQ(reread.Read("S3", "K1", ""), "3");
}

} // namespace
} // namespace tarvello
