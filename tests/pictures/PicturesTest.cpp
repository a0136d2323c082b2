// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GamePictures.h"

#include <QColor>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <QtEndian>

#include <array>
#include <utility>

using namespace velmora;
using velmora::test::kPictures;

namespace {

// Every file the drawing tool writes, relative to its output folder and to the
// committed assets/ folder alike.
QStringList drawnFiles()
{
    QStringList files{
        "icons/velmora.ico",   "icons/velmora-16.png",  "icons/velmora-32.png",  "icons/velmora-48.png",
        "icons/velmora-96.png", "icons/velmora-128.png", "icons/velmora-256.png", "icons/velmora.svg",
    };
    for (const auto &[name, size] : kPictures) {
        for (const double scale : pictures::kScales)
            files.append(QStringLiteral("pictures/") + pictures::fileName(QString::fromLatin1(name), scale));
    }
    return files;
}

struct IconEntry {
    int size = 0;
    int bitsPerPixel = 0;
};

// The eleven images of the program icon, in the order the file holds them.
constexpr std::array<IconEntry, 11> kIconEntries{{
    {16, 4}, {32, 4}, {16, 8}, {32, 8}, {48, 8}, {16, 32}, {32, 32}, {48, 32}, {96, 32}, {128, 32}, {256, 32},
}};

quint16 u16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// The icon file in the desktop's own format, made for installing; the program
// itself reads its icon from the PNG pictures, so it does not carry this file.
QString committedIconFile()
{
    return QDir(VELMORA_COMMITTED_ASSETS).filePath("icons/velmora.ico");
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList filesBelow(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(root).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// How far a redrawn picture may stray from the committed one. Qt's raster
// engine picks processor-specific code for antialiasing and for converting
// between premultiplied and straight alpha, so on another machine the same
// drawing can come out one level apart in a few edge pixels. Compared in
// premultiplied form, where a faint edge pixel's colour is not magnified by
// dividing it by its alpha, such pixels differ by at most one level in a
// channel, and there are at most one in a thousand of them (at least two in a
// small picture). A real change of a picture is far bigger: a moved shape
// changes edge pixels by many levels, a changed colour every pixel of an area.
constexpr int kLevelTolerance = 1;

int strayPixelAllowance(const QImage &image)
{
    return qMax(2, image.width() * image.height() / 1000);
}

struct PixelDifference {
    int pixels = 0;
    int largestLevel = 0;
    QPoint first{-1, -1};
};

PixelDifference differenceBetween(const QImage &drawn, const QImage &committed)
{
    const QImage a = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = committed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    PixelDifference difference;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (p == q)
                continue;
            const int level = qMax(qMax(qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q))),
                                   qMax(qAbs(qBlue(p) - qBlue(q)), qAbs(qAlpha(p) - qAlpha(q))));
            if (difference.pixels++ == 0)
                difference.first = QPoint(x, y);
            difference.largestLevel = qMax(difference.largestLevel, level);
        }
    }
    return difference;
}

// Empty when the redrawn picture matches the committed one within the
// tolerance; otherwise says how it differs. In a paletted picture a colour one
// level off may pick the neighbouring palette entry, so there only the number
// of differing pixels counts.
QString mismatch(const QImage &drawn, const QImage &committed, bool paletted)
{
    if (drawn.isNull() || committed.isNull())
        return QStringLiteral("does not decode");
    if (drawn.size() != committed.size())
        return QStringLiteral("is %1x%2 instead of %3x%4")
            .arg(drawn.width()).arg(drawn.height()).arg(committed.width()).arg(committed.height());
    const PixelDifference difference = differenceBetween(drawn, committed);
    if (difference.pixels <= strayPixelAllowance(committed) && (paletted || difference.largestLevel <= kLevelTolerance))
        return {};
    return QStringLiteral("differs in %1 pixels (first at %2,%3), by up to %4 levels")
        .arg(difference.pixels).arg(difference.first.x()).arg(difference.first.y()).arg(difference.largestLevel);
}

