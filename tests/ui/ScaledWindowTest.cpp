// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"
#include "desktop/ApplicationSetup.h"
#include "painting/GameSurface.h"
#include "painting/Layout.h"
#include "painting/PictureScales.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QTest>

#include <cmath>

using namespace velmora;

namespace {

const QColor kWindowColour(15, 15, 15);
const QColor kPanelGrey(127, 127, 127);
const QColor kShade(64, 64, 64);

// The surface painted afresh at the screen's ratio, in device pixels.
QImage devicePixels(const WindowFixture& f)
{
    return f.surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

qreal ratioOf(const WindowFixture& f)
{
    return f.surface()->devicePixelRatioF();
}

// The colours met going from a point in a direction, each run of equal
// pixels once.
QList<QColor> runs(const QImage& image, QPoint from, QPoint step, int count)
{
    QList<QColor> colours;
    for (QPoint at = from; count-- > 0 && image.rect().contains(at); at += step) {
        const QColor colour = image.pixelColor(at);
        if (colours.isEmpty() || colours.back() != colour)
            colours.append(colour);
    }
    return colours;
}

// Whether a part of an image is the expected picture, pixel for pixel. The
// raster engine may blend a picture's soft edges onto the button a level
// apart from how it blends them onto the expected one, depending on the
// processor's code path.
bool showsAt(const QImage& image, QPoint topLeft, const QImage& expected)
{
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb a = image.pixel(topLeft + QPoint(x, y));
            const QRgb b = expected.pixel(x, y);
            if (qAbs(qRed(a) - qRed(b)) > 1 || qAbs(qGreen(a) - qGreen(b)) > 1 || qAbs(qBlue(a) - qBlue(b)) > 1)
                return false;
        }
    }
    return true;
}

QString describe(const QList<QColor>& colours)
{
    QStringList names;
    for (const QColor& colour : colours)
        names << colour.name();
    return names.join(QLatin1Char(' '));
}

} // namespace

// The window on a screen of the scale QT_SCALE_FACTOR gives, fractional
// ones included: pictures drawn for the scale, edges on whole pixels.
class ScaledWindowTest : public QObject {
    Q_OBJECT

private slots:
    void eachRatioIsShownTheDrawingOfTheSmallestScaleAtLeastAsLarge()
    {
        QCOMPARE(pictures::scaleFor(1.0), 1.0);
        QCOMPARE(pictures::scaleFor(1.25), 1.5);
        QCOMPARE(pictures::scaleFor(1.5), 1.5);
        QCOMPARE(pictures::scaleFor(1.75), 2.0);
        QCOMPARE(pictures::scaleFor(2.0000001), 2.0);
        QCOMPARE(pictures::scaleFor(2.5), 3.0);
        QCOMPARE(pictures::scaleFor(4.0), 3.0);
    }

