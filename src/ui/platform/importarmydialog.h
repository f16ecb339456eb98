#pragma once

#include "idialogs.h"

#include <QDialog>

#include <memory>

namespace Ui {
class ImportArmyDialog;
}

namespace tarvello {

// "Import Army from Text": a text box (the clipboard's text at first, or a
// text file's by "From File…"), the folder whose figures are matched, and
// the lines that match none or several, shown again after every change.
class ImportArmyDialog : public QDialog
{
    Q_OBJECT

public:
    // dialogs shows the file and folder dialogs this one opens.
    ImportArmyDialog(IDialogs &dialogs, const IDialogs::ArmyTextQuestion &question,
                     QWidget *parent = nullptr);
    ~ImportArmyDialog() override;

    IDialogs::ArmyTextChoice choice() const;

private:
    void showPreview();
    void readFile();
    void browse();

    IDialogs &m_dialogs;
    IDialogs::ArmyTextQuestion m_question;
    std::unique_ptr<Ui::ImportArmyDialog> m_ui;
};

} // namespace tarvello
