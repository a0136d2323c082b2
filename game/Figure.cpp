// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Figure.h"

namespace velmora {

namespace {

// The heights that differ between the two poses, in twips. The hanged pose
// drops everything by 120 twips, the eyes by 180.
struct Pose {
    int knotY;
    int headTop;
    int neckY; // where the body and both arms start
    int handY;
    int hipY; // where the body ends and the legs start
    int footY;
    int eyesTop;
    std::u32string_view eyes;
};

constexpr Pose kStanding{1200, 600, 1200, 2160, 2040, 3240, 720, U"- -"};
constexpr Pose kHanged{1320, 720, 1320, 2280, 2160, 3360, 900, U"x x"};

void setY(FigureLine& line, int y1, int y2)
{
    line.Y1 = y1;
    line.Y2 = y2;
}

void applyPose(Figure& figure, const Pose& pose)
{
    setY(figure.LnSoga2, pose.knotY, pose.knotY);
    figure.prt1.Top = pose.headTop;
    setY(figure.prt2, pose.neckY, pose.hipY);
    setY(figure.prt3, pose.neckY, pose.handY);
    figure.prt3.X2 = 1440; // the arms are written again so they never swing
    setY(figure.prt4, pose.neckY, pose.handY);
    figure.prt4.X2 = 1920;
    setY(figure.prt5, pose.hipY, pose.footY);
    setY(figure.prt6, pose.hipY, pose.footY);
    figure.prt7.Top = pose.eyesTop;
    figure.prt7.Caption = pose.eyes;
}

} // namespace

void Figure::resetStandingPose()
{
    applyPose(*this, kStanding);
    for (FigureLine* line : {&LnSoga2, &Line4, &Line5, &Line6, &prt2, &prt3, &prt4, &prt5, &prt6})
        line->Visible = false;
    prt1.Visible = false;
    prt7.Visible = false;
    prt8Visible = true;
}

void Figure::hang()
{
    prt8Visible = false;
    applyPose(*this, kHanged);
    Line4.Visible = false;
    Line5.Visible = false;
    Line6.Visible = false;
}

} // namespace velmora
