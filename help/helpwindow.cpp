#include "help/helpwindow.h"

#include "assets/pictures.h"
#include "help/documentnotes.h"
#include "help/documentview.h"
#include "help/rtf/rtfreader.h"
#include "language/language.h"
#include "screens/services/controls.h"
#include "screens/services/names.h"
#include "screens/services/fonts.h"
#include "screens/services/geometry.h"
#include "screens/services/programfolder.h"

#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace numora {

namespace {

struct Flag
{
    const char *control;
    const char *shape;
    const char *picture;
    const char *country;
    int left;
    Language language;
    const char *guide;
};

constexpr Flag kFlags[HelpWindow::kFlagCount] = {
    {"picFRA", "FRAShape", "flag-fra", "France", 120, French, "649HlpGuideFrench.rtf"},
    {"PicUS", "USShape", "flag-us", "United States", 960, English, "Numora User Guide.rtf"},
    {"picCAN", "CANShape", "flag-can", "Canada", 1800, English, "Numora User Guide.rtf"},
    {"PicITA", "ITAShape", "flag-ita", "Italy", 2640, Italian, "649HlpGuideItalian.rtf"},
    {"picSPA", "SPAShape", "flag-spa", "Spain", 3480, Spanish, "649HlpGuideSpanish.rtf"},
    {"PicUK", "UKShape", "flag-uk", "United Kingdom", 4320, English, "Numora User Guide.rtf"},
    {"picGER", "GERShape", "flag-ger", "Germany", 5160, German, "649HlpGuideGerman.rtf"},
};

constexpr int kFlagTop = 4800;
constexpr int kFlagSize = 615;
constexpr int kBarTop = 5520;
constexpr int kBarHeight = 15;

// The note shown in place of a guide that could not be read; %1 says which file and why.
constexpr const char *kGuideNotShown[5] = {
    "The guide could not be shown.\n\n%1\n\nThe language has not been changed.",
    "Le guide n’a pas pu être affiché.\n\n%1\n\nLa langue n’a pas été changée.",
    "Die Anleitung konnte nicht angezeigt werden.\n\n%1\n\nDie Sprache wurde nicht geändert.",
    "Non è stato possibile mostrare la guida.\n\n%1\n\nLa lingua non è stata cambiata.",
    "No se ha podido mostrar la guía.\n\n%1\n\nEl idioma no se ha cambiado.",
};

} // namespace

void RectShape::setBorderColor(const QColor &colour)
{
    if (colour == m_borderColor)
        return;
    m_borderColor = colour;
    update();
}

void RectShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), m_borderColor);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), m_borderColor);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), m_borderColor);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), m_borderColor);
}

HelpWindow::HelpWindow(QWidget *parent)
    : Form(parent, fixedSingleFlags())
{
    setWindowTitle(QStringLiteral("Numora Help"));
    setClientSizeTwips(this, 6735, 5700);
    setFont(controlFont());

    createGuideBox();
    createFlags();
    createFilm();

    // Every opening starts from the stored English guide and the English bars.
    loadGuide(kStoredGuide, LangCode());
    setBars(English);
}

void HelpWindow::createGuideBox()
{
    m_RtfBoxHlp = new DocumentView(this);
    m_RtfBoxHlp->setObjectName(QStringLiteral("RtfBoxHlp"));
    m_RtfBoxHlp->setAccessibleName(QStringLiteral("User guide"));
    placeTwips(m_RtfBoxHlp, 120, 120, 6495, 4455);
}

void HelpWindow::createFlags()
{
    for (int i = 0; i < kFlagCount; ++i) {
        const Flag &f = kFlags[i];
        auto *flag = new ClickLabel(this);
        flag->setObjectName(QString::fromLatin1(f.control));
        flag->setPixmap(picture(QString::fromLatin1(f.picture)));
        flag->setAccessibleName(QString::fromLatin1(f.country));
        flag->setCursor(Qt::PointingHandCursor);
        placeTwips(flag, f.left, kFlagTop, kFlagSize, kFlagSize);
        connect(flag, &ClickLabel::clicked, this, [this, i] { flagClick(i); });
        m_flags[i] = flag;

        auto *shape = new RectShape(this);
        shape->setObjectName(QString::fromLatin1(f.shape));
        placeTwips(shape, f.left, kBarTop, kFlagSize, kBarHeight);
        m_shapes[i] = shape;
    }
}

void HelpWindow::createFilm()
{
    m_imgFilm = new ClickLabel(this);
    m_imgFilm->setObjectName(QStringLiteral("imgFilm"));
    m_imgFilm->setPixmap(picture(QStringLiteral("film")));
    m_imgFilm->setAccessibleName(QStringLiteral("Help video"));
    m_imgFilm->setCursor(Qt::PointingHandCursor);
    placeTwips(m_imgFilm, 6000, kFlagTop, kFlagSize, kFlagSize);
    connect(m_imgFilm, &ClickLabel::clicked, this, &HelpWindow::imgFilm_Click);
}

void HelpWindow::flagClick(int flag)
{
    const Flag &f = kFlags[flag];
    const QString path = programFile(QString::fromLatin1(f.guide));
    if (!loadGuide(path, f.language))
        return;
    applyLanguage(f.language);
    setBars(f.language);
}

void HelpWindow::imgFilm_Click()
{
    forms().show(names::Video);
}

bool HelpWindow::loadGuide(const QString &path, std::uint8_t language)
{
    // Read into a document of its own, so that a failed read leaves nothing half replaced.
    auto *doc = new QTextDocument(m_RtfBoxHlp);
    doc->setDefaultFont(m_RtfBoxHlp->font());
    const rtf::ReadResult result = rtf::readFile(path, *doc);
    if (!result.ok) {
        // The language stays as it was, and the note speaks it.
        doc->clear();
        const int row = std::max(0, languageRow(LangCode()));
        doc->setPlainText(QString::fromUtf8(kGuideNotShown[row])
                              .arg(documentFault(path, result, LangCode())));
        showDocument(doc);
        return false;
    }
    if (result.damaged)
        rtf::addDamageNote(*doc, damagedDocumentNote(path, result, language));
    showDocument(doc);
    return true;
}

void HelpWindow::showDocument(QTextDocument *doc)
{
    replaceDocument(m_RtfBoxHlp, doc);
    m_RtfBoxHlp->moveCursor(QTextCursor::Start);
}

void HelpWindow::setBars(std::uint8_t language)
{
    for (int i = 0; i < kFlagCount; ++i)
        m_shapes[i]->setBorderColor(kFlags[i].language == language ? kInForce : kNotInForce);
}

} // namespace numora
