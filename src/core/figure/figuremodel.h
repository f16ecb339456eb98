#pragma once

#include "figurerecord.h"
#include "figureseries.h"
#include "picture.h"
#include "platform/failure.h"
#include "platform/history.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The figure editor's state and reactions, without any window: the window
// forwards each user action to one operation, shows its failure (an OK box
// titled "Tarvello") and then shows Record() again.
namespace tarvello {

class ProfileDocument;
struct RulesTables;

// Which captions the training list shows.
enum class TrainingCaptions { Training, Vehicle, Mage };

// A stored picture that could not be read: its sections' text, written back
// by every save until another picture is chosen, and what is wrong with it.
struct UnreadPicture
{
    std::string text;
    std::string problem;

    bool operator==(const UnreadPicture &) const = default;
};

// What an undo step restores: the figure's fields, its picture (shared
// between steps, as it changes rarely), the training captions (which the
// training list's entries follow) and the stored picture that could not be
// read, if any.
struct FigureSnapshot
{
    FigureRecord record;
    std::shared_ptr<const Picture> picture;
    TrainingCaptions captions = TrainingCaptions::Training;
    std::shared_ptr<const UnreadPicture> unread;

    bool operator==(const FigureSnapshot &) const = default;
};

class FigureModel : public UndoableDocument<FigureSnapshot, Status>
{
public:
    // The tables are shared and read anew by every calculation; they must
    // outlive the model.
    explicit FigureModel(const RulesTables &tables);

    // --- State ---------------------------------------------------------
    // The figure as its file stores it.
    const FigureRecord &Record() const { return m_record; }
    // The editor's available weapons and items, from the tables.
    const AvailableLists &Available() const { return m_available; }
    // The choice lists' entries: from the tables, the training list's from
    // the captions. Record() holds the chosen position and text of each.
    const ChoiceEntries &Entries() const { return m_entries; }
    const Picture &Image() const { return *m_picture; }
    // What is wrong with the opened file's picture, which is then shown blank
    // and kept in the file as stored; empty when there is none.
    std::string PictureProblem() const { return m_unread ? m_unread->problem : std::string(); }
    // The stored sections of that picture, which a save writes back.
    std::string_view UnreadPictureText() const
    {
        return m_unread ? std::string_view(m_unread->text) : std::string_view();
    }
    // Incremented whenever the picture is replaced (also by Undo and Redo).
    std::uint64_t PictureRevision() const { return m_pictureRevision; }
    // Path of the figure file; empty until saved or opened.
    const std::string &FileName() const { return m_fileName; }
    // Unsaved changes exist.
    bool Changed() const { return m_changed; }
    // Set while the editor fills itself (opening, start).
    bool Loading() const { return m_loading; }
    // The captions the training list shows.
    TrainingCaptions Captions() const { return m_captions; }
    // The caption of lblTrainingLevel: "Training Level" or "Targeting System".
    const char *TrainingLabel() const;
    // The window caption: "Figure", or "Figure: " + name after opening a file
    // and after every save (the name it was saved with).
    const std::string &Caption() const { return m_caption; }
    // The name the save dialog proposes: txtFigureName + ".tvf".
    std::string ProposedFileName() const;

    // --- Reactions -----------------------------------------------------
    // The window opens: fill the lists, then calculate with Loading set.
    Status Initialize();
    // Runs the cost calculation once the lists are filled; sets Changed on
    // success unless Loading.
    Status CalculateCost();

    // A click on entry i of choice list `list` (an invalid position keeps
    // the current choice) recalculates. The figure type also switches the
    // training captions after the calculation, keeping the chosen position.
    Status Choose(Choice FigureInputs::*list, int i);
    // The check boxes "Movement Cost" and "Range Cost".
    Status SetUseOptionalMovement(bool on);
    Status SetOptionalRangeCost(bool on);

    // Typed or spun text: a non-numeric adjustment becomes "0", except a
    // lone "-" typed by the user, which stays (counting as 0) until
    // EndAdjustHitFactorEdit; hit points whose leading number is 0 become
    // "1"; then recalculates. The resulting text is in Record().
    Status SetAdjustHitFactor(std::string_view text);
    Status SetHitPoints(std::string_view text);
    // The adjustment box lost the focus: a lone "-" becomes "0" (folded into
    // the typing's step). SaveTo does the same first.
    Status EndAdjustHitFactorEdit();
    // Name and image file name: set Changed unless Loading; no calculation.
    void SetFigureName(std::string_view text);
    void SetImageFile(std::string_view text);

