#include "ui/main/truetype_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace gft::ui {

namespace {

constexpr CodePage kCodePages[] = {CodePage::Windows1250, CodePage::Windows1252,
                                   CodePage::Iso8859_2};
const char* const kCodePageNames[] = {"Windows-1250 (the game's)", "Windows-1252", "ISO-8859-2"};

}  // namespace

std::optional<TrueTypeOptions> AskTrueTypeDialog(QWidget* parent, const TrueTypeOptions& suggested,
                                                 int height) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgTrueType"));
    dialog.setWindowTitle(QStringLiteral("TrueType font"));
    auto* ascent = new QSpinBox;
    ascent->setObjectName(QStringLiteral("spnAscent"));
    ascent->setRange(0, height);
    ascent->setValue(suggested.ascent);
    auto* page = new QComboBox;
    page->setObjectName(QStringLiteral("cboCodePage"));
    for (std::size_t k = 0; k < std::size(kCodePages); ++k) {
        page->addItem(QString::fromLatin1(kCodePageNames[k]));
        if (kCodePages[k] == suggested.codePage) page->setCurrentIndex(static_cast<int>(k));
    }
    auto* family = new QLineEdit(QString::fromStdString(suggested.family));
    family->setObjectName(QStringLiteral("txtFamily"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("Rows above the baseline (0..%1):").arg(height), ascent);
    form->addRow(QStringLiteral("Code page:"), page);
    form->addRow(QStringLiteral("Family name:"), family);
    form->addRow(buttons);

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    TrueTypeOptions options;
    options.ascent = ascent->value();
    options.codePage = kCodePages[static_cast<std::size_t>(std::max(0, page->currentIndex()))];
    options.family = family->text().toStdString();
    return options;
}

}  // namespace gft::ui
