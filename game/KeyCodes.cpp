// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyCodes.h"

#include "WindowControls.h"

#include <algorithm>
#include <string_view>

namespace velmora {

namespace {

constexpr char32_t kEnye = U'Ñ';
constexpr char32_t kBackspace = U'\b';

// The plain letter of an accented vowel that a Spanish or international
// keyboard types (grave, acute, circumflex or diaeresis), in the vowel's own
// case; 0 for any other character. "ñ" is a letter of its own, not folded.
char32_t plainLetter(char32_t c)
{
    static constexpr std::u32string_view accented = U"àáâäèéêëìíîïòóôöùúûü";
    static constexpr std::u32string_view plain = U"aaaaeeeeiiiioooouuuu";
    constexpr char32_t kCaseOffset = 0x20; // between a Latin-1 capital and its small letter
    const bool capital = c >= U'À' && c <= U'Ü';
    const std::size_t at = accented.find(capital ? c + kCaseOffset : c);
    if (at == std::u32string_view::npos)
        return 0;
    return capital ? plain[at] - kCaseOffset : plain[at];
}

} // namespace

char32_t toUpperLatin1(char32_t c)
{
    const bool asciiLower = c >= U'a' && c <= U'z';
    const bool latinLower = c >= 0xE0 && c <= 0xFE && c != 0xF7; // not the division sign
    return asciiLower || latinLower ? c - 0x20 : c;
}

std::u32string toUpperLatin1(std::u32string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char32_t c) { return toUpperLatin1(c); });
    return text;
}

char32_t guessForKey(int keyCode)
{
    if (keyCode < 0 || keyCode > 0xFF)
        return 0;
    const auto c = static_cast<char32_t>(keyCode);
    const char32_t plain = plainLetter(c);
    const char32_t upper = toUpperLatin1(plain != 0 ? plain : c);
    const bool letterOrDigit = (upper >= U'A' && upper <= U'Z') || (upper >= U'0' && upper <= U'9');
    return letterOrDigit || upper == kEnye ? upper : 0;
}

int Verificar_Tecla(int keyCode, bool boxIsEmpty)
{
    static constexpr std::u32string_view firstCharacter =
        U"1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnñopqrstuvwxyzÑ\b";
    static constexpr std::u32string_view laterCharacter =
        U"1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnñopqrstuvwxyzÑ \b";
    if (keyCode <= 0 || keyCode > 0xFF)
        return 0;
    const char32_t plain = plainLetter(static_cast<char32_t>(keyCode));
    const char32_t c = plain != 0 ? plain : static_cast<char32_t>(keyCode);
    const std::u32string_view allowed = boxIsEmpty ? firstCharacter : laterCharacter;
    return allowed.find(c) != std::u32string_view::npos ? static_cast<int>(c) : 0;
}

std::u32string admitToAnswerBox(std::u32string_view arriving, bool boxIsEmpty, std::size_t kept)
{
    constexpr auto kRoom = static_cast<std::size_t>(kAnswerMaxLength);
    std::u32string admitted;
    for (const char32_t c : arriving) {
        if (kept + admitted.size() >= kRoom)
            break;
        const bool empty = boxIsEmpty && admitted.empty();
        const int taken = c != kBackspace ? Verificar_Tecla(static_cast<int>(c), empty) : 0;
        if (taken != 0)
            admitted.push_back(static_cast<char32_t>(taken));
    }
    return admitted;
}

bool isAnswerCharacter(char32_t c)
{
    return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || c == kEnye || c == U' ';
}

} // namespace velmora
