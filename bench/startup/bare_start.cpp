// A bare Qt program of Tarvello's start-up shape, the yardstick of its start:
// a title dialog painted first, closed by a key, then a maximized main window
// with a menu bar. With TARVELLO_STARTUP_TIMES set it writes the same marks
// as Tarvello ("title-painted", "main-painted" and the epoch milliseconds).
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QVBoxLayout>

#include <cstdio>

namespace {

class Mark : public QObject
{
public:
    Mark(QWidget &window, const char *what)
        : QObject(&window)
        , m_what(what)
    {
        if (qEnvironmentVariableIsSet("TARVELLO_STARTUP_TIMES"))
            window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            std::fprintf(stderr, "%s %lld\n", m_what,
                         static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    const char *m_what;
};

class Title : public QDialog
{
protected:
    void keyPressEvent(QKeyEvent *) override { accept(); }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Title title;
    auto *layout = new QVBoxLayout(&title);
    layout->addWidget(new QLabel(QStringLiteral("Bare start")));
    title.setFixedWidth(780);
    new Mark(title, "title-painted");
    title.exec();

    QMainWindow main;
    for (const char *name : {"&File", "&Edit", "&Window", "&Help"})
        main.menuBar()->addMenu(QString::fromLatin1(name))->addAction(QStringLiteral("Item"));
    new Mark(main, "main-painted");
    main.showMaximized();
    return app.exec();
}
