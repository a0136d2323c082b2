// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace velmora {

// Builds a Windows icon file (.ico) from square images. Paletted and 32-bit
// entries under 256 pixels are stored as bottom-up bitmaps followed by a 1-bit
// transparency mask, as every version of Windows reads them; the 256-pixel
// entry is stored as PNG, which is what Windows expects at that size.
class IcoFile
{
public:
    // Adds the image with 8 bits of alpha.
    void addTrueColour(const QImage &image);
    // Adds the image reduced to the 16-colour (bitsPerPixel 4) or 256-colour
    // (bitsPerPixel 8) standard palette, with its transparency as the mask.
    void addPaletted(const QImage &image, int bitsPerPixel);

    QByteArray bytes() const;

private:
    struct Entry {
        int size = 0;
        int colourCount = 0;
        int bitsPerPixel = 0;
        QByteArray data;
    };

    std::vector<Entry> m_entries;
};

} // namespace velmora
