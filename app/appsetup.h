#pragma once
// Start-up pieces shared by the program and its tests.

#include <QChar>
#include <QString>
#include <functional>

class QApplication;

namespace quorvel {

// Maps the designed font families onto installed free ones of matching metrics and
// loads Qt's own German texts for the standard dialogs.
void setUpApplication(QApplication& app);

// "<data home>/Programme/Quorvel V1.5", created level by level. Empty when it cannot be
// created. On a system with drive letters the data home is the root of the first fixed
// local disk (see firstFixedDrive), so the statistics stay where earlier versions kept them.
QString prepareDataDirectory();

// The first drive letter from "A" to "Y" ("Z" is never tried) whose root is a fixed local
// disk, asking isFixedDisk letter by letter; a null QChar when there is none.
QChar firstFixedDrive(const std::function<bool(QChar letter)>& isFixedDisk);

} // namespace quorvel
