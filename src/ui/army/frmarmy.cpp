#include "frmarmy.h"
#include "platform/failurebox.h"
#include "print/qtprinterpage.h"
#include "ui_frmarmy.h"
#include "platform/noticebar.h"

#include "army/armyfile.h"
#include "army/armymodel.h"
#include "army/armypoints.h"
#include "army/figuresummary.h"
#include "card/cardsheetprint.h"
#include "card/qtcardtarget.h"
#include "platform/areasizing.h"
#include "platform/idialogs.h"
#include "platform/modfunctions.h"
#include "platform/screentwips.h"
#include "platform/showntext.h"
#include "platform/uitext.h"

#include <QMdiSubWindow>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QSignalBlocker>

namespace tarvello {

namespace {

const char *const kFolderTitle = QT_TRANSLATE_NOOP("tarvello::frmArmy", "Select your Windows\\System\\ directory");

// The window's size in twips, converted at the screen's resolution.
constexpr int kWidthTwips = 11010;
constexpr int kHeightTwips = 10020;

template<std::size_t N>
QStringList textList(const std::array<std::string_view, N> &texts)
{
    QStringList list;
    for (const std::string_view text : texts)
        list.append(coreText(text));
    return list;
}

// The row's fields with the added texts inserted one after the other from
// column at (the "Now" column after the cost, and a line's points).
template<std::size_t N>
QStringList rowTexts(const std::array<std::string, N> &fields, std::size_t at,
                     const QStringList &added)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(N) + added.size());
    for (const std::string &field : fields)
        texts.append(shownFileText(field));
    for (qsizetype i = 0; i < added.size(); ++i)
        texts.insert(static_cast<qsizetype>(at) + i, added[i]);
    return texts;
}

template<std::size_t N>
QStringList headersWithNow(const std::array<std::string_view, N> &texts, std::size_t now)
{
    QStringList list = textList(texts);
    list.insert(static_cast<qsizetype>(now), QCoreApplication::translate("Core", "Now"));
    return list;
}

int selectedRow(const QTreeWidget *list)
{
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
}

// A box shows a text longer than a widget is given cut short and read-only,
// so that typing cannot replace the whole by the part shown.
void showLongText(QLineEdit *box, const std::string &text)
{
    const QString shown = shownFileText(text);
    if (box->text() != shown)
        box->setText(shown);
    box->setReadOnly(!IsShownWhole(text));
}

// The number a box shows, as its spinner can hold it.
void showNumber(QLineEdit *box, QSpinBox *spinner, const std::string &text)
{
    const QString shown = fromFileText(text);
    if (box->text() != shown)
        box->setText(shown);
    const QSignalBlocker blocker(spinner);
    spinner->setValue(shown.toInt());
}

} // namespace

frmArmy::frmArmy(AppContext &context, QWidget *parent)
    : DocumentWindow(context, parent)
    , m_ui(std::make_unique<Ui::frmArmy>())
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_ui->setupUi(this);
    setForm(WindowForm::Army);
    const QString folder = QDir::toNativeSeparators(context.figuresFolder());
    m_model = std::make_unique<ArmyModel>(toFileText(folder),
                                                    GetDecimalSeparator().front());
    setUpColumns();
    setUpLists();
    setUpSpinners();
    setUpTips();
    resize(sizeHint());
    connectReactions();
    connectFinding();
    connectUnitReactions();
    connectCostReactions();
    apply({});
}

frmArmy::~frmArmy() = default;

QSize frmArmy::sizeHint() const
{
    return twipsToPixels(this, kWidthTwips, kHeightTwips);
}

void frmArmy::showEvent(QShowEvent *event)
{
    ChildWindow::showEvent(event);
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (m_sized || !frame || !frame->mdiArea())
        return;
    m_sized = true;
    sizeInArea(frame, sizeHint() + (frame->size() - size()));
}

