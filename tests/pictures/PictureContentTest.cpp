// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GamePictures.h"
#include "painting/Layout.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>

using namespace velmora;
using velmora::test::kPictures;
using velmora::test::picture;

namespace {

// The device pixels that lie wholly inside a box of the plain picture once it
// is drawn for a scale.
QRect wholePixelsOf(const QRect &box, double scale)
{
    const QPoint topLeft(static_cast<int>(std::ceil(box.left() * scale)),
                         static_cast<int>(std::ceil(box.top() * scale)));
    const QPoint end(static_cast<int>(std::floor((box.left() + box.width()) * scale)),
                     static_cast<int>(std::floor((box.top() + box.height()) * scale)));
    return {topLeft, end - QPoint(1, 1)};
}

void addScaleRows()
{
    QTest::addColumn<double>("scale");
    for (const double scale : pictures::kScales)
        QTest::newRow(qPrintable(QStringLiteral("at %1x").arg(scale))) << scale;
}

bool isPureBlack(QRgb pixel)
{
    return qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 0 && qAlpha(pixel) == 255;
}

} // namespace

// What the pictures show, at every scale they are drawn for, where the
// windows rely on it.
class PictureContentTest : public QObject
{
    Q_OBJECT

private slots:
    void eachScalesDrawingIsThePlainPictureDrawnFiner_data();
    void eachScalesDrawingIsThePlainPictureDrawnFiner();
    void everyStrikeBoxLiesOnAWhiteFrameOfTheStretchedFilmStrip_data() { addScaleRows(); }
    void everyStrikeBoxLiesOnAWhiteFrameOfTheStretchedFilmStrip();
    void theFilmStripDecodesToOneGreyBytePerPixel_data() { addScaleRows(); }
    void theFilmStripDecodesToOneGreyBytePerPixel();
    void theClapperboardsKeepTheRightHalfOfTheBodyPlainBlackForTheLabels_data() { addScaleRows(); }
    void theClapperboardsKeepTheRightHalfOfTheBodyPlainBlackForTheLabels();
    void theSplashTitleIsWhiteOnTransparencyAndWritesOnlyInTheLabelBoxes_data() { addScaleRows(); }
    void theSplashTitleIsWhiteOnTransparencyAndWritesOnlyInTheLabelBoxes();
    void theSpeakersHaveTransparentCornersGreenWavesAndARedStroke_data() { addScaleRows(); }
    void theSpeakersHaveTransparentCornersGreenWavesAndARedStroke();
};

void PictureContentTest::eachScalesDrawingIsThePlainPictureDrawnFiner_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("scale");
    for (const auto &[name, plain] : kPictures) {
        for (const double scale : pictures::kScales) {
            if (scale != 1.0)
                QTest::newRow(qPrintable(pictures::fileName(QString::fromLatin1(name), scale)))
                    << QString::fromLatin1(name) << scale;
        }
    }
}

void PictureContentTest::eachScalesDrawingIsThePlainPictureDrawnFiner()
{
    // Brought down to the plain size, a drawing for a larger scale shows the
    // same picture: the same shapes in the same places, apart from the
    // softer edges of the shrinking. A shape drawn unscaled or misplaced, or
    // another picture under the name, leaves far larger differences.
    QFETCH(QString, name);
    QFETCH(double, scale);
    const auto premultiplied = QImage::Format_ARGB32_Premultiplied;
    const QImage plain = picture(name.toLatin1().constData(), 1.0).convertToFormat(premultiplied);
    const QImage fine = picture(name.toLatin1().constData(), scale).convertToFormat(premultiplied);
    QVERIFY(!plain.isNull() && !fine.isNull());
    // The drawing's last row and column may hold only a part of a plain pixel.
    const QSize whole(static_cast<int>(plain.width() * scale), static_cast<int>(plain.height() * scale));
    const QImage shrunk =
        fine.copy(QRect(QPoint(), whole)).scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    qint64 total = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb a = plain.pixel(x, y);
            const QRgb b = shrunk.pixel(x, y);
            total += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) +
                     qAbs(qAlpha(a) - qAlpha(b));
        }
    }
    const double meanLevels = double(total) / (4.0 * plain.width() * plain.height());
    QVERIFY2(meanLevels < 12.0, qPrintable(QStringLiteral("differs by %1 levels on average").arg(meanLevels)));
}

