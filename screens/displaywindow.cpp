#include "screens/displaywindow.h"

#include "assets/pictures.h"
#include "engine/numtext.h"
#include "screens/names.h"
#include "screens/services/fonts.h"
#include "screens/services/geometry.h"
#include "screens/services/textcanvas.h"

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
    m_canvas->setBackground(picture(QString::fromLatin1(v.picture)));
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
    setWindowTitle(QStringLiteral("Custom lottery %1/%2")
                       .arg(QString::fromStdString(engine::plain(cst.ballsDrawn)),
                            QString::fromStdString(engine::plain(cst.ballsIn))));
    engine::state().cst.session = 2;
}

} // namespace numora
