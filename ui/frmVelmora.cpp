#include "frmVelmora.h"

frmVelmora::frmVelmora(WindowServices services, QWidget* parent)
    : QMainWindow(parent)
    , services_(std::move(services))
{
    setWindowTitle(QStringLiteral("VELMORA (NUEVO)"));
}

frmVelmora::~frmVelmora() = default;
