// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"
#include "painting/QtText.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>

using namespace velmora;

namespace {

// A command line as main() receives it.
struct Arguments {
    explicit Arguments(QStringList arguments)
    {
        for (const QString& argument : arguments)
            storage.push_back(argument.toStdString());
        for (std::string& argument : storage)
            pointers.push_back(argument.data());
        pointers.push_back(nullptr);
    }
    CommandLine parse() { return parseCommandLine(static_cast<int>(storage.size()), pointers.data()); }

    std::vector<std::string> storage;
    std::vector<char*> pointers;
};

QStringList qtArguments(const CommandLine& commandLine)
{
    QStringList list;
    for (int i = 0; i < commandLine.qtArgumentCount; ++i)
        list << QString::fromLocal8Bit(commandLine.qtArguments[static_cast<std::size_t>(i)]);
    return list;
}

// A C stream that keeps what is written to it in memory.
class Captured {
public:
    Captured() : stream_(open_memstream(&buffer_, &size_)) {}
    ~Captured()
    {
        text();
        std::free(buffer_);
    }
    Captured(const Captured&) = delete;
    Captured& operator=(const Captured&) = delete;

    std::FILE* stream() const { return stream_; }

    // Everything written so far; the stream is closed on the first call.
    QString text()
    {
        if (stream_) {
            std::fclose(stream_);
            stream_ = nullptr;
        }
        return QString::fromUtf8(buffer_, static_cast<qsizetype>(size_));
    }

private:
    char* buffer_ = nullptr;
    std::size_t size_ = 0;
    std::FILE* stream_ = nullptr;
};

QString errorsFor(const std::string& path, std::optional<TitleList>* titles = nullptr)
{
    Arguments arguments({"velmora", "--titulos", QString::fromStdString(path)});
    Captured errors;
    std::optional<TitleList> read = titlesFromCommandLine(arguments.parse(), errors.stream());
    if (titles)
        *titles = std::move(read);
    return errors.text();
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void theTitlesOptionNamesAFileAndQtsOptionsAreLeftForQt()
    {
        Arguments arguments({"velmora", "-platform", "offscreen", "--titulos", "mis pelis.txt", "--style=fusion",
                             "--teclado", "-reverse"});
        const CommandLine commandLine = arguments.parse();
        QCOMPARE(commandLine.request, CommandLine::Request::Play);
        QVERIFY(commandLine.onScreenKeyboard);
        QCOMPARE(QString::fromStdString(commandLine.titleFile), QStringLiteral("mis pelis.txt"));
        QCOMPARE(qtArguments(commandLine), (QStringList{"velmora", "-platform", "offscreen", "--style=fusion", "-reverse"}));
        // QApplication expects the list to end in a null pointer.
        QCOMPARE(commandLine.qtArguments.size(), std::size_t{6});
        QCOMPARE(commandLine.qtArguments.back(), nullptr);

        Arguments joined({"velmora", "--titulos=clase.txt"});
        QCOMPARE(QString::fromStdString(joined.parse().titleFile), QStringLiteral("clase.txt"));
        Arguments none({"velmora"});
        QVERIFY(none.parse().titleFile.empty());
        QVERIFY(!none.parse().onScreenKeyboard);
        QCOMPARE(qtArguments(none.parse()), QStringList{"velmora"});
        QCOMPARE(Arguments{QStringList{}}.parse().qtArgumentCount, 0); // started without even its name
    }

    void helpIsAnsweredWithoutAGame()
    {
        for (const char* option : {"--help", "-h"}) {
            Arguments arguments({"velmora", "-platform", "offscreen", option});
            Captured out;
            Captured errors;
            QCOMPARE(answerWithoutPlaying(arguments.parse(), out.stream(), errors.stream()), std::optional<int>(0));
            const QString help = out.text();
            QVERIFY(help.startsWith(QStringLiteral("Uso: velmora [--titulos FICHERO] [--teclado]\n")));
            QVERIFY(help.contains(QStringLiteral("  --titulos FICHERO  juega con los títulos de FICHERO")));
            QCOMPARE(errors.text(), QString());
        }
        Arguments play({"velmora", "--titulos", "x.txt"});
        Captured out;
        QCOMPARE(answerWithoutPlaying(play.parse(), out.stream(), out.stream()), std::nullopt);
        QCOMPARE(out.text(), QString());
    }

    void aTitlesOptionWithoutAFileOrWithAnEmptyOneEndsTheProgramWithAUsageError()
    {
        for (const QStringList& line : {QStringList{"velmora", "--titulos"}, QStringList{"velmora", "--titulos="},
                                        QStringList{"velmora", "--titulos", ""},
                                        QStringList{"velmora", "--titulos=", "--help"}}) {
            Arguments arguments(line);
            Captured out;
            Captured errors;
            QCOMPARE(answerWithoutPlaying(arguments.parse(), out.stream(), errors.stream()), std::optional<int>(2));
            QCOMPARE(errors.text(), QStringLiteral("velmora: falta el nombre del fichero tras --titulos\n"
                                                   "Pruebe «velmora --help» para más información.\n"));
            QCOMPARE(out.text(), QString());
        }
    }

    void aListNamedOnTheCommandLineIsReadAndItsRefusedLinesReported()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("clase.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("# Para el jueves\nEl sur del norte\n¿?\nTres: dos, uno\n");
        file.close();
        std::optional<TitleList> titles;
        QCOMPARE(errorsFor(QFile::encodeName(file.fileName()).toStdString(), &titles),
                 QStringLiteral("velmora: Se juega con los 2 títulos de «clase.txt».\n"
                                "velmora: Esta línea no se puede jugar:\n"
                                "velmora: línea 3: no tiene letras\n"));
        QVERIFY(titles.has_value());
        QCOMPARE(qtText(titles->name()), QStringLiteral("clase.txt"));
        QCOMPARE(titles->titles().size(), std::size_t{2});

        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("El sur del norte\n");
        file.close();
        QCOMPARE(errorsFor(QFile::encodeName(file.fileName()).toStdString(), &titles),
                 QStringLiteral("velmora: Se juega con el único título de «clase.txt»: se jugará siempre el mismo título.\n"));
        QVERIFY(titles.has_value());
        QCOMPARE(QString::fromStdString(titles->file()), file.fileName());
    }

    void aFileThatCannotBeUsedIsReportedAndVelmorasTitlesArePlayed()
    {
        std::optional<TitleList> titles;
        QCOMPARE(errorsFor("/nonexistent/no-esta.txt", &titles),
                 QStringLiteral("velmora: No se pueden usar los títulos de «no-esta.txt»: no existe.\n"
                                "velmora: Se juega con los títulos de Velmora.\n"));
        QVERIFY(!titles.has_value());
        QCOMPARE(errorsFor("/dev/urandom", &titles),
                 QStringLiteral("velmora: No se pueden usar los títulos de «urandom»: no es un fichero de texto.\n"
                                "velmora: Se juega con los títulos de Velmora.\n"));
        QVERIFY(!titles.has_value());
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
