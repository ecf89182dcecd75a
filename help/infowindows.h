#pragma once

#include <QString>

namespace numora {

class Forms;

// Registers the About box, the licence agreement viewer and the splash screen.
//   registerInfoWindows(forms());
//   forms().show(names::Splash); // the first window of every run
void registerInfoWindows(Forms &forms);

// Texts the splash screen and the About box share.
inline const QString kProductName = QStringLiteral("Numora");
inline const QString kRightsNotice =
    QStringLiteral("Copyright \u00A9 Corvane Software. All rights reserved.");
inline const QString kDistributorCredit = QStringLiteral("Distributed by Corvane Software");
inline const QString kMakerAddress = QStringLiteral("https://numora.example/");
inline const QString kAgreementFile = QStringLiteral("NumoraUela.rtf");

} // namespace numora
