#include "figure/figurefile.h"
#include "figure/figuremodel.h"
#include "figure_testtables.h"
#include "platform/fileio.h"
#include "platform/profiledocument.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>

using namespace tarvello;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace fs = std::filesystem;

namespace {

const std::string kData = std::string(TARVELLO_TEST_DATA_DIR) + "/figures/";

std::string Bytes(const std::string &path)
{
    return ReadFileBytes(path).value_or("<missing " + path + ">");
}

// Compares a written file with its golden file; with TARVELLO_UPDATE_GOLDEN
// set, rewrites the golden file instead (review the difference before
// committing it).
void ExpectGolden(const std::string &path, const std::string &golden)
{
    if (std::getenv("TARVELLO_UPDATE_GOLDEN")) {
        ASSERT_EQ(WriteFileAtomically(kData + golden, Bytes(path)), "");
        return;
    }
    EXPECT_EQ(Bytes(path), Bytes(kData + golden));
}

void Put(const std::string &path, std::string_view bytes)
{
    ASSERT_EQ(WriteFileAtomically(path, bytes), "");
}

class FigureFileTest : public ::testing::Test
{
protected:
    FigureFileTest()
        : tables(figuretest::FigureTestTables())
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / ("tarvello_figure_" + std::string(info->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~FigureFileTest() override { fs::remove_all(dir); }

    std::string Path(const std::string &name) const { return (dir / name).string(); }

    // A Line hero with two melee weapons, a bow limited to 10 shots, a
    // banner and a 3 x 2 picture.
    void ComposeKnight(FigureModel &model)
    {
        model.Initialize();
        model.SetFigureName("Sir Test");
        model.SetImageFile("knight.bmp");
        model.ChooseFigureType(2);
        model.ChooseTrainingLevel(1);
        model.ChooseRace(1);
        model.ChooseArmorType(1);
        model.ChooseMove(1);
        model.ChooseCommandSkill(1);
        model.SetHitPoints("3");
        model.SetAdjustHitFactor("-1");
        model.AddMeleeWeapon(0);
        model.AddMeleeWeapon(1);
        model.AddMissileWeapon(0);
        model.SetShots(0, 10);
        model.AddExtraItem(2);
        Picture picture(3, 2);
        picture.SetPixel(0, 0, 0);
        picture.SetPixel(2, 0, 255);
        picture.SetPixel(1, 1, 65280);
        picture.SetPixel(2, 1, 16711680);
        model.SetPicture(picture);
    }

    RulesTables tables;
    fs::path dir;
};

TEST_F(FigureFileTest, FirstSaveMatchesTheGoldenFile)
{
    FigureModel model(tables);
    ComposeKnight(model);
    ASSERT_TRUE(model.Changed());
    const std::string path = Path("knight.tvf");
    EXPECT_THAT(model.SaveTo(path), IsEmpty());
    EXPECT_FALSE(model.Changed());
    EXPECT_EQ(model.FileName(), path);
    ExpectGolden(path, "knight_first_save.tvf");
}

TEST_F(FigureFileTest, SavedFigureReopensAsItWas)
{
    FigureModel model(tables);
    ComposeKnight(model);
    const std::string path = Path("knight.tvf");
    ASSERT_THAT(model.SaveTo(path), IsEmpty());

    FigureModel reopened(tables);
    reopened.Initialize();
    int notifications = 0;
    reopened.SetOnChanged([&notifications] { ++notifications; });
    EXPECT_THAT(reopened.Open(path), IsEmpty());
    EXPECT_EQ(notifications, 1);
    EXPECT_FALSE(reopened.Changed());
    EXPECT_FALSE(reopened.Loading());
    EXPECT_EQ(reopened.Caption(), "Figure: Sir Test");
    EXPECT_EQ(reopened.FileName(), path);
    for (const FigureField &field : FigureFields())
        EXPECT_EQ(FieldValue(reopened.record(), field), FieldValue(model.record(), field))
            << field.name;
    EXPECT_EQ(reopened.record().lvwMeleeWeaponsSelected, model.record().lvwMeleeWeaponsSelected);
    EXPECT_EQ(reopened.record().lvwMissileWeaponsSelected,
              model.record().lvwMissileWeaponsSelected);
    EXPECT_EQ(reopened.record().lvwExtraItemsSelected, model.record().lvwExtraItemsSelected);
    EXPECT_EQ(reopened.picture(), model.picture());
}

TEST_F(FigureFileTest, StoredCaptionsAreFoundAmongThoseOfTheStoredType)
{
    FigureModel model(tables);
    model.Initialize();
    model.ChooseFigureType(kFigureTypeVehicle);
    model.ChooseTrainingLevel(1);
    const std::string path = Path("tank.tvf");
    ASSERT_THAT(model.SaveTo(path), IsEmpty());
    EXPECT_THAT(Bytes(path), HasSubstr("cboTrainingLevel=Good\r\n"));

    FigureModel reopened(tables);
    reopened.Initialize();
    EXPECT_THAT(reopened.Open(path), IsEmpty());
    EXPECT_EQ(reopened.TrainingLabel(), "Targeting System");
    EXPECT_EQ(reopened.record().cboTrainingLevel.index, 1);
}

TEST_F(FigureFileTest, SecondSaveKeepsKeysInPlaceAndMovesSeriesAndImageToTheEnd)
{
    const std::string path = Path("second.tvf");
    fs::copy_file(kData + "second_save_before.tvf", path);
    FigureModel model(tables);
    model.Initialize();
    ASSERT_THAT(model.Open(path), IsEmpty());
    model.AddExtraItem(0);
    ASSERT_THAT(model.SaveTo(path), IsEmpty());
    ExpectGolden(path, "second_save_after.tvf");
    // Saving again changes nothing: the image sections stay single.
    ASSERT_THAT(model.SaveTo(path), IsEmpty());
    EXPECT_EQ(Bytes(path), Bytes(kData + "second_save_after.tvf"));
}

TEST_F(FigureFileTest, RemovedWeaponsLeaveNoSectionBehind)
{
    FigureModel model(tables);
    model.Initialize();
    for (int i = 0; i < 3; ++i)
        model.AddMeleeWeapon(i);
    const std::string path = Path("three.tvf");
    ASSERT_THAT(model.SaveTo(path), IsEmpty());
    EXPECT_THAT(Bytes(path), HasSubstr("[MeleeWeapon3]"));
    for (int i = 0; i < 3; ++i)
        model.RemoveMeleeWeapon(0);
    ASSERT_THAT(model.SaveTo(path), IsEmpty());
    EXPECT_THAT(Bytes(path), ::testing::Not(HasSubstr("[MeleeWeapon")));
}

TEST_F(FigureFileTest, EveryNumberedSectionIsDeletedEvenBehindAGap)
{
    ProfileDocument doc = ProfileDocument::Parse("[MeleeWeapon1]\r\nName=Sword\r\n"
                                                 "[MeleeWeapon2]\r\nNotes=no name\r\n"
                                                 "[meleeweapon3]\r\nName=Old\r\n"
                                                 "[MeleeWeaponX]\r\nName=Not a series\r\n"
                                                 "[ExtraItem7]\r\nName=Far\r\n");
    FigureRecord record;
    record.lvwMeleeWeaponsSelected = {{"Dagger", "2", ""}};
    WriteFigureSections(doc, record);
    const std::string text = doc.ToText();
    EXPECT_THAT(text, ::testing::Not(HasSubstr("Old")));
    EXPECT_THAT(text, ::testing::Not(HasSubstr("no name")));
    EXPECT_THAT(text, ::testing::Not(HasSubstr("ExtraItem7")));
    EXPECT_THAT(text, HasSubstr("[MeleeWeaponX]\r\nName=Not a series\r\n"));
    EXPECT_THAT(text, HasSubstr("[MeleeWeapon1]\r\nName=Dagger\r\nMax Damage=2\r\nNotes=\r\n"));
}

TEST_F(FigureFileTest, TwoByTwoPictureWithOneRedPixel)
{
    Picture picture(2, 2);
    picture.SetPixel(1, 0, 255);
    std::string text;
    AppendImageText(text, picture);
    EXPECT_EQ(text, "[ImageProperties]\r\nWidth=2\r\nHeight=2\r\n[ImagePixels]\r\n1_0=255\r\n");

    ProfileDocument doc = ProfileDocument::Parse(text);
    EXPECT_EQ(ReadPicture(doc), picture);
}

TEST_F(FigureFileTest, PixelLinesRunColumnByColumn)
{
    Picture picture(2, 2);
    for (int x = 0; x < 2; ++x)
        for (int y = 0; y < 2; ++y)
            picture.SetPixel(x, y, static_cast<std::uint32_t>(10 * x + y));
    std::string text;
    AppendImageText(text, picture);
    EXPECT_THAT(text, HasSubstr("[ImagePixels]\r\n0_0=0\r\n0_1=1\r\n1_0=10\r\n1_1=11\r\n"));
}

TEST_F(FigureFileTest, NoImageSectionsWithoutAnImageFileName)
{
    FigureModel model(tables);
    ComposeKnight(model);
    model.SetImageFile("");
    const std::string path = Path("plain.tvf");
    ASSERT_THAT(model.SaveTo(path), IsEmpty());
    EXPECT_THAT(Bytes(path), ::testing::Not(HasSubstr("[Image")));
}

TEST_F(FigureFileTest, SaveAsReplacesAnotherFileWholeAndOwnFileKeepsCardSections)
{
    const std::string other = Path("other.tvf");
    Put(other, "[Figure]\r\ntxtFigureName=Other\r\n[CardLayout]\r\nHeight=100\r\n"
               "[Style]\r\nFontName=Arial\r\n");
    FigureModel model(tables);
    model.Initialize();
    ASSERT_THAT(model.SaveTo(other), IsEmpty());
    EXPECT_THAT(Bytes(other), ::testing::Not(HasSubstr("CardLayout")));

    // The card designer adds its sections to the figure's own file.
    Put(other, Bytes(other) + "[CardLayout]\r\nHeight=100\r\n");
    ASSERT_THAT(model.SaveTo(other), IsEmpty());
    EXPECT_THAT(Bytes(other), HasSubstr("[CardLayout]\r\nHeight=100\r\n"));
}

TEST_F(FigureFileTest, UnknownRaceIsReportedOnceAndTheFirstRaceKept)
{
    const std::string path = Path("orc.tvf");
    Put(path, "[Figure]\r\ncboFigureType=Normal\r\ncboRace=Orc\r\ncboArmorType=Chain\r\n"
              "txtHitPoints=2\r\n[MeleeWeapon1]\r\nName=Sword\r\nMax Damage=4\r\nNotes=\r\n");
    FigureModel model(tables);
    model.Initialize();
    EXPECT_THAT(model.Open(path),
                ElementsAre("The item  does not exist in current resourcefiles!",
                            "The item Orc does not exist in current resourcefiles!",
                            "The item  does not exist in current resourcefiles!",
                            "The item  does not exist in current resourcefiles!"));
    EXPECT_EQ(model.record().cboRace.index, 0);
    // Chain green 4, Human: defense 1.35; sword 2 x 1.35 x 2 = 5.4 -> 5.
    EXPECT_EQ(model.record().txtDefenseFactor, "1.35");
    EXPECT_EQ(model.record().txtFinalCost, "5");
    EXPECT_FALSE(model.Changed());
}

TEST_F(FigureFileTest, MissingNameEndsTheSeries)
{
    const std::string path = Path("gap.tvf");
    Put(path, "[MeleeWeapon1]\r\nName=Sword\r\nMax Damage=4\r\n"
              "[MeleeWeapon2]\r\nMax Damage=2\r\n"
              "[MeleeWeapon3]\r\nName=Halberd\r\nMax Damage=6\r\n");
    FigureModel model(tables);
    model.Initialize();
    model.Open(path);
    EXPECT_THAT(model.record().lvwMeleeWeaponsSelected, ElementsAre(ElementsAre("Sword", "4", "")));
}

TEST_F(FigureFileTest, OpeningRecalculatesWithoutMarkingChanged)
{
    const std::string path = Path("stale.tvf");
    // The stored cost is stale; opening recalculates it.
    Put(path, "[Figure]\r\ncboFigureType=Normal\r\ncboTrainingLevel=Green\r\ncboRace=Human\r\n"
              "cboArmorType=Leather\r\ncboMove=Foot\r\ncboCommandSkill=Good\r\n"
              "txtHitPoints=1\r\ntxtAdjustHitFactor=0\r\ntxtFinalCost=999\r\n");
    FigureModel model(tables);
    model.Initialize();
    EXPECT_THAT(model.Open(path), IsEmpty());
    EXPECT_EQ(model.record().txtFinalCost, "10");
    EXPECT_FALSE(model.Changed());
}

TEST_F(FigureFileTest, CorrectionsApplyWhileOpening)
{
    const std::string path = Path("odd.tvf");
    Put(path, "[Figure]\r\ntxtAdjustHitFactor=lots\r\ntxtHitPoints=0\r\n"
              "chkUseOptionalMovement=1\r\nchkOptionalRangeCost=junk\r\n");
    FigureModel model(tables);
    model.Initialize();
    model.Open(path);
    EXPECT_EQ(model.record().txtAdjustHitFactor, "0");
    EXPECT_EQ(model.record().txtHitPoints, "1");
    EXPECT_EQ(model.record().chkUseOptionalMovement, 1);
    EXPECT_EQ(model.record().chkOptionalRangeCost, 0);
}

TEST_F(FigureFileTest, AbsurdPictureSizesAreRefused)
{
    const struct
    {
        const char *properties;
        const char *description;
    } cases[] = {
        {"Width=-1\r\nHeight=2\r\n", "Invalid procedure call or argument"},
        {"Width=2\r\nHeight=20000\r\n", "Overflow"},
        {"Width=16384\r\nHeight=16384\r\n", "Overflow"},
        {"Width=1E300\r\nHeight=1\r\n", "Overflow"},
        {"Width=wide\r\nHeight=1\r\n", "Type mismatch"},
    };
    for (const auto &c : cases) {
        const std::string path = Path("absurd.tvf");
        Put(path, std::string("[Figure]\r\ntxtFigureName=Huge\r\ntxtImageFile=huge.bmp\r\n"
                              "cboFigureType=Hero\r\n[ImageProperties]\r\n")
                      + c.properties + "[ImagePixels]\r\n0_0=0\r\n");
        FigureModel model(tables);
        model.Initialize();
        EXPECT_THAT(model.Open(path),
                    ElementsAre("Error in loading " + path + " !\r\n" + c.description))
            << c.properties;
        // What came before the picture stays; the rest is not filled.
        EXPECT_EQ(model.record().txtFigureName, "Huge");
        EXPECT_EQ(model.record().cboFigureType.index, 0);
        EXPECT_EQ(model.picture().width, 0);
        EXPECT_FALSE(model.Loading());
    }
}

TEST_F(FigureFileTest, BadPixelLinesAreIgnored)
{
    ProfileDocument doc = ProfileDocument::Parse(
        "[ImageProperties]\r\nWidth=3\r\nHeight=2\r\n[ImagePixels]\r\n"
        "0_0=255\r\n"      // kept
        "a_b=7\r\n"        // not numbers
        "1_1=-5\r\n"       // negative colour
        "3_0=9\r\n"        // outside
        "0_2=9\r\n"        // outside
        "-1_0=9\r\n"       // outside
        "2_1=99999999999\r\n" // beyond 24 bits
        "2_0\r\n"          // no value
        "1=8\r\n"          // no y
        "2_1= 65280 \r\n"  // blanks around the colour
        "1_0=1.5\r\n"      // rounded half to even: 2
        "[Next]\r\n1_1=12\r\n");
    const Picture picture = ReadPicture(doc);
    ASSERT_EQ(picture.width, 3);
    ASSERT_EQ(picture.height, 2);
    Picture expected(3, 2);
    expected.SetPixel(0, 0, 255);
    expected.SetPixel(2, 1, 65280);
    expected.SetPixel(1, 0, 2);
    EXPECT_EQ(picture, expected);
}

TEST_F(FigureFileTest, LastPixelLineWithoutLineEndIsRestored)
{
    ProfileDocument doc = ProfileDocument::Parse(
        "[ImageProperties]\r\nWidth=2\r\nHeight=2\r\n[ImagePixels]\r\n0_0=1\r\n1_1=42");
    EXPECT_EQ(ReadPicture(doc).Pixel(1, 1), 42u);
}

TEST_F(FigureFileTest, TruncatedAndBinaryFilesNeverCrash)
{
    FigureModel source(tables);
    ComposeKnight(source);
    const std::string full = Path("full.tvf");
    ASSERT_THAT(source.SaveTo(full), IsEmpty());
    const std::string bytes = Bytes(full);
    const std::string path = Path("cut.tvf");
    for (std::size_t cut = 0; cut < bytes.size(); cut += 7) {
        Put(path, bytes.substr(0, cut));
        FigureModel model(tables);
        model.Initialize();
        model.Open(path);
        EXPECT_FALSE(model.Loading());
    }
    // Cut inside the last pixel line: the earlier pixels are there.
    Put(path, bytes.substr(0, bytes.size() - 6));
    FigureModel cut(tables);
    cut.Initialize();
    cut.Open(path);
    EXPECT_EQ(cut.picture().Pixel(0, 0), 0u);
    EXPECT_EQ(cut.record().txtFigureName, "Sir Test");

    std::mt19937 random(12345);
    for (int round = 0; round < 50; ++round) {
        std::string noise(static_cast<std::size_t>(random() % 2000), '\0');
        for (char &c : noise)
            c = static_cast<char>(random() % 256);
        if (round % 2 == 0)
            noise = bytes.substr(0, bytes.size() / 2) + noise;
        Put(path, noise);
        FigureModel model(tables);
        model.Initialize();
        model.Open(path);
        EXPECT_FALSE(model.Loading());
    }
}

TEST_F(FigureFileTest, FailuresNameThePath)
{
    FigureModel model(tables);
    model.Initialize();
    const std::string missing = Path("missing.tvf");
    EXPECT_THAT(model.Open(missing),
                ElementsAre("Error in loading " + missing + " !\r\nFile not found"));
    EXPECT_FALSE(model.Loading());

    model.SetFigureName("Lost");
    const std::string nowhere = Path("no/such/folder/x.tvf");
    const FigureMessages messages = model.SaveTo(nowhere);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_THAT(messages[0], ::testing::StartsWith("Error in saving " + nowhere + " !\r\n"));
    EXPECT_GT(messages[0].size(), ("Error in saving " + nowhere + " !\r\n").size());
    EXPECT_TRUE(model.Changed());
}

TEST_F(FigureFileTest, PictureThatCannotBeWrittenKeepsTheFigureSections)
{
    FigureModel model(tables);
    model.Initialize();
    model.SetImageFile("broken.bmp");
    Picture broken(2, 2);
    broken.colours.pop_back();
    model.SetPicture(broken);
    const std::string path = Path("broken.tvf");
    EXPECT_THAT(model.SaveTo(path),
                ElementsAre("Error saving image!\r\nSubscript out of range"));
    EXPECT_THAT(Bytes(path), HasSubstr("txtImageFile=broken.bmp"));
    EXPECT_THAT(Bytes(path), ::testing::Not(HasSubstr("ImagePixels")));
    EXPECT_TRUE(model.Changed());
}

TEST(FigurePicture, TwipsAndPixels)
{
    EXPECT_EQ(PixelsX(30), 2);
    EXPECT_EQ(PixelsY(22.5), 2);  // 1.5 -> 2
    EXPECT_EQ(PixelsX(37.5), 2);  // 2.5 -> 2
    EXPECT_EQ(PixelsX(52.5), 4);  // 3.5 -> 4
    EXPECT_EQ(PixelsX(40, 20), 2);
    EXPECT_EQ(TwipsX(3), 45);
    EXPECT_EQ(TwipsY(3, 12), 36);
    EXPECT_EQ(Picture(2, 1).Pixel(5, 5), Picture::kWhite);
    EXPECT_EQ(Picture(-3, 4).colours.size(), 0u);
}

} // namespace
