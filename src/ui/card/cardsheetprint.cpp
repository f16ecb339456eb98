#include "cardsheetprint.h"
#include "platform/failurebox.h"

#include "cardbitmaps.h"
#include "cardimages.h"
#include "cardrender.h"
#include "cardsheetdialog.h"
#include "qtcardtarget.h"

#include "army/armymodel.h"
#include "army/figuresummary.h"

#include "platform/pictureconvert.h"
#include "platform/busypointer.h"
#include "platform/childwindow.h"
#include "print/documentname.h"
#include "platform/modfunctions.h"
#include "platform/uitext.h"
#include "platform/twips.h"

#include <QApplication>
#include <QFontInfo>
#include <QPainter>
#include <QPrinter>

#include <optional>

namespace tarvello {

namespace {

// Pages of a printer for PrintCardSheets: one QtCardTarget whose figure
// picture is switched to the card about to be drawn.
class QtCardSheetPrinter : public ICardSheetPrinter
{
public:
    QtCardSheetPrinter(QPrinter &printer, QPainter &painter, const CardSheetJob &job)
        : m_printer(printer)
        , m_painter(painter)
    {
        m_pictures.logo = cardLogoImage();
        m_pictures.credit = cardCreditImage();
        for (const SheetCard &card : job.cards)
            m_figures.push_back(card.card.HasPicture() ? imageFromPicture(card.picture) : QImage());
        m_target.emplace(painter, true, m_pictures, m_lineWidth);
    }

