#include "army/armycostcheck.h"
#include "army/armymodel.h"
#include "figure/costcalculation.h"
#include "figure/figurefile.h"
#include "figure/figuremodel.h"
#include "figure/figurerecord.h"
#include "figure/figurereport.h"
#include "figure/picturechoice.h"
#include "figure/figurerules.h"
#include "figure/recost.h"
#include "figure_testtables.h"
#include "platform/fileio.h"
#include "platform/history.h"
#include "platform/profiledocument.h"
#include "testfolder.h"

#include <gmock/gmock.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

namespace tarvello {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::EndsWith;
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
    EXPECT_THAT(model.Entries().cboRace, ElementsAre("Human", "Dwarf", "Elf"));
    EXPECT_EQ(r().cboCommandSkill.Text(), "None");
    EXPECT_THAT(model.Available().lvwMissileWeapons[0], ElementsAre("Bow", "4", "1", "10", "20", "Arrows"));
    EXPECT_THAT(model.Available().lvwExtraItems[2], ElementsAre("Wand", "20", "3", "1", "5", "10", "Sparks; hot"));
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
    EXPECT_THAT(model.Entries().cboTrainingLevel, ElementsAre("Poor", "Good", "Excellent"));
    EXPECT_EQ(r().cboTrainingLevel.index, 1);
    EXPECT_EQ(r().cboTrainingLevel.Text(), "Good");

    ASSERT_TRUE(model.Choose(&R::cboFigureType, kBattleMage).ok());
    EXPECT_STREQ(model.TrainingLabel(), "Training Level");
    EXPECT_EQ(model.Captions(), TrainingCaptions::Mage);
    EXPECT_EQ(r().txtMagicSkillCost, "25");

    ASSERT_TRUE(model.Choose(&R::cboFigureType, kVehicle).ok());
    ASSERT_TRUE(model.Choose(&R::cboFigureType, 2).ok()); // Hero
    EXPECT_THAT(model.Entries().cboTrainingLevel, ElementsAre("Green", "Line", "Elite"));
    EXPECT_EQ(model.Captions(), TrainingCaptions::Training);
    EXPECT_EQ(r().cboTrainingLevel.index, 1);
    EXPECT_EQ(r().cboTrainingLevel.Text(), "Line");
}

TEST_F(FigureModelTest, TypedFieldsAreCorrected)
{
    const std::pair<const char *, const char *> adjustments[] = {
        {"abc", "0"}, {"", "0"}, {"2x", "0"}, {"-3", "-3"}, {"2.5", "2.5"}, {"-", "-"},
        {"--", "0"}, {"+", "0"}};
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
        model.SetPicture(KnightPicture());
    }
    static Picture KnightPicture()
    {
        Picture picture(3, 2);
        picture.SetPixel(0, 0, 0);
        picture.SetPixel(2, 0, 255);
        picture.SetPixel(1, 1, 65280);
        picture.SetPixel(2, 1, 16711680);
        return picture;
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

// The same knight's inputs built in code, with no editor, cost and write as
// the editor saved them: choices by table position and text.
TEST_F(FigureFileTest, InputsBuiltWithoutAnEditorWriteTheEditorsFirstSave)
{
    const FigureInputs knight{
        .txtFigureName = "Sir Test", .txtImageFile = "knight.bmp", .cboFigureType = {2, "Hero"},
        .cboTrainingLevel = {1, "Line"}, .cboRace = {1, "Dwarf"}, .cboArmorType = {1, "Chain"},
        .cboMove = {1, "Mounted"}, .cboCommandSkill = {1, "Good"}, .txtAdjustHitFactor = "-1",
        .txtHitPoints = "3", .txtLimitedShots = "10",
        .lvwMeleeWeaponsSelected = {{"Sword", "4", "Edge"}, {"Dagger", "2", ""}},
        .lvwMissileWeaponsSelected = {{"Bow", "4", "1", "10", "20", "10", "Arrows"}},
        .lvwExtraItemsSelected = {{"Wand", "20", "3", "1", "5", "10", "Sparks; hot"}}};
    FigureCosts costs;
    ASSERT_TRUE(CalculateCost(knight, tables, costs).ok());
    ProfileDocument doc;
    ExpectGolden(MakeFigureFileText(doc, FigureRecord{knight, costs}, KnightPicture()).text,
                 "figures/knight_first_save.tvf");
}

TEST_F(FigureFileTest, EverySaveNamesTheWindowByTheNameSaved)
{
    FigureModel model(tables);
    ComposeKnight(model);
    EXPECT_EQ(model.Caption(), "Figure");
    ASSERT_FALSE(model.SaveTo(Path("missing/knight.tvf")).ok());
    EXPECT_EQ(model.Caption(), "Figure");
    ASSERT_TRUE(model.SaveTo(Path("knight.tvf")).ok());
    EXPECT_EQ(model.Caption(), "Figure: Sir Test");
    model.SetFigureName("Sir Renamed");
    ASSERT_TRUE(model.SaveTo(Path("renamed.tvf")).ok());
    EXPECT_EQ(model.Caption(), "Figure: Sir Renamed");
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

TEST_F(FigureFileTest, ManyNumberedSectionsGoInOnePass)
{
    // 200,000 melee sections, as a script may write them.
    std::string text = "[Figure]\r\ntxtFigureName=Horde\r\n[CardLayout]\r\nLeft=5\r\n";
    for (int i = 1; i <= 200000; ++i)
        text += "[MeleeWeapon" + std::to_string(i) + "]\r\nName=W\r\n";
    ProfileDocument doc = ProfileDocument::Parse(text);
    FigureRecord record;
    record.lvwMeleeWeaponsSelected = {{"Dagger", "2", ""}};
    WriteFigureSections(doc, record);
    EXPECT_EQ(doc.SectionNames(),
              (std::vector<std::string>{"Figure", "CardLayout", "MeleeWeapon1"}));
    EXPECT_EQ(doc.Read("MeleeWeapon1", "Name", ""), "Dagger");
}

TEST_F(FigureFileTest, OwnFileThatCannotBeReadIsNotSavedOver)
{
    FigureModel model(tables);
    ComposeKnight(model);
    const std::string path = Path("knight.tvf");
    ASSERT_TRUE(model.SaveTo(path).ok());
    // The file turns into something that cannot be read as a file.
    fs::remove(path);
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    const Status refused = model.SaveTo(path);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.failure().sentence, "Error in saving " + path + " !");
    EXPECT_TRUE(fs::is_fifo(path));
    // A file that is gone has nothing to keep.
    fs::remove(path);
    EXPECT_TRUE(model.SaveTo(path).ok());
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
        return Failure{"The item " + item + " does not exist in current resourcefiles!", "",
                       FailureKind::MissingChoice};
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
                                                          "Not a figure file",
                                                          FailureKind::NotThisFormat}));
        EXPECT_EQ(model.FileName(), "");
        EXPECT_THAT(model.Record().lvwMeleeWeaponsSelected, IsEmpty());
        EXPECT_FALSE(model.Changed());
        EXPECT_FALSE(model.Loading());
    }
}

