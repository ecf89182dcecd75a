#include "help/licenceviewer.h"

#include "assets/pictures.h"
#include "help/rtf/rtfreader.h"
#include "screens/services/fonts.h"
#include "screens/services/geometry.h"

#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace numora {

LicenceViewer::LicenceViewer(QWidget *parent)
    : Form(parent, fixedDialogFlags())
{
    setWindowTitle(QStringLiteral("Numora End User License Agreement"));
    setWindowIcon(icon(QStringLiteral("icon-numora")));
    setClientSizeTwips(this, 5895, 4230);
    setFont(controlFont());

    m_rtfLicbox = new QTextEdit(this);
    m_rtfLicbox->setObjectName(QStringLiteral("rtfLicbox"));
    m_rtfLicbox->setReadOnly(true);
    m_rtfLicbox->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_rtfLicbox->setAccessibleName(QStringLiteral("End User Licence Agreement"));
    placeTwips(m_rtfLicbox, 0, 120, 5895, 3495);

    m_rtfLicRead = new QPushButton(QStringLiteral("I have read the agreement"), this);
    m_rtfLicRead->setObjectName(QStringLiteral("rtfLicRead"));
    placeTwips(m_rtfLicRead, 1680, 3720, 2535, 375);
    connect(m_rtfLicRead, &QPushButton::clicked, this, &LicenceViewer::rtfLicRead_Click);
}

bool LicenceViewer::loadFile(const QString &path)
{
    QTextDocument *doc = m_rtfLicbox->document();
    const rtf::ReadResult result = rtf::readFile(path, *doc);
    if (!result.ok) {
        m_rtfLicbox->setPlainText(
            QStringLiteral("The licence agreement cannot be shown.\n\n%1").arg(result.error));
        return false;
    }
    if (result.damaged) {
        // What could be read stays; a note above it says that part is missing.
        rtf::addDamageNote(*doc, result.error);
    }
    m_rtfLicbox->moveCursor(QTextCursor::Start);
    return true;
}

void LicenceViewer::rtfLicRead_Click()
{
    hide();
}

} // namespace numora