void frmArmy::setUpLists()
{
    m_ui->lvwUnits->setHeaderLabels(headersWithNow(kSummaryHeaders, kAvailableNow));
    QStringList unitHeaders = headersWithNow(kUnitHeaders, kUnitNow);
    unitHeaders.insert(static_cast<qsizetype>(kUnitPoints), QCoreApplication::translate("Core", "Points"));
    m_ui->lvwSelectedUnits->setHeaderLabels(unitHeaders);
    for (QTreeWidget *list : {m_ui->lvwUnits, m_ui->lvwSelectedUnits})
        list->header()->setSectionsMovable(false);
}

void frmArmy::setUpSpinners()
{
    const auto bounds = [](QSpinBox *spinner, int minimum, int maximum) {
        spinner->setRange(minimum, maximum);
        spinner->setSingleStep(1);
    };
    bounds(m_ui->updUnitsToAdd, 1, 1000);
    bounds(m_ui->updUnitSizeAdd, 1, 24);
    bounds(m_ui->updUnitCount, 0, 1000);
    bounds(m_ui->updUnitSize, 1, 1000);
    // The keys and the wheel in a box step its spinner, as a click would.
    m_ui->updUnitsToAdd->bindField(m_ui->txtUnitsToAdd);
    m_ui->updUnitSizeAdd->bindField(m_ui->txtUnitSizeAdd);
    m_ui->updUnitCount->bindField(m_ui->txtUnitCount);
    m_ui->updUnitSize->bindField(m_ui->txtUnitSize);
    // A count of 0 deletes the line: only a single step down from 1 does.
    m_ui->updUnitCount->setCoarseStepFloor(1);
}

void frmArmy::connectReactions()
{
    connect(m_ui->txtArmyName, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_model->SetArmyName(toFileText(text));
        apply({});
    });
    connect(m_ui->txtUnitDirectory, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_model->SetUnitDirectory(toFileText(text));
        apply({});
    });
    // Leaving a typed box ends its edit: the next one is a new step.
    for (QLineEdit *box : {m_ui->txtArmyName, m_ui->txtUnitDirectory})
        connect(box, &QLineEdit::editingFinished, this, [this] { m_model->EndFieldEdit(); });
    connect(m_ui->btnBrowse, &QPushButton::clicked, this, &frmArmy::browse);
    // A folder that cannot be listed shows an empty list, without a message.
    connect(m_ui->btnRefresh, &QPushButton::clicked, this, [this] {
        (void)m_model->ScanFigures();
        apply({});
    });
    connect(m_ui->updUnitsToAdd, &QSpinBox::valueChanged, this, [this](int value) {
        m_model->SetUnitsToAdd(std::to_string(value));
        apply({});
    });
    connect(m_ui->updUnitSizeAdd, &QSpinBox::valueChanged, this, [this](int value) {
        m_model->SetUnitSizeAdd(std::to_string(value));
        apply({});
    });
    connect(m_ui->btnAddUnits, &QPushButton::clicked, this,
            [this] { apply(m_model->Add(selectedFigure())); });
    connect(m_ui->lvwUnits, &QTreeWidget::itemDoubleClicked, m_ui->btnAddUnits,
            &QPushButton::click);
    connect(m_ui->btnRemoveUnits, &QPushButton::clicked, this,
            [this] { apply(m_model->Remove()); });
    connect(m_ui->btnPrintCards, &QPushButton::clicked, this, &frmArmy::printCards);
    // A text that is no limit stays as typed, marked, and the limit stays as
    // it was; leaving the box shows the limit again.
    connect(m_ui->txtPointsLimit, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_limitRefused = !m_model->SetPointsLimit(toFileText(text));
        apply({});
    });
    connect(m_ui->txtPointsLimit, &QLineEdit::editingFinished, this, [this] {
        m_limitRefused = false;
        m_model->EndFieldEdit();
        apply({});
    });
}

