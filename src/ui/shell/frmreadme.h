#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace tarvello {

struct AppContext;
class LayoutMgr;

// Shows readme.txt of the program folder, read once when the window opens.
class frmReadme : public QWidget
{
    Q_OBJECT

public:
    explicit frmReadme(AppContext &context, QWidget *parent = nullptr);

    // Sizes the window (its MDI frame when it has one) to 6855 x 6900 twips.
    void Arrange();

    // Sizes the window, ties txtHelp to its size and fills txtHelp from the
    // readme file; the window must already be shown.
    void open();

    QPlainTextEdit *txtHelp;
    LayoutMgr *lmgReadme;

private:
    void loadReadme();

    AppContext &m_context;
};

} // namespace tarvello
