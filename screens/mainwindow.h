#pragma once

#include <QWidget>

namespace numora {

// The hub of the program: frm649sw_1.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
};

} // namespace numora
