// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "IcoFile.h"

#include "Palette.h"

#include <QBuffer>
#include <QtEndian>

namespace velmora {

namespace {

constexpr int kBitmapHeaderSize = 40;
constexpr int kDirectoryHeaderSize = 6;
constexpr int kDirectoryEntrySize = 16;

void appendU16(QByteArray &out, int value)
{
    char bytes[2];
    qToLittleEndian(static_cast<quint16>(value), bytes);
    out.append(bytes, 2);
}

void appendU32(QByteArray &out, qint64 value)
{
    char bytes[4];
    qToLittleEndian(static_cast<quint32>(value), bytes);
    out.append(bytes, 4);
}

// Bitmap rows are padded to a multiple of four bytes.
int rowBytes(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

QByteArray bitmapHeader(int size, int bitsPerPixel, int paletteSize, int imageBytes)
{
    QByteArray header;
    appendU32(header, kBitmapHeaderSize);
    appendU32(header, size);
    // The height counts the colour bitmap and the mask together.
    appendU32(header, 2 * size);
    appendU16(header, 1);
    appendU16(header, bitsPerPixel);
    appendU32(header, 0);
    appendU32(header, imageBytes);
    appendU32(header, 0);
    appendU32(header, 0);
    appendU32(header, paletteSize);
    appendU32(header, 0);
    return header;
}

// The AND mask: a set bit marks a transparent pixel. Rows run bottom-up.
QByteArray andMask(const QImage &image)
{
    const int stride = rowBytes(image.width(), 1);
    QByteArray mask(stride * image.height(), '\0');
    for (int y = 0; y < image.height(); ++y) {
        char *row = mask.data() + (image.height() - 1 - y) * stride;
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) < 128)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
    }
    return mask;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

} // namespace

void IcoFile::addTrueColour(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int size = argb.width();
    if (size >= 256) {
        m_entries.push_back({size, 0, 32, pngBytes(argb)});
        return;
    }

    const int stride = rowBytes(size, 32);
    const QByteArray mask = andMask(argb);
    QByteArray data = bitmapHeader(size, 32, 0, stride * size + static_cast<int>(mask.size()));
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = argb.pixel(x, y);
            data.append(static_cast<char>(qBlue(pixel)));
            data.append(static_cast<char>(qGreen(pixel)));
            data.append(static_cast<char>(qRed(pixel)));
            data.append(static_cast<char>(qAlpha(pixel)));
        }
    }
    data.append(mask);
    m_entries.push_back({size, 0, 32, data});
}

void IcoFile::addPaletted(const QImage &image, int bitsPerPixel)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int size = argb.width();
    const QList<QRgb> palette = bitsPerPixel == 4 ? standardPalette16() : standardPalette256();
    const QImage indexed = quantize(argb, palette);

    const int stride = rowBytes(size, bitsPerPixel);
    const QByteArray mask = andMask(argb);
    QByteArray data = bitmapHeader(size, bitsPerPixel, static_cast<int>(palette.size()),
                                   stride * size + static_cast<int>(mask.size()));
    for (const QRgb colour : palette) {
        data.append(static_cast<char>(qBlue(colour)));
        data.append(static_cast<char>(qGreen(colour)));
        data.append(static_cast<char>(qRed(colour)));
        data.append('\0');
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < size; ++x) {
            const int index = indexed.pixelIndex(x, y);
            if (bitsPerPixel == 8)
                row[x] = static_cast<char>(index);
            else
                row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        data.append(row);
    }
    data.append(mask);
    // The directory states the number of colours only where it is under 256.
    m_entries.push_back({size, bitsPerPixel == 4 ? 16 : 0, bitsPerPixel, data});
}

QByteArray IcoFile::bytes() const
{
    QByteArray out;
    appendU16(out, 0);
    appendU16(out, 1);
    appendU16(out, static_cast<int>(m_entries.size()));

    qint64 offset = kDirectoryHeaderSize + kDirectoryEntrySize * static_cast<qint64>(m_entries.size());
    for (const Entry &entry : m_entries) {
        // A size of 256 is written as 0, as the field is one byte.
        out.append(static_cast<char>(entry.size % 256));
        out.append(static_cast<char>(entry.size % 256));
        out.append(static_cast<char>(entry.colourCount));
        out.append('\0');
        appendU16(out, 1);
        appendU16(out, entry.bitsPerPixel);
        appendU32(out, entry.data.size());
        appendU32(out, offset);
        offset += entry.data.size();
    }
    for (const Entry &entry : m_entries)
        out.append(entry.data);
    return out;
}

} // namespace velmora
