#include "cardsheetdialog.h"

#include "card/cardsheetjob.h"
#include "card/sheetchoice.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarvello {

std::int64_t chosenCards(const IDialogs::CardSheetQuestion &question,
                         const IDialogs::CardSheetChoice &choice)
{
    return ChosenCards(question.forArmy,
                       {question.lineCards, question.unitCards, question.figureCards},
                       ChosenCardsPer(choice.perUnit, choice.perFigure), choice.copies);
}

std::optional<IDialogs::CardSheetChoice> askCardSheet(QWidget *parent,
                                                      const IDialogs::CardSheetQuestion &question)
{
    CardSheetDialog dialog(question, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

CardSheetDialog::CardSheetDialog(const IDialogs::CardSheetQuestion &question, QWidget *parent)
    : QDialog(parent)
    , m_question(question)
{
    setObjectName(QStringLiteral("frmCardSheet"));
    setWindowTitle(tr("Print Cards"));
    auto *layout = new QVBoxLayout(this);
    if (question.forArmy) {
        m_perLine = new QRadioButton(tr("One card per army &line"), this);
        m_perLine->setObjectName(QStringLiteral("optPerLine"));
        m_perUnit = new QRadioButton(tr("One card per &unit"), this);
        m_perUnit->setObjectName(QStringLiteral("optPerUnit"));
        m_perFigure = new QRadioButton(tr("One card per &figure"), this);
        m_perFigure->setObjectName(QStringLiteral("optPerFigure"));
        m_perFigure->setToolTip(
            tr("Lines whose figure is the same figure file share one card"));
        m_perLine->setChecked(true);
        layout->addWidget(m_perLine);
        layout->addWidget(m_perUnit);
        layout->addWidget(m_perFigure);
        connect(m_perUnit, &QRadioButton::toggled, this, &CardSheetDialog::showCount);
        connect(m_perFigure, &QRadioButton::toggled, this, &CardSheetDialog::showCount);
        if (question.rosterPages > 0) {
            m_roster = new QCheckBox(tr("&Roster page first"), this);
            m_roster->setObjectName(QStringLiteral("chkRoster"));
            m_roster->setToolTip(tr(
                "Pages listing each line (count, unit size, figure, type, points) with the "
                "army's name, total and limit, before the cards"));
            layout->addWidget(m_roster);
            connect(m_roster, &QCheckBox::toggled, this, &CardSheetDialog::showCount);
            if (question.rosterBarPages > 0)
                addRosterBar(layout);
        }
    } else {
        auto *form = new QFormLayout;
        m_copies = new QSpinBox(this);
        m_copies->setObjectName(QStringLiteral("updCopies"));
        m_copies->setRange(1, kMaxSheetCopies);
        // A full sheet of the card is what one usually wants.
        m_copies->setValue(qMax(1, question.perPage));
        form->addRow(tr("&Copies:"), m_copies);
        layout->addLayout(form);
        connect(m_copies, &QSpinBox::valueChanged, this, &CardSheetDialog::showCount);
    }
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblCount"));
    layout->addWidget(m_count);
    m_deck = new QCheckBox(tr("&Deck sheets with the images"), this);
    m_deck->setObjectName(QStringLiteral("chkDeck"));
    m_deck->setToolTip(tr("Save as Images also writes sheets of up to 10 x 7 cards "
                                      "and a card back, the grid virtual tabletops import"));
    layout->addWidget(m_deck);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *print = buttons->addButton(tr("&Print"), QDialogButtonBox::AcceptRole);
    print->setObjectName(QStringLiteral("btnPrint"));
    QPushButton *preview = buttons->addButton(tr("Pre&view"),
                                              QDialogButtonBox::AcceptRole);
    preview->setObjectName(QStringLiteral("btnPreview"));
    QPushButton *images = buttons->addButton(tr("Save as &Images\u2026"),
                                             QDialogButtonBox::AcceptRole);
    images->setObjectName(QStringLiteral("btnSaveImages"));
    images->setToolTip(tr("One PNG per card, 300 dpi, named after the figure, "
                                      "into a folder"));
    connect(images, &QPushButton::clicked, this, [this] { m_saveImages = true; accept(); });
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(print, &QPushButton::clicked, this, [this] { m_preview = false; accept(); });
    connect(preview, &QPushButton::clicked, this, [this] { m_preview = true; accept(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    print->setDefault(true);
    showCount();
}

// Off at first: the roster prints as it always has unless the player asks.
void CardSheetDialog::addRosterBar(QVBoxLayout *layout)
{
    m_rosterBar = new QCheckBox(tr("Points &bar on the roster"), this);
    m_rosterBar->setObjectName(QStringLiteral("chkRosterBar"));
    m_rosterBar->setToolTip(QStringLiteral(
        "The army's points by figure type as a bar under the roster's heading, in black and "
        "white patterns, against the points limit when there is one"));
    layout->addWidget(m_rosterBar);
    connect(m_rosterBar, &QCheckBox::toggled, this, &CardSheetDialog::showCount);
}

std::int64_t CardSheetDialog::cards() const
{
    return chosenCards(m_question, choice());
}

void CardSheetDialog::showCount()
{
    const std::int64_t count = cards();
    QString text = m_question.countText ? m_question.countText(count)
                                         : QString::number(static_cast<qlonglong>(count));
    const bool roster = m_roster && m_roster->isChecked();
    if (roster) {
        const int pages = m_rosterBar && m_rosterBar->isChecked() ? m_question.rosterBarPages
                                                                   : m_question.rosterPages;
        text += pages == 1 ? tr(", after 1 roster page")
                           : tr(", after %1 roster pages").arg(pages);
    }
    if (m_rosterBar)
        m_rosterBar->setEnabled(roster);
    m_count->setText(text);
    const bool printable = (count > 0 && m_question.perPage > 0) || roster;
    if (auto *print = findChild<QPushButton *>(QStringLiteral("btnPrint")))
        print->setEnabled(printable);
    if (auto *preview = findChild<QPushButton *>(QStringLiteral("btnPreview")))
        preview->setEnabled(printable);
    if (auto *images = findChild<QPushButton *>(QStringLiteral("btnSaveImages")))
        images->setEnabled(count > 0);
}

IDialogs::CardSheetChoice CardSheetDialog::choice() const
{
    IDialogs::CardSheetChoice chosen;
    chosen.perUnit = m_perUnit && m_perUnit->isChecked();
    chosen.perFigure = m_perFigure && m_perFigure->isChecked();
    chosen.roster = m_roster && m_roster->isChecked();
    chosen.rosterBar = chosen.roster && m_rosterBar && m_rosterBar->isChecked();
    chosen.copies = m_copies ? m_copies->value() : 1;
    chosen.preview = m_preview;
    chosen.saveImages = m_saveImages;
    chosen.deck = m_deck && m_deck->isChecked();
    return chosen;
}

} // namespace tarvello
