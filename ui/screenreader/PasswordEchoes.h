// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora {

// A line edit that hides its text still tells assistive technology each
// change with the characters typed, deleted or replaced, and a screen reader
// that echoes typing says them aloud. From the first call on, every such
// change of a line edit that hides its text reaches assistive technology
// with each character replaced by the field's masking character, as desktop
// password fields send it; asking the field for its text already gives only
// masking characters. Calling it again does nothing more.
void maskPasswordEchoes();

} // namespace velmora
