// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// Key codes are single-byte Latin-1 character codes ("ñ" is 241, "Ñ" is 209).
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyAnswer = '!';

// The guess a key stands for while a round runs: letters and digits in upper
// case, "ñ" and "Ñ" as "Ñ", and an accented vowel (á à â ä, the same over
// e i o u, in either case) as its plain vowel, as the answer box takes it.
// Any other key, punctuation, control keys and codes beyond Latin-1
// included, is no guess: the result is 0.
char32_t guessForKey(int keyCode);

// The answer box's key filter: digits, letters, "ñ" and "Ñ", Backspace, and a
// space once the box holds text. An accented vowel (á à â ä, the same over
// e i o u, in either case) is taken as its plain vowel in the same case, so
// that a title typed with its accents is the title. Returns the code of the
// character the box takes, else 0.
int Verificar_Tecla(int keyCode, bool boxIsEmpty);

// What the answer box takes of a text that arrives in it at once, pasted,
// dropped or committed by an input method: each character in turn, as if it
// had been typed, through Verificar_Tecla (so a space only once the box holds
// text, and "á" as "a"), and no more than fits beside the `kept` characters
// the box keeps.
// `boxIsEmpty` tells whether the box was empty before the text arrived.
// Backspace and every other character are dropped.
std::u32string admitToAnswerBox(std::u32string_view arriving, bool boxIsEmpty, std::size_t kept);

// Upper case over Latin-1 ("ñ" becomes "Ñ"); other characters are kept.
char32_t toUpperLatin1(char32_t c);
std::u32string toUpperLatin1(std::u32string text);

// Whether a character may stand in a whole-title answer: a digit, A-Z, Ñ or a
// space.
bool isAnswerCharacter(char32_t c);

} // namespace velmora
