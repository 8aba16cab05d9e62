#include "MainWindow.h"

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(tr("Segmented LED panel editor"));
    resize(800, 600);
}

MainWindow::~MainWindow() = default;
