#pragma once

#include <QApplication>
#include <functional>
#include <string>

namespace gft::ui {

// The editor's application object. Every command of the menus, buttons and
// keys already fails alone when memory runs out; any other handler that runs
// out of it (a mouse click on a tile, a drop) fails alone here instead of
// ending the program: its "Error #7 on OBJECT" entry goes to the reporter.
class GuardedApplication : public QApplication {
  public:
    using QApplication::QApplication;

    void SetReporter(std::function<void(const std::string& entry)> report) {
        report_ = std::move(report);
    }
    bool notify(QObject* receiver, QEvent* event) override;

  private:
    std::function<void(const std::string&)> report_;
};

}  // namespace gft::ui
