#include "screens/displaywindow.h"

#include "assets/pictures.h"
#include "language/language.h"
#include "screens/services/names.h"
#include "screens/numbertext.h"
#include "screens/services/fonts.h"
#include "screens/services/geometry.h"
#include "screens/services/messages.h"
#include "screens/services/printer.h"
#include "screens/services/savedialogs.h"
#include "screens/services/textcanvas.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QStandardPaths>

#include <algorithm>

namespace numora {

namespace {

struct Variant
{
    QString name;
    const char *caption;
    int clientWidth;
    int clientHeight;
    qreal fontSize; // the window's font at design
    bool bold;
    const char *picture;
    const char *icon;
};

const Variant &variant(engine::LottKind kind)
{
    static const Variant variants[] = {
        {names::Display649, "Numora", 2310, 4815, kDesignFontSize, false, "display-blue", "icon-649"},
        {names::DisplayS7, "Super 7", 2355, 4890, 9.75, true, "display-blue", "icon-s7"},
        {names::DisplayCst, "Custom lottery", 2670, 4890, 9.75, true, "display-offwhite", "icon-cst"},
    };
    return variants[engine::index(kind)];
}

// Caption of the context menu's copy entry by language.
constexpr const char *kCopyCaptions[5] = {"Copy", "Copier", "Kopieren", "Copia", "Copiar"};

// Save as PDF by language: the menu entry, the save dialog's and error box's title, and the
// dialog's file type.
struct SaveTexts
{
    const char *menu;
    const char *title;
    const char *filter;
};
constexpr SaveTexts kSaveTexts[5] = {
    {"Save as PDF...", "Save as PDF", "PDF documents (*.pdf)"},
    {"Enregistrer en PDF...", "Enregistrer en PDF", "Documents PDF (*.pdf)"},
    {"Als PDF speichern...", "Als PDF speichern", "PDF-Dokumente (*.pdf)"},
    {"Salva come PDF...", "Salva come PDF", "Documenti PDF (*.pdf)"},
    {"Guardar como PDF...", "Guardar como PDF", "Documentos PDF (*.pdf)"},
};

int languageRowInForce()
{
    // The language may have changed since the window loaded.
    return std::max(0, languageRow(LangCode()));
}

} // namespace

DisplayWindow::DisplayWindow(engine::LottKind kind, QWidget *parent)
    : Form(parent, fixedSingleFlags())
    , m_kind(kind)
{
    const Variant &v = variant(kind);
    setWindowTitle(QString::fromUtf8(v.caption));
    setWindowIcon(icon(QString::fromLatin1(v.icon)));
    setClientSizeTwips(this, v.clientWidth, v.clientHeight);
    setFont(designFont(v.fontSize, v.bold));

    m_canvas = new TextCanvas(this);
    m_canvas->setObjectName(QStringLiteral("canvas"));
    m_canvas->setFont(font());
    m_canvas->setBackground(QString::fromLatin1(v.picture));

    m_copy = new QAction(QString::fromLatin1(kCopyCaptions[0]), this);
    m_copy->setObjectName(QStringLiteral("mnuCopy"));
    m_copy->setShortcut(QKeySequence::Copy);
    m_copy->setShortcutContext(Qt::WindowShortcut);
    connect(m_copy, &QAction::triggered, this, &DisplayWindow::copyTickets);
    addAction(m_copy);

    m_savePdf = new QAction(QString::fromLatin1(kSaveTexts[0].menu), this);
    m_savePdf->setObjectName(QStringLiteral("mnuSavePdf"));
    m_savePdf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_savePdf->setShortcutContext(Qt::WindowShortcut);
    connect(m_savePdf, &QAction::triggered, this, &DisplayWindow::savePdf);
    addAction(m_savePdf);

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("mnuDisplay"));
    m_menu->addAction(m_copy);
    m_menu->addAction(m_savePdf);
    // Greyed out in the menu of an empty window only; the keys stay live for lines to come.
    connect(m_menu, &QMenu::aboutToHide, this, [this] {
        m_copy->setEnabled(true);
        m_savePdf->setEnabled(true);
    });
}

