#pragma once

#include "engine/odds.h"
#include "screens/services/forms.h"

class QPushButton;

namespace numora {

class TextCanvas;

// The odds window, frmOddsLott: the odds report of a lottery printed line by line.
class OddsWindow : public Form
{
    Q_OBJECT
public:
    explicit OddsWindow(QWidget *parent = nullptr);
    void load() override;

    // Clears the window and prints the report, its caption in the title bar.
    void showReport(const engine::OddsReport &report);
    TextCanvas *canvas() const { return m_canvas; }

private:
    void cmdOddsLottClose_Click();

    TextCanvas *m_canvas;
    QPushButton *m_close;
};

// The odds of D balls drawn from B, shown in the odds window (opened if need be).
void showOdds(int drawn, int balls);

} // namespace numora
