#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "session/view.h"

class QFileDialog;
class QWidget;

namespace gft::ui {

// Every modal dialog of the main window goes through this seam, so tests can
// answer them. A cancelled dialog gives an empty optional.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual std::optional<std::string> AskFileName(const FileDialogRequest& request) = 0;
    virtual void Message(const QString& title, const QString& text) = 0;
    // A message with the information icon (the command line's help box).
    virtual void Information(const QString& title, const QString& text) { Message(title, text); }
    virtual std::optional<BaseFont> AskFont(const BaseFont& current, const QString& title) = 0;
    // The height of a new font, 1..255, starting at suggested. A seam that
    // does not answer it cancels.
    virtual std::optional<int> AskHeight(int /*suggested*/) { return std::nullopt; }

    // Typefaces and glyph tools: the typeface import's dialog, and a whole
    // number in min..max.
    virtual std::optional<TypefaceRequest> AskTypeface(const TypefaceRequest& /*last*/) {
        return std::nullopt;
    }
    virtual std::optional<int> AskNumber(const QString& /*title*/, const QString& /*prompt*/,
                                         int /*suggested*/, int /*min*/, int /*max*/) {
        return std::nullopt;
    }
    // The TrueType export's questions.
    virtual std::optional<TrueTypeOptions> AskTrueType(const TrueTypeOptions& /*suggested*/,
                                                       int /*height*/) {
        return std::nullopt;
    }
    // One item of a list, by index (the kept unsaved changes).
    virtual std::optional<int> ChooseItem(const QString& /*title*/, const QString& /*prompt*/,
                                          const QStringList& /*items*/) {
        return std::nullopt;
    }
};

// The real dialogs: QFileDialog, QMessageBox, QFontDialog.
class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> AskFileName(const FileDialogRequest& request) override;
    void Message(const QString& title, const QString& text) override;
    void Information(const QString& title, const QString& text) override;
    std::optional<BaseFont> AskFont(const BaseFont& current, const QString& title) override;
    std::optional<int> AskHeight(int suggested) override;
    std::optional<TypefaceRequest> AskTypeface(const TypefaceRequest& last) override;
    std::optional<int> AskNumber(const QString& title, const QString& prompt, int suggested,
                                 int min, int max) override;
    std::optional<TrueTypeOptions> AskTrueType(const TrueTypeOptions& suggested,
                                               int height) override;
    std::optional<int> ChooseItem(const QString& title, const QString& prompt,
                                  const QStringList& items) override;

  private:
    QWidget* parent_;
};

// Every file dialog of the program lists a folder without reading its files.
void KeepFromReadingFiles(QFileDialog& dialog);

// "Desc (*.a;*.b)|*.a;*.b|All files (*.*)|*.*" as Qt name filters:
// "Desc (*.a *.b)", "All files (*)". "*.*" means every file, with or without
// an extension.
QStringList QtNameFilters(const std::string& filter);

// The folder and the file name a dialog opens with: a name holding a
// wildcard ("folder/*.fnt") opens the folder with no file selected.
struct DialogStart {
    QString folder;
    QString file;
};
DialogStart SplitInitialName(const std::string& initialName);

}  // namespace gft::ui
