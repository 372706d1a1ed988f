#pragma once
// Small builders shared by the pages, so every page looks and behaves alike.

#include <QString>

class QFont;
class QLabel;
class QPushButton;
class QWidget;

namespace quorvel {

// A button at a fixed place with its name, caption and accessible name set.
QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& caption,
                        int x, int y, int w, int h);

// "&Start" of a settings page: bold 10 pt, hint "Zu den Übungsaufgaben"; 150 wide at
// x 369, y 440 unless told otherwise.
QPushButton* addStartButton(QWidget* page, const QString& objectName, int x = 369, int width = 150);

// Shows a help window that stays open beside the tasks: centred on the screen the first
// time, then where the pupil left it; brought back from minimised and raised.
void showBesideTheTasks(QWidget* window, bool& placed);

// A label at a fixed place.
QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& text, int x,
                  int y);

// A designed font family at a size in pixels (as the pages were laid out) or in points.
QFont pixelFont(const QString& family, int pixels, bool bold = true);
QFont pointFont(const QString& family, int points, bool bold = true);

// "Courier" as a fixed-pitch face (another monospaced font where Courier is missing), in
// points or in pixels.
QFont courierPoints(int points, bool bold = true);
QFont courierPixels(int pixels, bool bold = true);

// The page headings: "Comic Sans MS" 16 pt bold.
QFont headingFont();

// A heading centred over x = left .. right at the top of a page.
QLabel* makeHeading(QWidget* parent, const QString& objectName, const QString& text, int left,
                    int right);

// The hint text in "short|long" form: the tool-tip shows the short part, the status
// bar the long one.
void setHint(QWidget* w, const QString& hint);
QString longHint(const QString& hint);
QString shortHint(const QString& hint);

} // namespace quorvel
