#pragma once

#include "figurerecord.h"
#include "picture.h"

#include <cstdint>
#include <functional>
#include <utility>
#include <string>
#include <string_view>
#include <vector>

// The figure editor's state and reactions, without any window: the window
// forwards each user action to one operation, shows the returned messages in
// order (OK-only boxes titled "Tarvello") and refreshes its widgets from
// record().
namespace tarvello {

struct RulesTables;

// Message texts an operation asks the window to show, in order.
using FigureMessages = std::vector<std::string>;

class FigureModel
{
public:
    // The tables are shared and read anew by every calculation; they must
    // outlive the model.
    explicit FigureModel(const RulesTables &tables);

    // --- State ---------------------------------------------------------
    const FigureRecord &record() const { return m_record; }
    const Picture &picture() const { return m_picture; }
    const RulesTables &tables() const { return m_tables; }
    // Path of the figure file; empty until saved or opened.
    const std::string &FileName() const { return m_fileName; }
    // Unsaved changes exist.
    bool Changed() const { return m_changed; }
    // Set while the editor fills itself (opening, start).
    bool Loading() const { return m_loading; }
    // The calculation runs only when set (after Initialize).
    bool CalcReady() const { return m_calcReady; }
    // The training list shows the vehicle or the mage captions.
    bool VehicleCaptions() const { return m_vehicleCaptions; }
    bool MageCaptions() const { return m_mageCaptions; }
    // The caption of lblTrainingLevel: "Training Level" or "Targeting System".
    const std::string &TrainingLabel() const { return m_trainingLabel; }
    // The window caption: "Figure", or "Figure: " + name after opening a file.
    const std::string &Caption() const { return m_caption; }
    // The name the save dialog proposes: txtFigureName + ".tvf".
    std::string ProposedFileName() const;

    // --- Notification --------------------------------------------------
    // Called once after every operation that may have changed the state.
    void SetOnChanged(std::function<void()> callback) { m_onChanged = std::move(callback); }
    // Incremented after every such operation.
    std::uint64_t Revision() const { return m_revision; }

    // --- Reactions -----------------------------------------------------
    // The window opens: clear CalcReady, set Loading, FillLists, set
    // CalcReady, calculate, clear Loading.
    FigureMessages Initialize();
    // Fills the choice lists and the Available lists from the tables and
    // chooses position 0 in each list (nothing when a list is empty).
    void FillLists();
    // Runs the cost calculation when CalcReady is set; sets Changed on
    // success unless Loading. Returns the failure message, if any.
    FigureMessages CalculateCost();

    // A click on a choice list (position i; an invalid position keeps the
    // current choice) recalculates. The figure type also switches the
    // training captions after the calculation, keeping the chosen position.
    FigureMessages ChooseFigureType(int i);
    FigureMessages ChooseTrainingLevel(int i);
    FigureMessages ChooseRace(int i);
    FigureMessages ChooseArmorType(int i);
    FigureMessages ChooseMove(int i);
    FigureMessages ChooseCommandSkill(int i);
    // The check boxes "Movement Cost" and "Range Cost".
    FigureMessages SetUseOptionalMovement(bool on);
    FigureMessages SetOptionalRangeCost(bool on);

    // Typed or spun text: a non-numeric adjustment becomes "0"; hit points
    // whose leading number is 0 become "1"; then recalculates. The resulting
    // text is in record().
    FigureMessages SetAdjustHitFactor(std::string_view text);
    FigureMessages SetHitPoints(std::string_view text);
    // Name and image file name: set Changed unless Loading; no calculation.
    FigureMessages SetFigureName(std::string_view text);
    FigureMessages SetImageFile(std::string_view text);

    // Add the Available row (-1 or out of range: nothing) to the Selected
    // list and recalculate; a missile copy gets Shots "0" before Notes.
    FigureMessages AddMeleeWeapon(int availableRow);
    FigureMessages AddMissileWeapon(int availableRow);
    FigureMessages AddExtraItem(int availableRow);
    // Remove the Selected row (-1 or out of range: nothing) and recalculate.
    FigureMessages RemoveMeleeWeapon(int selectedRow);
    FigureMessages RemoveMissileWeapon(int selectedRow);
    FigureMessages RemoveExtraItem(int selectedRow);
    // A click on a Selected missile row shows its Shots in txtLimitedShots.
    FigureMessages ClickMissileRow(int row);
    // The shots spinner moved to value (clamped to 0..20): txtLimitedShots
    // shows it; with a selected missile row (selectedRow valid) that row's
    // Shots becomes the value and the cost is recalculated.
    FigureMessages SetShots(int selectedRow, int value);

    // The figure's picture (after the window loaded a bitmap). Does not set
    // Changed by itself; SetImageFile does.
    void SetPicture(Picture picture);

    // --- Files ---------------------------------------------------------
    // Saves the figure to path: saving to the current FileName keeps the
    // file's other sections (CardLayout, Style); another path is replaced
    // whole. Sets FileName; clears Changed only when everything was written.
    // Failure: "Error in saving " + path + " !" + CR LF + description, or
    // "Error saving image!" + CR LF + description.
    FigureMessages SaveTo(const std::string &path);

    // Fills the editor from the figure file at path (after the window's open
    // dialog): sets FileName, fills the fields in control order with their
    // reactions (a choice missing from its list gives "The item " + value +
    // " does not exist in current resourcefiles!" and keeps the current
    // choice), appends the stored weapon and item rows, sets the caption and
    // recalculates with Loading set, so Changed ends clear. Failure:
    // "Error in loading " + path + " !" + CR LF + description; what was
    // filled stays.
    FigureMessages Open(const std::string &path);
    // Open from the file's bytes already in memory (path is used for
    // FileName and messages only).
    FigureMessages OpenContent(const std::string &path, std::string content);

private:
    FigureMessages Recalculate();
    FigureMessages Choose(ChoiceList FigureRecord::*list, int i);
    void SwitchTrainingCaptions();
    void SetTrainingCaptions(const char *label, const std::array<const char *, 3> &captions);
    void Notify();
    class Scope;
    friend class Scope;

    const RulesTables &m_tables;
    FigureRecord m_record;
    Picture m_picture;
    std::string m_fileName;
    bool m_changed = false;
    bool m_loading = false;
    bool m_calcReady = false;
    bool m_vehicleCaptions = false;
    bool m_mageCaptions = false;
    std::string m_trainingLabel = kTrainingLevelLabel;
    std::string m_caption = "Figure";
    std::function<void()> m_onChanged;
    std::uint64_t m_revision = 0;
    int m_depth = 0;
};

} // namespace tarvello
