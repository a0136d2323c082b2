#include "Figure.h"

namespace velmora {

namespace {

void setY(FigureLine& line, int y1, int y2)
{
    line.Y1 = y1;
    line.Y2 = y2;
}

} // namespace

void Figure::resetStandingPose()
{
    setY(LnSoga2, 1200, 1200);
    prt1.Top = 600;
    setY(prt2, 1200, 2040);
    setY(prt3, 1200, 2160);
    prt3.X2 = 1440;
    setY(prt4, 1200, 2160);
    prt4.X2 = 1920;
    setY(prt5, 2040, 3240);
    setY(prt6, 2040, 3240);
    prt7.Top = 720;
    prt7.Caption = U"- -";

    for (FigureLine* line : {&LnSoga2, &Line4, &Line5, &Line6, &prt2, &prt3, &prt4, &prt5, &prt6})
        line->Visible = false;
    prt1.Visible = false;
    prt7.Visible = false;
    prt8Visible = true;
}

void Figure::hang()
{
    prt8Visible = false;
    setY(LnSoga2, 1320, 1320);
    prt1.Top = 720;
    setY(prt2, 1320, 2160);
    setY(prt3, 1320, 2280);
    prt3.X2 = 1440;
    setY(prt4, 1320, 2280);
    prt4.X2 = 1920;
    setY(prt5, 2160, 3360);
    setY(prt6, 2160, 3360);
    prt7.Top = 900;
    prt7.Caption = U"x x";
    Line4.Visible = false;
    Line5.Visible = false;
    Line6.Visible = false;
}

} // namespace velmora
