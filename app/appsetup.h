#pragma once
// Start-up pieces shared by the program and its tests.

#include <QString>

class QApplication;

namespace quorvel {

// Maps the designed font families onto installed free ones of matching metrics and
// loads Qt's own German texts for the standard dialogs.
void setUpApplication(QApplication& app);

// "<data home>/Programme/Quorvel V1.5", created level by level. Empty when it cannot be
// created.
QString prepareDataDirectory();

} // namespace quorvel
