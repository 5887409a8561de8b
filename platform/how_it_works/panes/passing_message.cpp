#include "platform/how_it_works/panes/passing_message.h"

#include <QApplication>
#include <QEvent>

namespace forms {

PassingMessage::PassingMessage(QWidget* parent) : QLabel(parent) {
    setAccessibleName(QStringLiteral("Message"));
    setWordWrap(true);
    hide();
}

void PassingMessage::show(const QString& message) {
    setText(message);
    setVisible(!message.isEmpty());
    // Watching every event costs a little, so only while there is something to take away.
    if (message.isEmpty())
        qApp->removeEventFilter(this);
    else
        qApp->installEventFilter(this);
}

bool PassingMessage::eventFilter(QObject* /*watched*/, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress) show({});
    return false;
}

}  // namespace forms
