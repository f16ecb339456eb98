#include "figure/figurefile.h"
#include "figure/figuremodel.h"
#include "figure/figurerules.h"
#include "figure_testtables.h"
#include "platform/fileio.h"
#include "platform/profiledocument.h"
#include "testfolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace tarvello {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using R = FigureRecord;


constexpr int kVehicle = static_cast<int>(FigureType::Vehicle);
constexpr int kBattleMage = static_cast<int>(FigureType::BattleMage);

class FigureModelTest : public ::testing::Test
{
protected:
    FigureModelTest() { EXPECT_TRUE(model.Initialize().ok()); }

    const FigureRecord &r() const { return model.Record(); }

    RulesTables tables = figuretest::FigureTestTables();
    FigureModel model{tables};
};

TEST_F(FigureModelTest, OpensWithFilledListsAndCostUnchanged)
{
    EXPECT_FALSE(model.Loading());
    EXPECT_FALSE(model.Changed());
    EXPECT_THAT(r().cboRace.items, ElementsAre("Human", "Dwarf", "Elf"));
    EXPECT_EQ(r().cboCommandSkill.Text(), "None");
    EXPECT_THAT(r().lvwMissileWeapons[0], ElementsAre("Bow", "4", "1", "10", "20", "Arrows"));
    EXPECT_THAT(r().lvwExtraItems[2], ElementsAre("Wand", "20", "3", "1", "5", "10", "Sparks; hot"));
    EXPECT_EQ(r().txtFinalCost, "0");
    // Choosing the same entry again still recalculates and marks the figure.
    EXPECT_TRUE(model.Choose(&R::cboRace, 0).ok());
    EXPECT_TRUE(model.Changed());
}

TEST_F(FigureModelTest, TrainingCaptionsFollowTheTypeAndKeepThePosition)
{
    ASSERT_TRUE(model.Choose(&R::cboTrainingLevel, 1).ok());
    ASSERT_TRUE(model.Choose(&R::cboFigureType, kVehicle).ok());
    EXPECT_STREQ(model.TrainingLabel(), "Targeting System");
    EXPECT_THAT(r().cboTrainingLevel.items, ElementsAre("Poor", "Good", "Excellent"));
    EXPECT_EQ(r().cboTrainingLevel.index, 1);

    ASSERT_TRUE(model.Choose(&R::cboFigureType, kBattleMage).ok());
    EXPECT_STREQ(model.TrainingLabel(), "Training Level");
    EXPECT_EQ(model.Captions(), TrainingCaptions::Mage);
    EXPECT_EQ(r().txtMagicSkillCost, "25");

    ASSERT_TRUE(model.Choose(&R::cboFigureType, kVehicle).ok());
    ASSERT_TRUE(model.Choose(&R::cboFigureType, 2).ok()); // Hero
    EXPECT_THAT(r().cboTrainingLevel.items, ElementsAre("Green", "Line", "Elite"));
    EXPECT_EQ(model.Captions(), TrainingCaptions::Training);
    EXPECT_EQ(r().cboTrainingLevel.index, 1);
}

TEST_F(FigureModelTest, TypedFieldsAreCorrected)
{
    const std::pair<const char *, const char *> adjustments[] = {
        {"abc", "0"}, {"", "0"}, {"2x", "0"}, {"-3", "-3"}, {"2.5", "2.5"}};
    for (const auto &[typed, kept] : adjustments) {
        ASSERT_TRUE(model.SetAdjustHitFactor(typed).ok());
        EXPECT_EQ(r().txtAdjustHitFactor, kept) << typed;
    }
    const std::pair<const char *, const char *> hits[] = {
        {"0", "1"}, {"", "1"}, {"abc", "1"}, {"7", "7"}, {"0.4", "0.4"}, {"-3", "-3"}};
    for (const auto &[typed, kept] : hits) {
        ASSERT_TRUE(model.SetHitPoints(typed).ok());
        EXPECT_EQ(r().txtHitPoints, kept) << typed;
        EXPECT_EQ(r().txtHitPointsCopy, kept) << typed;
    }
}

TEST_F(FigureModelTest, NameMarksChangedWithoutCalculating)
{
    model.SetFigureName("Sir Test");
    EXPECT_TRUE(model.Changed());
    EXPECT_EQ(model.ProposedFileName(), "Sir Test.tvf");
}

TEST_F(FigureModelTest, AddAndRemoveWithoutARowDoNothing)
{
    for (FigureSeries series : kAllSeries) {
        EXPECT_TRUE(model.Add(series, -1).ok());
        EXPECT_TRUE(model.Add(series, 99).ok());
        EXPECT_TRUE(model.Remove(series, -1).ok());
        EXPECT_TRUE(SelectedRows(r(), series).empty());
    }
    EXPECT_FALSE(model.Changed());
}

