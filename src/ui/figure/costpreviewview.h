#pragma once

#include "figure/costpreview.h"
#include "figure/figurerecord.h"
#include "figure/figureseries.h"

#include <QObject>

#include <cstdint>
#include <optional>
#include <vector>

class QComboBox;
class QTreeWidget;

namespace tarvello {

class frmFigure;
class FigureModel;
struct RulesTables;

// Shows in the figure editor what each choice would cost before it is made:
// the "+Pts" column of the three "Available" lists, the cost change beside
// every entry of the choice lists' drop-downs, and where each value of the
// "Calculated Figure Cost" frame comes from, as its tool tip. The core's
// CostPreviewer calculates; this class only asks it for what is on screen:
// the rows in view of each list and of an open drop-down.
class CostPreviewView : public QObject
{
    Q_OBJECT

public:
    // Adds the "+Pts" column and the drop-downs' delegate to the window's
    // form; the tables must be those the window's model calculates with.
    CostPreviewView(frmFigure &window, const RulesTables &tables);

    // The figure changed: new previews for what the window shows.
    void show(const FigureModel &model);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct ListPreview
    {
        QTreeWidget *list;
        FigureSeries series;
        int column;
        // The revision each row's cell shows.
        std::vector<std::uint64_t> shownFor;
    };
    struct ChoicePreview
    {
        QComboBox *box;
        Choice FigureInputs::*choice;
        // The revision each entry's delta shows.
        std::vector<std::uint64_t> shownFor;
        std::vector<std::string> measuredItems;
    };

    void showRows(ListPreview &preview);
    void showDeltas(ChoicePreview &preview);
    void fitPopup(ChoicePreview &preview);
    void showSources();

    frmFigure &m_window;
    const RulesTables &m_tables;
    const FigureModel *m_model = nullptr;
    std::optional<CostPreviewer> m_previewer;
    // Counts the figure's changes; a cell or entry shown for an older one is
    // out of date.
    std::uint64_t m_revision = 0;
    std::vector<ListPreview> m_lists;
    std::vector<ChoicePreview> m_choices;
};

} // namespace tarvello
