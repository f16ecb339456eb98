#include "platform/qtdialogs.h"
#include "shell/lookandlanguage.h"
#include "platform/uitext.h"

#include <QtTest>

using namespace tarvello;

class QtDialogsFilterTest : public QObject
{
    Q_OBJECT

private slots:
    void fileFilter_data();
    void fileFilter();
    void fileTextRoundTrip();
};

void QtDialogsFilterTest::fileFilter_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("qt");
    QTest::addColumn<QString>("language");
    QTest::newRow("named with pattern") << "Figure (*.tvf)|*.tvf|All files (*.*)|*.*"
                                        << "Figure (*.tvf);;All files (*)" << "";
    QTest::newRow("name without pattern") << "Armies|*.tva" << "Armies (*.tva)" << "";
    QTest::newRow("several patterns") << "Pictures (*.bmp;*.dib)|*.bmp;*.dib"
                                      << "Pictures (*.bmp *.dib)" << "";
    QTest::newRow("patterns shown with blanks") << "Pictures (*.bmp *.png)|*.bmp;*.png"
                                                << "Pictures (*.bmp *.png)" << "";
    QTest::newRow("dangling name ignored") << "Styles (*.tvs)|*.tvs|Orphan" << "Styles (*.tvs)" << "";
    QTest::newRow("empty") << "" << "" << "";
    // The documents' own names in the windows' language, their patterns as they are
    // (the last rows: German stays loaded).
    QTest::newRow("German") << "Army pack (*.tvz)|*.tvz|All files (*.*)|*.*"
                            << "Armeepaket (*.tvz);;Alle Dateien (*)" << "de";
    QTest::newRow("German, a name of a window") << "Armies|*.tva" << "Armies (*.tva)" << "de";
}

void QtDialogsFilterTest::fileFilter()
{
    QFETCH(QString, program);
    QFETCH(QString, qt);
    QFETCH(QString, language);
    if (!language.isEmpty())
        QVERIFY(installTranslations(*QCoreApplication::instance(), language, programTranslationsFolder()));
    QCOMPARE(toQtFileFilter(program), qt);
}

// The code page itself is the core's; here, that both ways go through it.
void QtDialogsFilterTest::fileTextRoundTrip()
{
    const QByteArray bytes("Caf\xe9 \x80\x85\x99\r\n");
    const QString text = QString::fromUtf8("Caf\u00e9 \u20ac\u2026\u2122\r\n");
    QCOMPARE(fromFileText(bytes.toStdString()), text);
    QCOMPARE(QByteArray::fromStdString(toFileText(text)), bytes);
}

QTEST_MAIN(QtDialogsFilterTest)
#include "qtdialogs_filter_test.moc"