TEST_F(FigureModelTest, SameSwordTwiceCountsTwiceAndRemoveTakesTheRow)
{
    for (int row : {0, 1, 0})
        ASSERT_TRUE(model.Add(FigureSeries::Melee, row).ok());
    // Green sword 2 twice, dagger 1.5.
    EXPECT_EQ(r().txtMeleeWeaponMultiplier, "5.5");
    ASSERT_TRUE(model.Remove(FigureSeries::Melee, 1).ok());
    EXPECT_THAT(r().lvwMeleeWeaponsSelected,
                ElementsAre(ElementsAre("Sword", "4", "Edge"), ElementsAre("Sword", "4", "Edge")));
    EXPECT_EQ(r().txtMeleeWeaponMultiplier, "4");
    ASSERT_TRUE(model.Add(FigureSeries::ExtraItem, 1).ok());
    EXPECT_EQ(r().txtExtraItemsCost, "12");
    ASSERT_TRUE(model.Remove(FigureSeries::ExtraItem, 0).ok());
    EXPECT_EQ(r().txtExtraItemsCostCopy, "0");
}

TEST_F(FigureModelTest, MissileCopyGetsUnlimitedShotsAndTheSpinnerChangesTheSelectedRow)
{
    ASSERT_TRUE(model.Add(FigureSeries::Missile, 0).ok());
    EXPECT_THAT(r().lvwMissileWeaponsSelected[0], ElementsAre("Bow", "4", "1", "10", "20", "0", "Arrows"));
    ASSERT_TRUE(model.SetShots(0, 10).ok());
    EXPECT_EQ(r().lvwMissileWeaponsSelected[0][5], "10");
    EXPECT_EQ(r().txtLimitedShots, "10");
    EXPECT_EQ(r().txtMissileWeaponMultiplier, "2");

    ASSERT_TRUE(model.Add(FigureSeries::Missile, 1).ok());
    model.ClickMissileRow(1);
    EXPECT_EQ(r().txtLimitedShots, "0");
    model.ClickMissileRow(0);
    EXPECT_EQ(r().txtLimitedShots, "10");

    // Without a selected row the spinner changes only its own field.
    ASSERT_TRUE(model.SetShots(-1, 4).ok());
    EXPECT_EQ(r().txtLimitedShots, "4");
    EXPECT_EQ(r().lvwMissileWeaponsSelected[0][5], "10");
    ASSERT_TRUE(model.SetShots(1, kShotsLimit + 5).ok());
    EXPECT_EQ(r().lvwMissileWeaponsSelected[1][5], "20");
    ASSERT_TRUE(model.SetShots(1, -1).ok());
    EXPECT_EQ(r().lvwMissileWeaponsSelected[1][5], "0");
}

TEST_F(FigureModelTest, OptionalCheckBoxes)
{
    ASSERT_TRUE(model.Choose(&R::cboMove, 1).ok());
    ASSERT_TRUE(model.SetUseOptionalMovement(true).ok());
    EXPECT_EQ(r().txtMoveMultiplier, "1.36");
    ASSERT_TRUE(model.Add(FigureSeries::Missile, 3).ok()); // sling, equal ranges
    ASSERT_TRUE(model.SetOptionalRangeCost(true).ok());
    EXPECT_EQ(r().txtMissileWeaponMultiplier, "3.97");
}

TEST_F(FigureModelTest, FailedCalculationDoesNotMarkChanged)
{
    const std::string finalCost = r().txtFinalCost;
    const Status added = model.Add(FigureSeries::Melee, 3); // Greatsword, damage 9
    ASSERT_FALSE(added.ok());
    EXPECT_EQ(added.failure().Message(), "Error in calculating cost!\r\nSubscript out of range");
    EXPECT_EQ(r().lvwMeleeWeaponsSelected.size(), 1u);
    EXPECT_FALSE(model.Changed());
    EXPECT_EQ(r().txtFinalCost, finalCost);
}

TEST(FigureModelFailure, EmptyTablesReportOnOpeningTheWindow)
{
    RulesTables tables = figuretest::FigureTestTables();
    tables.Races.clear();
    FigureModel model(tables);
    const Status opened = model.Initialize();
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.failure(), (Failure{"Error in calculating cost!", "Subscript out of range"}));
    EXPECT_EQ(model.Record().cboRace.index, -1);
    EXPECT_FALSE(model.Changed());
}


namespace fs = std::filesystem;


