#include "frmfigure.h"
#include "platform/noticebar.h"
#include "platform/failurebox.h"
#include "costpreviewview.h"
#include "figureprint.h"
#include "figureview.h"
#include "platform/pictureconvert.h"
#include "ui_frmfigure.h"

#include "card/cardbuild.h"
#include "card/cardsource.h"
#include "card/frmunitcard.h"
#include "card/cardsheetprint.h"
#include "card/qtcardtarget.h"
#include "figure/figurefile.h"
#include "figure/figuremodel.h"
#include "figure/picturechoice.h"
#include "platform/busypointer.h"
#include "platform/areasizing.h"
#include "platform/eventhooks.h"
#include "platform/idialogs.h"
#include "platform/modfunctions.h"
#include "platform/screentwips.h"
#include "platform/uitext.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

namespace tarvello {

namespace {

const char *const kPictureFilter = QT_TRANSLATE_NOOP("tarvello::frmFigure",
    "Bitmap (*.bmp)|*.bmp|Pictures (*.bmp *.png *.jpg *.jpeg *.gif)|*.bmp;*.png;*.jpg;*.jpeg;*.gif"
    "|All files (*.*)|*.*");

// The window's size in twips, converted at the screen's resolution.
constexpr int kWidthTwips = 12780;
constexpr int kHeightTwips = 10485;

int selectedRow(const QTreeWidget *list)
{
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
}

} // namespace

frmFigure::frmFigure(AppContext &context, QWidget *parent)
    : DocumentWindow(context, parent)
    , m_model(std::make_unique<FigureModel>(*context.tables))
    , m_view(std::make_unique<FigureView>())
    , m_ui(std::make_unique<Ui::frmFigure>())
{
    setForm(WindowForm::Figure);
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_ui->setupUi(this);
    setupForm();
    m_preview = std::make_unique<CostPreviewView>(*this, *context.tables);
    m_view->bind(*this);
    connectReactions();
    // The window opens: lists filled, window sized, first calculation.
    apply(m_model->Initialize());
}

frmFigure::~frmFigure()
{
    // A box losing the focus reacts on the model: it does so now, while the
    // window is whole, rather than while its controls are deleted.
    if (QWidget *focus = QApplication::focusWidget(); focus && isAncestorOf(focus))
        focus->clearFocus();
}

// Sized when first shown, once the window sits in the main window's area:
// sizing it earlier is undone when it joins the area. An area smaller than
// the window cuts it down, but never below what its controls need: the area
// scrolls instead.
void frmFigure::showEvent(QShowEvent *event)
{
    ChildWindow::showEvent(event);
    if (m_sized)
        return;
    m_sized = true;
    sizeWindow();
}

void frmFigure::sizeWindow()
{
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!frame || !frame->mdiArea()) {
        resize(twipsToPixels(this, kWidthTwips, kHeightTwips));
        return;
    }
    sizeInArea(frame, twipsToPixels(frame, kWidthTwips, kHeightTwips));
}

