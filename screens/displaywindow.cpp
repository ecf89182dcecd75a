#include "screens/displaywindow.h"

#include "assets/pictures.h"
#include "language/language.h"
#include "screens/services/names.h"
#include "screens/numbertext.h"
#include "screens/services/fonts.h"
#include "screens/services/geometry.h"
#include "screens/services/textcanvas.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>

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

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("mnuDisplay"));
    m_menu->addAction(m_copy);
    // Greyed out in the menu of an empty window only; Ctrl+C stays live for lines to come.
    connect(m_menu, &QMenu::aboutToHide, m_copy, [this] { m_copy->setEnabled(true); });
}

QString DisplayWindow::ticketsText() const
{
    QStringList tickets;
    for (const QStringList &items : m_canvas->lines()) {
        const QString ticket = items.join(QLatin1Char(' ')).simplified();
        if (!ticket.isEmpty())
            tickets.append(ticket);
    }
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
    // The language may have changed since the window loaded.
    const int row = std::max(0, languageRow(LangCode()));
    m_copy->setText(QString::fromUtf8(kCopyCaptions[row]));
    m_copy->setEnabled(!ticketsText().isEmpty());
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