QList<QImage> iconImages(const QString &path)
{
    QImageReader reader(path, "ico");
    QList<QImage> images;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i)
        images.append(reader.read());
    return images;
}

} // namespace

class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void redrawingThePicturesReproducesTheCommittedPixels();
    void everyPictureHasItsStatedPixelSize_data();
    void everyPictureHasItsStatedPixelSize();
    void theIconFileHoldsElevenImagesOfTheStatedSizesAndDepths();
    void theIconFileReadsBackThroughQtsIconReader();
    void theScalableIconIsASquareDrawingOfShapesWithNoPictureInside();
};

void PicturesTest::redrawingThePicturesReproducesTheCommittedPixels()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    tool.start(VELMORA_DRAW_PICTURES, {out.path()});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), 0);

    QStringList expected = drawnFiles();
    expected.sort();
    QCOMPARE(filesBelow(out.path()), expected);
    const QString advice = QStringLiteral(": run tools/pictures/redraw.sh");
    for (const QString &name : drawnFiles()) {
        const QString drawn = QDir(out.path()).filePath(name);
        const QString committed = QDir(VELMORA_COMMITTED_ASSETS).filePath(name);
        QVERIFY2(QFile::exists(committed), qPrintable(name + " is missing from assets/"));
        // The scalable icon is text the tool writes from the drawing's
        // shapes, with no antialiasing to stray: it must come out the same.
        if (name.endsWith(".svg")) {
            QVERIFY2(readAll(drawn) == readAll(committed), qPrintable(name + " differs" + advice));
            continue;
        }
        if (!name.endsWith(".ico")) {
            const QString why = mismatch(QImage(drawn), QImage(committed), false);
            QVERIFY2(why.isEmpty(), qPrintable(name + " " + why + advice));
            continue;
        }
        const QList<QImage> drawnIcons = iconImages(drawn);
        const QList<QImage> committedIcons = iconImages(committed);
        QCOMPARE(drawnIcons.size(), qsizetype(kIconEntries.size()));
        QCOMPARE(committedIcons.size(), drawnIcons.size());
        for (std::size_t i = 0; i < kIconEntries.size(); ++i) {
            const QString why = mismatch(drawnIcons[i], committedIcons[i], kIconEntries[i].bitsPerPixel <= 8);
            QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("%1 entry %2 %3").arg(name).arg(i).arg(why) + advice));
        }
    }
}

void PicturesTest::everyPictureHasItsStatedPixelSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    // A picture drawn for a larger scale has that many times its pixels in
    // each direction, rounded up.
    for (const auto &[name, plain] : kPictures) {
        for (const double scale : pictures::kScales) {
            const QString file = pictures::fileName(QString::fromLatin1(name), scale);
            QTest::newRow(qPrintable(file)) << ":/pictures/" + file << pictures::scaledSize(plain, scale);
        }
    }
    for (const int size : {16, 32, 48, 96, 128, 256}) {
        const QString name = QStringLiteral("velmora-%1.png").arg(size);
        QTest::newRow(qPrintable(name)) << ":/icons/" + name << QSize(size, size);
    }
}

void PicturesTest::everyPictureHasItsStatedPixelSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path + " is not among the resources"));
    QCOMPARE(image.size(), size);
}

