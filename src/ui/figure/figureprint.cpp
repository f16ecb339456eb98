#include "figureprint.h"

#include "platform/idialogs.h"
#include "platform/modfunctions.h"
#include "platform/uitext.h"
#include "print/qtprinterpage.h"

#include <QClipboard>
#include <QGuiApplication>

#include <exception>

namespace {

tarvello::ShownChoice Shown(const tarvello::ChoiceList &choice)
{
    return {choice.Text(), choice.index};
}

void ShowFailure(QWidget *parent, IDialogs &dialogs, const tarvello::Failure &failure)
{
    dialogs.message(parent, QString::fromStdString(tarvello::AppTitle()),
                    FromFileText(failure.Message()), IDialogs::Buttons::Ok,
                    IDialogs::Icon::Exclamation);
}

} // namespace

tarvello::FigureReportData FigureReportFrom(const tarvello::FigureRecord &shown)
{
    tarvello::FigureReportData d;
    d.txtFigureName = shown.txtFigureName;
    d.txtFinalCost = shown.txtFinalCost;
    d.cboFigureType = Shown(shown.cboFigureType);
    d.cboRace = shown.cboRace.Text();
    d.cboTrainingLevel = Shown(shown.cboTrainingLevel);
    d.cboCommandSkill = shown.cboCommandSkill.Text();
    d.cboArmorType = shown.cboArmorType.Text();
    d.txtBaseHitFactor = shown.txtBaseHitFactor;
    d.txtRaceHitFactorModifier = shown.txtRaceHitFactorModifier;
    d.txtAdjustHitFactor = shown.txtAdjustHitFactor;
    d.txtAdjustedHitFactor = shown.txtAdjustedHitFactor;
    d.txtHitPoints = shown.txtHitPoints;
    d.txtBaseMorale = shown.txtBaseMorale;
    d.cboMove = shown.cboMove.Text();
    d.txtMove = shown.txtMove;
    d.lvwMeleeWeaponsSelected = shown.lvwMeleeWeaponsSelected;
    d.lvwMissileWeaponsSelected = shown.lvwMissileWeaponsSelected;
    d.lvwExtraItemsSelected = shown.lvwExtraItemsSelected;
    d.chkUseOptionalMovement = shown.chkUseOptionalMovement == 1;
    d.chkOptionalRangeCost = shown.chkOptionalRangeCost == 1;
    return d;
}

void PrintFigureReportOn(QWidget *parent, IDialogs &dialogs, QPrinter &printer,
                         const tarvello::FigureReportData &data)
{
    QtPrinterPage page(printer);
    const tarvello::Status status = tarvello::PrintFigureReport(page, data);
    if (!status.ok())
        ShowFailure(parent, dialogs, status.failure());
}

void ExportFigureReport(QWidget *parent, IDialogs &dialogs, const tarvello::FigureReportData &data)
{
    try {
        const QString text = FromFileText(tarvello::FigureExportText(data));
        QGuiApplication::clipboard()->setText(text);
    } catch (const std::exception &error) {
        ShowFailure(parent, dialogs, {tarvello::kFigureExportFailure, error.what()});
        return;
    }
    dialogs.message(parent, QString::fromStdString(tarvello::AppTitle()),
                    QString::fromLatin1(tarvello::kFigureExportNotice), IDialogs::Buttons::Ok,
                    IDialogs::Icon::Information);
}
