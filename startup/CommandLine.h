// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TitleList.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// What the command line asks of the program. It is read before anything of
// Qt exists, so that `velmora --help` answers without a display. Qt's own
// options (-platform, -display, -style and the like) are left for
// QApplication, in their order.
struct CommandLine {
    enum class Request {
        Play,       // start the game
        ShowHelp,   // --help or -h: print the help and end
        UsageError, // the command line is wrong: print `error` and end
    };

    Request request = Request::Play;
    std::string titleFile; // --titulos FICHERO; empty for Velmora's titles
    bool onScreenKeyboard = false; // --teclado: the on-screen keyboard shown from the start
    std::string error;

    // The program's name and the arguments left for Qt, then a null
    // pointer; QApplication keeps them, so they live as long as it.
    std::vector<char*> qtArguments;
    int qtArgumentCount = 0;
};

CommandLine parseCommandLine(int argc, char* argv[]);

// Answers a command line that asks for no game: prints the help to `out`,
// or what is wrong with the command line to `errors`, and returns the exit
// status the program ends with. Returns nothing when the game is to start.
// The output goes through C's streams: C++'s would bring their locale
// machinery into the program's memory for two messages.
std::optional<int> answerWithoutPlaying(const CommandLine& commandLine, std::FILE* out, std::FILE* errors);

// The list the command line names, read as the "Títulos propios…" item
// reads one. What the player would be told in a message box (the lines
// refused, or why the file cannot be used and that Velmora's titles are
// played instead) goes to `errors`, each line after the program's name.
std::optional<TitleList> titlesFromCommandLine(const CommandLine& commandLine, std::FILE* errors);

} // namespace velmora
