// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFakes.h"
#include "TitleList.h"
#include "TitleListFile.h"
#include "TitleListReport.h"
#include "TitleTable.h"
#include "painting/QtText.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <map>
#include <stdexcept>

#include <sys/fsuid.h>
#include <sys/stat.h>

using namespace velmora;

namespace {

QStringList texts(const std::vector<std::u32string>& titles)
{
    QStringList list;
    for (const std::u32string& title : titles)
        list << qtText(title);
    return list;
}

QStringList texts(const std::vector<RefusedLine>& refused)
{
    QStringList list;
    for (const RefusedLine& line : refused)
        list << QStringLiteral("%1: %2").arg(line.line).arg(qtText(line.reason));
    return list;
}

TitleListReading read(const QByteArray& bytes)
{
    return readTitleList(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

TitleListReading readFile(const QString& path)
{
    return readTitleListFile(QFile::encodeName(path).toStdString());
}

} // namespace

class TitleListTest : public QObject {
    Q_OBJECT

private slots:
    void aFileGivesOneTitlePerLineAndSkipsBlankAndCommentLines()
    {
        const TitleListReading reading = read("\xEF\xBB\xBF# Las de la clase de los jueves\n"
                                              "\n"
                                              "El halcón maltés\n"
                                              "   # una nota sangrada\n"
                                              " \t \n"
                                              "¿Quién teme a Virginia Woolf?\r\n"
                                              "Con la muerte en los talones\r"
                                              "Ladrón de guante blanco");
        QVERIFY(reading.usable());
        QCOMPARE(texts(reading.titles), (QStringList{"EL HALCON MALTES", "QUIEN TEME A VIRGINIA WOOLF",
                                                     "CON LA MUERTE EN LOS TALONES", "LADRON DE GUANTE BLANCO"}));
        QVERIFY(reading.refused.empty());
        QVERIFY(titleListReport(U"jueves.txt", reading).empty());
    }

    void refusedLinesKeepTheirNumbersAndReasonsAndRepeatsAreRefused()
    {
        // Line numbers count every line, blank, comment, CR LF and CR alike.
        const TitleListReading reading = read("Sed de mal\n"
                                              "# nota\r\n"
                                              "Иван\r"
                                              "\r\n"
                                              "¡¿…?!\n"
                                              "Las aventuras del capitán Trueno y sus amigos\n"
                                              "SED DE MAL.\n"
                                              "sed  de  mal\n"
                                              "El apartamento\n");
        QVERIFY(reading.usable());
        QCOMPARE(texts(reading.titles), (QStringList{"SED DE MAL", "EL APARTAMENTO"}));
        QCOMPARE(texts(reading.refused),
                 (QStringList{"3: contiene «И», que no se puede jugar", "5: no tiene letras",
                              "6: demasiado largo (45 caracteres; el tablero tiene 42)",
                              "7: repite el título de la línea 1", "8: repite el título de la línea 1"}));
    }

    void aFileThatIsNotUtf8IsRefusedNamingItsFirstBadLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::newRow("Latin-1") << QByteArray("Uno\nDos\nTr\xE9s\nCuatro\xFF\n") << 3;
        QTest::newRow("in a comment") << QByteArray("# pel\xED" "culas\nUno\n") << 1;
        QTest::newRow("cut at the end") << QByteArray("Uno\nDos\nEspa\xC3") << 3;
        QTest::newRow("overlong slash") << QByteArray("Uno\n\xC0\xAF\n") << 2;
        QTest::newRow("surrogate") << QByteArray("Uno\nDos\n\xED\xA0\x80\n") << 3;
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << 1;
        QTest::newRow("lone continuation") << QByteArray("Uno\n\x80\n") << 2;
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFEU\0n\0o\0", 8) << 1;
    }

    void aFileThatIsNotUtf8IsRefusedNamingItsFirstBadLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        const TitleListReading reading = read(bytes);
        QVERIFY(!reading.usable());
        QVERIFY(reading.titles.empty());
        QCOMPARE(qtText(reading.failure), QStringLiteral("no está en UTF-8 (la línea %1 no lo es)").arg(line));
    }

    void aFileLargerThanOneMebibyteIsRefused()
    {
        QByteArray bytes = QByteArray("El apartamento\n").repeated(70000).left(static_cast<qsizetype>(kTitleListMaxBytes));
        QVERIFY(read(bytes).usable());
        bytes += 'x';
        const TitleListReading reading = read(bytes);
        QVERIFY(!reading.usable());
        QVERIFY(reading.titles.empty());
        QCOMPARE(qtText(reading.failure), QStringLiteral("es demasiado grande (más de 1 MiB)"));
    }

