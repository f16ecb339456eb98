#include "importarmydialog.h"
#include "ui_importarmydialog.h"

#include "failurebox.h"
#include "uitext.h"

#include "platform/fileio.h"

#include <QPushButton>
#include <QUtf8StringView>

namespace tarvello {

ImportArmyDialog::ImportArmyDialog(IDialogs &dialogs, const IDialogs::ArmyTextQuestion &question,
                                   QWidget *parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_question(question)
    , m_ui(std::make_unique<Ui::ImportArmyDialog>())
{
    m_ui->setupUi(this);
    m_ui->txtArmyText->setPlainText(question.text);
    m_ui->txtFolder->setText(question.folder);
    connect(m_ui->txtArmyText, &QPlainTextEdit::textChanged, this, &ImportArmyDialog::showPreview);
    connect(m_ui->txtFolder, &QLineEdit::textChanged, this, &ImportArmyDialog::showPreview);
    connect(m_ui->btnFromFile, &QPushButton::clicked, this, &ImportArmyDialog::readFile);
    connect(m_ui->btnBrowse, &QPushButton::clicked, this, &ImportArmyDialog::browse);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showPreview();
    // The list is what the player came to paste or edit.
    m_ui->txtArmyText->setFocus();
}

ImportArmyDialog::~ImportArmyDialog() = default;

IDialogs::ArmyTextChoice ImportArmyDialog::choice() const
{
    return {m_ui->txtArmyText->toPlainText(), m_ui->txtFolder->text()};
}

void ImportArmyDialog::showPreview()
{
    if (!m_question.preview)
        return;
    const IDialogs::ArmyTextPreview preview =
        m_question.preview(m_ui->txtArmyText->toPlainText(), m_ui->txtFolder->text());
    m_ui->lblMatched->setText(preview.summary);
    m_ui->lstRefused->clear();
    m_ui->lstRefused->addItems(preview.refused);
    m_ui->lstRefused->setVisible(!preview.refused.isEmpty());
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(preview.canImport);
}

// A text file in UTF-8, else in Windows-1252.
void ImportArmyDialog::readFile()
{
    const std::optional<QString> path =
        m_dialogs.openFile(this, tr("Text (*.txt)|*.txt|All files (*.*)|*.*"),
                           m_ui->txtFolder->text());
    if (!path)
        return;
    const std::string file = toFilePath(*path);
    const std::optional<std::string> bytes = ReadFileBytes(file);
    if (!bytes) {
        showFailure(m_dialogs, this, ReadFailure(LoadingSentence(file), file));
        return;
    }
    const bool utf8 = QUtf8StringView(bytes->data(), static_cast<qsizetype>(bytes->size())).isValidUtf8();
    m_ui->txtArmyText->setPlainText(utf8 ? QString::fromStdString(*bytes) : fromFileText(*bytes));
}

void ImportArmyDialog::browse()
{
    if (const std::optional<QString> folder =
            m_dialogs.folder(this, tr("Figure directory"), m_ui->txtFolder->text()))
        m_ui->txtFolder->setText(*folder);
}

} // namespace tarvello
