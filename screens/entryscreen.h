#pragma once

#include "engine/lottery.h"
#include "screens/services/forms.h"

#include <QList>

class QPushButton;
class QSlider;

namespace numora {

class ClickLabel;

// A lottery's number entry screen (Frm649sw_buttons, frmS7sw_buttons, frmC_buttons): the lucky
// number set is entered on numbered buttons, the skew chosen on a slider, and Next or Quick Pick
// hands over to the lottery's selections screen.
class EntryScreen : public Form
{
    Q_OBJECT
public:
    explicit EntryScreen(engine::LottKind kind, QWidget *parent = nullptr);
    void load() override;

    static QString nameOf(engine::LottKind kind);

    // The slider's pop-up text, shown beside its thumb while it is dragged.
    static constexpr const char *kPopupText = "popupText";

    // The refresh procedure (update_lbl649ent_shw, update_lblS7ent, update_lblCsent): takes the
    // clicked number into the set, shows the set and checks whether it is complete.
    void refreshDisplay();
    // The caption procedure (lbl649ent_caption_update, lblS7ent_caption_update).
    void captionUpdate();

private:
    void createNumberButtons();
    void createControls();

    void numberClick(int number);
    void undoClick();
    void nextClick();
    void quickPickClick();
    void oddsClick();
    void tipClick();
    void sliderClick();
    void sliderValueChanged();
    void showPopupText();
    void percentUpdate();
    void slider_setup();
    void hide_extra_buttons();
    void lblCsSet_lang_update();
    void writeCustomCaption();
    void handOver();

    engine::LottKind m_kind;
    QList<QPushButton *> m_numbers; // btnS1 first
    ClickLabel *m_title;
    ClickLabel *m_display;
    ClickLabel *m_percent;
    QSlider *m_slider;
    QPushButton *m_odds;
    QPushButton *m_quickPick;
    QPushButton *m_undo;
    QPushButton *m_next;
    bool m_settingUp = false;
};

} // namespace numora