    void aFileWithNoPlayableLineIsRefusedWithItsLines()
    {
        for (const QByteArray& bytes : {QByteArray(), QByteArray("\xEF\xBB\xBF"), QByteArray("# solo notas\n\n   \n")}) {
            const TitleListReading reading = read(bytes);
            QVERIFY(!reading.usable());
            QCOMPARE(qtText(reading.failure), QStringLiteral("no tiene ningún título que se pueda jugar"));
            QVERIFY(reading.refused.empty());
        }
        const TitleListReading reading = read("¿?\nЖ\n");
        QCOMPARE(qtText(titleListReport(U"vacía.txt", reading)),
                 QStringLiteral("No se pueden usar los títulos de «vacía.txt»: no tiene ningún título que se pueda "
                                "jugar.\n\nNinguna línea se puede jugar:\nlínea 1: no tiene letras\n"
                                "línea 2: contiene «Ж», que no se puede jugar"));
    }

    void theReportListsTheFirstTenRefusedLinesThenHowManyMore()
    {
        QByteArray bytes = "Los olvidados\n";
        for (int i = 0; i < 17; ++i)
            bytes += "...\n";
        const TitleListReading reading = read(bytes);
        QCOMPARE(reading.refusedCount, std::size_t{17});
        QCOMPARE(reading.refused.size(), std::size_t{10});
        QString expected = QStringLiteral("Se juega con el único título de «clase.txt»: se jugará siempre el mismo "
                                          "título.\n\nEstas líneas no se pueden jugar:");
        for (int line = 2; line <= 11; ++line)
            expected += QStringLiteral("\nlínea %1: no tiene letras").arg(line);
        expected += QStringLiteral("\ny 7 más");
        QCOMPARE(qtText(titleListReport(U"clase.txt", reading)), expected);

        const TitleListReading two = read("Los olvidados\n\nEl verdugo\n?\n");
        QCOMPARE(qtText(titleListReport(U"clase.txt", two)),
                 QStringLiteral("Se juega con los 2 títulos de «clase.txt».\n\nEsta línea no se puede jugar:\n"
                                "línea 4: no tiene letras"));
        QCOMPARE(qtText(titleListReport(U"x.txt", read("\xFF"))),
                 QStringLiteral("No se pueden usar los títulos de «x.txt»: no está en UTF-8 (la línea 1 no lo es)."));
    }

    void aFileOnDiskIsReadOrRefusedWithoutWaiting()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const auto descriptors = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
        const uint openBefore = descriptors();
        const QString good = writeFile(dir, QStringLiteral("pelis.txt"), "Los olvidados\nEl verdugo\n");
        QCOMPARE(texts(readFile(good).titles), (QStringList{"LOS OLVIDADOS", "EL VERDUGO"}));
        // What an interrupted call elsewhere left in errno is no reason to read again.
        errno = EINTR;
        QCOMPARE(texts(readFile(good).titles), (QStringList{"LOS OLVIDADOS", "EL VERDUGO"}));
        QCOMPARE(qtText(readFile(QStringLiteral("/proc/self/mem")).failure), QStringLiteral("no se puede leer"));

        QCOMPARE(qtText(readFile(dir.filePath(QStringLiteral("no-esta.txt"))).failure), QStringLiteral("no existe"));
        QCOMPARE(qtText(readFile(good + QStringLiteral("/dentro.txt")).failure), QStringLiteral("no existe"));
        QCOMPARE(qtText(readFile(dir.path()).failure), QStringLiteral("es una carpeta, no un fichero"));

        // A pipe with no writer would block a plain read for ever.
        const QString fifo = dir.filePath(QStringLiteral("tuberia"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(qtText(readFile(fifo).failure), QStringLiteral("no es un fichero de texto"));
        QCOMPARE(qtText(readFile(QStringLiteral("/dev/zero")).failure), QStringLiteral("no es un fichero de texto"));

        const QString large = writeFile(dir, QStringLiteral("grande.txt"),
                                        QByteArray(static_cast<qsizetype>(kTitleListMaxBytes) + 1, 'a'));
        QCOMPARE(qtText(readFile(large).failure), QStringLiteral("es demasiado grande (más de 1 MiB)"));
        QByteArray justFits = "Los olvidados\n";
        justFits.append(static_cast<qsizetype>(kTitleListMaxBytes) - justFits.size(), '\n');
        QVERIFY(readFile(writeFile(dir, QStringLiteral("justo.txt"), justFits)).usable());
        QCOMPARE(descriptors(), openBefore);

        // A file larger when read than measured, as those of /proc are: the
        // environment of a process, here of more than 1 MiB.
        QStringList environment;
        for (char name = 'a'; name < 'j'; ++name)
            environment << QStringLiteral("%1=").arg(QLatin1Char(name)) + QString(120000, QLatin1Char('x'));
        QProcess waiting;
        waiting.setEnvironment(environment);
        waiting.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("echo; read line")});
        QVERIFY(waiting.waitForReadyRead()); // started with that environment
        QCOMPARE(qtText(readFile(QStringLiteral("/proc/%1/environ").arg(waiting.processId())).failure),
                 QStringLiteral("es demasiado grande (más de 1 MiB)"));
        waiting.closeWriteChannel();
        QVERIFY(waiting.waitForFinished());

