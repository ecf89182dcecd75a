#pragma once

#include "screens/services/forms.h"

class QPushButton;
class QTextEdit;

namespace numora {

// The document viewer rtfLic that shows the end-user licence agreement.
class LicenceViewer : public Form
{
    Q_OBJECT
public:
    explicit LicenceViewer(QWidget *parent = nullptr);

    // Replaces what rtfLicbox shows with the RTF file at `path`. A file that cannot be read is
    // reported in the text area, with its name and the reason; false then.
    bool loadFile(const QString &path);

private:
    void rtfLicRead_Click();

    QTextEdit *m_rtfLicbox;
    QPushButton *m_rtfLicRead;
};

} // namespace numora
