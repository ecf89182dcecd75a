#pragma once

#include "engine/lottery.h"
#include "screens/services/forms.h"

namespace numora {

class TextCanvas;

// A lottery's selection display window (frmShwSel649, frmShwSel649S7, frmShwSel649Cst): the
// selections are written as lines of numbers over its picture.
class DisplayWindow : public Form
{
    Q_OBJECT
public:
    explicit DisplayWindow(engine::LottKind kind, QWidget *parent = nullptr);
    void load() override;

    TextCanvas *canvas() const { return m_canvas; }
    static QString nameOf(engine::LottKind kind);

private:
    engine::LottKind m_kind;
    TextCanvas *m_canvas;
};

} // namespace numora
