// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Layout.h"

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

namespace {

// Every file the drawing tool writes, relative to its output folder and to the
// committed assets/ folder alike.
const QStringList kDrawnFiles{
    "pictures/filmstrip.png",    "pictures/speaker-on.png",   "pictures/speaker-off.png",
    "pictures/clapper-open.png", "pictures/clapper-shut.png", "pictures/splash-title.png",
    "icons/velmora.ico",         "icons/velmora-16.png",      "icons/velmora-32.png",
    "icons/velmora-48.png",      "icons/velmora-96.png",      "icons/velmora-128.png",
    "icons/velmora-256.png",     "icons/velmora.svg",
};

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

bool isPureBlack(QRgb pixel)
{
    return qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 0 && qAlpha(pixel) == 255;
}

} // namespace

class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void redrawingThePicturesReproducesTheCommittedPixels();
    void everyPictureHasItsStatedPixelSize_data();
    void everyPictureHasItsStatedPixelSize();
    void everyStrikeBoxLiesOnAWhiteFrameOfTheStretchedFilmStrip();
    void theFilmStripDecodesToOneGreyBytePerPixel();
    void theClapperboardsKeepTheRightHalfOfTheBodyPlainBlackForTheLabels();
    void theSplashTitleIsWhiteOnTransparencyAndWritesOnlyInTheLabelBoxes();
    void theSpeakersHaveTransparentCornersGreenWavesAndARedStroke();
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

    QStringList expected = kDrawnFiles;
    expected.sort();
    QCOMPARE(filesBelow(out.path()), expected);
    const QString advice = QStringLiteral(": run tools/pictures/redraw.sh");
    for (const QString &name : kDrawnFiles) {
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
    QTest::newRow("film strip") << ":/pictures/filmstrip.png" << QSize(388, 79);
    QTest::newRow("speaker on") << ":/pictures/speaker-on.png" << QSize(20, 16);
    QTest::newRow("speaker off") << ":/pictures/speaker-off.png" << QSize(20, 16);
    QTest::newRow("clapperboard open") << ":/pictures/clapper-open.png" << QSize(272, 257);
    QTest::newRow("clapperboard shut") << ":/pictures/clapper-shut.png" << QSize(272, 257);
    QTest::newRow("splash title") << ":/pictures/splash-title.png" << QSize(233, 225);
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

void PicturesTest::everyStrikeBoxLiesOnAWhiteFrameOfTheStretchedFilmStrip()
{
    // The window shows the strip stretched over its film-strip image, with the
    // strike boxes laid over it.
    const QRect strip = layout::Image1;
    const QImage shown = QImage(":/pictures/filmstrip.png")
                             .scaled(strip.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);
    QVERIFY(!shown.isNull());
    for (int box = 1; box <= kStrikeBoxes; ++box) {
        const QRect b = layout::lblStrike(box);
        // The white frame fills the box but for its outermost pixel, which may
        // blend with the film after smoothing.
        for (int x = b.left() + 1; x < b.right(); ++x) {
            for (int y = b.top() + 1; y < b.bottom(); ++y)
                QVERIFY2(qGray(shown.pixel(x - strip.left(), y)) > 240,
                         qPrintable(QString("box %1 at %2,%3").arg(box).arg(x).arg(y)));
        }
        if (box < kStrikeBoxes) {
            // Between two boxes the film shows black.
            const int gap = (b.right() + 1 + layout::lblStrike(box + 1).left()) / 2;
            QVERIFY2(qGray(shown.pixel(gap - strip.left(), 24)) < 16, qPrintable(QString("gap after box %1").arg(box)));
        }
    }
}

void PicturesTest::theFilmStripDecodesToOneGreyBytePerPixel()
{
    // The window keeps the strip decoded while it is open, so it is stored as
    // greys, which decode to a byte a pixel rather than four.
    QCOMPARE(QImage(":/pictures/filmstrip.png").format(), QImage::Format_Grayscale8);
}

void PicturesTest::theClapperboardsKeepTheRightHalfOfTheBodyPlainBlackForTheLabels()
{
    // The splash window shows the picture stretched to 233 x 217 and lays its
    // white labels over x 120..219, y 112..193; in picture pixels that is
    // x 140..256, y 132..229.
    for (const QString path : {":/pictures/clapper-open.png", ":/pictures/clapper-shut.png"}) {
        const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!image.isNull());
        for (int y = 132; y <= 229; ++y) {
            for (int x = 140; x <= 256; ++x)
                QVERIFY2(isPureBlack(image.pixel(x, y)), qPrintable(QString("%1 at %2,%3").arg(path).arg(x).arg(y)));
        }
    }
}

void PicturesTest::theSplashTitleIsWhiteOnTransparencyAndWritesOnlyInTheLabelBoxes()
{
    // The splash draws the title over the clapperboard at its own top left
    // corner: the product word in x 120..218, y 112..153, the letter of the
    // mark from x 120, y 144, with its tail reaching below its box but not
    // past the black body (to y 205).
    const QImage image = QImage(":/pictures/splash-title.png").convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!image.isNull());
    const QRect word(120, 112, 99, 42);
    const QRect mark(120, 144, 99, 62);
    int wordPixels = 0;
    int markPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0)
                continue;
            const QString where = QStringLiteral("at %1,%2").arg(x).arg(y);
            QVERIFY2(qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) == 255, qPrintable(where));
            QVERIFY2(word.contains(x, y) || mark.contains(x, y), qPrintable(where));
            wordPixels += y < mark.top() ? 1 : 0;
            markPixels += y > word.bottom() ? 1 : 0;
        }
    }
    // Seven letters and one: each leaves far more than a few dozen pixels.
    QVERIFY(wordPixels > 200);
    QVERIFY(markPixels > 100);
}

void PicturesTest::theSpeakersHaveTransparentCornersGreenWavesAndARedStroke()
{
    const QImage on = QImage(":/pictures/speaker-on.png").convertToFormat(QImage::Format_ARGB32);
    const QImage off = QImage(":/pictures/speaker-off.png").convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!on.isNull() && !off.isNull());
    for (const QImage &image : {on, off}) {
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(19, 15)), 0);
        QCOMPARE(qAlpha(image.pixel(0, 15)), 0);
    }
    int greenInOn = 0;
    int redInOn = 0;
    int greenInOff = 0;
    int redInOff = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 20; ++x) {
            const auto isGreen = [](QRgb p) { return qAlpha(p) > 128 && qGreen(p) > 2 * qRed(p) + 40 && qGreen(p) > 2 * qBlue(p); };
            const auto isRed = [](QRgb p) { return qAlpha(p) > 128 && qRed(p) > 2 * qGreen(p) + 40 && qRed(p) > 2 * qBlue(p); };
            greenInOn += isGreen(on.pixel(x, y)) ? 1 : 0;
            redInOn += isRed(on.pixel(x, y)) ? 1 : 0;
            greenInOff += isGreen(off.pixel(x, y)) ? 1 : 0;
            redInOff += isRed(off.pixel(x, y)) ? 1 : 0;
        }
    }
    QVERIFY(greenInOn >= 10);
    QCOMPARE(redInOn, 0);
    QCOMPARE(greenInOff, 0);
    QVERIFY(redInOff >= 10);
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
