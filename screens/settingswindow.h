#pragma once

#include "engine/custom.h"
#include "screens/services/forms.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

class ClickLabel;

// The custom lottery settings, frmLottSet: lucky number set size, balls drawn and balls in
// the lottery, each typed or stepped with arrows, checked on Next.
class SettingsWindow : public Form
{
    Q_OBJECT
public:
    explicit SettingsWindow(QWidget *parent = nullptr);
    void load() override;

    void cmdNext_Click();
    void cmdCancel_Click();

private:
    struct Row
    {
        QLabel *name;
        QLineEdit *text;
        ClickLabel *down;
        QLabel *value;
        ClickLabel *up;
    };

    void createRow(int index);
    void arrowClick(engine::CstRow row, engine::Arrow arrow);
    void textChange(engine::CstRow row);
    Row &row(engine::CstRow row) { return m_rows[static_cast<int>(row)]; }

    Row m_rows[3];
    QPushButton *m_cancel;
    QPushButton *m_next;
};

} // namespace numora