    // Adds the available row (-1 or out of range: nothing) to the selected
    // rows of the series and recalculates; a missile copy gets Shots "0".
    Status Add(FigureSeries series, int availableRow);
    // Removes the selected row (-1 or out of range: nothing), recalculates.
    Status Remove(FigureSeries series, int selectedRow);
    // A click on a selected missile row shows its Shots in txtLimitedShots.
    void ClickMissileRow(int row);
    // The shots spinner moved to value (clamped to kShotsRange):
    // txtLimitedShots shows it; with a selected missile row (selectedRow
    // valid) that row's Shots becomes the value and the cost is recalculated.
    Status SetShots(int selectedRow, int value);

    // The figure's picture (after the window loaded a bitmap). Does not set
    // Changed by itself; SetImageFile does.
    void SetPicture(Picture picture);
    // A picture chosen by Browse and read whole: its file name and its
    // picture, one step. (A file that cannot be read changes nothing.)
    void ChoosePicture(std::string_view imageFile, Picture picture);

    // --- Undo and redo -------------------------------------------------
    // Every user change above is one step, named for the menu ("Remove
    // Dagger"); consecutive edits of one typed field are one step until
    // EndFieldEdit. Opening and saving are not steps.
    // Undo and Redo restore the figure before (after) the step and
    // recalculate its costs; Changed is clear exactly at the saved state.

    // --- Files ---------------------------------------------------------
    // Saves the figure to path: saving to the current FileName keeps the
    // file's other sections (CardLayout, Style), and when that file is there
    // but cannot be read the save is refused (nothing written) rather than
    // lose them; another path is replaced whole. Sets FileName; clears Changed only when everything was written.
    // Failure: "Error in saving " + path + " !", or "Error saving image!".
    Status SaveTo(const std::string &path);

    // Fills the editor from the figure file at path (after the window's open
    // dialog): sets FileName, fills the fields in control order with their
    // reactions, appends the stored weapon and item rows, sets the caption
    // and recalculates with Loading set, so Changed ends clear. Returns, in
    // the order they happened, a notice "The item " + value + " does not
    // exist in current resourcefiles!" for each choice missing from its list
    // (the current choice stays), the calculation's failure once, a notice
    // "The picture of " + path + " cannot be read; ..." with the picture's
    // problem (the figure opens with a blank picture), and
    // "Error in loading " + path + " !" when the file cannot be read (what
    // was filled stays). A file without a Figure section is refused with
    // "Error in loading " + path + " !" and "Not a figure file"; the editor
    // then stays as it was, FileName included.
    std::vector<Failure> Open(const std::string &path);
    // Open from the file's bytes already in memory (path is used for
    // FileName and messages only).
    std::vector<Failure> OpenContent(const std::string &path, std::string content);

private:
    void FillLists();
    void SwitchTrainingCaptions();
    void ShowCaptions();
    void MarkChanged();
    void ReadFigureSection(const ProfileDocument &doc, std::vector<Failure> &notices);
    FigureSnapshot Snapshot() const { return {m_record, m_picture, m_captions, m_unread}; }
    void ReadStoredPicture(const ProfileDocument &doc, std::vector<Failure> &notices);
    // Records the change just made as a step (not while Loading).
    void Step(std::string name, const std::string &mergeKey = {});
    void ResetHistory() { m_history.Reset(Snapshot()); }
    Status Restore(const FigureSnapshot &snapshot) override;

    const RulesTables &m_tables;
    FigureRecord m_record;
    AvailableLists m_available;
    ChoiceEntries m_entries;
    std::shared_ptr<const Picture> m_picture = std::make_shared<const Picture>();
    std::uint64_t m_pictureRevision = 0;
    std::shared_ptr<const UnreadPicture> m_unread;
    std::string m_fileName;
    bool m_changed = false;
    bool m_loading = false;
    bool m_calcReady = false;
    TrainingCaptions m_captions = TrainingCaptions::Training;
    static constexpr const char *kNewFigureCaption = "Figure";
    std::string m_caption = kNewFigureCaption;
};

} // namespace tarvello
