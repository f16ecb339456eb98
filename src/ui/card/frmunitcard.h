#pragma once

#include "qtcardtarget.h"
#include "platform/appcontext.h"
#include "platform/childwindow.h"

#include "card/unitcardmodel.h"

#include <QImage>

#include <memory>
#include <string>

namespace Ui {
class frmUnitCard;
}

namespace tarvello {

class CardPictureBox;
struct CardRender;

// The unit card designer: shows one figure's card, lets the user restyle it
// and place its picture, saves the layout and the style, prints the card at
// its real size and copies it to the clipboard. The figure editor creates it
// and hands over the figure with LoadFigure.
class frmUnitCard : public ChildWindow
{
    Q_OBJECT

public:
    explicit frmUnitCard(AppContext &context, QWidget *parent = nullptr);
    ~frmUnitCard() override;

    // Keeps the figure and its picture, applies the saved layout and style,
    // shows the missing-font messages and draws the card.
    void LoadFigure(const clsFigure &figure, const QImage &picture);
    // Why the figure's stored picture could not be read (the card then shows
    // none); Print Cards names it. Empty when the picture is the figure's.
    void setPictureProblem(const std::string &problem) { m_pictureProblem = problem; }

    // File, Save: "Save Layout". File, Print: "&Print".
    void Save() override;
    void PrintIt() override;
    void renderPrintout(QPrinter &printer) override;
    bool queryClose() override;
    QString documentName() const override;
    QString documentPath() const override;
    // "Print Cards": copies of this card, as it is now designed, on a sheet.
    void printCards() override;

    // Edit, Undo and Redo: the card's own history of picture moves and
    // resizes, font changes and loaded styles.
    void undo() override;
    void redo() override;

    // The card as Copy places it on the clipboard: true size at 96 dots per
    // inch, whatever the zoom or the screen's scaling.
    QImage cardImage() const;
    const UnitCardModel &model() const { return m_model; }

    // Built from the .ui file; controls by their names.
    Ui::frmUnitCard *ui() const { return m_ui.get(); }

protected:
    const EditSteps *editSteps() const override { return &m_model; }

private:
    void connectControls();
    void connectStyleEdits();
    void showStyle();
    void showPosition();
    void connectPicture();
    void scrollCard();
    void movePicture(int left, int top, const char *mergeKey);
    void applyZoom(int index);
    void warnIfTooFull();
    void saveImage();
    CardScene scene() const;
    void showDesign();
    void showRestored();
    void redraw();
    bool drawOn(QPainter &painter, bool printer, int &lineWidth) const;
    void message(const std::string &text, int icon);

    void changeFont(FontRoleId role);
    void saveStyle();
    void loadStyle();
    bool saveLayout();
    void toggleDesign();
    bool outerMaximized() const;
    void showDesignFrame(bool shown);
    void copyToClipboard();
    void closeWindow();
    void setOuterWidthTwips(int twips);
    int outerWidthTwips() const;

    void resizeEvent(QResizeEvent *event) override;

    AppContext &m_context;
    std::unique_ptr<Ui::frmUnitCard> m_ui;
    UnitCardModel m_model;
    QtCardTarget::Pictures m_pictures;
    std::string m_pictureProblem;
    // Whether the card fitted at its last drawing on the screen.
    bool m_fits = true;
    // The design hidden by the button while the window is maximised.
    bool m_designHidden = false;
};

} // namespace tarvello