    ICardTarget &Page() override { return *m_target; }
    void UseCardPicture(std::size_t card) override { m_pictures.figure = m_figures.at(card); }
    void NewPage() override { m_printer.newPage(); }
    void ClipTo(const CardRect *rect) override
    {
        if (!rect) {
            m_painter.setClipping(false);
            return;
        }
        const double x = 1.0 / TwipsPerPixel(m_painter.device()->logicalDpiX());
        const double y = 1.0 / TwipsPerPixel(m_painter.device()->logicalDpiY());
        m_painter.setClipRect(QRectF(rect->Left * x, rect->Top * y, rect->Width * x, rect->Height * y));
    }

private:
    QPrinter &m_printer;
    QPainter &m_painter;
    QtCardTarget::Pictures m_pictures;
    std::vector<QImage> m_figures;
    int m_lineWidth = 1;
    std::optional<QtCardTarget> m_target;
};

int toTwips(double points)
{
    return qRound(points * 20.0);
}

void notice(AppContext &context, QWidget *parent, const std::string &text)
{
    context.dialogs->message(parent, boxTitleText(BoxTitle::WithVersion),
                             fromMessageText(text), IDialogs::Buttons::Ok,
                             IDialogs::Icon::Exclamation);
}

// "Save as Images...": the job's cards as PNG files in folder; what could
// not be written or gave no card is named in one message.
void saveCardImages(AppContext &context, QWidget *parent, const CardSheetJob &job,
                    const QString &folder, bool deck)
{
    CardImagesWritten written;
    {
        const BusyPointer busy;
        written = writeCardImages(job, folder, kCardImageDpi, deck);
    }
    std::string lines;
    for (const Failure &failure : written.failures)
        lines += (lines.empty() ? "" : "\r\n") + failure.Message();
    for (const SkippedLine &line : job.skipped)
        lines += (lines.empty() ? "" : "\r\n") + line.figure + " (" + line.reason + ")";
    if (!lines.empty())
        notice(context, parent, lines);
}

} // namespace

SheetArea sheetAreaOf(const QPrinter &printer)
{
    const QPageLayout layout = printer.pageLayout();
    const QRectF paper = layout.fullRectPoints();
    const QRectF printable = layout.paintRectPoints();
    return {toTwips(paper.width()), toTwips(paper.height()), toTwips(printable.left()),
            toTwips(printable.top()), toTwips(printable.width()), toTwips(printable.height())};
}

bool renderCardSheets(QPrinter &printer, const CardSheetJob &job,
                      const ArmyRoster *roster)
{
    return renderCardSheets(printer, job,
                            roster ? std::vector<ArmyRoster>{*roster} : std::vector<ArmyRoster>());
}

bool renderCardSheets(QPrinter &printer, const CardSheetJob &job,
                      const std::vector<ArmyRoster> &rosters)
{
    const SheetArea area = sheetAreaOf(printer);
    const CardSheetLayout layout = LayoutCardSheet(area);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QtCardSheetPrinter pages(printer, painter, job);
    for (std::size_t i = 0; i < rosters.size(); ++i) {
        PrintRosterPages(pages, area, rosters[i], cardDefaultFont());
        if (i + 1 < rosters.size() || !job.order.empty())
            pages.NewPage();
    }
    PrintCardSheets(pages, layout, job.Scenes(kCardCreditWidth, kCardCreditHeight),
                              job.order);
    return painter.end();
}

CardSheetRequest armyCardSheetRequest(const ArmyModel &army, const RulesTables &tables)
{
    const std::vector<ArmyUnit> units = army.Units().Vector();
    CardSheetRequest request;
    request.forArmy = true;
    request.lineCards = ArmySheetCards(units, false);
    request.unitCards = ArmySheetCards(units, true);
    request.figureCards = ArmyFigureCards(units);
    request.roster = RosterOf(army.ArmyName(), army.ArmyCost(), army.PointsLimit(), units,
                              army.DecimalMark());
    request.roster->bar = army.CompositionBar();
    request.build = [units, folder = FolderPath(army.UnitDirectory()),
                     &tables](const IDialogs::CardSheetChoice &choice) {
        CardSheetJob job = BuildArmySheetJob(units, choice.perUnit && !choice.perFigure, folder,
                                             tables, FontExists, cardDefaultFont());
        if (choice.perFigure)
            KeepOneCardPerFigure(job);
        return job;
    };
    return request;
}

void appendCardSheetJob(CardSheetJob &job, CardSheetJob more)
{
    const std::size_t offset = job.cards.size();
    for (SheetCard &card : more.cards)
        job.cards.push_back(std::move(card));
    for (const std::size_t card : more.order)
        job.order.push_back(offset + card);
    job.skipped.insert(job.skipped.end(), more.skipped.begin(), more.skipped.end());
    job.withoutPicture.insert(job.withoutPicture.end(), more.withoutPicture.begin(),
                              more.withoutPicture.end());
}

CardSheetJob copiesJob(SheetCard card, int copies)
{
    CardSheetJob job;
    if (!card.pictureProblem.empty())
        job.withoutPicture.push_back({card.card.figure().Name, card.pictureProblem});
    job.cards.push_back(std::move(card));
    job.order.assign(static_cast<std::size_t>(std::max(0, copies)), 0);
    return job;
}

std::string cardDefaultFont()
{
    return toFileText(QFontInfo(QApplication::font()).family());
}

void runCardSheet(AppContext &context, QWidget *parent, const CardSheetRequest &request)
{
    if (!context.dialogs || !context.printer || !request.build)
        return;
    const int perPage = LayoutCardSheet(sheetAreaOf(*context.printer)).PerPage();
    IDialogs::CardSheetQuestion question;
    question.forArmy = request.forArmy;
    question.lineCards = request.lineCards;
    question.unitCards = request.unitCards;
    question.figureCards = request.figureCards;
    if (request.roster)
        question.rosterPages = RosterPageCount(*request.roster,
                                                         sheetAreaOf(*context.printer).height);
    if (request.roster && request.roster->bar) {
        ArmyRoster plain = *request.roster;
        plain.bar.reset();
        question.rosterBarPages = question.rosterPages;
        question.rosterPages = RosterPageCount(plain, sheetAreaOf(*context.printer).height);
    }
    question.perPage = perPage;
    question.countText = [perPage](std::int64_t cards) {
        return coreMessage(QString::fromStdString(SheetCountText(cards, perPage)));
    };
    const std::optional<IDialogs::CardSheetChoice> choice = context.dialogs->cardSheet(parent,
                                                                                      question);
    if (!choice)
        return;
    const std::int64_t cards = chosenCards(question, *choice);
    if (const std::string refused = SheetJobLimitNotice(cards, perPage);
        !refused.empty()) {
        notice(context, parent, refused);
        return;
    }
    std::optional<QString> imageFolder;
    if (choice->saveImages) {
        imageFolder = context.dialogs->folder(parent, QStringLiteral("Save as Images"),
                                              context.figuresFolder());
        if (!imageFolder || imageFolder->isEmpty())
            return;
    }
    CardSheetJob job;
    {
        const BusyPointer busy;
        job = request.build(*choice);
    }
    if (imageFolder) {
        saveCardImages(context, parent, job, *imageFolder, choice->deck);
        return;
    }
    // The bar goes on the roster only when asked for.
    std::optional<ArmyRoster> chosenRoster;
    if (choice->roster && request.roster) {
        chosenRoster = *request.roster;
        if (!choice->rosterBar)
            chosenRoster->bar.reset();
    }
    const ArmyRoster *roster = chosenRoster ? &*chosenRoster : nullptr;
    if (!job.order.empty() || roster) {
        const auto *window = qobject_cast<const ChildWindow *>(parent);
        const QString name = window ? window->documentName() : QString();
        if (choice->preview) {
            if (context.printer)
                nameDocument(*context.printer, name);
            context.dialogs->printPreview(parent, context.printer,
                                          [&job, roster](QPrinter *printer) {
                                              if (printer)
                                                  renderCardSheets(*printer, job, roster);
                                          });
        } else {
            if (!context.printSetup || !context.printSetup(name))
                return;
            const BusyPointer busy;
            if (!job.order.empty()
                && LayoutCardSheet(sheetAreaOf(*context.printer)).PerPage() == 0) {
                notice(context, parent, SheetCountText(0, 0));
                return;
            }
            if (!renderCardSheets(*context.printer, job, roster)) {
                notice(context, parent, QT_TRANSLATE_NOOP("Core", "The printout could not be finished."));
                return;
            }
        }
    }
    const std::string skipped = SheetPrintedMessage(int(job.order.size()), job.skipped,
                                                    choice->preview, job.withoutPicture);
    if (!skipped.empty())
        notice(context, parent, skipped);
}

} // namespace tarvello
