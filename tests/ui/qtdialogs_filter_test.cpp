#include "platform/qtdialogs.h"
#include "platform/uitext.h"

#include <QtTest>

class QtDialogsFilterTest : public QObject
{
    Q_OBJECT

private slots:
    void fileFilter_data();
    void fileFilter();
    void fileTextRoundTrip_data();
    void fileTextRoundTrip();
    void missingCharacterBecomesQuestionMark();
};

void QtDialogsFilterTest::fileFilter_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("qt");
    QTest::newRow("named with pattern") << "Figure (*.tvf)|*.tvf|All files (*.*)|*.*"
                                        << "Figure (*.tvf);;All files (*)";
    QTest::newRow("name without pattern") << "Armies|*.tva" << "Armies (*.tva)";
    QTest::newRow("several patterns") << "Pictures (*.bmp;*.dib)|*.bmp;*.dib"
                                      << "Pictures (*.bmp *.dib)";
    QTest::newRow("dangling name ignored") << "Styles (*.tvs)|*.tvs|Orphan" << "Styles (*.tvs)";
    QTest::newRow("empty") << "" << "";
}

void QtDialogsFilterTest::fileFilter()
{
    QFETCH(QString, program);
    QFETCH(QString, qt);
    QCOMPARE(ToQtFileFilter(program), qt);
}

void QtDialogsFilterTest::fileTextRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QByteArray("Sword;3;") << QStringLiteral("Sword;3;");
    QTest::newRow("latin") << QByteArray("Caf\xe9 \xfc") << QString::fromUtf8("Caf\u00e9 \u00fc");
    QTest::newRow("1252 specials") << QByteArray("\x80\x85\x99") << QString::fromUtf8("\u20ac\u2026\u2122");
    QTest::newRow("line break") << QByteArray("a\r\nb") << QStringLiteral("a\r\nb");
}

void QtDialogsFilterTest::fileTextRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(FromFileText(bytes.toStdString()), text);
    QCOMPARE(QByteArray::fromStdString(ToFileText(text)), bytes);
}

void QtDialogsFilterTest::missingCharacterBecomesQuestionMark()
{
    QCOMPARE(ToFileText(QString::fromUtf8("x\u0416y")), std::string("x?y"));
}

QTEST_MAIN(QtDialogsFilterTest)
#include "qtdialogs_filter_test.moc"
