#include "frmreadme.h"
#include "platform/failurebox.h"

#include "platform/appcontext.h"
#include "platform/idialogs.h"
#include "platform/layoutmgr.h"
#include "platform/modfunctions.h"
#include "platform/screentwips.h"
#include "platform/uitext.h"
#include "shell/readme.h"

#include <QDir>
#include <QMdiSubWindow>
#include <QPlainTextEdit>

namespace tarvello {

frmReadme::frmReadme(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("frmReadme"));
    setWindowTitle(tr("%1 Readme.txt").arg(QString::fromStdString(AppTitle())));

    txtHelp = new QPlainTextEdit(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setReadOnly(true);
    txtHelp->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    lmgReadme = new LayoutMgr(this);
    lmgReadme->setObjectName(QStringLiteral("lmgReadme"));
}

void frmReadme::Arrange()
{
    QWidget *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!frame)
        frame = this;
    frame->resize(twipsToPixels(frame, 6855, 6900));
}

void frmReadme::open()
{
    Arrange();
    // The box fills the window and follows its size from here on.
    txtHelp->setGeometry(0, 0, width(), height());
    lmgReadme->registerControl(txtHelp, 0, 0, 1, 1);
    loadReadme();
}

void frmReadme::loadReadme()
{
    const std::string path = toFilePath(QDir(m_context.programFolder).filePath(QStringLiteral("readme.txt")));
    const Result<std::string> text = ReadReadme(path);
    if (!text) {
        // This one box puts the description straight after the sentence.
        const Failure &failure = text.failure();
        m_context.dialogs->message(this, boxTitleText(BoxTitle::WithVersion),
                                   coreText(failure.sentence) + fromMessageText(failure.description),
                                   IDialogs::Buttons::Ok, IDialogs::Icon::Exclamation);
        return;
    }
    txtHelp->setPlainText(fromFileText(text.value()));
}

} // namespace tarvello
