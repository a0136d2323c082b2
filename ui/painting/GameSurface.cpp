// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "painting/GameSurface.h"

#include "painting/Fonts.h"
#include "painting/Layout.h"
#include "painting/QtText.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace velmora {

namespace {

const QColor kBackgroundPictureGrey = bgr(0x007F7F7F);
const QColor kScoreBand = bgr(0x00E0E0E0);
const QColor kDarkRed = bgr(0x00000040);
const QColor kRope = bgr(0x0000C0C0);
const QColor kNavy = bgr(0x00800000);

void drawLine(QPainter& painter, const QLineF& line, const QColor& colour, int width)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(line);
}

// The pixels a line may touch: its round caps reach half its width past
// either end, and antialiasing may tint one pixel more all round.
QRect lineArea(const QLineF& line, int width)
{
    const qreal reach = width / 2.0 + 1.0;
    return QRectF(line.p1(), line.p2()).normalized().adjusted(-reach, -reach, reach, reach).toAlignedRect();
}

// The pixels a straight line one pixel wide covers, ends included: filled as
// whole pixels of the window, it covers whole device pixels on a screen of any
// scale, where a stroked line's edges would fall half a pixel off and leave a
// sliver of what lies below beside it.
QRect pixelRun(const QLineF& line)
{
    return QRectF(line.p1(), line.p2()).normalized().toRect().adjusted(0, 0, 1, 1);
}

// Everything a board cell paints: its letter, which label text keeps inside
// the label's box, and its underline, whose left cap lies left of that box.
QRect cellArea(int cell)
{
    return layout::lblLetter(cell) | lineArea(layout::lnLetter(cell), layout::kUnderlineWidth);
}

void drawFigureLine(QPainter& painter, const FigureLine& line, const QColor& colour, int width)
{
    if (line.Visible)
        drawLine(painter, twipLine(line.X1, line.Y1, line.X2, line.Y2), colour, width);
}

void drawOval(QPainter& painter, const QRect& box, const QColor& fill)
{
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(fill);
    painter.drawEllipse(box);
}

// Label text sits at the top of its box, as the window's labels draw it.
void drawLabel(QPainter& painter, const QRect& box, const QString& caption, const QFont& font,
               const QColor& colour, Qt::Alignment horizontal)
{
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, static_cast<int>(horizontal | Qt::AlignTop), caption);
}

// The labels and images that take the pointer, topmost first, with their
// tooltips; hidden ones are left out.
struct PointerTarget {
    QRect box;
    QString toolTip;
};

// The frames of a repeated letter, while the strike boxes flash for it: round
// the revealed cells that hold it (on the board) and inside the strike box
// that holds it (on the banner).
std::vector<QRect> repeatFrames(const WindowControls& c, char32_t letter, bool board)
{
    std::vector<QRect> frames;
    if (letter == 0 || c.lblStrike[0].BackColor != BoxColour::Yellow)
        return frames;
    if (board) {
        for (int cell = 1; cell <= kBoardCells; ++cell) {
            const BoardCell& b = c.lblLetter[static_cast<std::size_t>(cell - 1)];
            if (b.LetterVisible && b.Caption == letter)
                frames.push_back(layout::lblLetter(cell).adjusted(-3, -3, 3, 3));
        }
    } else {
        for (int box = 1; box <= kStrikeBoxes; ++box) {
            if (c.lblStrike[static_cast<std::size_t>(box - 1)].Caption == letter)
                frames.push_back(layout::lblStrike(box).adjusted(2, 2, -2, -2));
        }
    }
    return frames;
}

QRegion framesArea(const WindowControls& c, char32_t letter)
{
    QRegion area;
    for (bool board : {true, false}) {
        for (const QRect& frame : repeatFrames(c, letter, board))
            area += frame.adjusted(-2, -2, 2, 2);
    }
    return area;
}

std::vector<PointerTarget> pointerTargets(const WindowControls& c)
{
    static const QString strikeTips[] = {
        QStringLiteral(" Primer Error "), QStringLiteral(" Segundo Error "), QStringLiteral(" Tercer Error "),
        QStringLiteral(" Cuarto Error "), QStringLiteral(" Quinto Error "),  QStringLiteral(" Sexto Error "),
        QStringLiteral(" Séptimo Error "), QStringLiteral(" Octavo Error ")};
    std::vector<PointerTarget> targets;
    for (int box = 1; box <= kStrikeBoxes; ++box)
        targets.push_back({layout::lblStrike(box), strikeTips[box - 1]});
    targets.push_back({layout::Image1, {}});
    targets.push_back({layout::lblScore, QStringLiteral(" Puntuación ")});
    targets.push_back({layout::lblMono, QStringLiteral(" El Ahorcado ")});
    if (c.figure.prt7.Visible)
        targets.push_back({twipRect(FigureEyes::Left, c.figure.prt7.Top, FigureEyes::Width, FigureEyes::Height), {}});
    for (int cell = kBoardCells; cell >= 2; --cell) {
        if (c.lblLetter[static_cast<std::size_t>(cell - 1)].LetterVisible)
            targets.push_back({layout::lblLetter(cell), {}});
    }
    if (c.lblWordsVisible)
        targets.push_back({layout::lblWords, {}});
    if (c.lblLetter[0].LetterVisible)
        targets.push_back({layout::lblLetter(1), {}});
    return targets;
}

} // namespace

