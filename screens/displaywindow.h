#pragma once

#include "engine/lottery.h"
#include "screens/services/forms.h"

class QAction;
class QDate;
class QMenu;

namespace numora {

class TextCanvas;

// A lottery's selection display window (frmShwSel649, frmShwSel649S7, frmShwSel649Cst): the
// selections are written as lines of numbers over its picture. Its context menu and Ctrl+C
// copy the lines shown to the clipboard; "Save as PDF..." and Ctrl+S save them as the printed
// page in a PDF file.
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
    // Asks where to save (the desktop's save dialog, offering pdfFileName() in the documents
    // folder) and writes the printed page of the lines shown there. A file that cannot be
    // written is reported with its path and the reason; the window and its lines stay.
    // A window without lines asks nothing.
    void savePdf();

    // The lines as written, one selection a line: " 3  11  19  24  38  45 ".
    QStringList selectionLines() const;
    // The printed page of a lottery: its header lines, then each selection after an empty line.
    static QStringList page(engine::LottKind kind, const QStringList &selectionLines);
    // "numora-649-2026-12-11.pdf", "numora-super7-…", "numora-custom-6-49-…".
    static QString pdfFileName(engine::LottKind kind, const QDate &date);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    engine::LottKind m_kind;
    TextCanvas *m_canvas;
    QAction *m_copy;
    QAction *m_savePdf;
    QMenu *m_menu;
};

} // namespace numora
