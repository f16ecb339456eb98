#pragma once

#include "platform/appcontext.h"
#include "platform/documentwindow.h"

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

class CostPreviewView;
class FigureView;
class FigureModel;
class NoticeBar;

// The figure editor: shows one figure's fields, weapons, extra items and
// picture, forwards every change to its FigureModel and shows what the model
// then holds. The main window creates it and forwards the File commands.
class frmFigure : public DocumentWindow
{
    Q_OBJECT

public:
    explicit frmFigure(AppContext &context, QWidget *parent = nullptr);
    ~frmFigure() override;

    void Export() override;
    void renderPrintout(QPrinter &printer) override;
    bool usesRulesTables() const override { return true; }
    // "Print Cards": copies of the figure's card on one sheet.
    void printCards() override;
    QString documentName() const override;
    QString documentPath() const override;
    void undo() override;
    void redo() override;

protected:
    const EditSteps *editSteps() const override;
    SaveDialogFacts saveDialogFacts() const override;
    bool writeDocument(const QString &path) override;
    bool documentChanged() const override;
    CloseQuestion closeQuestion() const override;
    void showEvent(QShowEvent *event) override;
    // A new palette (Help, Appearance) shades the calculated fields anew.
    void changeEvent(QEvent *event) override;

public:

    // Asks for a figure file and fills the editor from it; a cancelled dialog
    // leaves the new, empty figure.
    void OpenFigure();
    // Fills the editor from the figure file at path, as OpenFigure does after
    // its dialog (command line, File, Open Recent).
    void openFigureFile(const QString &path);
    bool openRefused() const override { return m_openRefused; }

    // The model behind the window, for the card designer and the tests.
    FigureModel &model() { return *m_model; }

    // The widgets of one series' list frame.
    struct SeriesWidgets
    {
        FigureSeries series;
        QTreeWidget *available;
        QTreeWidget *selected;
        QPushButton *add;
        QPushButton *remove;
    };
    std::array<SeriesWidgets, 3> seriesWidgets() const;

    // Built from the .ui file; controls by their names.
    Ui::frmFigure *ui() const { return m_ui.get(); }

private:
    // Shows in a bar above the frames, until the next change, the stored
    // cost of the figure just opened from path when the tables changed it.
    void showStaleCostHint(const std::string &path);
    // The bar's "Update Cost": saves the file with the cost it has now.
    void updateStaleCost();
    // What the form cannot hold: lists' columns, spinners' ranges and the
    // widths that follow the font.
    void setupForm();
    void setupFields();
    void shadeCalculatedFields();
    void connectReactions();
    void sizeWindow();
    void shareListWidths();

    // Shows what the model now holds, then the failure, if any.
    void apply(const Status &status);
    // An OK box titled "Tarvello" with the failure's message.
    void report(const Failure &failure);


    void browseImage();
    // Opens a new unit card for the figure as the editor shows it.
    std::optional<clsFigure> cardFigure();
    void openCard();
    std::unique_ptr<FigureModel> m_model;
    std::unique_ptr<FigureView> m_view;
    std::unique_ptr<Ui::frmFigure> m_ui;
    // What each choice would cost; after m_ui, whose widgets it dresses.
    std::unique_ptr<CostPreviewView> m_preview;
    NoticeBar *m_staleCost = nullptr;
    bool m_openRefused = false;
    bool m_sized = false;
    std::uint64_t m_shownPictureRevision = 0;
};

} // namespace tarvello