GameSurface::GameSurface(const WindowControls& controls, QWidget* parent)
    : QWidget(parent)
    , controls_(controls)
    , painted_(controls)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void GameSurface::refresh()
{
    if (controls_ == painted_ && repeat_ == paintedRepeat_)
        return;
    QRegion region = changedRegion();
    const QRegion framesBefore = framesArea(painted_, paintedRepeat_);
    const QRegion framesNow = framesArea(controls_, repeat_);
    if (framesBefore != framesNow)
        region += framesBefore + framesNow;
    painted_ = controls_;
    paintedRepeat_ = repeat_;
    if (!region.isEmpty())
        update(region);
}

QRegion GameSurface::changedRegion() const
{
    QRegion region;
    const WindowControls& now = controls_;
    if (now.figure != painted_.figure)
        region += layout::gallowsPanel;
    for (int box = 1; box <= kStrikeBoxes; ++box) {
        if (now.lblStrike[static_cast<std::size_t>(box - 1)] != painted_.lblStrike[static_cast<std::size_t>(box - 1)])
            region += layout::lblStrike(box);
    }
    for (int cell = 1; cell <= kBoardCells; ++cell) {
        if (now.lblLetter[static_cast<std::size_t>(cell - 1)] != painted_.lblLetter[static_cast<std::size_t>(cell - 1)])
            region += cellArea(cell);
    }
    if (now.lblScoreCaption != painted_.lblScoreCaption)
        region += layout::lblScore;
    if (now.lblWordsVisible != painted_.lblWordsVisible ||
        (now.lblWordsVisible && now.lblWordsCaption != painted_.lblWordsCaption))
        region += layout::lblWords;
    return region;
}

void GameSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), layout::windowColour);
    // Every pixel of the background picture is the same grey, so it is
    // painted as that colour rather than held decoded.
    painter.fillRect(layout::backgroundPicture, kBackgroundPictureGrey);

    // From the bottom of the stack up: the board, the gallows and its figure,
    // the score band, the black panel, the film strip and its strike boxes.
    paintBoard(painter);
    paintRepeatFrames(painter, true);
    painter.setRenderHint(QPainter::Antialiasing);
    paintGallows(painter);
    painter.setRenderHint(QPainter::Antialiasing, false);

    // The score band with its black border one pixel inside its box.
    painter.fillRect(layout::Shape2, Qt::black);
    painter.fillRect(layout::Shape2.adjusted(1, 1, -1, -1), kScoreBand);
    painter.fillRect(layout::lblScore, kScoreBand);
    drawLabel(painter, layout::lblScore, qtText(controls_.lblScoreCaption), scoreFont(), Qt::black,
              Qt::AlignRight);
    painter.fillRect(layout::shpPlayer, Qt::black);
    paintBanner(painter);
    paintRepeatFrames(painter, false);
}