QStringList DisplayWindow::selectionLines() const
{
    QStringList lines;
    for (const QStringList &items : m_canvas->lines()) {
        const QString line = items.join(QLatin1Char(' '));
        if (!line.simplified().isEmpty())
            lines.append(line);
    }
    return lines;
}

QStringList DisplayWindow::page(engine::LottKind kind, const QStringList &selectionLines)
{
    const auto n = selectionLines.size();
    QStringList page{QString(), QString()};
    switch (kind) {
    case engine::LottKind::Lott649:
        page << QStringLiteral("NUMORA ") + lb(n) + QStringLiteral(" SELECTIONS:") << QString();
        break;
    case engine::LottKind::LottS7:
        page << QStringLiteral("NUMORA ") + lb(n) << QString()
             << QStringLiteral("SUPER SEVEN SELECTIONS:") << QString();
        break;
    case engine::LottKind::LottCst:
        page << QStringLiteral("Numora Custom Mode") + lb(n) << QString()
             << QStringLiteral("Customized lottery %1/%2 SELECTIONS:")
                    .arg(engine::drawnOf(kind))
                    .arg(engine::ballsOf(kind))
             << QString();
        break;
    }
    for (const QString &line : selectionLines)
        page << QString() << line;
    return page;
}

QString DisplayWindow::pdfFileName(engine::LottKind kind, const QDate &date)
{
    QString lottery;
    switch (kind) {
    case engine::LottKind::Lott649:
        lottery = QStringLiteral("649");
        break;
    case engine::LottKind::LottS7:
        lottery = QStringLiteral("super7");
        break;
    case engine::LottKind::LottCst:
        lottery = QStringLiteral("custom-%1-%2").arg(engine::drawnOf(kind)).arg(engine::ballsOf(kind));
        break;
    }
    return QStringLiteral("numora-%1-%2.pdf").arg(lottery, date.toString(Qt::ISODate));
}

void DisplayWindow::savePdf()
{
    const QStringList lines = selectionLines();
    if (lines.isEmpty())
        return;
    const SaveTexts &texts = kSaveTexts[languageRowInForce()];
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString offered = QDir(folder).filePath(pdfFileName(m_kind, QDate::currentDate()));
    const QString path = saveDialogs().askSavePath(this, QString::fromUtf8(texts.title), offered,
                                                   QString::fromUtf8(texts.filter));
    if (path.isEmpty())
        return;
    PdfPrinter pdf(path);
    for (const QString &line : page(m_kind, lines))
        pdf.printLine(line);
    const PrintResult result = pdf.endDoc();
    if (!result.ok)
        messages().show(result.error, MsgButtons::Ok, QString::fromUtf8(texts.title),
                        MsgIcon::Critical);
}

QString DisplayWindow::ticketsText() const
{
    QStringList tickets;
    for (const QString &line : selectionLines())
        tickets.append(line.simplified());
    return tickets.join(QLatin1Char('\n'));
}

void DisplayWindow::copyTickets()
{
    const QString text = ticketsText();
    if (text.isEmpty())
        return;
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(text, QClipboard::Clipboard);
}

void DisplayWindow::contextMenuEvent(QContextMenuEvent *event)
{
    const int row = languageRowInForce();
    const bool hasLines = !ticketsText().isEmpty();
    m_copy->setText(QString::fromUtf8(kCopyCaptions[row]));
    m_copy->setEnabled(hasLines);
    m_savePdf->setText(QString::fromUtf8(kSaveTexts[row].menu));
    m_savePdf->setEnabled(hasLines);
    m_menu->popup(event->globalPos());
    event->accept();
}

QString DisplayWindow::nameOf(engine::LottKind kind)
{
    return variant(kind).name;
}

void DisplayWindow::load()
{
    if (m_kind != engine::LottKind::LottCst)
        return;
    const engine::CustomSettings &cst = engine::state().cst;
    setWindowTitle(customLotteryCaption(cst.ballsDrawn, cst.ballsIn));
    engine::state().cst.session = 2;
}

} // namespace numora
