// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleRule.h"

#include "DecimalText.h"

#include <cstdio>
#include <optional>

namespace velmora {

namespace {

constexpr char32_t kEnye = U'Ñ';
constexpr char32_t kCombiningTilde = 0x0303;

// What becomes of one character of a candidate.
enum class Kind {
    Kept,    // a character of the board: A-Z, Ñ or 0-9, as `board`
    Space,   // any kind of space or line separator
    Dropped, // punctuation, symbols, emoji, invisible formatting, accents
    Refused, // a letter or number the board cannot show, or a control code
};

struct Verdict {
    Kind kind;
    char32_t board = 0;
};

// The Latin letters with accents, cedillas, tildes and the like, as the board
// writes them, for U+00C0 to U+00FF and for Latin Extended-A (U+0100 to
// U+017F). '?' marks a letter that is not a plain letter with a mark (Æ, Ø,
// ß, Ł, Œ...), '.' the two signs × and ÷.
constexpr std::u32string_view kLatin1Letters =
    U"AAAAAA?CEEEEIIII?ÑOOOOO.?UUUUY??AAAAAA?CEEEEIIII?ÑOOOOO.?UUUUY?Y";
constexpr std::u32string_view kExtendedALetters =
    U"AAAAAACCCCCCCCDD??EEEEEEEEEEGGGGGGGGHH??IIIIIIIII???JJKK?LLLLLL?"
    U"???NNNNNN???OOOOOO??RRRRRRSSSSSSSSTTTT??UUUUUUUUUUUUWWYYYZZZZZZ?";

static_assert(kLatin1Letters.size() == 0x40 && kExtendedALetters.size() == 0x80);

// The characters of U+00A1 to U+00BF that are letters or numbers rather than
// signs.
constexpr std::u32string_view kLatin1LettersAndNumbers = U"ªºµ¹²³¼½¾";

Verdict fromTable(std::u32string_view table, char32_t offset)
{
    const char32_t c = table[offset];
    if (c == U'?')
        return {Kind::Refused};
    if (c == U'.')
        return {Kind::Dropped};
    return {Kind::Kept, c};
}

bool isCombiningMark(char32_t c)
{
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F);
}

bool isSpace(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\v' || c == U'\f' || c == 0x00A0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

// Punctuation, symbols, emoji and invisible formatting, block by block.
// Whatever is neither listed here nor a letter, digit or space the rule
// knows is refused: a character the rule does not know is never dropped
// unseen.
bool isDropped(char32_t c)
{
    if (c < 0x80)
        return (c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
               (c >= 0x7B && c <= 0x7E);
    if (c >= 0xA1 && c <= 0xBF) // ¡ ¿ « » © ° · and the like; ª º µ are letters, ¹ ² ³ ¼ ½ ¾ numbers
        return kLatin1LettersAndNumbers.find(c) == std::u32string_view::npos;
    return isCombiningMark(c) ||
           (c >= 0x2000 && c <= 0x206F) ||  // general punctuation: dashes, quotes, …, invisible marks
           (c >= 0x20A0 && c <= 0x20CF) ||  // currency signs
           c == 0x2117 || c == 0x2120 || c == 0x2122 || // ℗ ℠ ™
           (c >= 0x2190 && c <= 0x245F) ||  // arrows, mathematical and technical signs
           (c >= 0x2500 && c <= 0x2BFF) ||  // boxes, shapes, dingbats, stars, braille
           (c >= 0x2E00 && c <= 0x2E7F) ||  // supplemental punctuation
           (c >= 0xFE00 && c <= 0xFE0F) ||  // variation selectors, as in emoji
           (c >= 0xFE10 && c <= 0xFE1F) || (c >= 0xFE30 && c <= 0xFE6F) || // punctuation forms
           c == 0xFEFF ||                   // a byte-order mark inside the text
           (c >= 0x1F000 && c <= 0x1FAFF) || // emoji, flags, playing cards
           (c >= 0xE0000 && c <= 0xE007F);  // the tags of flag emoji
}

Verdict judge(char32_t c)
{
    // The full-width forms of East Asian text are the same characters.
    if (c >= 0xFF01 && c <= 0xFF5E)
        c -= 0xFEE0;
    if (c >= U'a' && c <= U'z')
        return {Kind::Kept, c - 0x20};
    if ((c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9'))
        return {Kind::Kept, c};
    if (isSpace(c))
        return {Kind::Space};
    if (isDropped(c))
        return {Kind::Dropped};
    if (c >= 0xC0 && c <= 0xFF)
        return fromTable(kLatin1Letters, c - 0xC0);
    if (c >= 0x100 && c <= 0x17F)
        return fromTable(kExtendedALetters, c - 0x100);
    return {Kind::Refused};
}

// A refused character as the player can see it: itself between guillemets,
// or its code where it would show as nothing.
std::u32string shown(char32_t c)
{
    const bool invisible = c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0xE000 && c <= 0xF8FF) || c >= 0xF0000;
    if (!invisible)
        return U"«" + std::u32string(1, c) + U"»";
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return std::u32string(code, code + std::char_traits<char>::length(code));
}

} // namespace

TitleCheck checkTitle(std::u32string_view candidate)
{
    TitleCheck check;
    bool spacePending = false;
    bool afterN = false; // the last character was an N, maybe followed by marks
    std::optional<char32_t> refused;
    for (const char32_t c : candidate) {
        const Verdict verdict = judge(c);
        switch (verdict.kind) {
        case Kind::Kept:
            if (spacePending && !check.title.empty())
                check.title.push_back(U' ');
            spacePending = false;
            check.title.push_back(verdict.board);
            afterN = verdict.board == U'N';
            break;
        case Kind::Dropped:
            // A tilde written as a mark after N, as text decomposed into
            // letters and marks has it, makes the Ñ; every other mark only
            // leaves its letter plain.
            if (c == kCombiningTilde && afterN) {
                check.title.back() = kEnye;
                afterN = false;
            } else if (!isCombiningMark(c)) {
                afterN = false;
            }
            break;
        case Kind::Space:
            spacePending = true;
            afterN = false;
            break;
        case Kind::Refused:
            if (!refused)
                refused = c;
            afterN = false;
            break;
        }
    }

    if (refused)
        check.refusal = U"contiene " + shown(*refused) + U", que no se puede jugar";
    else if (check.title.empty())
        check.refusal = U"no tiene letras";
    else if (check.title.size() > static_cast<std::size_t>(kTitleMaxLength))
        check.refusal = U"demasiado largo (" + decimalText(static_cast<long long>(check.title.size())) +
                        U" caracteres; el tablero tiene " + decimalText(kTitleMaxLength) + U")";
    return check;
}

} // namespace velmora
