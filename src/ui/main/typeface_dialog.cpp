#include "ui/main/typeface_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "ui/main/dialogs.h"

namespace gft::ui {

namespace {

constexpr CodePage kCodePages[] = {CodePage::Windows1250, CodePage::Windows1252,
                                   CodePage::Iso8859_2};
const char* const kCodePageNames[] = {"Windows-1250", "Windows-1252", "ISO-8859-2"};

}  // namespace

std::optional<TypefaceRequest> AskTypefaceDialog(QWidget* parent, const TypefaceRequest& last) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgTypeface"));
    dialog.setWindowTitle(QStringLiteral("Import typeface"));
    auto* path = new QLineEdit(QString::fromStdString(last.path));
    path->setObjectName(QStringLiteral("txtTypefacePath"));
    auto* browse = new QPushButton(QStringLiteral("Browse..."));
    auto* size = new QSpinBox;
    size->setObjectName(QStringLiteral("spnPixelSize"));
    size->setRange(1, 255);
    size->setValue(last.pixelSize);
    auto* page = new QComboBox;
    page->setObjectName(QStringLiteral("cboCodePage"));
    for (std::size_t k = 0; k < std::size(kCodePages); ++k) {
        page->addItem(QString::fromLatin1(kCodePageNames[k]));
        if (kCodePages[k] == last.codePage) page->setCurrentIndex(static_cast<int>(k));
    }
    auto* useThreshold = new QCheckBox(QStringLiteral("Anti-aliased, ink from coverage (%):"));
    auto* threshold = new QSpinBox;
    threshold->setRange(1, 100);
    threshold->setValue(last.thresholdPercent.value_or(50));
    useThreshold->setChecked(last.thresholdPercent.has_value());
    threshold->setEnabled(useThreshold->isChecked());
    QObject::connect(useThreshold, &QCheckBox::toggled, threshold, &QSpinBox::setEnabled);
    const QString folder = QString::fromStdString(last.folder);
    QObject::connect(browse, &QPushButton::clicked, &dialog, [&dialog, path, folder] {
        QFileDialog files(&dialog, QStringLiteral("Select a typeface to import"),
                          path->text().isEmpty() ? folder : path->text(),
                          QStringLiteral("Typefaces (*.ttf *.otf *.ttc *.bdf *.pcf *.pcf.gz "
                                         "*.pfb *.woff);;All files (*)"));
        KeepFromReadingFiles(files);
        files.setFileMode(QFileDialog::ExistingFile);
        if (files.exec() == QDialog::Accepted && !files.selectedFiles().isEmpty())
            path->setText(files.selectedFiles().constFirst());
    });

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(path, 1);
    fileRow->addWidget(browse);
    auto* thresholdRow = new QHBoxLayout;
    thresholdRow->addWidget(useThreshold);
    thresholdRow->addWidget(threshold);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("Typeface file:"), fileRow);
    form->addRow(QStringLiteral("Pixel size:"), size);
    form->addRow(QStringLiteral("Code page:"), page);
    form->addRow(thresholdRow);
    form->addRow(buttons);
    dialog.resize(520, dialog.sizeHint().height());

    if (dialog.exec() != QDialog::Accepted || path->text().trimmed().isEmpty()) return std::nullopt;
    TypefaceRequest request;
    request.path = path->text().trimmed().toStdString();
    request.pixelSize = size->value();
    request.codePage = kCodePages[static_cast<std::size_t>(std::max(0, page->currentIndex()))];
    if (useThreshold->isChecked()) request.thresholdPercent = threshold->value();
    return request;
}

}  // namespace gft::ui
