#include "app/match_dialog.h"

#include "app/device_balloon.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelmora {

std::optional<std::vector<bool>> askMatches(QWidget& parent, const MatchChoice& choice,
                                            Language language) {
    QDialog dialog(&parent);
    dialog.setWindowTitle(choice.title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* prompt = new QLabel(choice.prompt, &dialog);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    auto* list = new QListWidget(&dialog);
    list->setAccessibleName(choice.prompt);
    for (qsizetype i = 0; i < choice.rows.size(); ++i) {
        auto* item = new QListWidgetItem(choice.rows[i], list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        const bool ticked = static_cast<std::size_t>(i) < choice.ticked.size() &&
                            choice.ticked[static_cast<std::size_t>(i)];
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    list->setMinimumWidth(420);
    layout->addWidget(list);
    prompt->setBuddy(list);
    if (!choice.note.isEmpty()) {
        auto* note = new QLabel(choice.note, &dialog);
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(uiText(TextId::Ok, language));
    buttons->button(QDialogButtonBox::Cancel)->setText(uiText(TextId::Cancel, language));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    list->setFocus();
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    std::vector<bool> ticked;
    for (int i = 0; i < list->count(); ++i) {
        ticked.push_back(list->item(i)->checkState() == Qt::Checked);
    }
    return ticked;
}

} // namespace pelmora
