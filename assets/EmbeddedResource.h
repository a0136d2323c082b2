// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora {

// Lets go of the memory pages that hold the pictures, icons and clips carried
// inside the program, which are only ever decoded: call it once one of them
// has been read. Reading a resource, even only its size, maps the pages
// around it too, since the kernel maps a file's pages in blocks, and they
// would otherwise stay resident for the rest of the run; read again, they
// come back from the program file, unchanged, as they are never written.
// The faces and the translation, read in place, are left alone.
void letGoOfDecodedResources();

} // namespace velmora
