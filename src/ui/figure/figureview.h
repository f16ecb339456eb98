#pragma once

#include "figure/figurerecord.h"
#include "figure/figureseries.h"

#include <QString>

#include <array>
#include <span>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QTreeWidget;

namespace tarvello {

class frmFigure;
class FigureModel;

// Shows a FigureModel in the figure editor's widgets. Only what differs from
// what is shown is touched, list rows are rebuilt only when they changed, and
// the widgets' signals are blocked meanwhile, so showing never runs a reaction.
class FigureView
{
public:
    void bind(frmFigure &window);

    // Shows the record, the choice lists' entries, captions and (when marked
    // changed) the picture.
    void show(const FigureModel &model);

    // The model's picture was replaced; the next show() redraws it.
    void markPictureChanged() { m_pictureChanged = true; }

private:
    struct TextBinding
    {
        QLineEdit *field;
        std::string FigureRecord::*text;
    };
    struct ChoiceBinding
    {
        QComboBox *box;
        Choice FigureInputs::*choice;
        std::vector<std::string> shownItems;
    };
    struct ListBinding
    {
        QTreeWidget *list;
        FigureSeries series;
        bool available;
        std::span<const SeriesColumnSpec> columns;
        std::vector<ListRow> shownRows;
        // The "Available" list whose columns a "Selected" list lines up with.
        QTreeWidget *like = nullptr;
    };

    void showPicture(const FigureModel &model);
    static void showChoice(ChoiceBinding &binding, const FigureModel &model);
    // True when the list's rows changed.
    static bool showList(ListBinding &binding, const FigureModel &model);

    frmFigure *m_window = nullptr;
    std::vector<TextBinding> m_texts;
    std::vector<ChoiceBinding> m_choices;
    std::vector<ListBinding> m_lists;
    bool m_pictureChanged = true;
};

} // namespace tarvello
