// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

namespace velmora {

// The one filter of the answer box. The box offers it every change of its
// text, whatever brought it: a typed key, a paste by any means, a drop, an
// input method, an accessibility tool or the program itself. The filter
// finds what arrived beside what the box held before, lets the rules decide
// what of it the box takes (admitToAnswerBox: the characters a player can
// type, taken as typed, up to the box's length) and drops the rest, before
// the box stores or reports anything.
class AnswerFilter final : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    // Always Acceptable: the text is mended in place instead of refused.
    State validate(QString& text, int& cursor) const override;

private:
    // The text as the box held it after the last change.
    mutable QString held_;
};

} // namespace velmora
