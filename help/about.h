#pragma once

#include "screens/services/forms.h"

class QLabel;
class QPushButton;

namespace numora {

class ClickLabel;

// The About box frmNumora_About: version and terms of use, the licence agreement, the maker's
// web site and System Information.
class About : public Form
{
    Q_OBJECT
public:
    explicit About(QWidget *parent = nullptr);
    void load() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createPictures();
    void createLabels();
    void createButtons();

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void btnUela_Click();
    void lblDescription_Click();
    void cmdCorvaneSoftware_Click();
    void showAgreement();

    QLabel *m_Picture1;
    QLabel *m_picIcon;
    QLabel *m_lblTitle;
    QLabel *m_lblVersion;
    ClickLabel *m_lblDescription;
    QLabel *m_lblDisclaimer;
    QWidget *m_Line1;
    QPushButton *m_btnUela;
    QPushButton *m_cmdCorvaneSoftware;
    QPushButton *m_cmdOK;
    QPushButton *m_cmdSysInfo;
};

// Starts the operating system's System Information program (the one the registry names, else
// the desktop's own: desktopSysInfoPrograms), or says that it is unavailable.
void StartSysInfo();

} // namespace numora