void frmArmy::connectUnitReactions()
{
    const auto select = [this] {
        const int row = selectedRow(m_ui->lvwSelectedUnits);
        if (!m_showing && row >= 0)
            apply(m_model->SelectUnit(row));
    };
    connect(m_ui->lvwSelectedUnits, &QTreeWidget::itemSelectionChanged, this, select);
    connect(m_ui->lvwSelectedUnits, &QTreeWidget::itemClicked, this, select);
    connect(m_ui->updUnitCount, &QSpinBox::valueChanged, this, [this](int value) {
        apply(m_model->SetUnitCount(std::to_string(value)));
    });
    connect(m_ui->updUnitSize, &QSpinBox::valueChanged, this, [this](int value) {
        apply(m_model->SetUnitSize(std::to_string(value)));
    });
}

void frmArmy::apply(const Status &status)
{
    setWindowTitle(coreMessage(shownFileText(m_model->Caption())));
    showLongText(m_ui->txtArmyName, m_model->ArmyName());
    showLongText(m_ui->txtUnitDirectory, m_model->UnitDirectory());
    m_ui->txtArmyCost->setText(fromFileText(m_model->ArmyCost()));
    showLimit();
    showLists();
    showBoxes();
    showComposition();
    emit historyChanged();
    if (!status.ok())
        showFailure(*m_context.dialogs, this, status.failure(), IDialogs::Icon::None, BoxTitle::Plain);
}

void frmArmy::showLists()
{
    m_showing = true;
    if (m_shownAvailable != m_model->AvailableRevision()) {
        m_shownAvailable = m_model->AvailableRevision();
        m_shownUnits = ~0ull;
        if (m_figuresNotice) // the list is read anew
            m_figuresNotice->hide();
        checkCosts();
        m_availableTexts.clear();
        m_availableTexts.reserve(m_model->Available().size());
        for (std::size_t i = 0; i < m_model->Available().size(); ++i) {
            m_availableTexts.push_back(
                rowTexts(m_model->Available()[i].fields, kAvailableNow, {availableNow(i)}));
        }
        // A scan lists the folder anew: its rows are other figures than the
        // ones of the same places before, so none stays chosen.
        m_ui->lvwUnits->clear();
        showAvailable();
    }
    QTreeWidget *units = m_ui->lvwSelectedUnits;
    if (m_shownUnits != m_model->UnitsRevision()) {
        // A count or size changed in place: only its row follows.
        const int line = m_model->ChangedLine();
        QTreeWidgetItem *changed = m_shownUnits + 1 == m_model->UnitsRevision() && line >= 0
                                       ? units->topLevelItem(line)
                                       : nullptr;
        m_shownUnits = m_model->UnitsRevision();
        if (changed) {
            const QStringList texts = unitRowTexts(static_cast<std::size_t>(line));
            for (int column = 0; column < texts.size(); ++column) {
                if (changed->text(column) != texts[column])
                    changed->setText(column, texts[column]);
            }
        } else {
            QList<QTreeWidgetItem *> rows;
            for (std::size_t i = 0; i < m_model->Units().size(); ++i)
                rows.append(new QTreeWidgetItem(unitRowTexts(i)));
            units->clear();
            units->addTopLevelItems(rows);
        }
    }
    const int selected = m_model->SelectedUnit();
    if (selected != selectedRow(units)) {
        units->clearSelection();
        if (QTreeWidgetItem *item = units->topLevelItem(selected)) {
            units->setCurrentItem(item);
            item->setSelected(true);
        }
    }
    m_showing = false;
}

QStringList frmArmy::unitRowTexts(std::size_t line) const
{
    const ArmyUnit &unit = m_model->Units()[line];
    const QString points = fromFileText(LinePointsText(unit, m_model->DecimalMark()));
    return rowTexts(unit.fields, kUnitNow, {unitNow(line), points});
}

void frmArmy::showBoxes()
{
    showNumber(m_ui->txtUnitsToAdd, m_ui->updUnitsToAdd, m_model->UnitsToAdd());
    showNumber(m_ui->txtUnitSizeAdd, m_ui->updUnitSizeAdd, m_model->UnitSizeAdd());
    showNumber(m_ui->txtUnitCount, m_ui->updUnitCount, m_model->UnitCount());
    showNumber(m_ui->txtUnitSize, m_ui->updUnitSize, m_model->UnitSize());
}