void PictureContentTest::everyStrikeBoxLiesOnAWhiteFrameOfTheStretchedFilmStrip()
{
    // The window shows the strip stretched over its film-strip image, with the
    // strike boxes laid over it; on a screen of a larger scale it shows the
    // strip drawn for that scale, stretched over the device pixels of the
    // image.
    QFETCH(double, scale);
    const QRect strip = layout::Image1;
    QImage window(pictures::scaledSize({layout::kClientWidth, layout::kClientHeight}, scale), QImage::Format_RGB32);
    window.setDevicePixelRatio(scale);
    window.fill(Qt::red);
    {
        QImage film = picture("filmstrip", scale);
        QVERIFY(!film.isNull());
        film.setDevicePixelRatio(scale);
        QPainter painter(&window);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(strip), film, QRectF(film.rect()));
    }
    for (int box = 1; box <= kStrikeBoxes; ++box) {
        // The white frame fills the box but for its outermost pixel, which may
        // blend with the film after smoothing.
        const QRect b = wholePixelsOf(layout::lblStrike(box), scale).adjusted(1, 1, -1, -1);
        for (int x = b.left(); x <= b.right(); ++x) {
            for (int y = b.top(); y <= b.bottom(); ++y)
                QVERIFY2(qGray(window.pixel(x, y)) > 240,
                         qPrintable(QString("box %1 at %2,%3").arg(box).arg(x).arg(y)));
        }
        if (box < kStrikeBoxes) {
            // Between two boxes the film shows black.
            const double gap = (layout::lblStrike(box).right() + 1 + layout::lblStrike(box + 1).left()) / 2.0;
            const QPoint at(static_cast<int>(gap * scale), static_cast<int>(24 * scale));
            QVERIFY2(qGray(window.pixel(at)) < 16, qPrintable(QString("gap after box %1").arg(box)));
        }
    }
}

void PictureContentTest::theFilmStripDecodesToOneGreyBytePerPixel()
{
    // The window keeps the strip decoded while it is open, so it is stored as
    // greys, which decode to a byte a pixel rather than four.
    QFETCH(double, scale);
    QCOMPARE(picture("filmstrip", scale).format(), QImage::Format_Grayscale8);
}

void PictureContentTest::theClapperboardsKeepTheRightHalfOfTheBodyPlainBlackForTheLabels()
{
    // The splash window shows the picture stretched to 233 x 217 and lays its
    // white labels over x 120..219, y 112..193; in picture pixels that is
    // x 140..256, y 132..229.
    QFETCH(double, scale);
    const QRect plain = wholePixelsOf(QRect(QPoint(140, 132), QPoint(256, 229)), scale);
    for (const char *name : {"clapper-open", "clapper-shut"}) {
        const QImage image = picture(name, scale).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!image.isNull());
        for (int y = plain.top(); y <= plain.bottom(); ++y) {
            for (int x = plain.left(); x <= plain.right(); ++x)
                QVERIFY2(isPureBlack(image.pixel(x, y)), qPrintable(QString("%1 at %2,%3").arg(name).arg(x).arg(y)));
        }
    }
}

void PictureContentTest::theSplashTitleIsWhiteOnTransparencyAndWritesOnlyInTheLabelBoxes()
{
    // The splash draws the title over the clapperboard at its own top left
    // corner: the product word in x 120..218, y 112..153, the letter of the
    // mark from x 120, y 144, with its tail reaching below its box but not
    // past the black body (to y 205); at a larger scale, over the device
    // pixels of the same boxes.
    QFETCH(double, scale);
    const QImage image = picture("splash-title", scale).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!image.isNull());
    const auto devicePixels = [scale](const QRect &box) {
        return QRectF(box.topLeft() * scale, box.size() * scale).toAlignedRect();
    };
    const QRect word = devicePixels(QRect(120, 112, 99, 42));
    const QRect mark = devicePixels(QRect(120, 144, 99, 62));
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
    QVERIFY(wordPixels > 200 * scale * scale);
    QVERIFY(markPixels > 100 * scale * scale);
}

void PictureContentTest::theSpeakersHaveTransparentCornersGreenWavesAndARedStroke()
{
    QFETCH(double, scale);
    const QImage on = picture("speaker-on", scale).convertToFormat(QImage::Format_ARGB32);
    const QImage off = picture("speaker-off", scale).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!on.isNull() && !off.isNull());
    for (const QImage &image : {on, off}) {
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
        QCOMPARE(qAlpha(image.pixel(0, image.height() - 1)), 0);
    }
    int greenInOn = 0;
    int redInOn = 0;
    int greenInOff = 0;
    int redInOff = 0;
    for (int y = 0; y < on.height(); ++y) {
        for (int x = 0; x < on.width(); ++x) {
            const auto isGreen = [](QRgb p) { return qAlpha(p) > 128 && qGreen(p) > 2 * qRed(p) + 40 && qGreen(p) > 2 * qBlue(p); };
            const auto isRed = [](QRgb p) { return qAlpha(p) > 128 && qRed(p) > 2 * qGreen(p) + 40 && qRed(p) > 2 * qBlue(p); };
            greenInOn += isGreen(on.pixel(x, y)) ? 1 : 0;
            redInOn += isRed(on.pixel(x, y)) ? 1 : 0;
            greenInOff += isGreen(off.pixel(x, y)) ? 1 : 0;
            redInOff += isRed(off.pixel(x, y)) ? 1 : 0;
        }
    }
    QVERIFY(greenInOn >= 10 * scale * scale);
    QCOMPARE(redInOn, 0);
    QCOMPARE(greenInOff, 0);
    QVERIFY(redInOff >= 10 * scale * scale);
}

QTEST_GUILESS_MAIN(PictureContentTest)

#include "PictureContentTest.moc"
