#pragma once

#include "shell/appcontext.h"
#include "shell/childwindow.h"

#include "card/clsfigure.h"
#include "figure/figureseries.h"
#include "platform/failure.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTreeWidget;

namespace Ui {
class frmFigure;
}

namespace tarvello {

class FigureView;
class FigureModel;

// The figure editor: shows one figure's fields, weapons, extra items and
// picture, forwards every change to its FigureModel and shows what the model
// then holds. The main window creates it and forwards the File commands.
class frmFigure : public ChildWindow
{
    Q_OBJECT

public:
    explicit frmFigure(AppContext &context, QWidget *parent = nullptr);
    ~frmFigure() override;

    void Save() override;
    void SaveAs() override;
    void PrintIt() override;
    void Export() override;
    bool hasPrintout() const override { return true; }
    void renderPrintout(QPrinter &printer) override;
    bool hasCardSheet() const override { return true; }
    // "Print Cards": copies of the figure's card on one sheet.
    void PrintCards() override;
    bool QueryClose() override;
    bool canUndo() const override;
    bool canRedo() const override;
    QString undoName() const override;
    QString redoName() const override;
    void undo() override;
    void redo() override;

protected:
    void showEvent(QShowEvent *event) override;

public:

    // Asks for a figure file and fills the editor from it; a cancelled dialog
    // leaves the new, empty figure.
    void OpenFigure();
    // Fills the editor from the figure file at path, as OpenFigure does after
    // its dialog (command line, File, Open Recent).
    void OpenFigureFile(const QString &path);
    bool openRefused() const override { return m_openRefused; }

    // The model behind the window, for the card designer and the tests.
    tarvello::FigureModel &model() { return *m_model; }

    // The widgets of one series' list frame.
    struct SeriesWidgets
    {
        tarvello::FigureSeries series;
        QTreeWidget *available;
        QTreeWidget *selected;
        QPushButton *add;
        QPushButton *remove;
    };
    std::array<SeriesWidgets, 3> seriesWidgets() const;

    // Frames.
    QGroupBox *fraFigureInformation = nullptr;
    QGroupBox *fraFigureData = nullptr;
    QGroupBox *fraOptional = nullptr;
    QGroupBox *fraMeleeWeapons = nullptr;
    QGroupBox *fraMissileWeapons = nullptr;
    QGroupBox *fraExtraItems = nullptr;
    QGroupBox *fraCalculatedFigureCost = nullptr;

    // Figure Information.
    QLineEdit *txtFigureName = nullptr;
    QLineEdit *txtImageFile = nullptr;
    QPushButton *btnBrowse = nullptr;
    QPushButton *btnCard = nullptr;
    QScrollArea *scrFigure = nullptr;
    QLabel *picFigure = nullptr;

    // Figure Data.
    QComboBox *cboFigureType = nullptr;
    QComboBox *cboRace = nullptr;
    QLineEdit *txtRaceHitFactorModifier = nullptr;
    QLineEdit *txtAdjustHitFactor = nullptr;
    QSpinBox *updAdjustHitFactor = nullptr;
    QLabel *lblTrainingLevel = nullptr;
    QComboBox *cboTrainingLevel = nullptr;
    QComboBox *cboArmorType = nullptr;
    QLineEdit *txtHitPoints = nullptr;
    QSpinBox *updHitPoints = nullptr;
    QComboBox *cboMove = nullptr;
    QComboBox *cboCommandSkill = nullptr;
    QLineEdit *txtBaseHitFactor = nullptr;
    QLineEdit *txtAdjustedHitFactor = nullptr;
    QLineEdit *txtMove = nullptr;
    QLineEdit *txtInitiativeModifier = nullptr;
    QLineEdit *txtBaseMorale = nullptr;

    // Optional.
    QCheckBox *chkUseOptionalMovement = nullptr;
    QCheckBox *chkOptionalRangeCost = nullptr;

    // Melee Weapons.
    QTreeWidget *lvwMeleeWeapons = nullptr;
    QTreeWidget *lvwMeleeWeaponsSelected = nullptr;
    QPushButton *btnAddMeleeWeapon = nullptr;
    QPushButton *btnRemoveMeleeWeapon = nullptr;
    QLineEdit *txtMeleeWeaponMultiplier = nullptr;

    // Missile Weapons.
    QTreeWidget *lvwMissileWeapons = nullptr;
    QTreeWidget *lvwMissileWeaponsSelected = nullptr;
    QPushButton *btnAddMissileWeapon = nullptr;
    QPushButton *btnRemoveMissileWeapon = nullptr;
    QLineEdit *txtLimitedShots = nullptr;
    QSpinBox *updLimitMissileAttack = nullptr;
    QLineEdit *txtMissileWeaponMultiplier = nullptr;

    // Extra Items.
    QTreeWidget *lvwExtraItems = nullptr;
    QTreeWidget *lvwExtraItemsSelected = nullptr;
    QPushButton *btnAddExtraItem = nullptr;
    QPushButton *btnRemoveExtraItem = nullptr;
    QLineEdit *txtExtraItemsCost = nullptr;

    // Calculated Figure Cost.
    QLineEdit *txtDefenseFactor = nullptr;
    QLineEdit *txtTotalWeaponMultiplier = nullptr;
    QLineEdit *txtMoveMultiplier = nullptr;
    QLineEdit *txtHitPointsCopy = nullptr;
    QLineEdit *txtCommandSkillCost = nullptr;
    QLineEdit *txtMagicSkillCost = nullptr;
    QLineEdit *txtExtraItemsCostCopy = nullptr;
    QLineEdit *txtCost = nullptr;
    QLabel *lblFinalCost = nullptr;
    QLineEdit *txtFinalCost = nullptr;

private:
    // Shows in the title, until the next change, the stored cost of the
    // figure just opened from path when the tables changed it.
    void showStaleCostHint(const std::string &path);
    // What the form cannot hold: lists' columns, spinners' ranges and the
    // widths that follow the font.
    void setupForm();
    void setupFields();
    void takeWidgets();
    void connectReactions();
    void sizeWindow();
    void shareListWidths();

    // Shows what the model now holds, then the failure, if any.
    void apply(const tarvello::Status &status);
    // An OK box titled "Tarvello" with the failure's message.
    void report(const tarvello::Failure &failure);


    void browseImage();
    // Opens a new unit card for the figure as the editor shows it.
    std::optional<tarvello::clsFigure> cardFigure();
    void openCard();
    // Each returns true when the figure reached its file.
    bool saveFigure();
    bool saveAsDialog();
    bool saveTo(const QString &path);

    AppContext &m_context;
    std::unique_ptr<tarvello::FigureModel> m_model;
    std::unique_ptr<FigureView> m_view;
    std::unique_ptr<Ui::frmFigure> m_ui;
    bool m_openRefused = false;
    bool m_sized = false;
    std::uint64_t m_shownPictureRevision = 0;
};

} // namespace tarvello
