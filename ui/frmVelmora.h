#pragma once

#include "WindowServices.h"

#include <QMainWindow>

// The game's main window.
class frmVelmora : public QMainWindow {
    Q_OBJECT

public:
    explicit frmVelmora(WindowServices services, QWidget* parent = nullptr);
    ~frmVelmora() override;

private:
    WindowServices services_;
};
