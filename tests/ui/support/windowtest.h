#pragma once

#include "scripteddialogs.h"
#include "smalltables.h"

#include "rules/rulestables.h"
#include "assembly/documentwindows.h"
#include "platform/appcontext.h"
#include "platform/childwindow.h"
#include "shell/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace tarvello {

// What window tests share: scripted dialogs, rules tables and a fresh
// temporary program folder (also holding the settings file) in an AppContext,
// and, for tests that go through the menus, the main window over them.
class WindowTest
{
protected:
    using Kind = ScriptedDialogs::Kind;

    // Fresh dialogs and folder; tables as given.
    void resetContext(tarvello::RulesTables tables = SmallRulesTables())
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_dialogs = ScriptedDialogs();
        m_tables = std::move(tables);
        m_context = AppContext{&m_dialogs, &m_tables, m_folder->path(), {}, nullptr,
                               tempPath(QStringLiteral("tarvello.conf")), QString()};
    }
    // resetContext, then a new main window, shown; its modal dialogs return
    // at once. The program folder is the temporary one unless given.
    void startMain(tarvello::RulesTables tables = SmallRulesTables(),
                   const QString &programFolder = QString())
    {
        resetContext(std::move(tables));
        if (!programFolder.isEmpty())
            m_context.programFolder = programFolder;
        m_main = new frmMain(m_context);
        tarvello::registerDocumentWindows(*m_main);
        m_main->setModalRunner([](QDialog &) {});
        m_main->show();
    }
    // Deletes the main window without asking its children anything.
    void stopMain()
    {
        for (QMdiSubWindow *window : m_main->mdiArea()->subWindowList()) {
            if (auto *child = qobject_cast<ChildWindow *>(window->widget()))
                child->setCloseApproved(true);
        }
        delete m_main;
        m_main = nullptr;
    }

    QString tempPath(const QString &name) const { return m_folder->filePath(name); }
    QAction *action(const char *name) const
    {
        return m_main->findChild<QAction *>(QLatin1String(name));
    }
    // The main window's children of type T, in the order of the area's list.
    template<typename T>
    QList<T *> windowsOf() const
    {
        QList<T *> result;
        for (QMdiSubWindow *window : m_main->mdiArea()->subWindowList()) {
            if (auto *child = qobject_cast<T *>(window->widget()))
                result.append(child);
        }
        return result;
    }
    template<typename T>
    T *active() const
    {
        return qobject_cast<T *>(m_main->mdiArea()->activeSubWindow()->widget());
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    ScriptedDialogs m_dialogs;
    tarvello::RulesTables m_tables;
    AppContext m_context;
    frmMain *m_main = nullptr;
};

// The object of type T named name anywhere below root; nullptr when absent.
template<typename T = QWidget>
T *Named(const QObject *root, const char *name)
{
    return root->findChild<T *>(QLatin1String(name));
}

// The text of the line edit named name.
inline QString TextOf(const QWidget *window, const char *name)
{
    const auto *field = Named<QLineEdit>(window, name);
    return field ? field->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

// A click on the push button named name.
inline void ClickButton(const QWidget *window, const char *name)
{
    auto *button = Named<QPushButton>(window, name);
    QVERIFY2(button, name);
    button->click();
}

// The user picks entry index of the combo box named name (possibly the one
// already chosen).
inline void Choose(const QWidget *window, const char *name, int index)
{
    auto *box = Named<QComboBox>(window, name);
    QVERIFY2(box, name);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// Writes bytes as the file at path.
inline void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile out(path);
    QVERIFY2(out.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    out.write(bytes);
}

// The bytes of the file at path.
inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The first page of the PDF at path as pdftoppm renders it at dpi; a null
// image when it cannot.
inline QImage PdfPage(const QString &pdf, int dpi)
{
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"),
                                                   QString::number(dpi), QStringLiteral("-singlefile"), pdf, pdf});
    return QImage(pdf + QStringLiteral(".png"));
}

} // namespace tarvello
