#pragma once

#include "engine/lottery.h"
#include "screens/services/forms.h"

#include <QStringList>

class QGroupBox;
class QLabel;
class QPushButton;

namespace numora {

class DisplayWindow;
class OptionButton;

// A lottery's selection and print screen (frmSelectPrn, frmSelectPrnS7, frmSelectPrnCst):
// five, ten or twenty selections, shown in the display window and printed.
class SelectionScreen : public Form
{
    Q_OBJECT
public:
    explicit SelectionScreen(engine::LottKind kind, QWidget *parent = nullptr);
    void load() override;

    static QString nameOf(engine::LottKind kind);

    void set_lang_captions();
    void disSel_Click();
    void prnSel_Click();
    void cmdClose_Click();

    // The line of selection i (1-based) as shown and printed: " 3  11  19  24  38  45 ".
    QString selectionLine(int i) const;
    // The printed page of the current selections, line by line.
    QStringList pageLines() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ShowSelections();
    void PrintSelections();
    bool AskPrinterOn();
    // The box for a page the printer did not take, while the display window stays usable.
    void reportNotPrinted(const QString &reason);
    bool generate();
    void setUpDisplay();
    DisplayWindow *display() const;
    void optionClicked(int count);

    engine::LottKind m_kind;
    QGroupBox *m_frame;
    OptionButton *m_options[3];
    QPushButton *m_prnSel;
    QPushButton *m_disSel;
    QPushButton *m_cmdClose;
    QLabel *m_skewLabel;
    bool m_shownOnce = false;
};

} // namespace numora