TEST_F(FigureFileTest, CorrectionsApplyWhileOpening)
{
    const std::string path = Path("odd.tvf");
    Put(path, "[Figure]\r\ntxtAdjustHitFactor=-\r\ntxtHitPoints=0\r\n"
              "chkUseOptionalMovement=1\r\nchkOptionalRangeCost=junk\r\n");
    FigureModel model(tables);
    ASSERT_TRUE(model.Initialize().ok());
    model.Open(path);
    EXPECT_EQ(model.Record().txtAdjustHitFactor, "0");
    EXPECT_EQ(model.Record().txtHitPoints, "1");
    EXPECT_EQ(model.Record().chkUseOptionalMovement, 1);
    EXPECT_EQ(model.Record().chkOptionalRangeCost, 0);
}

TEST_F(FigureFileTest, ALoneMinusCountsAsZeroUntilTheBoxIsLeftOrTheFigureSaved)
{
    FigureModel model(tables);
    ComposeKnight(model);
    ASSERT_TRUE(model.SetAdjustHitFactor("0").ok());
    const FigureRecord zero = model.Record();
    ASSERT_TRUE(model.SetAdjustHitFactor("-").ok());
    FigureRecord typing = model.Record();
    EXPECT_EQ(typing.txtAdjustHitFactor, "-");
    EXPECT_EQ(FigureExportText(FigureReportFrom(typing)), FigureExportText(FigureReportFrom(zero)));
    typing.txtAdjustHitFactor = "0";
    EXPECT_EQ(typing, zero);
    ASSERT_TRUE(model.SetAdjustHitFactor("-2").ok());
    ASSERT_TRUE(model.EndAdjustHitFactorEdit().ok());
    EXPECT_EQ(model.Record().txtAdjustHitFactor, "-2");
    for (const bool save : {false, true}) {
        ASSERT_TRUE(model.SetAdjustHitFactor("-").ok());
        ASSERT_TRUE((save ? model.SaveTo(Path("k.tvf")) : model.EndAdjustHitFactorEdit()).ok());
        EXPECT_EQ(model.Record(), zero) << save;
    }
    EXPECT_NE(Bytes(Path("k.tvf")).find("txtAdjustHitFactor=0\r\n"), std::string::npos);
}

