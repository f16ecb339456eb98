#include "qtdialogs.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace tarvello {

std::optional<IDialogs::ChecklistAnswer> QtDialogs::checklist(QWidget *parent,
                                                              const QString &title,
                                                              const QString &text,
                                                              const QStringList &lines,
                                                              const QList<int> &ticked,
                                                              const QString &option)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(text, &dialog));
    auto *list = new QListWidget(&dialog);
    for (const QString &line : lines) {
        auto *item = new QListWidgetItem(line, list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(ticked.contains(list->count() - 1) ? Qt::Checked : Qt::Unchecked);
    }
    layout->addWidget(list);
    auto *optionBox = new QCheckBox(option, &dialog);
    layout->addWidget(optionBox);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                         &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(640, 400);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    ChecklistAnswer answer;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->checkState() == Qt::Checked)
            answer.checked.append(i);
    }
    answer.option = optionBox->isChecked();
    return answer;
}

} // namespace tarvello
