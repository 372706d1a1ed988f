#pragma once
// The program's own message window, and the general error box.

#include "services.h"

class QWidget;

namespace quorvel {

// Production MessageSink: shows the modal message window over the main window.
class DialogMessageSink final : public MessageSink {
public:
    explicit DialogMessageSink(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    int showMessage(const QString& text, MessageKind kind, MessageButtons buttons,
                    int helpContext, const QString& language) override;
    void showError(const QString& text) override;

private:
    QWidget* m_parent;
};

} // namespace quorvel