TEST_F(FigureFileTest, AFigureWhosePictureCannotBeReadOpensAndKeepsThePictureSections)
{
    const struct
    {
        const char *properties;
        const char *problem;
    } cases[] = {
        {"Width=-1\r\nHeight=2\r\n", "Its Width -1 is below 0."},
        {"Width=2\r\nHeight=20000\r\n", "It is 2 \xD7 20000 pixels, more than a figure file holds (4096 \xD7 4096)."},
        {"Width=4200\r\nHeight=4200\r\n", "It is 4200 \xD7 4200 pixels, more than a figure file holds (4096 \xD7 4096)."},
        {"Width=1E300\r\nHeight=1\r\n", "It is 1E300 \xD7 1 pixels, more than a figure file holds (4096 \xD7 4096)."},
        {"Width=wide\r\nHeight=1\r\n", "Its Width \"wide\" is not a number."},
    };
    for (const auto &c : cases) {
        const std::string path = Path("absurd.tvf");
        const std::string sections = std::string("[ImageProperties]\r\n") + c.properties
                                     + "[ImagePixels]\r\n0_0=0\r\n1_0=255\r\n";
        Put(path, "[Figure]\r\ntxtFigureName=Huge\r\ntxtImageFile=huge.bmp\r\n"
                  "cboFigureType=Hero\r\n" + sections + "[MeleeWeapon1]\r\nName=Dagger\r\n");
        FigureModel model(tables);
        ASSERT_TRUE(model.Initialize().ok());
        // Beside the notices of the choices this short file lacks.
        EXPECT_THAT(model.Open(path),
                    Contains(Failure{"The picture of " + path
                                            + " cannot be read; the figure opens without it, and "
                                              "saving keeps the stored picture until another one "
                                              "is chosen.",
                                        c.problem, FailureKind::Other}))
            << c.properties;
        // The whole figure is there, the picture blank.
        EXPECT_EQ(model.Record().cboFigureType.index, 2);
        EXPECT_EQ(model.Record().lvwMeleeWeaponsSelected.size(), 1u);
        EXPECT_EQ(model.Image().width, 0);
        EXPECT_EQ(model.PictureProblem(), c.problem);
        // Saved, here and elsewhere, the picture's sections stay as stored.
        model.SetFigureName("Huger");
        for (const std::string &to : {path, Path("copy.tvf")}) {
            ASSERT_TRUE(model.SaveTo(to).ok());
            EXPECT_THAT(Bytes(to), EndsWith(sections)) << c.properties;
        }
        // Undone back to before a new picture, the stored one returns.
        model.ChoosePicture("new.bmp", Picture(1, 1));
        EXPECT_EQ(model.PictureProblem(), "");
        ASSERT_TRUE(model.SaveTo(path).ok());
        EXPECT_THAT(Bytes(path), EndsWith("[ImageProperties]\r\nWidth=1\r\nHeight=1\r\n[ImagePixels]\r\n"));
        ASSERT_TRUE(model.Undo().ok());
        ASSERT_TRUE(model.SaveTo(path).ok());
        EXPECT_THAT(Bytes(path), EndsWith(sections));
    }
}

TEST(PictureChoice, LargerThanACardCanUseIsOfferedScaledAndBeyondTheFileLimitNeverWhole)
{
    const struct
    {
        PixelSize size;
        PixelSize scaled;
        bool keepWhole;
    } cases[] = {
        {{1200, 1600}, {709, 945}, true},   // width-bound
        {{709, 992}, {709, 992}, true},     // the whole card: no question
        {{300, 2000}, {149, 992}, true},    // height-bound
        {{4096, 4096}, {709, 709}, true},   // at the file's limit
        {{4200, 4200}, {709, 709}, false},  // beyond it
        {{16385, 2}, {709, 1}, false},      // a side beyond it
    };
    for (const auto &c : cases) {
        const PictureOffer offer = OfferPicture(c.size);
        EXPECT_EQ(offer.scaled, c.scaled) << c.size.width;
        EXPECT_EQ(offer.ask, c.scaled != c.size) << c.size.width;
        EXPECT_EQ(offer.keepWhole, c.keepWhole) << c.size.width;
    }
    EXPECT_EQ(OfferPicture({1200, 1600}).question,
              "This picture is 1200 \xD7 1600 pixels; printed on a card it needs at most 709 \xD7 "
              "945. Scale it down? (Yes keeps the figure file small)");
    EXPECT_THAT(OfferPicture({4200, 4200}).question,
                EndsWith("small)\r\nA figure file holds at most 4096 \xD7 4096 pixels: No keeps "
                         "the figure's picture as it is."));
}

TEST(PictureChoice, PictureFilesCutShortAreFound)
{
    // A 3 x 2 bitmap of 24 bits: 54 header bytes and two rows of 12.
    std::string bmp = "BM" + std::string(52, '\0') + std::string(24, '\x7F');
    const auto put = [&bmp](std::size_t at, unsigned value) {
        for (int i = 0; i < 4; ++i)
            bmp[at + std::size_t(i)] = char(value >> (8 * i) & 0xFF);
    };
    put(10, 54), put(14, 40), put(18, 3), put(22, 2), put(26, 1 | 24 << 16);
    put(22, 0xFFFFFFFE); // height -2: rows from the top
    const std::string topDown = bmp;
    put(30, 1), put(34, 30); // run-length coded, 30 bytes declared
    const std::string rle = bmp + std::string(6, '\0');
    // A JPEG whose APP1 segment holds an end marker, then a scan with a
    // stuffed FF 00 and a restart, then its own end.
    const std::string jpeg = std::string("\xFF\xD8\xFF\xE1\x00\x06\xFF\xD9\x00\x00", 10)
                             + std::string("\xFF\xDA\x00\x04\x01\x02\x12\xFF\x00\x34\xFF\xD0\x56", 13)
                             + "\xFF\xD9";
    const struct
    {
        std::string bytes;
        std::string shortfall;
    } cases[] = {
        {topDown, ""},
        {topDown.substr(0, 77), "The file ends after 77 of the 78 bytes its picture needs."},
        {rle.substr(0, 84), ""},
        {rle.substr(0, 83), "The file ends after 83 of the 84 bytes its picture needs."},
        {bmp.substr(0, 30), "The file ends inside the bitmap's headers."},
        {jpeg, ""},
        {jpeg.substr(0, jpeg.size() - 2), "The file ends before its picture does."},
        {jpeg.substr(0, 12), "The file ends before its picture does."},
        {"GIF89a", ""}, // left to the reader
    };
    for (const auto &c : cases)
        EXPECT_EQ(PictureFileShortfall(c.bytes), c.shortfall) << c.bytes.size();
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
                ElementsAre(Failure{"Error in loading " + missing + " !", "File not found",
                                        FailureKind::NotFound}));
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

