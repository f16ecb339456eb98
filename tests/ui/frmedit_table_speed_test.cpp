// Opening large tables into the editor's grid and saving them: prints the
// times, checks that every row arrived and came back, and fails on times
// ten times over the targets (100 ms for 10,000 rows, 1 s for 100,000).

#include "tableedit/flexgrid.h"
#include "tableedit/frmedit_table.h"
#include "tableedit/tablemodel.h"
#include "scripteddialogs.h"

#include "rules/rulestables.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>

class FrmEditTableSpeedTest : public QObject
{
    Q_OBJECT

private slots:
    void opensAndSavesLargeTables_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("fields");
        QTest::addColumn<qint64>("targetMs");
        QTest::newRow("10,000 rows") << 10000 << 13 << qint64(100);
        QTest::newRow("100,000 rows") << 100000 << 13 << qint64(1000);
        QTest::newRow("lines of 1,000 fields") << 1000 << 1000 << qint64(1000);
    }

    void opensAndSavesLargeTables()
    {
        QFETCH(int, rows);
        QFETCH(int, fields);
        QFETCH(qint64, targetMs);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.skv"));
        QByteArray bytes;
        for (int r = 0; r <= rows; ++r) {
            for (int f = 0; f < fields; ++f)
                bytes += (f ? ";" : "") + QByteArray::number(r * 7 + f) + (f % 5 ? "" : "\xE9");
            bytes += "\r\n";
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        ScriptedDialogs dialogs;
        tarvello::RulesTables tables;
        AppContext context;
        context.dialogs = &dialogs;
        context.tables = &tables;
        frmEdit_Table window(context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Wall time, and processor time, which other work on the machine
        // does not inflate.
        QElapsedTimer timer;
        timer.start();
        std::clock_t cpu = std::clock();
        window.OpenFile(path, QStringLiteral("Big"));
        QCoreApplication::processEvents();
        const qint64 openMs = timer.elapsed();
        const long openCpuMs = (std::clock() - cpu) * 1000 / CLOCKS_PER_SEC;
        QCOMPARE(window.tableModel().rowCount(), rows);
        QCOMPARE(window.tableModel().columnCount(), fields);

        window.grdTable->model()->setData(window.grdTable->model()->index(rows - 1, 0),
                                          QStringLiteral("changed"));
        timer.restart();
        cpu = std::clock();
        window.Save();
        const qint64 saveMs = timer.elapsed();
        const long saveCpuMs = (std::clock() - cpu) * 1000 / CLOCKS_PER_SEC;
        QVERIFY(dialogs.messageTexts().isEmpty());
        const int lastLine = bytes.lastIndexOf("\r\n", bytes.size() - 3) + 2;
        const int firstEnd = bytes.indexOf(';', lastLine);
        bytes.replace(lastLine, firstEnd - lastLine, "changed");
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll() == bytes);

        qInfo("%d rows of %d fields: open %lld ms (processor %ld ms), save %lld ms (processor %ld ms);"
              " target %lld ms each", rows, fields, openMs, openCpuMs, saveMs, saveCpuMs, targetMs);
        QVERIFY(openMs < 10 * targetMs);
        QVERIFY(saveMs < 10 * targetMs);
    }
};

QTEST_MAIN(FrmEditTableSpeedTest)
#include "frmedit_table_speed_test.moc"
