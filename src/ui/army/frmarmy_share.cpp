// The army editor's sharing: File, Export Army Pack and File, Import Army
// from Text.
#include "frmarmy.h"

#include "army/armymodel.h"
#include "army/armytextimport.h"
#include "army/figuresummary.h"
#include "pack/armypack.h"
#include "pack/packmanifest.h"
#include "platform/cp1252.h"
#include "platform/failurebox.h"
#include "platform/idialogs.h"
#include "platform/uitext.h"

#include <QCoreApplication>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>

#include <filesystem>
#include <memory>

namespace tarvello {

namespace {

// The most refused lines the import dialog lists; the rest are counted.
constexpr qsizetype kMaxListed = 1000;
// The most missing figures the pack's question names.
constexpr std::size_t kMaxNamed = 10;

// "3 figures were not found: A, B, C. Pack without them?"
QString missingQuestion(const std::vector<std::string> &missing)
{
    QStringList names;
    for (std::size_t i = 0; i < missing.size() && i < kMaxNamed; ++i)
        names << fromFileText(missing[i]);
    if (missing.size() > kMaxNamed)
        names << QCoreApplication::translate("frmArmy", "and %1 more").arg(missing.size() - kMaxNamed);
    if (missing.size() == 1)
        return QCoreApplication::translate("frmArmy", "1 figure was not found: %1. Pack without it?")
            .arg(names.join(QStringLiteral(", ")));
    return QCoreApplication::translate("frmArmy", "%1 figures were not found: %2. Pack without them?")
        .arg(missing.size())
        .arg(names.join(QStringLiteral(", ")));
}

// The figures of a folder, scanned once for as long as the folder stays.
class FolderFigures
{
public:
    const std::vector<FigureSummary> &of(const QString &folder)
    {
        if (!m_scanned || folder != m_folder) {
            m_folder = folder;
            m_scanned = true;
            Result<std::vector<FigureSummary>> scan = ScanFigureFolder(toFilePath(folder));
            m_figures = scan ? std::move(scan.value()) : std::vector<FigureSummary>();
        }
        return m_figures;
    }

private:
    QString m_folder;
    bool m_scanned = false;
    std::vector<FigureSummary> m_figures;
};

IDialogs::ArmyTextPreview previewOf(const ArmyFromText &army)
{
    IDialogs::ArmyTextPreview preview;
    preview.canImport = !army.units.empty();
    preview.summary = army.units.empty()
                          ? QCoreApplication::translate("frmArmy", "No line names a figure of this folder")
                      : army.units.size() == 1
                          ? QCoreApplication::translate("frmArmy", "1 unit line matched")
                          : QCoreApplication::translate("frmArmy", "%1 unit lines matched").arg(army.units.size());
    if (!army.name.empty())
        preview.summary += QCoreApplication::translate("frmArmy", ", army \"%1\"").arg(fromFileText(army.name));
    if (!army.pointsLimit.empty())
        preview.summary += QCoreApplication::translate("frmArmy", ", points limit %1").arg(fromFileText(army.pointsLimit));
    if (!army.refused.empty())
        preview.summary += army.refused.size() == 1
            ? QCoreApplication::translate("frmArmy", "; 1 line not matched (nothing is guessed):")
            : QCoreApplication::translate("frmArmy", "; %1 lines not matched (nothing is guessed):")
                  .arg(army.refused.size());
    for (const RefusedTextLine &line : army.refused) {
        if (preview.refused.size() == kMaxListed) {
            preview.refused << QCoreApplication::translate("frmArmy", "… and %1 more").arg(army.refused.size() - kMaxListed);
            break;
        }
        preview.refused << QCoreApplication::translate("frmArmy", "Line %1: %2 (%3)")
                               .arg(line.lineNumber)
                               .arg(fromFileText(line.text), fromMessageText(line.reason));
    }
    return preview;
}

} // namespace

void frmArmy::exportArmyPack()
{
    const std::string saved = m_model->FileName();
    // An army never saved goes in under its name ("Army.tva" without one).
    const std::string entry =
        !saved.empty() ? std::filesystem::path(saved).filename().string()
                       : SafeFileName(Cp1252ToUtf8(m_model->ArmyName()))
                             + DocumentKindFacts(DocumentKind::Army).extension;
    const ArmyPackPlan plan = PlanArmyPack(m_model->FileText(), entry);
    if (!plan.missing.empty()
        && m_context.dialogs->message(this, boxTitleText(BoxTitle::WithVersion),
                                      missingQuestion(plan.missing), IDialogs::Buttons::YesNo,
                                      IDialogs::Icon::Question)
               != IDialogs::Answer::Yes)
        return;
    const QString start = saved.empty() ? m_context.figuresFolder()
                                        : QFileInfo(fromFilePath(saved)).absolutePath();
    const std::optional<QString> path = m_context.dialogs->saveFile(
        this, QString::fromLatin1(DocumentKindFacts(DocumentKind::ArmyPack).filter), start,
        fromFileText(tarvello::ProposedFileName(m_model->ArmyName(), DocumentKind::ArmyPack)), true);
    if (!path)
        return;
    const Status written = WriteArmyPack(plan, toFilePath(*path));
    if (!written) {
        showFailure(*m_context.dialogs, this, written.failure(), IDialogs::Icon::None,
                    BoxTitle::Plain);
        return;
    }
    emit documentSaved(*path);
}

bool frmArmy::importArmyText()
{
    auto figures = std::make_shared<FolderFigures>();
    IDialogs::ArmyTextQuestion question;
    if (const QClipboard *clipboard = QApplication::clipboard())
        question.text = clipboard->text();
    question.folder = m_context.figuresFolder();
    question.preview = [figures](const QString &text, const QString &folder) {
        return previewOf(ImportArmyText(toFileText(text), figures->of(folder)));
    };
    const std::optional<IDialogs::ArmyTextChoice> choice = m_context.dialogs->armyText(this, question);
    if (!choice)
        return false;
    const ArmyFromText army = ImportArmyText(toFileText(choice->text), figures->of(choice->folder));
    apply(m_model->ImportFromText(army, toFilePath(choice->folder)));
    return true;
}

} // namespace tarvello