const ListRow kDagger = {"Dagger", "2", ""};

std::vector<std::string> Split(const std::string &text, char mark)
{
    std::vector<std::string> parts(1);
    for (char c : text)
        c == mark ? void(parts.emplace_back()) : parts.back().push_back(c);
    return parts;
}

std::vector<ListRow> Rows(const std::string &text)
{
    std::vector<ListRow> rows;
    for (const std::string &row : text.empty() ? std::vector<std::string>() : Split(text, ','))
        rows.push_back(Split(row, ':'));
    return rows;
}

// One line of tests/data/figure/costs.txt: a figure and what it costs.
struct CostCase
{
    std::vector<std::string> fields;
    const std::string &name() const { return fields[0]; }
};

std::vector<CostCase> Cases()
{
    std::vector<CostCase> cases;
    ForEachLine(ReadFileBytes(TARVELLO_TEST_DATA_DIR "/figure/costs.txt").value_or(""),
                [&cases](std::string_view line) {
                    if (!line.empty() && line[0] != '#')
                        cases.push_back({Split(std::string(line), '|')});
                });
    return cases;
}
const std::vector<CostCase> kCases = Cases();

FigureRecord MakeRecord(const CostCase &c)
{
    FigureRecord r;
    std::istringstream choices(c.fields[1] + " " + c.fields[4]);
    for (Choice FigureRecord::*list : {&FigureRecord::cboFigureType, &FigureRecord::cboTrainingLevel,
                                           &FigureRecord::cboArmorType, &FigureRecord::cboRace,
                                           &FigureRecord::cboMove, &FigureRecord::cboCommandSkill}) {
        choices >> (r.*list).index;
    }
    choices >> r.chkUseOptionalMovement >> r.chkOptionalRangeCost;
    r.txtAdjustHitFactor = c.fields[2];
    r.txtHitPoints = c.fields[3];
    r.lvwMeleeWeaponsSelected = Rows(c.fields[5]);
    r.lvwMissileWeaponsSelected = Rows(c.fields[6]);
    r.lvwExtraItemsSelected = Rows(c.fields[7]);
    return r;
}

// The derived fields in the order of the file's last twelve columns.
std::string FigureRecord::*const kDerived[] = {
    &FigureRecord::txtBaseHitFactor,         &FigureRecord::txtBaseMorale,
    &FigureRecord::txtMagicSkillCost,        &FigureRecord::txtAdjustedHitFactor,
    &FigureRecord::txtDefenseFactor,         &FigureRecord::txtMoveMultiplier,
    &FigureRecord::txtMeleeWeaponMultiplier, &FigureRecord::txtMissileWeaponMultiplier,
    &FigureRecord::txtExtraItemsCost,        &FigureRecord::txtTotalWeaponMultiplier,
    &FigureRecord::txtCost,                  &FigureRecord::txtFinalCost};

class FigureCost : public ::testing::TestWithParam<CostCase>
{
};

TEST_P(FigureCost, DerivedFields)
{
    const CostCase &c = GetParam();
    const RulesTables tables = figuretest::FigureTestTables();
    FigureRecord r = MakeRecord(c);
    ASSERT_EQ(c.fields.size(), 8 + std::size(kDerived));
    ASSERT_TRUE(CalculateCost(r, tables).ok());
    for (std::size_t i = 0; i < std::size(kDerived); ++i)
        EXPECT_EQ(r.*kDerived[i], c.fields[8 + i]) << i;
    EXPECT_EQ(r.txtExtraItemsCostCopy, r.txtExtraItemsCost);
    EXPECT_EQ(r.txtHitPointsCopy, c.fields[3]);
}

INSTANTIATE_TEST_SUITE_P(Figures, FigureCost, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return info.param.name(); });

TEST(FigureCostFields, RaceMoveAndSkillValues)
{
    const RulesTables tables = figuretest::FigureTestTables();
    FigureRecord r = MakeRecord(kCases[1]);
    ASSERT_TRUE(CalculateCost(r, tables).ok());
    EXPECT_EQ(r.txtRaceHitFactorModifier, "1");
    EXPECT_EQ(r.txtMove, "12");
    EXPECT_EQ(r.txtCommandSkillCost, "10");
    EXPECT_EQ(r.txtInitiativeModifier, "1");
    r.cboRace.index = 2;
    ASSERT_TRUE(CalculateCost(r, tables).ok());
    EXPECT_EQ(r.txtRaceHitFactorModifier, "-1");
}

TEST(FigureCostFields, CommaDecimalMark)
{
    RulesTables tables = figuretest::FigureTestTables();
    tables.DecimalSeparator = ",";
    FigureRecord r = MakeRecord(kCases[1]);
    ASSERT_TRUE(CalculateCost(r, tables).ok());
    EXPECT_EQ(r.txtDefenseFactor, "1,7");
    EXPECT_EQ(r.txtMoveMultiplier, "1,5");
    EXPECT_EQ(r.txtCost, "55,8");
    EXPECT_EQ(r.txtFinalCost, "56");
}

// Each failure stops at its step: fields before it carry this run's values,
// fields after it keep those of the previous run.
struct FailureCase
{
    const char *name;
    void (*spoil)(FigureRecord &, RulesTables &);
    const char *message;
    // A field written before the failing step, and its new text.
    std::string FigureRecord::*written;
    const char *writtenText;
    // A field after the failing step, which keeps the previous run's text.
    std::string FigureRecord::*kept;
};

