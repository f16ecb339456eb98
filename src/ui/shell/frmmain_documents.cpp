// Opening documents by their path: the command line and File, Open Recent.
#include "frmmain.h"
#include "platform/failurebox.h"

#include "platform/appcontext.h"
#include "platform/childwindow.h"
#include "platform/idialogs.h"
#include "app_version.h"
#include "platform/uitext.h"
#include "recentfilesmenu.h"
#include "platform/documentkinds.h"
#include "platform/notopenedtext.h"
#include "shell/recentfiles.h"
#include "pack/armypack.h"

#include <QDir>
#include <QFileInfo>

namespace tarvello {

namespace {

// -1 (no window) for a file that is neither a figure nor an army.
int formOf(DocumentKind kind)
{
    switch (kind) {
    case DocumentKind::Figure: return static_cast<int>(WindowForm::Figure);
    case DocumentKind::Army: return static_cast<int>(WindowForm::Army);
    default: return -1;
    }
}

} // namespace

void frmMain::openDocument(const QString &path)
{
    if (DocumentKindOf(toFilePath(path)) == DocumentKind::ArmyPack) {
        openArmyPack(path);
        return;
    }
    const ChildFactory factory = m_factories.value(formOf(DocumentKindOf(toFilePath(path))));
    if (!factory.create || !factory.openPath) {
        m_context.dialogs->message(
            this, boxTitleText(BoxTitle::Plain),
            fromMessageText(NotOpenedText(toFilePath(QDir::toNativeSeparators(path)), true)),
            IDialogs::Buttons::Ok, IDialogs::Icon::Exclamation);
        return;
    }
    ChildWindow *child = factory.create();
    if (!child)
        return;
    // As after File, Open: the editor shows what could be read, and the
    // reader reports its own failures.
    trackDocument(child);
    factory.openPath(child, path);
    addChild(child);
}

void frmMain::openArmyPack(const QString &path)
{
    QString pack = path;
    if (pack.isEmpty()) {
        const std::optional<QString> chosen = m_context.dialogs->openFile(
            this, QString::fromLatin1(DocumentKindFacts(DocumentKind::ArmyPack).filter),
            QDir::homePath());
        if (!chosen)
            return;
        pack = *chosen;
    }
    std::string armyPath;
    const Status unpacked = UnpackArmy(toFilePath(pack), toFilePath(m_context.programFolder), &armyPath);
    if (!unpacked) {
        showFailure(*m_context.dialogs, this, unpacked.failure(), IDialogs::Icon::None, BoxTitle::Plain);
        return;
    }
    const QString army = fromFilePath(armyPath);
    openDocument(army);
    confirm(tr("Unpacked into %1")
                .arg(QDir::toNativeSeparators(QFileInfo(army).absolutePath())));
}

void frmMain::importArmyText()
{
    const ChildFactory factory = m_factories.value(static_cast<int>(WindowForm::Army));
    if (!factory.create || !factory.importText)
        return;
    ChildWindow *child = factory.create();
    if (!child)
        return;
    trackDocument(child);
    if (!factory.importText(child)) {
        delete child;
        return;
    }
    addChild(child);
}

void frmMain::openRecent(const QString &path)
{
    if (QFileInfo::exists(path)) {
        openDocument(path);
        return;
    }
    m_recentFiles->remove(path);
    m_context.dialogs->message(
        this, boxTitleText(BoxTitle::Plain),
        tr("%1 no longer exists; it has been removed from the recent files.")
            .arg(QDir::toNativeSeparators(path)),
        IDialogs::Buttons::Ok, IDialogs::Icon::Exclamation);
}

} // namespace tarvello
