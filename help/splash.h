#pragma once

#include "screens/services/forms.h"

class QLabel;
class QTimer;

namespace numora {

// The first window of every run, frmSplash: the title picture for four seconds or until a key,
// then the main window.
class Splash : public Form
{
    Q_OBJECT
public:
    static constexpr int kInterval = 4000; // milliseconds

    explicit Splash(int intervalMs = kInterval, QWidget *parent = nullptr);
    void load() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // A close request before the hand-over hands over as a key does.
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void Timer1_Timer();
    void handOverByKey();
    QLabel *createLabel(const char *name, const QString &text, int top);

    QWidget *m_client;
    QTimer *m_Timer1;
    QLabel *m_lblCompany;
    QLabel *m_lblCopyright;
    QLabel *m_lblCopyright2;
    bool m_handedOver = false;
};

} // namespace numora