const FailureCase kFailures[] = {
    {"DamageBeyondTable",
     [](FigureRecord &r, RulesTables &) {
         r.txtHitPoints = "2";
         r.lvwMeleeWeaponsSelected.push_back({"Greatsword", "9", ""});
     },
     "Error in calculating cost!\r\nSubscript out of range", &FigureRecord::txtHitPointsCopy, "2",
     &FigureRecord::txtMeleeWeaponMultiplier},
    {"MissileDamageBeyondTable",
     [](FigureRecord &r, RulesTables &) {
         r.lvwMeleeWeaponsSelected.push_back(kDagger);
         r.lvwMissileWeaponsSelected.push_back({"Cannon", "12", "1", "1", "1", "0", ""});
     },
     "Error in calculating cost!\r\nSubscript out of range",
     &FigureRecord::txtMeleeWeaponMultiplier, "3.5", &FigureRecord::txtMissileWeaponMultiplier},
    {"EmptyDefenseTable",
     [](FigureRecord &r, RulesTables &t) {
         r.txtAdjustHitFactor = "1";
         t.DefenseFactors.clear();
     },
     "Error in calculating cost!\r\nSubscript out of range", &FigureRecord::txtAdjustedHitFactor,
     "3", &FigureRecord::txtDefenseFactor},
    {"EmptyAttackTable",
     [](FigureRecord &r, RulesTables &t) {
         r.txtHitPoints = "4";
         t.GreenAttackRolls.clear();
     },
     "Error in calculating cost!\r\nSubscript out of range", &FigureRecord::txtHitPointsCopy, "4",
     &FigureRecord::txtMeleeWeaponMultiplier},
    {"RaceBeyondTable",
     [](FigureRecord &r, RulesTables &t) {
         r.cboArmorType.index = 1;
         t.Races.clear();
     },
     "Error in calculating cost!\r\nSubscript out of range", &FigureRecord::txtBaseHitFactor, "4",
     &FigureRecord::txtRaceHitFactorModifier},
    {"HitPointsNotANumber",
     [](FigureRecord &r, RulesTables &) {
         r.txtHitPoints = "3 men";
         r.lvwMeleeWeaponsSelected.push_back(kDagger);
     },
     "Error in calculating cost!\r\nType mismatch", &FigureRecord::txtTotalWeaponMultiplier, "3.5",
     &FigureRecord::txtCost},
    {"CostOverflow",
     [](FigureRecord &r, RulesTables &) { r.txtHitPoints = "1E308"; },
     "Error in calculating cost!\r\nOverflow", &FigureRecord::txtHitPointsCopy, "1E308",
     &FigureRecord::txtCost},
};

class FigureCostFailure : public ::testing::TestWithParam<FailureCase>
{
};

TEST_P(FigureCostFailure, StopsAtItsStep)
{
    const FailureCase &c = GetParam();
    RulesTables tables = figuretest::FigureTestTables();
    FigureRecord r = MakeRecord(kCases[0]); // Normal green, sword: cost 2.2
    ASSERT_TRUE(CalculateCost(r, tables).ok());
    const std::string before = r.*c.kept;
    const std::string finalBefore = r.txtFinalCost;
    c.spoil(r, tables);
    const Status calculated = CalculateCost(r, tables);
    ASSERT_FALSE(calculated.ok());
    EXPECT_EQ(calculated.failure().Message(), c.message);
    EXPECT_EQ(r.*c.written, c.writtenText);
    EXPECT_EQ(r.*c.kept, before);
    EXPECT_EQ(r.txtFinalCost, finalBefore);
}

INSTANTIATE_TEST_SUITE_P(Figures, FigureCostFailure, ::testing::ValuesIn(kFailures),
                         [](const auto &info) { return std::string(info.param.name); });

// A Dwarf with a sword, a bow (3 shots) and a shield, built in the editor.
std::string AxemanCost(const RulesTables &tables, FigureModel *keep = nullptr)
{
    FigureModel local(tables);
    FigureModel &m = keep ? *keep : local;
    EXPECT_TRUE(m.Initialize().ok());
    m.SetFigureName("Axeman");
    EXPECT_TRUE(m.Choose(&FigureRecord::cboRace, 1).ok());
    EXPECT_TRUE(m.Add(FigureSeries::Melee, 0).ok());
    EXPECT_TRUE(m.Add(FigureSeries::Missile, 0).ok());
    EXPECT_TRUE(m.SetShots(0, 3).ok());
    EXPECT_TRUE(m.Add(FigureSeries::ExtraItem, 0).ok());
    return m.Record().txtFinalCost;
}

struct TableEdit
{
    const char *what;
    std::function<void(RulesTables &)> edit;
    bool costFollows;   // the cost changes without refreshing rows
    bool rowChanges;    // a copied row differs from its table row
};

class FigureRecostTest : public ::testing::Test
{
protected:
    FigureRecostTest()
    {
        FigureModel model(tables);
        stored = AxemanCost(tables, &model);
        EXPECT_TRUE(model.SaveTo(path).ok());
        bytes = *ReadFileBytes(path);
    }

    RulesTables tables = figuretest::FigureTestTables();
    TestFolder folder;
    std::string path = folder.File("axeman.tvf");
    std::string stored;
    std::string bytes;
};

