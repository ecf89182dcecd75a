#pragma once

#include "screens/services/forms.h"

class QPushButton;
class QTextDocument;
class QTextEdit;

namespace numora {

// The document viewer rtfLic that shows the end-user licence agreement.
class LicenceViewer : public Form
{
    Q_OBJECT
public:
    explicit LicenceViewer(QWidget *parent = nullptr);

    // The agreement compiled into the program, shown until a file replaces it.
    static inline const QString kStoredAgreement = QStringLiteral(":/docs/NumoraUela.rtf");

    // Replaces what rtfLicbox shows with the RTF file at `path`. A file that cannot be read is
    // reported above the stored agreement, in English with its full path and the reason; false
    // then.
    bool loadFile(const QString &path);

private:
    void rtfLicRead_Click();
    QTextDocument *storedAgreement();
    void showDocument(QTextDocument *doc);

    QTextEdit *m_rtfLicbox;
    QPushButton *m_rtfLicRead;
};

} // namespace numora
