#include "ui/main/guarded_application.h"

#include <new>

#include "support/app_error.h"

namespace gft::ui {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        const QString name = receiver->objectName().isEmpty()
                                 ? QString::fromLatin1(receiver->metaObject()->className())
                                 : receiver->objectName();
        if (report_) report_(AppError::OutOfMemory(name.toStdString()).LogEntry());
        return false;
    }
}

}  // namespace gft::ui