TEST_F(FigureRecostTest, TableEditsAreFoundAndNothingIsWritten)
{
    const TableEdit edits[] = {
        {"race modifier", [](RulesTables &t) { t.Races[1].HitFactorModifier = 3; }, true, false},
        {"attack roll", [](RulesTables &t) { t.GreenAttackRolls[4].MeleeMultiplier = 4; }, true,
         false},
        {"melee row", [](RulesTables &t) { t.MeleeWeapons[0].MaxDamage = 6; }, false, true},
        {"item row", [](RulesTables &t) { t.ExtraItems[0].Cost = 9; }, false, true},
        {"nothing", [](RulesTables &) {}, false, false},
    };
    for (const TableEdit &e : edits) {
        SCOPED_TRACE(e.what);
        RulesTables changed = figuretest::FigureTestTables();
        e.edit(changed);
        const std::string fresh = AxemanCost(changed);
        const Result<FigureRecost> r = RecostFigureFile(changed, path);
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r.value().storedCost, stored);
        EXPECT_TRUE(r.value().notices.empty());
        EXPECT_EQ(r.value().newCost, e.costFollows ? fresh : stored);
        EXPECT_EQ(r.value().refreshedCost, fresh);
        EXPECT_EQ(r.value().newCost != stored, e.costFollows);
        EXPECT_EQ(r.value().changedRows.size(), e.rowChanges ? 1u : 0u);
        EXPECT_EQ(StaleCostHint(bytes, r.value().newCost),
                  e.costFollows ? "Stored cost " + stored + ", now " + fresh + " after table changes"
                                : "");
        EXPECT_EQ(*ReadFileBytes(path), bytes);
    }
}

TEST_F(FigureRecostTest, ChangedRowTellsItsValuesAndKeepsShots)
{
    tables.MissileWeapons[0].LongRange = 30;
    tables.MissileWeapons[0].Notes = "Longbow";
    const FigureRecost r = RecostFigureFile(tables, path).value();
    ASSERT_EQ(r.changedRows.size(), 1u);
    EXPECT_EQ(r.changedRows[0].series, FigureSeries::Missile);
    EXPECT_EQ(r.changedRows[0].name, "Bow");
    EXPECT_EQ(r.changedRows[0].values,
              (std::vector<ValueChange>{{"Long", "20", "30"}, {"Notes", "Arrows", "Longbow"}}));
    EXPECT_EQ(Cell(r.refreshed.lvwMissileWeaponsSelected[0], FigureSeries::Missile,
                   SeriesColumn::Shots),
              "3");
}

TEST_F(FigureRecostTest, RemovedRaceIsReportedAndNotSaved)
{
    tables.Races.erase(tables.Races.begin() + 1);
    const FigureRecost r = RecostFigureFile(tables, path).value();
    ASSERT_FALSE(r.notices.empty());
    EXPECT_EQ(r.notices[0].sentence, "The item Dwarf does not exist in current resourcefiles!");
    EXPECT_FALSE(SaveRecostedFigure(tables, path, true).ok());
    EXPECT_EQ(*ReadFileBytes(path), bytes);
    // The army's cost check counts it as not costed: no new cost to offer.
    const std::vector<FigureCostCheck> checks = CheckFigureCosts(folder.Path(), tables).value();
    ASSERT_EQ(checks.size(), 1u);
    EXPECT_TRUE(checks[0].failed);
    EXPECT_FALSE(checks[0].Differs() || checks[0].DiffersRefreshed());
    EXPECT_EQ(checks[0].newCost, "");
}

TEST_F(FigureRecostTest, SavingKeepsTheOtherSectionsAndWritesTheNewCost)
{
    folder.Write("axeman.tvf", bytes + "[CardLayout]\r\nImageLeft=120\r\n");
    tables.MeleeWeapons[0].MaxDamage = 6;
    const std::string fresh = AxemanCost(tables);
    for (bool refresh : {false, true}) {
        ASSERT_TRUE(SaveRecostedFigure(tables, path, refresh).ok());
        const FigureRecost again = RecostFigureFile(tables, path).value();
        EXPECT_EQ(again.storedCost, refresh ? fresh : stored);
        EXPECT_EQ(again.changedRows.empty(), refresh);
        EXPECT_NE(ReadFileBytes(path)->find("[CardLayout]\r\nImageLeft=120\r\n"),
                  std::string::npos);
    }
    // A picture section standing between the figure's own sections hides none of them.
    std::string middle = bytes;
    middle.insert(middle.find("\r\n[", middle.find("[Figure]")) + 2, "[ImagePixels]\r\n0=FFFFFF\r\n");
    folder.Write("middle.tvf", middle);
    const Result<FigureRecost> between = RecostFigureFile(tables, folder.File("middle.tvf"));
    ASSERT_TRUE(between.ok());
    EXPECT_EQ(between.value().refreshedCost, fresh);
    EXPECT_FALSE(between.value().changedRows.empty());
    EXPECT_FALSE(RecostFigureFile(tables, folder.File("missing.tvf")).ok());
    // A file of another kind gives no cost to compare or save.
    folder.Write("style.tvf", "[Style]\r\nDataFont=Arial\r\n");
    const Result<FigureRecost> other = RecostFigureFile(tables, folder.File("style.tvf"));
    ASSERT_FALSE(other.ok());
    EXPECT_EQ(other.failure().kind, FailureKind::NotThisFormat);
}

