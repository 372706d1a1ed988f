#pragma once
// TFormArbeitsblatt: the window "Arbeitsblatt". Topic and kind with the choices of the
// topic's settings page, the number of tasks, title, key and sheet number; a preview of
// the pages, saving as PDF and printing. Needs no pupil.

#include "sheetpaint.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

namespace quorvel::worksheet {

class TFormArbeitsblatt : public QWidget {
    Q_OBJECT
public:
    // Shows a notice in the program's message window.
    using Notify = std::function<void(const QString& text)>;
    // Asks where to save; empty when cancelled. Injected so tests need no dialog.
    using SavePathAsker = std::function<QString(QWidget* parent, const QString& suggested)>;
    static QString askSavePathWithDialog(QWidget* parent, const QString& suggested);

    explicit TFormArbeitsblatt(Notify notify, QWidget* parent = nullptr);

    void setSavePathAsker(SavePathAsker asker) { m_askSavePath = std::move(asker); }

    // The settings as the controls show them.
    SheetSettings settings() const;
    // Selects a kind by index into sheetKinds() (topic and kind boxes follow).
    void selectKind(int kind);

    // "Vorschau", "Als PDF speichern …", "Drucken …". False when refused, cancelled or failed
    // (refusals and failures are reported).
    bool btnBlattVorschauClick();
    bool btnBlattPdfClick();
    bool btnBlattDruckenClick();
    // Writes the sheet of the current settings to `path`.
    bool savePdf(const QString& path);

    int previewPageCount() const;

private:
    void fillKinds();
    void kindChanged();
    // The sheet of the current settings, or nothing after a notice why not.
    std::optional<Sheet> checkedSheet();

    Notify m_notify;
    SavePathAsker m_askSavePath = askSavePathWithDialog;
    QComboBox* m_topic = nullptr;
    QComboBox* m_kind = nullptr;
    QSpinBox* m_lower = nullptr;
    QSpinBox* m_upper = nullptr;
    QComboBox* m_range = nullptr;
    QSpinBox* m_squares = nullptr;
    QComboBox* m_level = nullptr;
    QComboBox* m_target = nullptr;
    QComboBox* m_mixedTarget = nullptr;
    QComboBox* m_direction = nullptr;
    QComboBox* m_divisor = nullptr;
    QComboBox* m_numbers = nullptr;
    QSpinBox* m_count = nullptr;
    QLineEdit* m_title = nullptr;
    QCheckBox* m_withKey = nullptr;
    QSpinBox* m_number = nullptr;
    QVBoxLayout* m_pagesLayout = nullptr;
    QString m_defaultTitle; // the kind's name while the title is not the teacher's own
    // Each choice row (label and control), shown for the kinds that take it.
    std::vector<std::pair<unsigned, std::vector<QWidget*>>> m_choiceRows;
};

} // namespace quorvel::worksheet
