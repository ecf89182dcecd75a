#pragma once

#include "screens/services/forms.h"

#include <cstdint>

class QPushButton;

namespace numora {

class ClickLabel;

// The hub of the program, frm649sw_1: starts the three lottery flows, help and About.
class MainWindow : public Form
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    void load() override;

    // The captions of btnCst, CmdHlp and cmdAbout in the interface language (0 becomes English).
    void set_lang_captions();
    // Row `language` (1 to 5) of the caption table; any other value changes nothing.
    void setCaptions(std::uint8_t language);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void cmd649_Click();
    void cmdS7_Click();
    void btnCst_Click();
    void CmdHlp_Click();
    void cmdAbout_Click();
    void Image1_Click();

    QPushButton *m_cmd649;
    QPushButton *m_cmdS7;
    QPushButton *m_btnCst;
    QPushButton *m_cmdAbout;
    QPushButton *m_CmdHlp;
    ClickLabel *m_Image1;
};

} // namespace numora
