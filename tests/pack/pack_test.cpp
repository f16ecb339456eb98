#include "pack/armypack.h"
#include "pack/packmanifest.h"

#include "army/armyfile.h"
#include "army/armymodel.h"
#include "platform/fileio.h"
#include "testfolder.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <sys/stat.h>

#include <cctype>
#include <filesystem>
#include <functional>

namespace tarvello {
namespace {

namespace fs = std::filesystem;

// The files of folder by name, with their bytes.
std::map<std::string, std::string> FilesOf(const fs::path &folder)
{
    std::map<std::string, std::string> files;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = ReadFileBytes(entry.path().string()).value_or("?");
    return files;
}

// The sample army and its figures in a folder of their own, line 2 naming it.
std::string SampleArmy(const TestFolder &folder)
{
    folder.CopyFrom(std::string(TARVELLO_SHIPPED_DATA_DIR) + "/figures");
    const std::string army = folder.File("border_guard.tva");
    EXPECT_TRUE(WriteFileAtomically(army, WithArmyDirectory(ReadFileBytes(army).value(), folder.Path())).ok());
    return army;
}

TEST(ArmyPack, UnpackedFiguresAreTheOriginalsAndTheArmyCostsTheSame)
{
    TestFolder source, target;
    const std::string army = SampleArmy(source);
    std::string bytes = ReadFileBytes(army).value();
    bytes += "1;1;Ghost;<none>;<none>;5;;;;;;;;;;\r\n";
    ASSERT_TRUE(WriteFileAtomically(army, bytes).ok());
    const std::string pack = target.File("Border Guard.tvz");
    std::vector<std::string> missing;
    ASSERT_TRUE(PackArmy(army, pack, &missing).ok());
    EXPECT_EQ(missing, std::vector<std::string>{"Ghost"});

    const fs::path places = fs::path(target.Path()) / "figures";
    fs::create_directory(places);
    std::string unpacked;
    ASSERT_TRUE(UnpackArmy(pack, places.string(), &unpacked).ok());
    EXPECT_EQ(unpacked, (places / "Border Guard" / "border_guard.tva").string());
    std::map<std::string, std::string> expected = FilesOf(source.Path());
    expected.erase("war_wagon.tvf"); // no line of the sample army names it
    expected["border_guard.tva"] = WithArmyDirectory(bytes, (places / "Border Guard").string());
    EXPECT_EQ(FilesOf(places / "Border Guard"), expected);

    ArmyModel before(".", '.'), after(".", '.');
    ASSERT_TRUE(before.Open(army).ok());
    ASSERT_TRUE(after.Open(unpacked).ok());
    EXPECT_EQ(after.ArmyCost(), before.ArmyCost());
    EXPECT_EQ(after.Available().size(), 5u);
    // Nothing is ever overwritten: the next unpack takes the next name.
    ASSERT_TRUE(UnpackArmy(pack, places.string(), &unpacked).ok());
    EXPECT_EQ(unpacked, (places / "Border Guard 2" / "border_guard.tva").string());
}

// A zip entry to write: its name, bytes, and whether it is a symbolic link.
struct ZipEntry
{
    std::string name;
    std::string bytes;
    bool link = false;
};

// The manifest of files, the army being the first.
ZipEntry ManifestOf(const std::vector<ZipEntry> &files)
{
    PackManifest manifest{"Tarvello", "Army", files.front().name, {}};
    for (const ZipEntry &file : files)
        manifest.files.push_back({file.name, file.bytes.size(), Sha256Hex(file.bytes)});
    return {kPackManifestName, ManifestText(manifest)};
}

// A zip of entries made with libzip, its bytes.
std::string ZipBytes(const std::vector<ZipEntry> &entries)
{
    const TestFolder folder;
    const std::string path = folder.File("made.zip");
    int code = 0;
    zip_t *zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    for (const ZipEntry &entry : entries) {
        zip_source_t *source = zip_source_buffer(zip, entry.bytes.data(), entry.bytes.size(), 0);
        const zip_int64_t index = zip_file_add(zip, entry.name.c_str(), source, ZIP_FL_ENC_RAW);
        EXPECT_GE(index, 0) << entry.name;
        if (entry.link)
            zip_file_set_external_attributes(zip, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                                             (S_IFLNK | 0777u) << 16);
    }
    EXPECT_EQ(zip_close(zip), 0);
    return ReadFileBytes(path).value();
}

const std::string kArmyBytes = "A\r\n.\r\nheader\r\n1;1;F;;;5;;;;;;;;;;\r\n";
const ZipEntry kArmy{"a.tva", kArmyBytes};
const ZipEntry kFigure{"f.tvf", FigureText("F", "5")};

// A pack of the army, the figure and extra, with a true manifest.
std::string PackWith(const ZipEntry &extra)
{
    return ZipBytes({ManifestOf({kArmy, kFigure, extra}), kArmy, kFigure, extra});
}

std::string Replaced(std::string bytes, const std::string &from, const std::string &to)
{
    for (std::size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at))
        bytes.replace(at, from.size(), to);
    return bytes;
}

struct BadPack
{
    const char *what;
    std::function<std::string()> bytes;
    const char *says;
    UnpackBounds bounds = {};
    const char *parentName = "figures";
};

class BadPacks : public testing::TestWithParam<BadPack>
{};

// A clear message, and nothing left beside the pack: no new folder, no file
// outside it.
TEST_P(BadPacks, AreRefusedAndLeaveNothing)
{
    const BadPack &c = GetParam();
    TestFolder folder;
    folder.Write("bad.tvz", c.bytes());
    const fs::path parent = fs::path(folder.Path()) / c.parentName;
    fs::create_directory(parent);
    const Status status = UnpackArmy(folder.File("bad.tvz"), parent.string(), nullptr, c.bounds);
    ASSERT_FALSE(status.ok()) << c.what;
    EXPECT_EQ(status.failure().sentence, LoadingSentence(folder.File("bad.tvz")));
    EXPECT_NE(status.failure().description.find(c.says), std::string::npos)
        << c.what << ": " << status.failure().description;
    EXPECT_TRUE(fs::is_empty(parent)) << c.what;
    EXPECT_EQ(FilesOf(folder.Path()).size(), 2u) << c.what;
}

const std::string kBig(2000, 'p');

INSTANTIATE_TEST_SUITE_P(
    Inputs, BadPacks,
    testing::Values(
        BadPack{"parent", [] { return PackWith({"../x.tvf", "x"}); }, "\"../x.tvf\" leaves its folder"},
        BadPack{"absolute", [] { return PackWith({"/tmp/x.tvf", "x"}); }, "leaves its folder"},
        BadPack{"drive", [] { return PackWith({"C:x.tvf", "x"}); }, "\"C:x.tvf\" leaves its folder"},
        BadPack{"backslash", [] { return PackWith({"..\\x.tvf", "x"}); }, "leaves its folder"},
        BadPack{"link", [] { return PackWith({"l.tvf", "/etc/passwd", true}); }, "is a symbolic link"},
        BadPack{"twice", [] { return Replaced(PackWith({"g.tvf", "x"}), "g.tvf", "f.tvf"); },
                "two entries named \"f.tvf\""},
        BadPack{"same but case", [] { return PackWith({"F.TVF", "x"}); }, "two entries named"},
        BadPack{"encoding", [] { return PackWith({"\xFF\xFE.tvf", "x"}); },
                "\"\\xFF\\xFE.tvf\" is not named in UTF-8"},
        BadPack{"big entry", [] { return PackWith({"b.tvf", kBig}); }, "\"b.tvf\" is larger than 0 MB",
                UnpackBounds{1000, 1 << 20}},
        BadPack{"big pack", [] { return PackWith({"b.tvf", kBig}); }, "unpacks to more than 0 MB",
                UnpackBounds{1 << 20, 2000}},
        BadPack{"lying size", [] {
                    const ZipEntry big{"b.tvf", kBig};
                    return Replaced(ZipBytes({ManifestOf({kArmy, {"b.tvf", std::string(16, 'p')}}), kArmy, big}),
                                    std::string("\xD0\x07\0\0", 4), std::string("\x10\0\0\0", 4));
                }, "\"b.tvf\" is larger than 0 MB", UnpackBounds{1000, 1 << 20}},
        BadPack{"not a zip", [] { return std::string("army\r\n"); }, "Not an army pack: Not a zip archive"},
        BadPack{"truncated", [] { const std::string b = PackWith({"g.tvf", "x"}); return b.substr(0, b.size() / 2); },
                "Not an army pack"},
        BadPack{"no manifest", [] { return ZipBytes({kArmy, kFigure}); }, "holds no manifest"},
        BadPack{"unlisted", [] { return ZipBytes({ManifestOf({kArmy}), kArmy, kFigure}); },
                "\"f.tvf\" is not in its manifest"},
        BadPack{"hash", [] { return ZipBytes({ManifestOf({kArmy, kFigure, {"g.tvf", "good"}}), kArmy, kFigure, {"g.tvf", "bad!"}}); },
                "\"g.tvf\" does not match its manifest (SHA-256)"},
        BadPack{"folder line", [] { return PackWith({"g.tvf", "x"}); }, "Windows-1252", {},
                "\xE2\x84\xA6"}),
    [](const testing::TestParamInfo<BadPack> &info) {
        std::string name = info.param.what;
        for (char &c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(ArmyPack, BoundsAreAbsolute)
{
    EXPECT_EQ(UnpackBounds().entryBytes, 256u * 1024 * 1024);
    EXPECT_EQ(UnpackBounds().totalBytes, 1024u * 1024 * 1024);
}

} // namespace
} // namespace tarvello
