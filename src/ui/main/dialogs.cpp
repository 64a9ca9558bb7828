#include "ui/main/dialogs.h"

#include "ui/main/truetype_dialog.h"
#include "ui/main/typeface_dialog.h"

#include <QAbstractFileIconProvider>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "ui/main/hover_display.h"

namespace gft::ui {

QStringList QtNameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i];
        const qsizetype open = label.lastIndexOf(u'(');
        if (open > 0 && label.endsWith(u')')) label = label.left(open).trimmed();
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        filters << label + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters;
}

DialogStart SplitInitialName(const std::string& initialName) {
    const QFileInfo info(QFile::decodeName(QByteArray::fromStdString(initialName)));
    const QString name = info.fileName();
    if (name.contains(u'*') || name.contains(u'?')) return {info.path(), QString()};
    return {info.path(), info.filePath()};
}

namespace {

// Icons and types by name alone. Qt's own provider reads a file's first
// bytes to guess its type, which hangs the dialog on a file of /proc or a
// FIFO that never answers.
class NameOnlyIconProvider : public QAbstractFileIconProvider {
  public:
    QIcon icon(const QFileInfo& info) const override {
        return QAbstractFileIconProvider::icon(info.isDir() ? Folder : File);
    }
    QString type(const QFileInfo& info) const override {
        if (info.isDir()) return QStringLiteral("Folder");
        const QString suffix = info.suffix();
        return suffix.isEmpty() ? QStringLiteral("File")
                                : suffix.toUpper() + QStringLiteral(" File");
    }
};

}  // namespace

void KeepFromReadingFiles(QFileDialog& dialog) {
    static NameOnlyIconProvider provider;
    dialog.setIconProvider(&provider);
}

std::optional<std::string> QtDialogs::AskFileName(const FileDialogRequest& request) {
    QFileDialog dialog(parent_, QString::fromStdString(request.title));
    KeepFromReadingFiles(dialog);
    dialog.setNameFilters(QtNameFilters(request.filter));
    const DialogStart start = SplitInitialName(request.initialName);
    dialog.setDirectory(start.folder);
    if (!start.file.isEmpty()) dialog.selectFile(start.file);
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

namespace {

// The core's texts break lines with CR LF; a label wants LF alone.
void ShowBox(QMessageBox::Icon icon, const QString& title, QString text, QWidget* parent) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

void QtDialogs::Message(const QString& title, const QString& text) {
    ShowBox(QMessageBox::NoIcon, title, text, parent_);
}

void QtDialogs::Information(const QString& title, const QString& text) {
    ShowBox(QMessageBox::Information, title, text, parent_);
}

std::optional<BaseFont> QtDialogs::AskFont(const BaseFont& current, const QString& title) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, ToQFont(current), parent_, title);
    if (!ok) return std::nullopt;
    BaseFont font;
    font.name = chosen.family().toStdString();
    font.size = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : current.size;
    font.bold = chosen.bold();
    return font;
}

std::optional<int> QtDialogs::AskHeight(int suggested) {
    bool ok = false;
    const int height = QInputDialog::getInt(parent_, QStringLiteral("New FNT"),
                                            QStringLiteral("Height of the new font (1..255):"),
                                            suggested, 1, 255, 1, &ok);
    if (!ok) return std::nullopt;
    return height;
}

std::optional<TypefaceRequest> QtDialogs::AskTypeface(const TypefaceRequest& last) {
    return AskTypefaceDialog(parent_, last);
}

std::optional<TrueTypeOptions> QtDialogs::AskTrueType(const TrueTypeOptions& suggested,
                                                      int height) {
    return AskTrueTypeDialog(parent_, suggested, height);
}

std::optional<int> QtDialogs::AskNumber(const QString& title, const QString& prompt, int suggested,
                                        int min, int max) {
    bool ok = false;
    const int number = QInputDialog::getInt(parent_, title, prompt, suggested, min, max, 1, &ok);
    if (!ok) return std::nullopt;
    return number;
}

std::optional<int> QtDialogs::ChooseItem(const QString& title, const QString& prompt,
                                         const QStringList& items) {
    bool ok = false;
    const QString item = QInputDialog::getItem(parent_, title, prompt, items, 0, false, &ok);
    if (!ok) return std::nullopt;
    return static_cast<int>(items.indexOf(item));
}

}  // namespace gft::ui