void GameSurface::paintRepeatFrames(QPainter& painter, bool board) const
{
    // White round the cells on the window's dark colour, black inside the
    // yellow box.
    painter.setPen(QPen(board ? Qt::white : Qt::black, board ? 2 : 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    for (const QRect& frame : repeatFrames(controls_, repeat_, board))
        painter.drawRect(frame);
}

void GameSurface::paintBoard(QPainter& painter) const
{
    const QFont font = boardFont();
    const auto drawCell = [&](int cell) {
        const BoardCell& c = controls_.lblLetter[static_cast<std::size_t>(cell - 1)];
        if (c.LetterVisible)
            drawLabel(painter, layout::lblLetter(cell), qtText(c.Caption), font, Qt::white, Qt::AlignHCenter);
    };
    drawCell(1);
    if (controls_.lblWordsVisible) {
        // The answer line shows the whole title, however long, on its one line.
        const QString answer = qtText(controls_.lblWordsCaption);
        drawLabel(painter, layout::lblWords, answer, fittedFont(font, answer, layout::lblWords.width()), Qt::white,
                  Qt::AlignLeft);
    }
    for (int cell = 2; cell <= kBoardCells; ++cell)
        drawCell(cell);
    for (int cell = 1; cell <= kBoardCells; ++cell) {
        if (controls_.lblLetter[static_cast<std::size_t>(cell - 1)].LineVisible)
            drawLine(painter, layout::lnLetter(cell), Qt::white, layout::kUnderlineWidth);
    }
}

void GameSurface::paintGallows(QPainter& painter) const
{
    drawLine(painter, twipLine(720, 720, 1200, 240), kDarkRed, 7); // the brace
    drawOval(painter, twipRect(600, 120, 1575, 135), kDarkRed);    // the beam
    paintFigure(painter);
    drawLine(painter, twipLine(1090, 240, 720, 615), Qt::black, 2); // a black stroke along the brace's upper side
    drawLine(painter, twipLine(705, 800, 1265, 240), Qt::black, 2); // and one along its lower side
    // The ground, with its black border one pixel inside its box, down to
    // the window's bottom edge. Filled as whole pixels of the window rather
    // than stroked, its border covers whole device pixels at any scale; a
    // stroked one would leave a half-covered row of the grey panel below it.
    const QRect ground = twipRect(0, 3720, 2775, 255);
    painter.fillRect(ground, Qt::black);
    painter.fillRect(ground.adjusted(1, 1, -1, -1), kDarkRed);
    drawOval(painter, twipRect(120, 3600, 2535, 255), bgr(0x00004080));    // the platform
    drawOval(painter, twipRect(600, 240, 135, 3375), kDarkRed);            // the post
    if (controls_.figure.prt8Visible)
        drawOval(painter, twipRect(1440, 3240, 495, 375), bgr(0x000040C0));
}

void GameSurface::paintFigure(QPainter& painter) const
{
    const Figure& f = controls_.figure;
    drawFigureLine(painter, f.prt2, Qt::black, 3);
    drawFigureLine(painter, f.prt3, Qt::black, 3);
    drawFigureLine(painter, f.prt5, Qt::black, 3);
    drawFigureLine(painter, f.prt6, Qt::black, 3);
    drawFigureLine(painter, f.prt4, Qt::black, 3);
    drawFigureLine(painter, f.LnSoga2, kRope, 7);
    drawLine(painter, twipLine(1680, 120, 1680, 720), kRope, 5); // the rope
    if (f.prt1.Visible) {
        // The head is a circle as wide as its box is high, centred in the box.
        const QRect box = twipRect(FigureHead::Left, f.prt1.Top, FigureHead::Width, FigureHead::Height);
        const int diameter = std::min(box.width(), box.height());
        QRectF circle(0, 0, diameter, diameter);
        circle.moveCenter(QRectF(box).center());
        painter.setPen(QPen(Qt::black, 3));
        painter.setBrush(Qt::white);
        painter.drawEllipse(circle.adjusted(1.5, 1.5, -1.5, -1.5));
    }
    drawFigureLine(painter, f.Line4, kNavy, 2);
    drawFigureLine(painter, f.Line6, kNavy, 2);
    drawFigureLine(painter, f.Line5, kNavy, 2);
    if (f.prt7.Visible) {
        const QRect eyes = twipRect(FigureEyes::Left, f.prt7.Top, FigureEyes::Width, FigureEyes::Height);
        drawLabel(painter, eyes, qtText(f.prt7.Caption), gameFont(Face::ComicBold, 12), Qt::black, Qt::AlignHCenter);
    }
}

void GameSurface::paintBanner(QPainter& painter)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    filmStrip_.paint(painter, layout::Image1);
    painter.fillRect(pixelRun(layout::Line1), Qt::black);
    const QFont font = gameFont(Face::Rounded, 21.75);
    for (int box = kStrikeBoxes; box >= 1; --box) {
        const StrikeBox& b = controls_.lblStrike[static_cast<std::size_t>(box - 1)];
        painter.fillRect(layout::lblStrike(box), bgr(static_cast<std::uint32_t>(b.BackColor)));
        drawLabel(painter, layout::lblStrike(box), qtText(b.Caption), font, Qt::black, Qt::AlignHCenter);
    }
}

QString GameSurface::toolTipAt(QPoint point) const
{
    for (const PointerTarget& target : pointerTargets(controls_)) {
        if (target.box.contains(point))
            return target.toolTip;
    }
    return {};
}

bool GameSurface::isBareSurface(QPoint point) const
{
    const auto targets = pointerTargets(controls_);
    return std::none_of(targets.begin(), targets.end(),
                        [&](const PointerTarget& target) { return target.box.contains(point); });
}

void GameSurface::mouseMoveEvent(QMouseEvent* event)
{
    if (onBareSurfaceMouseMove && isBareSurface(event->position().toPoint()))
        onBareSurfaceMouseMove();
    QWidget::mouseMoveEvent(event);
}

bool GameSurface::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = toolTipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}

} // namespace velmora
