#pragma once

#include "platform/idialogs.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QCheckBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QVBoxLayout;

namespace tarvello {

// "Print Cards": one card per army line, per unit or per figure, with or
// without roster pages first (an army), or a number of copies (one figure),
// with the cards and pages that makes; Print, Preview or Cancel.
class CardSheetDialog : public QDialog
{
    Q_OBJECT

public:
    CardSheetDialog(const IDialogs::CardSheetQuestion &question, QWidget *parent = nullptr);

    IDialogs::CardSheetChoice choice() const;

private:
    void showCount();
    void addRosterBar(QVBoxLayout *layout);
    std::int64_t cards() const;

    IDialogs::CardSheetQuestion m_question;
    QRadioButton *m_perLine = nullptr;
    QRadioButton *m_perUnit = nullptr;
    QRadioButton *m_perFigure = nullptr;
    QCheckBox *m_roster = nullptr;
    QCheckBox *m_rosterBar = nullptr;
    QSpinBox *m_copies = nullptr;
    QCheckBox *m_deck = nullptr;
    bool m_saveImages = false;
    QLabel *m_count = nullptr;
    bool m_preview = false;
};

// The cards choice makes of what question offers (the rule is the card
// sheet's ChosenCards).
std::int64_t chosenCards(const IDialogs::CardSheetQuestion &question,
                         const IDialogs::CardSheetChoice &choice);

// Shows the dialog for question; the choice, nullopt when cancelled.
std::optional<IDialogs::CardSheetChoice> askCardSheet(QWidget *parent,
                                                      const IDialogs::CardSheetQuestion &question);

} // namespace tarvello