    void theSpeakerIsItsDrawingForTheScalePixelForPixel()
    {
        WindowFixture f;
        const qreal ratio = ratioOf(f);
        const double scale = pictures::scaleFor(ratio);
        if (scale != ratio)
            QSKIP("no drawing is made for this ratio; the next larger one is shrunk");
        // The drawing as the white button shows it.
        QImage drawing(QStringLiteral(":/pictures/") + pictures::fileName(QStringLiteral("speaker-on"), scale));
        drawing.setDevicePixelRatio(1);
        QImage expected(drawing.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(0, 0, drawing);

        const QImage shown = devicePixels(f);
        const QRect button(layout::cmdVoz.topLeft() * ratio, layout::cmdVoz.size() * ratio);
        bool found = false;
        for (int y = button.top(); y + expected.height() <= button.bottom() && !found; ++y) {
            for (int x = button.left(); x + expected.width() <= button.right() && !found; ++x)
                found = showsAt(shown, {x, y}, expected);
        }
        QVERIFY2(found, "the button does not show the speaker drawn for this scale pixel for pixel");
    }

    void theProgramIconIsTheDrawnSizeThatCoversTheRatioShrunkIfNeedBe()
    {
        // A 32-pixel icon on this screen is shown from the smallest drawn
        // size that covers it in device pixels: never enlarged, and the very
        // drawing where one is made for that size.
        WindowFixture f;
        const qreal ratio = ratioOf(f);
        const QIcon icon = f.window->windowIcon();
        QImage shown = icon.pixmap(QSize(32, 32), ratio).toImage();
        QCOMPARE(shown.devicePixelRatio(), ratio);
        shown.setDevicePixelRatio(1);
        const int side = int(std::lround(32 * ratio));
        QCOMPARE(shown.size(), QSize(side, side));
        const QImage drawing(QStringLiteral(":/icons/velmora-%1.png").arg(side));
        if (!drawing.isNull()) {
            const auto premultiplied = QImage::Format_ARGB32_Premultiplied;
            QCOMPARE(shown.convertToFormat(premultiplied), drawing.convertToFormat(premultiplied));
        }
    }

    void theButtonsDarkEdgesAreTheirOutermostPixels()
    {
        WindowFixture f;
        const qreal ratio = ratioOf(f);
        const QImage shown = devicePixels(f);
        // The play button lies on the black panel, the speaker button on the
        // grey one; going down and right from a button's middle, its face
        // gives way to its dark edge and that to what lies around it.
        const struct {
            const char* name;
            QColor around;
        } buttons[] = {{"cmdGame", Qt::black}, {"cmdVoz", kPanelGrey}};
        for (const auto& button : buttons) {
            // Along the face's column and row next to the bevel's light edge,
            // clear of the picture, the caption and the focus frame.
            const QRectF box = f.child<QWidget>(button.name)->geometry();
            const QPointF inside = box.topLeft() + QPointF(1.5, 1.5);
            const QPoint column(int(inside.x() * ratio), int(box.center().y() * ratio));
            const QPoint row(int(box.center().x() * ratio), int(inside.y() * ratio));
            const int reach = int(box.width() * ratio);
            const QList<QColor> down = runs(shown, column, {0, 1}, reach);
            QVERIFY2(down.mid(0, 3) == (QList<QColor>{Qt::white, kShade, button.around}),
                     qPrintable(QStringLiteral("%1 downwards: %2").arg(button.name, describe(down))));
            const QList<QColor> right = runs(shown, row, {1, 0}, reach);
            QVERIFY2(right.mid(0, 3) == (QList<QColor>{Qt::white, kShade, button.around}),
                     qPrintable(QStringLiteral("%1 rightwards: %2").arg(button.name, describe(right))));
        }
    }

    void theBannerAndTheScoreBandLeaveNoSeamDownToTheWindow()
    {
        // Between the divider and the window's right edge, the film strip,
        // its boxes, the black panel with the play button and the score band
        // cover every pixel down to the band's lower edge.
        WindowFixture f;
        f.startRound(U"EL PADRINO");
        QTest::keyClick(f.child<QAbstractButton>("cmdGame"), Qt::Key_Z);
        const qreal ratio = ratioOf(f);
        const QImage shown = devicePixels(f);
        // A seam would be a row or a column of the window's own colour running
        // through them.
        const QRect covered(QPoint(int(std::ceil(layout::Image1.left() * ratio)), 0),
                            QPoint(shown.width() - 1, int(std::floor((layout::Shape2.bottom() + 1) * ratio)) - 1));
        const auto isSeam = [&](QPoint from, QPoint step, int length) {
            int window = 0;
            QPoint at = from;
            for (int i = 0; i < length; ++i, at += step)
                window += shown.pixelColor(at) == kWindowColour ? 1 : 0;
            return window * 10 > 9 * length;
        };
        for (int y = covered.top(); y <= covered.bottom(); ++y)
            QVERIFY2(!isSeam({covered.left(), y}, {1, 0}, covered.width()),
                     qPrintable(QStringLiteral("row %1").arg(y)));
        for (int x = covered.left(); x <= covered.right(); ++x)
            QVERIFY2(!isSeam({x, 0}, {0, 1}, covered.height()), qPrintable(QStringLiteral("column %1").arg(x)));
        // Beside the gallows panel the divider is black, and no sliver of the
        // panel's grey shows right of it.
        const int row = int(200 * ratio);
        const QList<QColor> across = runs(shown, {int(170 * ratio), row}, {1, 0}, int(30 * ratio));
        QVERIFY2(across == (QList<QColor>{kPanelGrey, Qt::black, kWindowColour}), qPrintable(describe(across)));
    }

    void theGroundsBlackEdgeIsTheBottomRowOfTheGallowsPanel()
    {
        // Up from the last row of device pixels wholly inside the window: no
        // grey of the panel, nor grey blended with black, below the ground.
        WindowFixture f;
        const qreal ratio = ratioOf(f);
        const QPoint bottom(int(100 * ratio), int(f.surface()->height() * ratio) - 1);
        const QList<QColor> up = runs(devicePixels(f), bottom, {0, -1}, int(10 * ratio));
        QVERIFY2(up.mid(0, 2) == (QList<QColor>{Qt::black, QColor(64, 0, 0)}), qPrintable(describe(up)));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    prepareApplication(app);
    ScaledWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ScaledWindowTest.moc"
