#include "frmarmy.h"
#include "platform/failurebox.h"
#include "print/qtprinterpage.h"
#include "ui_frmarmy.h"

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
#include "platform/closeprompt.h"

#include <QMdiSubWindow>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace tarvello {

namespace {

const QString kFolderTitle = QStringLiteral("Select your Windows\\System\\ directory");

// The window's size in twips, converted at the screen's resolution.
constexpr int kWidthTwips = 11010;
constexpr int kHeightTwips = 10020;

template<std::size_t N>
QStringList Texts(const std::array<std::string_view, N> &texts)
{
    QStringList list;
    for (const std::string_view text : texts)
        list.append(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    return list;
}

// The row's fields with the added texts inserted one after the other from
// column at (the "Now" column after the cost, and a line's points).
template<std::size_t N>
QStringList RowTexts(const std::array<std::string, N> &fields, std::size_t at,
                     const QStringList &added)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(N) + added.size());
    for (const std::string &field : fields)
        texts.append(ShownFileText(field));
    for (qsizetype i = 0; i < added.size(); ++i)
        texts.insert(static_cast<qsizetype>(at) + i, added[i]);
    return texts;
}

template<std::size_t N>
QStringList HeadersWithNow(const std::array<std::string_view, N> &texts, std::size_t now)
{
    QStringList list = Texts(texts);
    list.insert(static_cast<qsizetype>(now), QStringLiteral("Now"));
    return list;
}

int SelectedRow(const QTreeWidget *list)
{
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
}

// A box shows a text longer than a widget is given cut short and read-only,
// so that typing cannot replace the whole by the part shown.
void showLongText(QLineEdit *box, const std::string &text)
{
    const QString shown = ShownFileText(text);
    if (box->text() != shown)
        box->setText(shown);
    box->setReadOnly(!tarvello::IsShownWhole(text));
}

// The number a box shows, as its spinner can hold it.
void ShowNumber(QLineEdit *box, QSpinBox *spinner, const std::string &text)
{
    const QString shown = FromFileText(text);
    if (box->text() != shown)
        box->setText(shown);
    const QSignalBlocker blocker(spinner);
    spinner->setValue(shown.toInt());
}

} // namespace

frmArmy::frmArmy(AppContext &context, QWidget *parent)
    : ChildWindow(parent)
    , m_context(context)
    , m_ui(std::make_unique<Ui::frmArmy>())
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_ui->setupUi(this);
    setObjectName(FormObjectName(WindowForm::Army));
    const QString folder = QDir::toNativeSeparators(context.figuresFolder());
    m_model = std::make_unique<tarvello::ArmyModel>(ToFileText(folder),
                                                    tarvello::GetDecimalSeparator().front());
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
    return TwipsToPixels(this, kWidthTwips, kHeightTwips);
}

void frmArmy::showEvent(QShowEvent *event)
{
    ChildWindow::showEvent(event);
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (m_sized || !frame || !frame->mdiArea())
        return;
    m_sized = true;
    SizeInArea(frame, sizeHint() + (frame->size() - size()));
}

void frmArmy::setUpLists()
{
    m_ui->lvwUnits->setHeaderLabels(HeadersWithNow(tarvello::kSummaryHeaders, kAvailableNow));
    QStringList unitHeaders = HeadersWithNow(tarvello::kUnitHeaders, kUnitNow);
    unitHeaders.insert(static_cast<qsizetype>(kUnitPoints), QStringLiteral("Points"));
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
}

void frmArmy::connectReactions()
{
    connect(m_ui->txtArmyName, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_model->SetArmyName(ToFileText(text));
        apply({});
    });
    connect(m_ui->txtUnitDirectory, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_model->SetUnitDirectory(ToFileText(text));
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
    connect(m_ui->btnPrintCards, &QPushButton::clicked, this, &frmArmy::PrintCards);
    m_ui->txtPointsLimit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(tarvello::kPointsLimitDigits)),
        m_ui->txtPointsLimit));
    connect(m_ui->txtPointsLimit, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_model->SetPointsLimit(ToFileText(text));
        apply({});
    });
    connect(m_ui->txtPointsLimit, &QLineEdit::editingFinished, this,
            [this] { m_model->EndFieldEdit(); });
}

