#pragma once

#include "army/armycostcheck.h"
#include "platform/appcontext.h"
#include "platform/documentwindow.h"

#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
namespace Ui {
class frmArmy;
}

namespace tarvello {

class ArmyModel;
class NoticeBar;
class Status;

// The army editor ("Army Creator"): lists the figure files of a folder, forwards
// every user action to its ArmyModel and shows what the model then holds.
// The main window creates it and forwards the File commands.
class frmArmy : public DocumentWindow
{
    Q_OBJECT

public:
    explicit frmArmy(AppContext &context, QWidget *parent = nullptr);
    ~frmArmy() override;

    void Export() override;
    QString documentName() const override;
    QString documentPath() const override;
    void undo() override;
    void redo() override;
    // The window's initial size (the main window sizes a child by its hint).
    QSize sizeHint() const override;
    void renderPrintout(QPrinter &printer) override;
    // "Print Cards": the army's unit cards on sheets.
    void printCards() override;

    // Asks for an army file and loads it; a cancelled dialog leaves the new,
    // empty army.
    void OpenArmy();
    // Loads the army file at path, as OpenArmy does after its dialog.
    void openArmyFile(const QString &path);

    // The rules tables were reloaded: the costs are checked again.
    void tablesReloaded() override;
    bool usesRulesTables() const override { return true; }
    void figureFilesChanged(const QStringList &paths) override;
    // Replaces the unit lines' stored figure costs by their figures' costs
    // now (the army is then changed, nothing is written).
    void updateArmyCosts();
    // Lists the figures whose cost changed; the chosen ones are saved with
    // their new cost.
    void updateCosts() override;
    // Packs the army as shown and its figure files into a file the player
    // chooses, after asking about figures that were not found.
    void exportArmyPack() override;
    // Fills this new editor with an army brought in from text (the import
    // dialog); false when the dialog was cancelled.
    bool importArmyText();
    // After Undo or Redo: rescans when figure files were put back and names
    // those left as they were.
    void showFileRestore();

    // The model behind the window, for the tests.
    ArmyModel &model() { return *m_model; }

protected:
    const EditSteps *editSteps() const override;
    SaveDialogFacts saveDialogFacts() const override;
    bool writeDocument(const QString &path) override;
    // An army not read completely is written over only when the user says so.
    bool mayOverwrite() override;
    bool documentChanged() const override;
    CloseQuestion closeQuestion() const override;
    // Enter on an available figure adds it.
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Sized once it sits in the main window's area, where it can be cut.
    void showEvent(QShowEvent *event) override;

private:
    void setUpLists();
    // The lists' columns share each list's width (frmarmy_columns.cpp).
    void setUpColumns();
    void setUpSpinners();
    void connectReactions();
    void connectUnitReactions();
    // Shows what the model now holds, then the failure, if any.
    void apply(const Status &status);
    void showLists();
    // The texts of a unit line's row.
    QStringList unitRowTexts(std::size_t line) const;
    // Refills the available list: the figures that match the filter text,
    // in the order of the sorted column (else as scanned).
    void showAvailable();
    void sortAvailable(int column);
    // The available figure (its position in the model) selected, or -1.
    int selectedFigure() const;
    void connectFinding();
    // The line drawn over an empty available list that tells why it is empty.
    void showAvailableHint();
    void setUpTips();
    void showLimit();
    void showBoxes();
    void browse();
    // Costs the directory's figures again with the current tables.
    void checkCosts();
    // The "Now" column's text of an available figure and of a unit line.
    QString availableNow(std::size_t row) const;
    QString unitNow(std::size_t line) const;
    void connectCostReactions();
    // The total's points by figure type, and the total with the costs now.
    void showComposition();

    // Where the lists show the "Now" column: right after the stored cost.
    static constexpr std::size_t kAvailableNow = kCost + 1;
    static constexpr std::size_t kUnitNow = kCost + 3;
    // The line's points follow its "Now" column.
    static constexpr std::size_t kUnitPoints = kUnitNow + 1;

    std::unique_ptr<Ui::frmArmy> m_ui;
    std::unique_ptr<ArmyModel> m_model;
    std::uint64_t m_shownAvailable = ~0ull;
    std::uint64_t m_shownUnits = ~0ull;
    bool m_showing = false;
    std::vector<FigureCostCheck> m_costChecks;
    // Each available figure's row texts, "Now" included, as last scanned.
    std::vector<QStringList> m_availableTexts;
    QLabel *m_availableHint = nullptr;
    NoticeBar *m_figuresNotice = nullptr;
    int m_sortColumn = -1;
    bool m_sortDescending = false;
    bool m_sized = false;
    // The limit box holds typed text that is no limit.
    bool m_limitRefused = false;
};

} // namespace tarvello
