// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "LoadedTitleList.h"
#include "Utf8.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::string_view kTitlesOption = "--titulos";
constexpr std::string_view kTitlesOptionJoined = "--titulos=";

constexpr std::string_view kHelp =
    "Uso: velmora [--titulos FICHERO] [--teclado]\n"
    "\n"
    "Velmora, el ahorcado de los títulos de películas.\n"
    "\n"
    "Opciones:\n"
    "  --titulos FICHERO  juega con los títulos de FICHERO en vez de los de Velmora.\n"
    "                     FICHERO es un texto en UTF-8 con un título por línea, de\n"
    "                     hasta 42 caracteres; se saltan las líneas en blanco y las\n"
    "                     que empiezan por #. Las líneas que no se pueden jugar se\n"
    "                     indican en la salida de errores.\n"
    "  --teclado          empieza con el teclado en pantalla, para jugar con el\n"
    "                     ratón o con el dedo.\n"
    "  -h, --help         muestra esta ayuda y termina.\n"
    "\n"
    "También se admiten las opciones de Qt, como -platform o -display.\n"
    "En el juego, «Menu → Títulos propios…» (Ctrl+O) elige otra lista y\n"
    "«Menu → Partida entre dos…» (Ctrl+D) deja que un jugador escriba el título\n"
    "que adivinará el otro.\n";

} // namespace

CommandLine parseCommandLine(int argc, char* argv[])
{
    CommandLine commandLine;
    if (argc > 0)
        commandLine.qtArguments.push_back(argv[0]);
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            commandLine.request = CommandLine::Request::ShowHelp;
        } else if (argument == "--teclado") {
            commandLine.onScreenKeyboard = true;
        } else if (argument == kTitlesOption || argument.starts_with(kTitlesOptionJoined)) {
            // The file's name is the next argument, or follows the "=";
            // missing or empty, it is the same mistake either way.
            if (argument == kTitlesOption)
                commandLine.titleFile = i + 1 < argc ? argv[++i] : "";
            else
                commandLine.titleFile = argument.substr(kTitlesOptionJoined.size());
            if (commandLine.titleFile.empty()) {
                commandLine.request = CommandLine::Request::UsageError;
                commandLine.error = "falta el nombre del fichero tras --titulos";
                break;
            }
        } else {
            commandLine.qtArguments.push_back(argv[i]);
        }
    }
    commandLine.qtArgumentCount = static_cast<int>(commandLine.qtArguments.size());
    commandLine.qtArguments.push_back(nullptr);
    return commandLine;
}

std::optional<int> answerWithoutPlaying(const CommandLine& commandLine, std::FILE* out, std::FILE* errors)
{
    switch (commandLine.request) {
    case CommandLine::Request::ShowHelp:
        std::fputs(kHelp.data(), out);
        return 0;
    case CommandLine::Request::UsageError:
        std::fprintf(errors, "velmora: %s\nPruebe «velmora --help» para más información.\n", commandLine.error.c_str());
        return 2;
    case CommandLine::Request::Play:
        break;
    }
    return std::nullopt;
}

std::optional<TitleList> titlesFromCommandLine(const CommandLine& commandLine, std::FILE* errors)
{
    if (commandLine.titleFile.empty())
        return std::nullopt;
    LoadedTitleList loaded = loadTitleList(commandLine.titleFile);
    std::string report = encodeUtf8(loaded.report);
    if (!loaded.list)
        report += "\nSe juega con los títulos de Velmora.";
    if (!report.empty()) {
        std::size_t start = 0;
        while (start <= report.size()) {
            const std::size_t end = std::min(report.find('\n', start), report.size());
            if (end > start)
                std::fprintf(errors, "velmora: %.*s\n", static_cast<int>(end - start), report.data() + start);
            start = end + 1;
        }
    }
    return std::move(loaded.list);
}

} // namespace velmora