        // A file the player may not read. Root may read any, so the test
        // reads it with the file system rights of an ordinary user.
        const QString locked = writeFile(dir, QStringLiteral("cerrado.txt"), "Los olvidados\n");
        QVERIFY(QFile::setPermissions(locked, {}));
        const auto rights = ::setfsuid(65534);
        const QString lockedFailure = qtText(readFile(locked).failure);
        ::setfsuid(rights);
        QCOMPARE(lockedFailure, QStringLiteral("no hay permiso para leerlo"));
    }

    void theSampleListIsPlayableWholeAndHoldsNoneOfVelmorasTitles()
    {
        const TitleListReading reading = readFile(QStringLiteral(VELMORA_SAMPLE_LIST));
        QVERIFY(reading.usable());
        QCOMPARE(reading.refusedCount, std::size_t{0});
        QVERIFY(reading.titles.size() >= 20);
        for (const std::u32string& title : reading.titles) {
            for (const TitleGroup& group : kTitleTable)
                QVERIFY2(std::find(group.begin(), group.end(), title) == group.end(), qPrintable(qtText(title)));
        }
    }

    void aListIsNamedAfterItsFileAsACaptionCanShowIt_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("folders dropped") << QByteArray("/home/ana/cine/mis-pelis.txt") << "mis-pelis.txt";
        QTest::newRow("no folder") << QByteArray("clase.txt") << "clase.txt";
        QTest::newRow("one letter") << QByteArray("/tmp/a") << "a";
        QTest::newRow("a folder's own path") << QByteArray("/home/ana/") << "/home/ana/";
        QTest::newRow("accents") << QByteArray("/tmp/pel\xC3\xAD" "culas.txt") << "películas.txt";
        QTest::newRow("not UTF-8") << QByteArray("/tmp/pel\xED" "culas.txt") << "pel\uFFFDculas.txt";
        QTest::newRow("a line break") << QByteArray("dos\nl\xC3\xADneas") << "dos\uFFFDlíneas";
        QTest::newRow("right to left override") << QByteArray("\xE2\x80\xAEtxt.exe") << "\uFFFDtxt.exe";
        QTest::newRow("long") << "a" + QByteArray(59, 'n') << "a" + QString(38, 'n') + "…";
        QTest::newRow("as long as fits") << QByteArray(40, 'n') << QString(40, 'n');
        QTest::newRow("one too long") << QByteArray(41, 'n') << QString(39, 'n') + "…";
        QTest::newRow("controls and direction marks") << QByteArray("\x1F\x7F\u0080\u009F\u061C\u200E\u200F\u2028\u2029\u202A\u202E\u2066\u2069")
                                                      << QString(13, QChar(0xFFFD));
        QTest::newRow("what lies next to them") << QByteArray("a ~\u00A0\u061B\u2010\u2027\u202F\u2065\u206A")
                                                << "a ~\u00A0\u061B\u2010\u2027\u202F\u2065\u206A";
    }

    void aListIsNamedAfterItsFileAsACaptionCanShowIt()
    {
        QFETCH(QByteArray, path);
        QFETCH(QString, name);
        QCOMPARE(qtText(titleListName(path.toStdString())), name);
    }

    void aListDrawsEveryTitleButNeverTheLastOneAgainAtOnce()
    {
        ScriptedRandom random(7);
        TitleList list(U"tres.txt", {U"UNO", U"DOS", U"TRES"});
        // The first draw has all three, up to the top of the range; later
        // draws the two others, in order.
        random.values = {1.0, 0.0, 0.0, 0.4, 0.6};
        QStringList drawn;
        for (int i = 0; i < 5; ++i)
            drawn << qtText(list.draw(random));
        QCOMPARE(drawn, (QStringList{"TRES", "UNO", "DOS", "UNO", "TRES"}));

        std::map<std::u32string, int> counts;
        std::u32string last = list.draw(random);
        for (int i = 0; i < 3000; ++i) {
            const std::u32string title = list.draw(random);
            QVERIFY(title != last);
            ++counts[title];
            last = title;
        }
        QCOMPARE(counts.size(), std::size_t{3});
        for (const auto& [title, count] : counts)
            QVERIFY2(count > 900 && count < 1100, qPrintable(qtText(title)));

        TitleList two(U"dos.txt", {U"EL VERDUGO", U"PSICOSIS"});
        random.values = {0.0, 0.0};
        QCOMPARE(qtText(two.draw(random)), QStringLiteral("EL VERDUGO"));
        QCOMPARE(qtText(two.draw(random)), QStringLiteral("PSICOSIS"));
        TitleList one(U"una.txt", {U"EL VERDUGO"});
        QCOMPARE(qtText(one.draw(random)), QStringLiteral("EL VERDUGO"));
        QCOMPARE(qtText(one.draw(random)), QStringLiteral("EL VERDUGO"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, TitleList(U"nada.txt", {}));
    }
};

QTEST_GUILESS_MAIN(TitleListTest)
#include "TitleListTest.moc"