const std::string kData = std::string(TARVELLO_TEST_DATA_DIR) + "/figures/";

std::string Bytes(const std::string &path)
{
    return ReadFileBytes(path).value_or("<missing " + path + ">");
}

void Put(const std::string &path, std::string_view bytes)
{
    ASSERT_TRUE(WriteFileAtomically(path, bytes).ok());
}

class FigureFileTest : public ::testing::Test
{
protected:
    std::string Path(const std::string &name) const { return dir.File(name); }

    // A Line hero with two melee weapons, a bow limited to 10 shots, a
    // banner and a 3 x 2 picture.
    void ComposeKnight(FigureModel &model)
    {
        ASSERT_TRUE(model.Initialize().ok());
        model.SetFigureName("Sir Test");
        model.SetImageFile("knight.bmp");
        for (auto [list, position] : {std::pair{&R::cboFigureType, 2}, {&R::cboTrainingLevel, 1},
                                      {&R::cboRace, 1}, {&R::cboArmorType, 1}, {&R::cboMove, 1},
                                      {&R::cboCommandSkill, 1}})
            ASSERT_TRUE(model.Choose(list, position).ok());
        ASSERT_TRUE(model.SetHitPoints("3").ok());
        ASSERT_TRUE(model.SetAdjustHitFactor("-1").ok());
        ASSERT_TRUE(model.Add(FigureSeries::Melee, 0).ok());
        ASSERT_TRUE(model.Add(FigureSeries::Melee, 1).ok());
        ASSERT_TRUE(model.Add(FigureSeries::Missile, 0).ok());
        ASSERT_TRUE(model.SetShots(0, 10).ok());
        ASSERT_TRUE(model.Add(FigureSeries::ExtraItem, 2).ok());
        Picture picture(3, 2);
        picture.SetPixel(0, 0, 0);
        picture.SetPixel(2, 0, 255);
        picture.SetPixel(1, 1, 65280);
        picture.SetPixel(2, 1, 16711680);
        model.SetPicture(picture);
    }

    RulesTables tables = figuretest::FigureTestTables();
    TestFolder dir;
};

TEST_F(FigureFileTest, FirstSaveMatchesTheGoldenFile)
{
    FigureModel model(tables);
    ComposeKnight(model);
    ASSERT_TRUE(model.Changed());
    const std::string path = Path("knight.tvf");
    EXPECT_TRUE(model.SaveTo(path).ok());
    EXPECT_FALSE(model.Changed());
    EXPECT_EQ(model.FileName(), path);
    ExpectGolden(Bytes(path), "figures/knight_first_save.tvf");
}

TEST_F(FigureFileTest, SavedFigureReopensAsItWas)
{
    FigureModel model(tables);
    ComposeKnight(model);
    const std::string path = Path("knight.tvf");
    ASSERT_TRUE(model.SaveTo(path).ok());

    FigureModel reopened(tables);
    ASSERT_TRUE(reopened.Initialize().ok());
    EXPECT_THAT(reopened.Open(path), IsEmpty());
    EXPECT_FALSE(reopened.Changed());
    EXPECT_FALSE(reopened.Loading());
    EXPECT_EQ(reopened.Caption(), "Figure: Sir Test");
    EXPECT_EQ(reopened.FileName(), path);
    for (const FigureField &field : FigureFields())
        EXPECT_EQ(FieldValue(reopened.Record(), field), FieldValue(model.Record(), field))
            << field.name;
    EXPECT_EQ(reopened.Record().lvwMeleeWeaponsSelected, model.Record().lvwMeleeWeaponsSelected);
    EXPECT_EQ(reopened.Record().lvwMissileWeaponsSelected,
              model.Record().lvwMissileWeaponsSelected);
    EXPECT_EQ(reopened.Record().lvwExtraItemsSelected, model.Record().lvwExtraItemsSelected);
    EXPECT_EQ(reopened.Image(), model.Image());
}

TEST_F(FigureFileTest, StoredCaptionsAreFoundAmongThoseOfTheStoredType)
{
    FigureModel model(tables);
    ASSERT_TRUE(model.Initialize().ok());
    ASSERT_TRUE(model.Choose(&R::cboFigureType, static_cast<int>(FigureType::Vehicle)).ok());
    ASSERT_TRUE(model.Choose(&R::cboTrainingLevel, 1).ok());
    const std::string path = Path("tank.tvf");
    ASSERT_TRUE(model.SaveTo(path).ok());
    EXPECT_THAT(Bytes(path), HasSubstr("cboTrainingLevel=Good\r\n"));

    FigureModel reopened(tables);
    ASSERT_TRUE(reopened.Initialize().ok());
    EXPECT_THAT(reopened.Open(path), IsEmpty());
    EXPECT_STREQ(reopened.TrainingLabel(), "Targeting System");
    EXPECT_EQ(reopened.Record().cboTrainingLevel.index, 1);
}