void PicturesTest::theIconFileHoldsElevenImagesOfTheStatedSizesAndDepths()
{
    const QByteArray ico = readAll(committedIconFile());
    QVERIFY(ico.size() > 6);
    QCOMPARE(u16(ico, 0), 0);
    QCOMPARE(u16(ico, 2), 1);
    QCOMPARE(u16(ico, 4), kIconEntries.size());
    QVERIFY(ico.size() >= 6 + 16 * qsizetype(kIconEntries.size()));

    for (std::size_t i = 0; i < kIconEntries.size(); ++i) {
        const IconEntry expected = kIconEntries[i];
        const qsizetype at = 6 + 16 * qsizetype(i);
        const QString where = QStringLiteral("entry %1").arg(i);
        // One byte holds the size, where 0 stands for 256.
        const int width = static_cast<quint8>(ico[at]) == 0 ? 256 : static_cast<quint8>(ico[at]);
        const int height = static_cast<quint8>(ico[at + 1]) == 0 ? 256 : static_cast<quint8>(ico[at + 1]);
        QCOMPARE(width, expected.size);
        QCOMPARE(height, expected.size);
        QCOMPARE(static_cast<quint8>(ico[at + 2]), expected.bitsPerPixel == 4 ? 16 : 0);
        QCOMPARE(u16(ico, at + 6), expected.bitsPerPixel);
        const quint32 length = u32(ico, at + 8);
        const quint32 offset = u32(ico, at + 12);
        QVERIFY2(offset + length <= quint32(ico.size()), qPrintable(where));
        const QByteArray data = ico.mid(offset, length);

        if (data.startsWith("\x89PNG")) {
            // A PNG entry: its header chunk gives the size, and it must carry
            // 8-bit RGBA to count as 32 bits.
            QCOMPARE(expected.bitsPerPixel, 32);
            QCOMPARE(qFromBigEndian<quint32>(data.constData() + 16), quint32(expected.size));
            QCOMPARE(qFromBigEndian<quint32>(data.constData() + 20), quint32(expected.size));
            QCOMPARE(static_cast<quint8>(data[24]), 8);
            QCOMPARE(static_cast<quint8>(data[25]), 6);
            continue;
        }
        // A bitmap entry: its height counts the colour bitmap and the mask.
        QCOMPARE(u32(data, 0), 40u);
        QCOMPARE(u32(data, 4), quint32(expected.size));
        QCOMPARE(u32(data, 8), quint32(2 * expected.size));
        QCOMPARE(u16(data, 14), expected.bitsPerPixel);
        const int paletteSize = expected.bitsPerPixel <= 8 ? (1 << expected.bitsPerPixel) : 0;
        const int colourRow = ((expected.size * expected.bitsPerPixel + 31) / 32) * 4;
        const int maskRow = ((expected.size + 31) / 32) * 4;
        QCOMPARE(data.size(), 40 + 4 * paletteSize + (colourRow + maskRow) * expected.size);
    }
}

void PicturesTest::theIconFileReadsBackThroughQtsIconReader()
{
    if (!QImageReader::supportedImageFormats().contains("ico"))
        QSKIP("Qt's ico image plugin is not installed");
    QImageReader reader(committedIconFile(), "ico");
    QCOMPARE(reader.imageCount(), int(kIconEntries.size()));
    for (std::size_t i = 0; i < kIconEntries.size(); ++i) {
        QVERIFY(reader.jumpToImage(int(i)));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(kIconEntries[i].size, kIconEntries[i].size));
    }
}

void PicturesTest::theScalableIconIsASquareDrawingOfShapesWithNoPictureInside()
{
    const QByteArray svg = readAll(QDir(VELMORA_COMMITTED_ASSETS).filePath("icons/velmora.svg"));
    QXmlStreamReader xml(svg);
    QStringList elements;
    QString viewBox;
    QString title;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        elements.append(xml.name().toString());
        if (xml.name() == QLatin1String("svg"))
            viewBox = xml.attributes().value("viewBox").toString();
        else if (xml.name() == QLatin1String("title"))
            title = xml.readElementText();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(elements.value(0), QStringLiteral("svg"));
    QCOMPARE(viewBox, QStringLiteral("0 0 256 256"));
    QCOMPARE(title, QStringLiteral("Velmora"));
    // A picture drawn into the generator would be embedded as pixels, which
    // blur when a desktop scales the icon.
    QVERIFY(!elements.contains(QStringLiteral("image")));
    QVERIFY(elements.count(QStringLiteral("path")) >= 8);
}

QTEST_GUILESS_MAIN(PicturesTest)

#include "PicturesTest.moc"