void frmArmy::connectUnitReactions()
{
    const auto select = [this] {
        const int row = SelectedRow(m_ui->lvwSelectedUnits);
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

void frmArmy::apply(const tarvello::Status &status)
{
    setWindowTitle(ShownFileText(m_model->Caption()));
    showLongText(m_ui->txtArmyName, m_model->ArmyName());
    showLongText(m_ui->txtUnitDirectory, m_model->UnitDirectory());
    m_ui->txtArmyCost->setText(FromFileText(m_model->ArmyCost()));
    showLimit();
    showLists();
    showBoxes();
    emit historyChanged();
    if (!status.ok())
        ShowFailure(*m_context.dialogs, this, status.failure(), IDialogs::Icon::None, BoxTitle::Plain);
}

void frmArmy::showLists()
{
    m_showing = true;
    if (m_shownAvailable != m_model->AvailableRevision()) {
        m_shownAvailable = m_model->AvailableRevision();
        m_shownUnits = ~0ull;
        checkCosts();
        m_availableTexts.clear();
        m_availableTexts.reserve(m_model->Available().size());
        for (std::size_t i = 0; i < m_model->Available().size(); ++i) {
            m_availableTexts.push_back(
                RowTexts(m_model->Available()[i].fields, kAvailableNow, {availableNow(i)}));
        }
        showAvailable();
    }
    QTreeWidget *units = m_ui->lvwSelectedUnits;
    if (m_shownUnits != m_model->UnitsRevision()) {
        m_shownUnits = m_model->UnitsRevision();
        QList<QTreeWidgetItem *> rows;
        for (std::size_t i = 0; i < m_model->Units().size(); ++i) {
            const tarvello::ArmyUnit &unit = m_model->Units()[i];
            const QString points = FromFileText(
                tarvello::LinePointsText(unit, m_model->DecimalMark()));
            rows.append(new QTreeWidgetItem(RowTexts(unit.fields, kUnitNow, {unitNow(i), points})));
        }
        units->clear();
        units->addTopLevelItems(rows);
    }
    const int selected = m_model->SelectedUnit();
    if (selected != SelectedRow(units)) {
        units->clearSelection();
        if (QTreeWidgetItem *item = units->topLevelItem(selected)) {
            units->setCurrentItem(item);
            item->setSelected(true);
        }
    }
    m_showing = false;
}

void frmArmy::showBoxes()
{
    ShowNumber(m_ui->txtUnitsToAdd, m_ui->updUnitsToAdd, m_model->UnitsToAdd());
    ShowNumber(m_ui->txtUnitSizeAdd, m_ui->updUnitSizeAdd, m_model->UnitSizeAdd());
    ShowNumber(m_ui->txtUnitCount, m_ui->updUnitCount, m_model->UnitCount());
    ShowNumber(m_ui->txtUnitSize, m_ui->updUnitSize, m_model->UnitSize());
}

void frmArmy::browse()
{
    const std::optional<QString> folder = m_context.dialogs->folder(this, kFolderTitle,
                                                                    m_ui->txtUnitDirectory->text());
    if (!folder || folder->isEmpty())
        return;
    // A failure inside Browse ends it without a message.
    (void)m_model->Browse(ToFileText(QDir::toNativeSeparators(*folder)));
    apply({});
}

bool frmArmy::writeTo(const std::string &path)
{
    const tarvello::Status written = m_model->WriteArmy(path);
    apply(written);
    if (written.ok()) {
        emit documentFileUsed(FromFilePath(path));
        emit documentSaved(FromFilePath(path));
    }
    return written.ok();
}

bool frmArmy::saveAsDialog()
{
    // Beside its figures: the army's figure directory.
    const std::optional<QString> path = m_context.dialogs->saveFile(
        this, QString::fromLatin1(tarvello::kArmyFileFilter),
        FromFilePath(tarvello::FolderPath(m_model->UnitDirectory())),
        FromFileText(m_model->ProposedFileName()), true);
    if (!path || path->isEmpty())
        return false;
    m_model->SetFileName(ToFilePath(*path));
    return writeTo(m_model->FileName());
}

bool frmArmy::saveArmy()
{
    if (m_model->FileName().empty())
        return saveAsDialog();
    return writeTo(m_model->FileName());
}

void frmArmy::Save()
{
    saveArmy();
}

void frmArmy::SaveAs()
{
    saveAsDialog();
}

void frmArmy::OpenArmy()
{
    const std::optional<QString> path = m_context.dialogs->openFile(
        this, QString::fromLatin1(tarvello::kArmyFileFilter), m_context.figuresFolder());
    if (!path || path->isEmpty())
        return;
    OpenArmyFile(*path);
}

void frmArmy::OpenArmyFile(const QString &path)
{
    const tarvello::Status opened = m_model->Open(ToFilePath(path));
    apply(opened);
    if (const std::string notice = m_model->NegativeValuesNotice(); !notice.empty())
        m_context.dialogs->message(this, QString::fromStdString(tarvello::AppTitle()),
                                   FromFileText(notice), IDialogs::Buttons::Ok,
                                   IDialogs::Icon::Exclamation);
    if (opened.ok())
        emit documentFileUsed(path);
}

void frmArmy::renderPrintout(QPrinter &printer)
{
    // A failure ends the printout without a message.
    QtPrinterPage page(printer);
    (void)tarvello::PrintArmyReport(page, m_model->ReportData(), m_model->DecimalMark());
}

void frmArmy::PrintIt()
{
    if (!m_context.printSetup || !m_context.printSetup() || !m_context.printer)
        return;
    renderPrintout(*m_context.printer);
}

// One card per line or per unit, each from its figure file in the figure
// directory.
void frmArmy::PrintCards()
{
    if (!m_context.tables)
        return;
    const std::vector<tarvello::ArmyUnit> units = m_model->Units();
    const std::string folder = tarvello::FolderPath(m_model->UnitDirectory());
    const tarvello::RulesTables &tables = *m_context.tables;
    CardSheetRequest request;
    request.forArmy = true;
    request.lineCards = tarvello::ArmySheetCards(units, false);
    request.unitCards = tarvello::ArmySheetCards(units, true);
    request.figureCards = tarvello::ArmyFigureCards(units);
    request.roster = tarvello::RosterOf(m_model->ArmyName(), m_model->ArmyCost(),
                                        m_model->PointsLimit(), units, m_model->DecimalMark());
    request.build = [&](const IDialogs::CardSheetChoice &choice) {
        tarvello::CardSheetJob job = tarvello::BuildArmySheetJob(
            units, choice.perUnit && !choice.perFigure, folder, tables, FontExists,
            CardDefaultFont());
        if (choice.perFigure)
            tarvello::KeepOneCardPerFigure(job);
        return job;
    };
    RunCardSheet(m_context, this, request);
}

void frmArmy::Export()
{
    const tarvello::Result<std::string> text = m_model->ExportText();
    // A report that cannot be formed puts nothing on the clipboard.
    if (!text.ok())
        return;
    QApplication::clipboard()->setText(FromFileText(text.value()));
    m_context.dialogs->message(this, BoxTitleText(BoxTitle::WithVersion),
                               QStringLiteral("Army data has been exported to the clipboard."),
                               IDialogs::Buttons::Ok, IDialogs::Icon::Information);
}

bool frmArmy::QueryClose()
{
    if (!m_model->Changed())
        return true;
    return AskToSaveBeforeClose(*m_context.dialogs, this,
                                BoxTitleText(BoxTitle::WithVersion),
                                QStringLiteral("Army changes not saved!\r\nSave them now?"),
                                [this] { return saveArmy(); });
}

const EditSteps *frmArmy::editSteps() const
{
    return m_model.get();
}

void frmArmy::undo()
{
    apply(m_model->Undo());
}

void frmArmy::redo()
{
    apply(m_model->Redo());
}

} // namespace tarvello
