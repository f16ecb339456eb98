#pragma once

#include "armybar.h"
#include "armydocument.h"
#include "armytextimport.h"
#include "figurerewrites.h"
#include "platform/failure.h"
#include "platform/documentkinds.h"
#include "platform/history.h"
#include "platform/trtext.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The army editor's state and reactions, without any window: the window
// forwards each user action to one operation, shows a returned failure and
// refreshes its controls from what the model holds. The army itself is its
// ArmyDocument; the model adds the editor's state: the selected line, the
// four number boxes' texts and the available figures of the last scan.
namespace tarvello {

// What an undo step of the army editor restores; the total is recalculated
// and the available list stays as last scanned.
struct ArmySnapshot
{
    ArmyDocument army;
    int selected = -1;
    std::string unitCount;
    std::string unitSize;
    // The figure files Update Costs rewrote, as this state left them.
    FigureFileStates figureFiles;

    bool operator==(const ArmySnapshot &) const = default;
};

class ArmyModel : public UndoableDocument<ArmySnapshot, Status>
{
public:
    // A new army: the given figure directory text, total "0", no changes.
    // decimalMark is the user's locale decimal mark.
    ArmyModel(std::string unitDirectory, char decimalMark);

    // --- State ---------------------------------------------------------
    // The army being edited.
    const ArmyDocument &Document() const { return m_document; }
    const std::string &ArmyName() const { return m_document.Name(); }
    const std::string &UnitDirectory() const { return m_document.UnitDirectory(); }
    // The total as shown in txtArmyCost.
    const std::string &ArmyCost() const { return m_document.Total(); }
    // The points limit as typed (empty: none) and the total against it.
    const std::string &PointsLimit() const { return m_document.PointsLimit(); }
    PointsBalance Balance() const { return m_document.Balance(); }
    // The total's points by figure type, as last summed, and as a bar against
    // the points limit.
    const ArmyComposition &Composition() const { return m_composition; }
    PointsBar CompositionBar() const;
    // The total the lines would give with their figures' costs now (see
    // SetCostsNow), when a line's points differ with them.
    const std::optional<std::int32_t> &TotalNow() const { return m_totalNow; }
    // The figures' costs now, as the window found them for its "Now"
    // columns; the total with them is summed with every total from now on.
    void SetCostsNow(CostsNow costs);
    // Path of the army file; empty for a new army.
    const std::string &FileName() const { return m_fileName; }
    // "Army Creator", or "Army: " and the name the army had when its file
    // was opened; saving does not change it.
    const std::string &Caption() const { return m_caption; }
    bool Changed() const { return m_changed; }
    bool Loading() const { return m_loading; }
    // The available figures of the last scan.
    const std::vector<FigureSummary> &Available() const { return m_available; }
    // The unit lines in list order, and the selected one (-1: none).
    const ArmyUnits &Units() const { return m_document.Units(); }
    int SelectedUnit() const { return m_selected; }
    // The texts of the four number boxes.
    const std::string &UnitsToAdd() const { return m_unitsToAdd; }
    const std::string &UnitSizeAdd() const { return m_unitSizeAdd; }
    const std::string &UnitCount() const { return m_unitCount; }
    const std::string &UnitSize() const { return m_unitSize; }
    // Incremented whenever the available list, respectively the unit lines,
    // change, so that a window redraws a list only then.
    std::uint64_t AvailableRevision() const { return m_availableRevision; }
    std::uint64_t UnitsRevision() const { return m_unitsRevision; }
    // The one line the last change of the unit lines changed in place (its
    // count or size), or -1 when lines came or went.
    int ChangedLine() const { return m_changedLine; }
    // The name the save dialog proposes: the army name and ".tva".
    std::string ProposedFileName() const
    {
        return tarvello::ProposedFileName(m_document.Name(), DocumentKind::Army);
    }

    // --- Reactions -----------------------------------------------------
    // Typing into the name or directory box (marks the army changed unless
    // Loading). A line break, which a line of the file cannot hold, becomes
    // a blank.
    void SetArmyName(const std::string &text);
    void SetUnitDirectory(const std::string &text);
    // Typing into the points limit box: empty or a whole number
    // (IsPointsLimitText); other text changes nothing and gives false. A
    // changed limit replaces the file's limit field when saved.
    bool SetPointsLimit(const std::string &text);
    // Refills the available list from the figure directory. A directory that
    // cannot be listed empties the list and fails (without sentence).
    Status ScanFigures();
    // A folder chosen by Browse: an empty path changes nothing; otherwise it
    // becomes the directory and the folder is scanned.
    Status Browse(const std::string &folder);
    // The spinners of the Add box.
    void SetUnitsToAdd(const std::string &text) { m_unitsToAdd = text; }
    void SetUnitSizeAdd(const std::string &text) { m_unitSizeAdd = text; }
    // Adds units of available figure row: merged into the first line of the
    // same figure name and unit size, else appended as a new line whose
    // summary fields hold no ";" or line break (they become "," and a blank).
    // An invalid row does nothing.
    Status Add(int availableRow);
    // Deletes the selected line whatever its count.
    Status Remove();
    // A click on a unit line: it becomes the selected unit and its count and
    // size are shown; the army is not marked changed.
    Status SelectUnit(int row);
    // The Modify boxes' texts changed (by their spinners): a count of 0
    // deletes the selected line, a text that is not a number changes nothing,
    // any other count or size is written to the selected line.
    Status SetUnitCount(const std::string &text);
    Status SetUnitSize(const std::string &text);
    // Recomputes the total: round(size x count x cost + total) after every
    // line, halves to even, each factor's leading number. Marks the army
    // changed unless Loading. A total beyond 32 bits fails ("Overflow") and
    // leaves the total shown as it was.
    Status RecalcTotal();
    // Replaces the stored figure cost of each unit line by costs[line] where
    // that is not empty and differs, then recomputes the total; the army is
    // marked changed when a line changed (nothing is written); one step,
    // "Update Army Costs".
    Status ReplaceFigureCosts(const std::vector<std::string> &costs);

