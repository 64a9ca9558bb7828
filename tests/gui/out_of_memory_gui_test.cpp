// A handler of the window that runs out of memory outside any command (the
// commands fail alone in the core): the application logs its "Error #7"
// entry and goes on, whether the event was sent or came through the loop.
#include <QTest>
#include <new>
#include <string>
#include <vector>

#include "ui/main/guarded_application.h"

namespace {

class Greedy : public QObject {
  public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) throw std::bad_alloc();
        return QObject::event(event);
    }
};

class OutOfMemoryTest : public QObject {
    Q_OBJECT

  private slots:
    void HandlerShortOfMemoryIsAnErrorEntry() {
        auto* app = static_cast<gft::ui::GuardedApplication*>(QCoreApplication::instance());
        std::vector<std::string> entries;
        app->SetReporter([&entries](const std::string& entry) { entries.push_back(entry); });
        Greedy greedy;
        greedy.setObjectName(QStringLiteral("tiles"));
        QEvent sent(QEvent::User);
        QVERIFY(!QCoreApplication::sendEvent(&greedy, &sent));
        QCoreApplication::postEvent(&greedy, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        const std::string entry = "Error #7 on tiles\r\nOut of memory";
        QVERIFY(entries == std::vector<std::string>({entry, entry}));
    }
};

}  // namespace

int main(int argc, char** argv) {
    gft::ui::GuardedApplication app(argc, argv);
    OutOfMemoryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "out_of_memory_gui_test.moc"
