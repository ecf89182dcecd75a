#pragma once

#include <QString>

// The names every window is registered and found under.
namespace numora::names {

inline const QString MainWindow = QStringLiteral("frm649sw_1");
inline const QString Entry649 = QStringLiteral("Frm649sw_buttons");
inline const QString EntryS7 = QStringLiteral("frmS7sw_buttons");
inline const QString EntryCst = QStringLiteral("frmC_buttons");
inline const QString SelectPrn649 = QStringLiteral("frmSelectPrn");
inline const QString SelectPrnS7 = QStringLiteral("frmSelectPrnS7");
inline const QString SelectPrnCst = QStringLiteral("frmSelectPrnCst");
inline const QString Display649 = QStringLiteral("frmShwSel649");
inline const QString DisplayS7 = QStringLiteral("frmShwSel649S7");
inline const QString DisplayCst = QStringLiteral("frmShwSel649Cst");
inline const QString Odds = QStringLiteral("frmOddsLott");
inline const QString LottSet = QStringLiteral("frmLottSet");
inline const QString Help = QStringLiteral("FrmRtfHlp");
inline const QString Video = QStringLiteral("frm649Video");
inline const QString About = QStringLiteral("frmNumora_About");
inline const QString Licence = QStringLiteral("rtfLic");
inline const QString Splash = QStringLiteral("frmSplash");

} // namespace numora::names