TEST_F(FigureRecostTest, ArmyLinesTakeTheCostsTheirFiguresHaveNow)
{
    FigureModel human(tables);
    ASSERT_TRUE(human.Initialize().ok());
    human.SetFigureName("Mili;tia");   // its army line holds "Mili,tia"
    ASSERT_TRUE(human.SaveTo(folder.File("militia.tvf")).ok());
    folder.Write("zz.tvf", "not a figure");
    ArmyModel army(folder.Path(), '.');
    ASSERT_TRUE(army.ScanFigures().ok());
    ASSERT_TRUE(army.Add(0).ok() && army.Add(1).ok());
    ASSERT_TRUE(army.WriteArmy(folder.File("army.tva")).ok());
    const std::string total = army.ArmyCost();

    tables.Races[1].HitFactorModifier = 3;
    const std::vector<FigureCostCheck> checks = CheckFigureCosts(folder.Path(), tables).value();
    ASSERT_EQ(checks.size(), 3u);
    EXPECT_TRUE(checks[0].Differs());
    EXPECT_EQ(checks[0].newCost, AxemanCost(tables));
    EXPECT_FALSE(checks[1].Differs());
    EXPECT_TRUE(checks[2].failed);
    const std::vector<std::string> now = UnitCostsNow(army.Units().Vector(), checks);
    EXPECT_EQ(FigureOfUnit(army.Units()[1], checks), &checks[1]);
    ASSERT_TRUE(army.ReplaceFigureCosts(now).ok());
    EXPECT_TRUE(army.Changed());
    EXPECT_EQ(army.Units()[0].Summary(kCost), checks[0].newCost);
    EXPECT_NE(army.ArmyCost(), total);
    EXPECT_EQ(*ReadFileBytes(path), bytes);
    // One step of its own: undoing it leaves the lines added before.
    EXPECT_EQ(army.UndoName(), "Update Army Costs");
    ASSERT_TRUE(army.Undo().ok());
    EXPECT_EQ(army.Units().size(), 2u);
    EXPECT_EQ(army.ArmyCost(), total);
    EXPECT_FALSE(army.Changed());
}



TEST(History, FoldsOneFieldsEditsDropsRedoAndForgetsALostSavedPoint)
{
    History<int> h(3);
    h.Reset(0);
    h.Record("Type", 1, "name");
    h.Record("Type", 2, "name");
    h.Record("Same", 2);                // no change: no step
    EXPECT_EQ(h.UndoName(), "Type");
    h.BreakMerge();
    h.Record("Type", 3, "name");
    EXPECT_EQ(h.Undo(), 2);
    EXPECT_EQ(h.Undo(), 0);
    EXPECT_FALSE(h.CanUndo());
    EXPECT_TRUE(h.AtSaved());
    EXPECT_EQ(h.RedoName(), "Type");
    EXPECT_EQ(h.Redo(), 2);
    h.MarkSaved();
    h.Undo();
    h.Record("Other", 7);               // the saved state 2 can no longer be reached
    EXPECT_FALSE(h.CanRedo());
    for (int i = 8; i < 12; ++i)
        h.Record("Step", i);
    int steps = 0;
    while (h.CanUndo()) {
        h.Undo();
        ++steps;
        EXPECT_FALSE(h.AtSaved());
    }
    EXPECT_EQ(steps, 3);                // the cap
    EXPECT_EQ(h.Undo(), 8);
}

// The saved point follows its state through trimming, is forgotten when its
// state is trimmed away or replaced by a new step, outlives the steps dropped
// above it, and a Reset makes the new state the saved one.
TEST(History, SavedPointFollowsItsState)
{
    History<int> trimmed(2);
    trimmed.Reset(0);
    trimmed.Record("a", 1);
    trimmed.Record("b", 2);
    trimmed.MarkSaved();
    trimmed.Record("c", 3); // drops state 0: the saved state 2 moves down one place
    EXPECT_FALSE(trimmed.AtSaved());
    EXPECT_EQ(trimmed.Undo(), 2);
    EXPECT_TRUE(trimmed.AtSaved());
    EXPECT_EQ(trimmed.Undo(), 1);
    EXPECT_FALSE(trimmed.AtSaved());

    History<int> lost(1);
    lost.Reset(0);
    lost.MarkSaved();
    lost.Record("a", 1);
    lost.Record("b", 2); // drops the saved state 0
    EXPECT_EQ(lost.Undo(), 1);
    EXPECT_FALSE(lost.AtSaved());

    History<int> replaced;
    replaced.Reset(0);
    replaced.Record("a", 1);
    replaced.MarkSaved();
    replaced.Undo();
    replaced.Record("b", 5); // the saved state 1 is replaced by 5 in its place
    EXPECT_FALSE(replaced.AtSaved());
    replaced.Reset(9);
    EXPECT_TRUE(replaced.AtSaved());

    History<int> kept;
    kept.Reset(0);
    kept.Record("a", 1);
    kept.Undo();
    kept.MarkSaved();
    kept.Record("b", 2); // drops only state 1, above the saved state 0
    EXPECT_EQ(kept.Undo(), 0);
    EXPECT_TRUE(kept.AtSaved());
}

class FigureUndoTest : public ::testing::Test
{
protected:
    FigureUndoTest() { EXPECT_TRUE(model.Initialize().ok()); }

    std::string Bytes(const std::string &name)
    {
        EXPECT_TRUE(model.SaveTo(folder.File(name)).ok());
        return ReadFileBytes(folder.File(name)).value_or("");
    }