void frmFigure::connectReactions()
{
    const auto choice = [this](QComboBox *box, Choice FigureInputs::*list) {
        connect(box, &QComboBox::activated, this,
                [this, list](int index) { apply(m_model->Choose(list, index)); });
    };
    choice(m_ui->cboFigureType, &FigureRecord::cboFigureType);
    choice(m_ui->cboTrainingLevel, &FigureRecord::cboTrainingLevel);
    choice(m_ui->cboRace, &FigureRecord::cboRace);
    choice(m_ui->cboArmorType, &FigureRecord::cboArmorType);
    choice(m_ui->cboMove, &FigureRecord::cboMove);
    choice(m_ui->cboCommandSkill, &FigureRecord::cboCommandSkill);

    connect(m_ui->chkUseOptionalMovement, &QCheckBox::clicked, this,
            [this](bool on) { apply(m_model->SetUseOptionalMovement(on)); });
    connect(m_ui->chkOptionalRangeCost, &QCheckBox::clicked, this,
            [this](bool on) { apply(m_model->SetOptionalRangeCost(on)); });

    connect(m_ui->txtFigureName, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_model->SetFigureName(toFileText(text));
        apply({});
    });
    connect(m_ui->txtImageFile, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_model->SetImageFile(toFileText(text));
        apply({});
    });
    connect(m_ui->txtAdjustHitFactor, &QLineEdit::textEdited, this, [this](const QString &text) {
        apply(m_model->SetAdjustHitFactor(toFileText(text)));
    });
    // A lone "-" kept while typing a negative adjustment is 0 once the box is left.
    onFocusLoss(m_ui->txtAdjustHitFactor, [this] { apply(m_model->EndAdjustHitFactorEdit()); });
    connect(m_ui->txtHitPoints, &QLineEdit::textEdited, this, [this](const QString &text) {
        apply(m_model->SetHitPoints(toFileText(text)));
    });
    // A spinner sets its field's number, as if it had been typed.
    connect(m_ui->updAdjustHitFactor, &QSpinBox::valueChanged, this, [this](int value) {
        apply(m_model->SetAdjustHitFactor(std::to_string(value)));
    });
    connect(m_ui->updHitPoints, &QSpinBox::valueChanged, this, [this](int value) {
        apply(m_model->SetHitPoints(std::to_string(value)));
    });
    connect(m_ui->updLimitMissileAttack, &QSpinBox::valueChanged, this, [this](int value) {
        apply(m_model->SetShots(selectedRow(m_ui->lvwMissileWeaponsSelected), value));
    });
    // A click, or moving to a row with the keyboard, shows that row's shots.
    const auto showShots = [this](QTreeWidgetItem *item) {
        if (!item)
            return;
        m_model->ClickMissileRow(m_ui->lvwMissileWeaponsSelected->indexOfTopLevelItem(item));
        apply({});
    };
    connect(m_ui->lvwMissileWeaponsSelected, &QTreeWidget::itemClicked, this, showShots);
    connect(m_ui->lvwMissileWeaponsSelected, &QTreeWidget::currentItemChanged, this, showShots);

    for (const SeriesWidgets &w : seriesWidgets()) {
        const FigureSeries series = w.series;
        QTreeWidget *available = w.available;
        QTreeWidget *selected = w.selected;
        connect(w.add, &QPushButton::clicked, this, [this, series, available] {
            apply(m_model->Add(series, selectedRow(available)));
        });
        connect(w.remove, &QPushButton::clicked, this, [this, series, selected] {
            apply(m_model->Remove(series, selectedRow(selected)));
        });
        // Double-clicking an available row adds it, as Add would.
        connect(available, &QTreeWidget::itemDoubleClicked, w.add, &QPushButton::click);
    }

    // Leaving a typed field ends its edit: the next one is a new step.
    for (QLineEdit *field : {m_ui->txtFigureName, m_ui->txtImageFile, m_ui->txtAdjustHitFactor, m_ui->txtHitPoints})
        connect(field, &QLineEdit::editingFinished, this, [this] { m_model->EndFieldEdit(); });

    connect(m_ui->btnBrowse, &QPushButton::clicked, this, &frmFigure::browseImage);
    connect(m_ui->btnCard, &QPushButton::clicked, this, &frmFigure::openCard);
}

std::array<frmFigure::SeriesWidgets, 3> frmFigure::seriesWidgets() const
{
    return {{{FigureSeries::Melee, m_ui->lvwMeleeWeapons, m_ui->lvwMeleeWeaponsSelected,
              m_ui->btnAddMeleeWeapon, m_ui->btnRemoveMeleeWeapon},
             {FigureSeries::Missile, m_ui->lvwMissileWeapons, m_ui->lvwMissileWeaponsSelected,
              m_ui->btnAddMissileWeapon, m_ui->btnRemoveMissileWeapon},
             {FigureSeries::ExtraItem, m_ui->lvwExtraItems, m_ui->lvwExtraItemsSelected,
              m_ui->btnAddExtraItem, m_ui->btnRemoveExtraItem}}};
}

void frmFigure::apply(const Status &status)
{
    if (m_model->PictureRevision() != m_shownPictureRevision) {
        m_shownPictureRevision = m_model->PictureRevision();
        m_view->markPictureChanged();
    }
    m_view->show(*m_model);
    m_preview->show(*m_model);
    if (m_staleCost && m_model->Changed())
        m_staleCost->hide();
    shareListWidths();
    emit historyChanged();
    if (!status)
        report(status.failure());
}

void frmFigure::report(const Failure &failure)
{
    showFailure(*m_context.dialogs, this, failure, IDialogs::Icon::None, BoxTitle::Plain);
}

