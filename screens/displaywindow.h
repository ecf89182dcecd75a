#pragma once

#include "engine/lottery.h"
#include "screens/services/forms.h"

class QAction;
class QMenu;

namespace numora {

class TextCanvas;

// A lottery's selection display window (frmShwSel649, frmShwSel649S7, frmShwSel649Cst): the
// selections are written as lines of numbers over its picture. Its context menu and Ctrl+C
// copy the lines shown to the clipboard.
class DisplayWindow : public Form
{
    Q_OBJECT
public:
    explicit DisplayWindow(engine::LottKind kind, QWidget *parent = nullptr);
    void load() override;

    TextCanvas *canvas() const { return m_canvas; }
    static QString nameOf(engine::LottKind kind);

    // The lines shown, one ticket a line, the numbers separated by single blanks:
    // "45 3 19 22 7 31\n8 14 2 40 33 27". Empty while the window shows no lines.
    QString ticketsText() const;
    // Puts ticketsText() on the clipboard; a window without lines leaves the clipboard alone.
    void copyTickets();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    engine::LottKind m_kind;
    TextCanvas *m_canvas;
    QAction *m_copy;
    QMenu *m_menu;
};

} // namespace numora