    RulesTables tables = figuretest::FigureTestTables();
    FigureModel model{tables};
    TestFolder folder;
};

TEST_F(FigureUndoTest, StepsUndoneGiveTheSavedFileAndRedoneTheLastFigure)
{
    model.SetFigureName("Ra");
    model.SetFigureName("Ragnar");        // one typed edit
    const std::string saved = Bytes("a.tvf");
    const std::vector<std::function<Status()>> steps = {
        [&] { return model.Choose(&R::cboRace, 1); },
        [&] { return model.Choose(&R::cboFigureType, 3); }, // vehicle captions
        [&] { return model.Add(FigureSeries::Melee, 1); },
        [&] { return model.Add(FigureSeries::Missile, 0); },
        [&] { return model.SetShots(0, 3); },
        [&] { return model.SetHitPoints("4"); },
        [&] { return model.SetUseOptionalMovement(true); },
        [&] { model.ChoosePicture("p.bmp", Picture(2, 1)); return Status{}; },
        [&] { return model.Add(FigureSeries::ExtraItem, 2); },
        [&] { return model.Remove(FigureSeries::Melee, 0); },
    };
    for (const auto &step : steps)
        ASSERT_TRUE(step().ok());
    const FigureRecord last = model.Record();
    ASSERT_NE(last.txtFinalCost, "0");
    EXPECT_EQ(model.UndoName(), "Remove Dagger");

    int undone = 0;
    for (; model.CanUndo(); ++undone)
        ASSERT_TRUE(model.Undo().ok());
    EXPECT_EQ(undone, static_cast<int>(steps.size()) + 1);
    ASSERT_TRUE(model.Redo().ok());       // the name: the saved state
    EXPECT_FALSE(model.Changed());
    EXPECT_EQ(model.Captions(), TrainingCaptions::Training);
    EXPECT_EQ(Bytes("b.tvf"), saved);

    while (model.CanRedo())
        ASSERT_TRUE(model.Redo().ok());
    EXPECT_TRUE(model.Changed());
    EXPECT_EQ(model.Record(), last);
    EXPECT_EQ(model.Captions(), TrainingCaptions::Vehicle);
    EXPECT_EQ(model.Image().width, 2);
}

TEST_F(FigureUndoTest, ChangedFollowsTheSavedPointAndOpeningStartsAfresh)
{
    ASSERT_TRUE(model.Add(FigureSeries::Melee, 0).ok());
    ASSERT_TRUE(model.SaveTo(folder.File("f.tvf")).ok());
    ASSERT_TRUE(model.Choose(&R::cboArmorType, 2).ok());
    ASSERT_TRUE(model.Undo().ok());
    EXPECT_FALSE(model.Changed());
    ASSERT_TRUE(model.Undo().ok());
    EXPECT_TRUE(model.Changed());
    EXPECT_TRUE(model.Record().lvwMeleeWeaponsSelected.empty());
    EXPECT_EQ(model.Record().txtFinalCost, "0");  // recalculated, not stale

    FigureModel opened(tables);
    ASSERT_TRUE(opened.Initialize().ok());
    ASSERT_TRUE(opened.Open(folder.File("f.tvf")).empty());
    EXPECT_FALSE(opened.CanUndo());
    EXPECT_FALSE(opened.Changed());
}

TEST(ArmyUndo, StepsUndoneGiveTheEmptyArmyAndRedoneTheLastOne)
{
    const auto dir = FreshTestFolder("undo");
    WriteTestFile(dir, "a.tvf", FigureText("Archer", "10"));
    WriteTestFile(dir, "b.tvf", FigureText("Knight", "25"));
    ArmyModel model(dir.string(), '.');
    ASSERT_TRUE(model.ScanFigures().ok());
    ASSERT_TRUE(model.WriteArmy((dir / "army.tva").string()).ok());
    model.SetArmyName("North");
    ASSERT_TRUE(model.Add(0).ok());
    model.SetUnitsToAdd("3");
    ASSERT_TRUE(model.Add(1).ok());
    ASSERT_TRUE(model.SelectUnit(1).ok());
    ASSERT_TRUE(model.SetUnitSize("2").ok());
    ASSERT_TRUE(model.SelectUnit(0).ok());
    ASSERT_TRUE(model.SetUnitCount("0").ok());   // deletes the Archer line
    const std::vector<ArmyUnit> last = model.Units().Vector();
    const std::string total = model.ArmyCost();
    ASSERT_EQ(total, "150");
    EXPECT_EQ(model.UndoName(), "Change Count of Archer");

    ASSERT_TRUE(model.Undo().ok());
    EXPECT_EQ(model.Units().size(), 2u);
    EXPECT_EQ(model.ArmyCost(), "160");
    while (model.CanUndo())
        ASSERT_TRUE(model.Undo().ok());
    EXPECT_TRUE(model.Units().empty());
    EXPECT_EQ(model.ArmyName(), "");
    EXPECT_EQ(model.ArmyCost(), "0");
    EXPECT_FALSE(model.Changed());
    while (model.CanRedo())
        ASSERT_TRUE(model.Redo().ok());
    EXPECT_EQ(model.Units(), last);
    EXPECT_EQ(model.ArmyCost(), total);
    EXPECT_EQ(model.ArmyName(), "North");
    EXPECT_TRUE(model.Changed());
}

} // namespace
} // namespace tarvello
