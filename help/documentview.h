#pragma once

#include <QTextCursor>
#include <QTextEdit>

namespace numora {

// A read-only rich-text box for the guides and the agreement. Page Down and Page Up move the
// view by one view less the line cut at its edge and the whole line before it, so every line
// is seen whole in some view, whatever pictures and tables stand in the way; the text cursor
// moves with the view. Every other key, the wheel and the scroll bar work as in any text box.
class DocumentView : public QTextEdit
{
    Q_OBJECT
public:
    explicit DocumentView(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The scroll position one page further down (`down`) or up from `from`, in document pixels.
    int pageTarget(int from, bool down) const;
    void page(bool down, QTextCursor::MoveMode mode);
};

} // namespace numora
