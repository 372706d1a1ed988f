#include "messagedialog.h"

#include <QApplication>
#include <QMessageBox>

namespace quorvel {

// Interim: plain message boxes until the program's own dialog is in place.
int DialogMessageSink::showMessage(const QString& text, MessageKind kind, MessageButtons,
                                   int, const QString&)
{
    QString t = text;
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    QStringLiteral("Information"), t, QMessageBox::Ok, m_parent);
    return box.exec() == QMessageBox::Ok ? 1 : 2;
}

void DialogMessageSink::showError(const QString& text)
{
    QMessageBox::critical(m_parent, QApplication::applicationName(), text);
}

} // namespace quorvel
