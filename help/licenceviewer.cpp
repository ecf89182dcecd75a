#include "help/licenceviewer.h"

#include "assets/pictures.h"
#include "help/documentnotes.h"
#include "help/documentview.h"
#include "help/rtf/rtfreader.h"
#include "language/language.h"
#include "screens/services/fonts.h"
#include "screens/services/geometry.h"

#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace numora {

namespace {

// Follows the reason in the note above the stored agreement, shown when the file cannot be read.
constexpr const char *kStoredCopyShown = "The copy of the agreement kept in the program is shown below.";

} // namespace

LicenceViewer::LicenceViewer(QWidget *parent)
    : Form(parent, fixedDialogFlags())
{
    setWindowTitle(QStringLiteral("Numora End User License Agreement"));
    setWindowIcon(icon(QStringLiteral("icon-numora")));
    setClientSizeTwips(this, 5895, 4230);
    setFont(controlFont());

    m_rtfLicbox = new DocumentView(this);
    m_rtfLicbox->setObjectName(QStringLiteral("rtfLicbox"));
    m_rtfLicbox->setAccessibleName(QStringLiteral("End User Licence Agreement"));
    placeTwips(m_rtfLicbox, 0, 120, 5895, 3495);

    m_rtfLicRead = new QPushButton(QStringLiteral("I have read the agreement"), this);
    m_rtfLicRead->setObjectName(QStringLiteral("rtfLicRead"));
    placeTwips(m_rtfLicRead, 1680, 3720, 2535, 375);
    connect(m_rtfLicRead, &QPushButton::clicked, this, &LicenceViewer::rtfLicRead_Click);

    showDocument(storedAgreement());
}

QTextDocument *LicenceViewer::storedAgreement()
{
    auto *doc = new QTextDocument(m_rtfLicbox);
    doc->setDefaultFont(m_rtfLicbox->font());
    rtf::readFile(kStoredAgreement, *doc);
    return doc;
}

void LicenceViewer::showDocument(QTextDocument *doc)
{
    replaceDocument(m_rtfLicbox, doc);
    m_rtfLicbox->moveCursor(QTextCursor::Start);
}

bool LicenceViewer::loadFile(const QString &path)
{
    // The viewer is English only, like the agreement, whatever the interface language.
    const std::uint8_t language = English;
    auto *doc = new QTextDocument(m_rtfLicbox);
    doc->setDefaultFont(m_rtfLicbox->font());
    const rtf::ReadResult result = rtf::readFile(path, *doc);
    if (!result.ok) {
        delete doc;
        doc = storedAgreement();
        rtf::addDamageNote(*doc, documentFault(path, result, language) + QLatin1Char(' ')
                                     + QString::fromUtf8(kStoredCopyShown));
        showDocument(doc);
        return false;
    }
    if (result.damaged) {
        // What could be read stays; a note above it says that part is missing.
        rtf::addDamageNote(*doc, damagedDocumentNote(path, result, language));
    }
    showDocument(doc);
    return true;
}

void LicenceViewer::rtfLicRead_Click()
{
    hide();
}

} // namespace numora