TEST_F(FigureFileTest, SecondSaveKeepsKeysInPlaceAndMovesSeriesAndImageToTheEnd)
{
    const std::string path = Path("second.tvf");
    fs::copy_file(kData + "second_save_before.tvf", path);
    FigureModel model(tables);
    ASSERT_TRUE(model.Initialize().ok());
    ASSERT_THAT(model.Open(path), IsEmpty());
    ASSERT_TRUE(model.Add(FigureSeries::ExtraItem, 0).ok());
    ASSERT_TRUE(model.SaveTo(path).ok());
    ExpectGolden(Bytes(path), "figures/second_save_after.tvf");
    // Saving again changes nothing: the image sections stay single.
    ASSERT_TRUE(model.SaveTo(path).ok());
    EXPECT_EQ(Bytes(path), Bytes(kData + "second_save_after.tvf"));
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

TEST_F(FigureFileTest, NoImageSectionsWithoutAnImageFileName)
{
    FigureModel model(tables);
    ComposeKnight(model);
    model.SetImageFile("");
    const std::string path = Path("plain.tvf");
    ASSERT_TRUE(model.SaveTo(path).ok());
    EXPECT_THAT(Bytes(path), ::testing::Not(HasSubstr("[Image")));
}

TEST_F(FigureFileTest, SaveAsReplacesAnotherFileWholeAndOwnFileKeepsCardSections)
{
    const std::string other = Path("other.tvf");
    Put(other, "[Figure]\r\ntxtFigureName=Other\r\n[CardLayout]\r\nHeight=100\r\n"
               "[Style]\r\nFontName=Arial\r\n");
    FigureModel model(tables);
    ASSERT_TRUE(model.Initialize().ok());
    ASSERT_TRUE(model.SaveTo(other).ok());
    EXPECT_THAT(Bytes(other), ::testing::Not(HasSubstr("CardLayout")));

    // The card designer adds its sections to the figure's own file.
    Put(other, Bytes(other) + "[CardLayout]\r\nHeight=100\r\n");
    ASSERT_TRUE(model.SaveTo(other).ok());
    EXPECT_THAT(Bytes(other), HasSubstr("[CardLayout]\r\nHeight=100\r\n"));
}

TEST_F(FigureFileTest, UnknownRaceIsReportedOnceAndTheFirstRaceKept)
{
    const std::string path = Path("orc.tvf");
    Put(path, "[Figure]\r\ncboFigureType=Normal\r\ncboRace=Orc\r\ncboArmorType=Chain\r\n"
              "txtHitPoints=2\r\n[MeleeWeapon1]\r\nName=Sword\r\nMax Damage=4\r\nNotes=\r\n");
    FigureModel model(tables);
    ASSERT_TRUE(model.Initialize().ok());
    const auto missing = [](const std::string &item) {
        return Failure{"The item " + item + " does not exist in current resourcefiles!", ""};
    };
    EXPECT_THAT(model.Open(path),
                ElementsAre(missing(""), missing("Orc"), missing(""), missing("")));
    EXPECT_EQ(model.Record().cboRace.index, 0);
    // Chain green 4, Human: defense 1.35; sword 2 x 1.35 x 2 = 5.4 -> 5.
    EXPECT_EQ(model.Record().txtDefenseFactor, "1.35");
    EXPECT_EQ(model.Record().txtFinalCost, "5");
    EXPECT_FALSE(model.Changed());
}

TEST_F(FigureFileTest, MissingNameEndsTheSeries)
{
    const std::string path = Path("gap.tvf");
    Put(path, "[Figure]\r\n[MeleeWeapon1]\r\nName=Sword\r\nMax Damage=4\r\n"
              "[MeleeWeapon2]\r\nMax Damage=2\r\n"
              "[MeleeWeapon3]\r\nName=Halberd\r\nMax Damage=6\r\n");
    FigureModel model(tables);
    ASSERT_TRUE(model.Initialize().ok());
    model.Open(path); // an empty Figure section: every choice is reported missing
    EXPECT_THAT(model.Record().lvwMeleeWeaponsSelected, ElementsAre(ElementsAre("Sword", "4", "")));
}

TEST_F(FigureFileTest, FileWithoutAFigureSectionIsRefused)
{
    const std::string contents[] = {"", "Army of the North\r\n.\\figures\r\n",
                                    "\x01\x02[Figur]\r\n\xFF", "[MeleeWeapon1]\r\nName=Sword\r\n"};
    for (const std::string &content : contents) {
        const std::string path = Path("other.tva");
        Put(path, content);
        FigureModel model(tables);
        ASSERT_TRUE(model.Initialize().ok());
        EXPECT_THAT(model.Open(path), ElementsAre(Failure{"Error in loading " + path + " !",
                                                          "Not a figure file"}));
        EXPECT_EQ(model.FileName(), "");
        EXPECT_THAT(model.Record().lvwMeleeWeaponsSelected, IsEmpty());
        EXPECT_FALSE(model.Changed());
        EXPECT_FALSE(model.Loading());
    }
}

TEST_F(FigureFileTest, CorrectionsApplyWhileOpening)
{
    const std::string path = Path("odd.tvf");
    Put(path, "[Figure]\r\ntxtAdjustHitFactor=lots\r\ntxtHitPoints=0\r\n"
              "chkUseOptionalMovement=1\r\nchkOptionalRangeCost=junk\r\n");
    FigureModel model(tables);
    ASSERT_TRUE(model.Initialize().ok());
    model.Open(path);
    EXPECT_EQ(model.Record().txtAdjustHitFactor, "0");
    EXPECT_EQ(model.Record().txtHitPoints, "1");
    EXPECT_EQ(model.Record().chkUseOptionalMovement, 1);
    EXPECT_EQ(model.Record().chkOptionalRangeCost, 0);
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
        ASSERT_TRUE(model.Initialize().ok());
        EXPECT_THAT(model.Open(path),
                    ElementsAre(Failure{"Error in loading " + path + " !", c.description}))
            << c.properties;
        // What came before the picture stays; the rest is not filled.
        EXPECT_EQ(model.Record().txtFigureName, "Huge");
        EXPECT_EQ(model.Record().cboFigureType.index, 0);
        EXPECT_EQ(model.Image().width, 0);
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
        "1_1=16777216\r\n"  // beyond 24 bits
        "2_1=99999999999\r\n" // far beyond
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

TEST_F(FigureFileTest, FileCutInsideTheLastPixelLineKeepsTheEarlierPixels)
{
    FigureModel source(tables);
    ComposeKnight(source);
    const std::string full = Path("full.tvf");
    ASSERT_TRUE(source.SaveTo(full).ok());
    const std::string bytes = Bytes(full);
    const std::string path = Path("cut.tvf");
    Put(path, bytes.substr(0, bytes.size() - 6));
    FigureModel cut(tables);
    ASSERT_TRUE(cut.Initialize().ok());
    cut.Open(path);
    EXPECT_EQ(cut.Image().Pixel(0, 0), 0u);
    EXPECT_EQ(cut.Record().txtFigureName, "Sir Test");
    EXPECT_FALSE(cut.Loading());
}

TEST_F(FigureFileTest, FailuresNameThePath)
{
    FigureModel model(tables);
    ASSERT_TRUE(model.Initialize().ok());
    const std::string missing = Path("missing.tvf");
    EXPECT_THAT(model.Open(missing),
                ElementsAre(Failure{"Error in loading " + missing + " !", "File not found"}));
    EXPECT_FALSE(model.Loading());

    model.SetFigureName("Lost");
    const std::string nowhere = Path("no/such/folder/x.tvf");
    const Status saved = model.SaveTo(nowhere);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.failure().sentence, "Error in saving " + nowhere + " !");
    EXPECT_FALSE(saved.failure().description.empty());
    EXPECT_TRUE(model.Changed());
}

TEST_F(FigureFileTest, PictureThatCannotBeWrittenKeepsTheFigureSections)
{
    FigureModel model(tables);
    ASSERT_TRUE(model.Initialize().ok());
    model.SetImageFile("broken.bmp");
    Picture broken(2, 2);
    broken.colours.pop_back();
    model.SetPicture(broken);
    const std::string path = Path("broken.tvf");
    const Status saved = model.SaveTo(path);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.failure().Message(), "Error saving image!\r\nSubscript out of range");
    EXPECT_THAT(Bytes(path), HasSubstr("txtImageFile=broken.bmp"));
    EXPECT_THAT(Bytes(path), ::testing::Not(HasSubstr("ImagePixels")));
    EXPECT_TRUE(model.Changed());
}

TEST(FigurePicture, OutsideIsWhiteAndNegativeSizesAreEmpty)
{
    EXPECT_EQ(Picture(2, 1).Pixel(5, 5), Picture::kWhite);
    EXPECT_EQ(Picture(-3, 4).colours.size(), 0u);
}

} // namespace
} // namespace tarvello