void frmFigure::browseImage()
{
    const std::optional<QString> path = m_context.dialogs->openFile(this, tr(kPictureFilter),
                                                                    m_context.picturesFolder);
    if (!path || path->isEmpty())
        return;
    // A file that cannot be read whole changes nothing.
    Result<QImage> read = readPictureFile(*path);
    if (!read) {
        report(read.failure());
        return;
    }
    QImage image = std::move(read).value();
    const PictureOffer offer = OfferPicture({image.width(), image.height()});
    if (offer.ask) {
        const IDialogs::Answer answer = m_context.dialogs->message(
            this, boxTitleText(BoxTitle::WithVersion), coreMessage(fromFileText(offer.question)),
            IDialogs::Buttons::YesNo, IDialogs::Icon::Question);
        if (answer == IDialogs::Answer::Yes)
            image = image.scaled(offer.scaled.width, offer.scaled.height, Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
        else if (answer != IDialogs::Answer::No || !offer.keepWhole)
            return;
    }
    m_model->ChoosePicture(toFileText(QFileInfo(*path).fileName()), pictureFromImage(image));
    apply({});
}

// The card's figure, or nothing after saying why the card cannot be made.
std::optional<clsFigure> frmFigure::cardFigure()
{
    Result<clsFigure> figure = BuildCardFigure(
        CardSourceFromEditor(m_model->Record(), m_model->FileName()),
        *m_context.tables);
    if (!figure) {
        showFailure(*m_context.dialogs, this, figure.failure(), IDialogs::Icon::Exclamation, BoxTitle::Plain);
        return std::nullopt;
    }
    return std::move(figure).value();
}

void frmFigure::openCard()
{
    const std::optional<clsFigure> figure = cardFigure();
    if (!figure)
        return;
    auto *card = new frmUnitCard(m_context);
    card->LoadFigure(*figure, imageFromPicture(m_model->Image()));
    card->setPictureProblem(m_model->PictureProblem());
    showChildWindow(card);
}

void frmFigure::printCards()
{
    const std::optional<clsFigure> figure = cardFigure();
    if (!figure)
        return;
    SheetCard card{UnitCardModel(cardDefaultFont()), m_model->Image(),
                   m_model->PictureProblem()};
    (void)card.card.LoadFigure(*figure, FontExists);
    CardSheetRequest request;
    request.build = [&card](const IDialogs::CardSheetChoice &choice) {
        return copiesJob(card, choice.copies);
    };
    runCardSheet(m_context, this, request);
}

bool frmFigure::writeDocument(const QString &path)
{
    Status saved;
    {
        const BusyPointer busy;
        saved = m_model->SaveTo(toFilePath(path));
    }
    apply(saved);
    // An unchanged figure stays unchanged when its save fails.
    return saved.ok() && !m_model->Changed();
}

DocumentWindow::SaveDialogFacts frmFigure::saveDialogFacts() const
{
    return {DocumentKind::Figure, m_context.figuresFolder(),
            fromFileText(m_model->ProposedFileName())};
}

void frmFigure::OpenFigure()
{
    const std::optional<QString> path = m_context.dialogs->openFile(
        this, QString::fromLatin1(kFigureFileFilter), m_context.figuresFolder());
    if (!path || path->isEmpty())
        return;
    openFigureFile(*path);
}

void frmFigure::openFigureFile(const QString &path)
{
    std::vector<Failure> notices;
    {
        const BusyPointer busy;
        notices = m_model->Open(toFilePath(path));
        m_view->markPictureChanged();
        apply({});
        shareListWidths();
    }
    showStaleCostHint(toFilePath(path));
    for (const Failure &notice : notices)
        report(notice);
    // A refused file leaves the editor unbound; a new editor is not kept.
    m_openRefused = m_model->FileName().empty() && !notices.empty();
    // Missing choices are reported but the figure is open; a load failure is not.
    const bool failed = std::any_of(notices.begin(), notices.end(),
                                    [](const Failure &notice) {
                                        return notice.StoppedLoading();
                                    });
    if (!failed)
        emit documentFileUsed(path);
}

void frmFigure::renderPrintout(QPrinter &printer)
{
    printFigureReportOn(this, *m_context.dialogs, printer,
                        FigureReportFrom(m_model->Record()));
}

void frmFigure::Export()
{
    exportFigureReport(this, *m_context.dialogs, FigureReportFrom(m_model->Record()));
}

QString frmFigure::documentName() const
{
    return fromFileText(m_model->Record().txtFigureName);
}

QString frmFigure::documentPath() const
{
    return fromFilePath(m_model->FileName());
}

bool frmFigure::documentChanged() const
{
    return m_model->Changed();
}

DocumentWindow::CloseQuestion frmFigure::closeQuestion() const
{
    return {BoxTitle::WithVersion, tr("Figure changes not saved!\r\nSave them now?")};
}

const EditSteps *frmFigure::editSteps() const
{
    return m_model.get();
}

void frmFigure::undo()
{
    apply(m_model->Undo());
}

void frmFigure::redo()
{
    apply(m_model->Redo());
}

} // namespace tarvello