void frmArmy::browse()
{
    const std::optional<QString> folder = m_context.dialogs->folder(this, tr(kFolderTitle),
                                                                    m_ui->txtUnitDirectory->text());
    if (!folder || folder->isEmpty())
        return;
    // A failure inside Browse ends it without a message.
    (void)m_model->Browse(toFileText(QDir::toNativeSeparators(*folder)));
    apply({});
}

bool frmArmy::writeDocument(const QString &path)
{
    m_model->SetFileName(toFilePath(path));
    const Status written = m_model->WriteArmy(m_model->FileName());
    apply(written);
    return written.ok();
}

// Beside its figures: the army's figure directory.
DocumentWindow::SaveDialogFacts frmArmy::saveDialogFacts() const
{
    return {DocumentKind::Army, fromFilePath(FolderPath(m_model->UnitDirectory())),
            fromFileText(m_model->ProposedFileName())};
}

bool frmArmy::mayOverwrite()
{
    if (!m_model->ReadIncompletely())
        return true;
    return m_context.dialogs->message(
               this, boxTitleText(BoxTitle::WithVersion),
               tr("This army was not read completely; saving replaces the file with "
               "what is shown. Save anyway?"),
               IDialogs::Buttons::YesNo, IDialogs::Icon::Question)
           == IDialogs::Answer::Yes;
}

void frmArmy::OpenArmy()
{
    const std::optional<QString> path = m_context.dialogs->openFile(
        this, QString::fromLatin1(kArmyFileFilter), m_context.figuresFolder());
    if (!path || path->isEmpty())
        return;
    openArmyFile(*path);
}

void frmArmy::openArmyFile(const QString &path)
{
    const Status opened = m_model->Open(toFilePath(path));
    apply(opened);
    for (const std::string &notice : {m_model->PointsLimitNotice(), m_model->NegativeValuesNotice()}) {
        if (!notice.empty())
            m_context.dialogs->message(this, QString::fromStdString(AppTitle()),
                                       coreMessage(fromFileText(notice)), IDialogs::Buttons::Ok,
                                       IDialogs::Icon::Exclamation);
    }
    if (opened.ok())
        emit documentFileUsed(path);
}

void frmArmy::renderPrintout(QPrinter &printer)
{
    // A failure ends the printout without a message.
    QtPrinterPage page(printer);
    (void)PrintArmyReport(page, m_model->ReportData(), m_model->DecimalMark());
}

// One card per line or per unit, each from its figure file in the figure
// directory.
void frmArmy::printCards()
{
    if (!m_context.tables)
        return;
    const CardSheetRequest request = armyCardSheetRequest(*m_model, *m_context.tables);
    runCardSheet(m_context, this, request);
}

void frmArmy::Export()
{
    const Result<std::string> text = m_model->ExportText();
    // A report that cannot be formed puts nothing on the clipboard.
    if (!text.ok())
        return;
    QApplication::clipboard()->setText(fromFileText(text.value()));
    m_context.dialogs->message(this, boxTitleText(BoxTitle::WithVersion),
                               tr("Army data has been exported to the clipboard."),
                               IDialogs::Buttons::Ok, IDialogs::Icon::Information);
}

QString frmArmy::documentName() const
{
    return fromFileText(m_model->ArmyName());
}

QString frmArmy::documentPath() const
{
    return fromFilePath(m_model->FileName());
}

bool frmArmy::documentChanged() const
{
    return m_model->Changed();
}

DocumentWindow::CloseQuestion frmArmy::closeQuestion() const
{
    return {BoxTitle::WithVersion, tr("Army changes not saved!\r\nSave them now?")};
}

const EditSteps *frmArmy::editSteps() const
{
    return m_model.get();
}

void frmArmy::undo()
{
    apply(m_model->Undo());
    showFileRestore();
}

void frmArmy::redo()
{
    apply(m_model->Redo());
    showFileRestore();
}

} // namespace tarvello