    // --- File and report -----------------------------------------------
    // Loads the army file at path into this (new) editor: name, directory,
    // unit lines, caption, scan, first unit shown, total; Changed cleared.
    // A failure ("Error in loading <path> !") keeps what was read before it.
    Status Open(const std::string &path);
    // Fills this new army with what a text brought back (ImportArmyText
    // against the figures of folderPath): its name, limit and unit lines,
    // never merged; the folder becomes the directory and is scanned. One
    // step, "Import Army from Text": the army is changed, Undo empties it.
    Status ImportFromText(const ArmyFromText &army, const std::string &folderPath);
    // Writes the army file whole (atomically) and clears Changed; a failure
    // ("Error in saving army <path>") leaves the file and Changed as they were.
    Status WriteArmy(const std::string &path);
    // The army file's bytes as WriteArmy writes them.
    std::string FileText() const;
    // Remembers the path chosen in the save dialog.
    void SetFileName(const std::string &path) { m_fileName = path; }
    // After opening: a notice naming the unit lines (number and figure) whose
    // count, unit size or figure cost is negative, which make the total
    // smaller than the units' worth; empty when there is none. At most
    // kMaxNamedLines lines are named, the rest counted.
    std::string NegativeValuesNotice() const { return m_document.NegativeValuesNotice(); }
    // After opening: a notice that the file's points limit cannot be read,
    // so the army is shown without one; empty when there is none.
    std::string PointsLimitNotice() const { return m_document.PointsLimitNotice(); }
    // The last Open failed before the file was read to its end: a save over
    // it would lose the rest. Cleared by a successful WriteArmy.
    bool ReadIncompletely() const { return m_readIncompletely; }
    static constexpr std::size_t kMaxNamedLines = ArmyDocument::kMaxNamedLines;
    // What the report shows.
    ArmyReportData ReportData() const { return m_document.ReportData(); }
    // The export text of the report.
    Result<std::string> ExportText() const { return m_document.ExportText(); }
    char DecimalMark() const { return m_document.DecimalMark(); }

    // --- Undo and redo -------------------------------------------------
    // Adding, removing, count and size changes, name and directory changes
    // are steps; typing into one box is one step until EndFieldEdit.
    // Opening and saving are not steps.
    // Undo and Redo restore the army before (after) the step and recompute
    // the total; Changed is clear exactly at the saved state.
    // Update Costs rewrote these figure files: one step "Update Costs",
    // whose Undo (Redo) puts back the files still as it wrote (found) them.
    // The step leaves the army itself alone, so it does not mark it changed.
    void RecordFileRewrites(const std::vector<FileRewrite> &rewrites);
    // What the last Undo or Redo did to figure files; told once.
    FileRestoreReport TakeFileRestore() { return std::exchange(m_fileRestore, {}); }

private:
    Status OpenFile(const std::string &path);
    ArmySnapshot Snapshot() const;
    void Step(std::string name, const std::string &mergeKey = {});
    std::string SelectedName() const;
    Status Restore(const ArmySnapshot &snapshot) override;
    Status ShowSelectedUnit(int row);
    // Sums the total, its composition and the total now; false on overflow
    // (nothing changes then) with the failure's description.
    Status Tally();
    Status CountReaction();
    void ClearModifyBoxes();
    void DeleteSelected();
    void UnitsChanged()
    {
        ++m_unitsRevision;
        m_changedLine = -1;
    }
    void LineChanged(int line)
    {
        ++m_unitsRevision;
        m_changedLine = line;
    }

    ArmyDocument m_document;
    std::string m_fileName;
    static constexpr const char *kNewArmyCaption = TV_TR("Core", "Army Creator");
    std::string m_caption = kNewArmyCaption;
    bool m_changed = false;
    bool m_loading = false;
    std::vector<FigureSummary> m_available;
    int m_selected = -1;
    std::string m_unitsToAdd = "1";
    std::string m_unitSizeAdd = "1";
    std::string m_unitCount = "0";
    std::string m_unitSize = "0";
    bool m_readIncompletely = false;
    ArmyComposition m_composition;
    std::int32_t m_total = 0;
    CostsNow m_costsNow;
    std::optional<std::int32_t> m_totalNow;
    std::uint64_t m_availableRevision = 0;
    std::uint64_t m_unitsRevision = 0;
    FigureFileStates m_figureFiles;
    FileRestoreReport m_fileRestore;
    int m_changedLine = -1;
};

} // namespace tarvello
