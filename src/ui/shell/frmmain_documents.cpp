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
#include "shell/recentfiles.h"

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
    const ChildFactory factory = m_factories.value(formOf(DocumentKindOf(toFilePath(path))));
    if (!factory.create || !factory.openPath) {
        m_context.dialogs->message(
            this, boxTitleText(BoxTitle::Plain),
            QStringLiteral("%1 cannot be opened: Tarvello opens figure files (%2) and army "
                           "files (%3).")
                .arg(QDir::toNativeSeparators(path),
                     QLatin1String(DocumentKindFacts(DocumentKind::Figure).extension),
                     QLatin1String(DocumentKindFacts(DocumentKind::Army).extension)),
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
