#include "app/window_profiles.h"

#include "app/ctarvix_dlg.h"
#include "app/device_balloon.h"

#include <QApplication>
#include <QEvent>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace pelmora {

WindowProfiles::Dialogs WindowProfiles::messageBoxes(QWidget& parent,
                                                     std::function<QString()> title) {
    Dialogs dialogs;
    dialogs.ask = [&parent, title](const QString& text, const QStringList& buttons) {
        QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::NoButton, &parent);
        std::vector<QPushButton*> added;
        for (const QString& button : buttons) {
            added.push_back(box.addButton(button, QMessageBox::ActionRole));
        }
        box.setDefaultButton(added.front());
        box.setEscapeButton(added.back()); // the last one is Cancel
        box.exec();
        const auto at = std::find(added.begin(), added.end(), box.clickedButton());
        return at == added.end() ? -1 : static_cast<int>(at - added.begin());
    };
    dialogs.tell = [&parent, title](const QString& text) {
        QMessageBox::warning(&parent, title(), text);
    };

    return dialogs;
}

WindowProfiles::WindowProfiles(CTarvixDlg& window, ProfileChooserPart& chooser,
                               ProfileSwitch& profiles)
    : window_(window), chooser_(chooser), profiles_(profiles),
      dialogs_(messageBoxes(window, [this] { return text(ProfileText::Profiles); })) {
    dialogs_.name = [this](const QString& title, const QString& initial) {
        const Language language = window_.session().language();
        QInputDialog dialog(&window_);
        dialog.setWindowTitle(title);
        dialog.setLabelText(QString::fromUtf8(profileUiText(ProfileText::NameLabel, language)));
        dialog.setTextValue(initial);
        dialog.setOkButtonText(uiText(TextId::Ok, language));
        dialog.setCancelButtonText(uiText(TextId::Cancel, language));
        return dialog.exec() == QDialog::Accepted ? std::optional(dialog.textValue())
                                                  : std::nullopt;
    };
    dialogs_.pick = [this](const MatchChoice& choice) {
        return askMatches(window_, choice, window_.session().language());
    };
    chooser.setHooks(
        {[this] { return shown(); }, [this] { return rows(); }, [this](int row) { choose(row); }});
    connect(&profiles, &ProfileSwitch::changed, &chooser, &ProfileChooserPart::refresh);
    edits_.setSingleShot(true);
    edits_.setInterval(0);
    connect(&edits_, &QTimer::timeout, this, [this] {
        chooser_.refresh();
        emit maybeEdited();
    });
    qApp->installEventFilter(this);
}

bool WindowProfiles::eventFilter(QObject* watched, QEvent* event) {
    // Edits end with a release: the box then says whether the profile still
    // holds the configuration ("NAME *").
    if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyRelease) {
        if (auto* widget = qobject_cast<QWidget*>(watched);
            widget != nullptr && widget->window() == &window_) {
            edits_.start();
        }
    }
    return QObject::eventFilter(watched, event);
}

QString WindowProfiles::text(ProfileText id, std::string_view name) const {
    return QString::fromStdString(profileUiText(id, window_.session().language(), name));
}

QString WindowProfiles::shown() const {
    const std::string active = profiles_.library().activeName();
    if (active.empty()) {
        return text(ProfileText::NoProfile);
    }
    const QString name = QString::fromStdString(active);
    return profiles_.modified() ? name + QStringLiteral(" *") : name;
}

QStringList WindowProfiles::rows() {
    rows_.clear();
    QStringList shownRows;
    ProfileStoreError error;
    const bool modified = profiles_.modified();
    for (const ProfileEntry& entry : profiles_.library().entries(error)) {
        QString row = QString::fromStdString(entry.name);
        if (!entry.problem.empty()) {
            row = QStringLiteral("! ") + row;
        } else if (entry.active && modified) {
            row += QStringLiteral(" *");
        }
        if (!entry.match.empty()) {
            QStringList ids;
            for (const std::string& id : entry.match) {
                ids << QString::fromStdString(id);
            }
            row += QStringLiteral(" \u2014 ") + ids.join(QStringLiteral(", "));
        }
        shownRows << row;
        rows_.push_back({Action::Profile, entry.name, entry.problem});
    }
    const bool active = !profiles_.library().activeName().empty();
    for (const auto& [action, id] : {std::pair{Action::Save, ProfileText::Save},
                                     {Action::SaveAs, ProfileText::SaveAs},
                                     {Action::Match, ProfileText::UseForApplication},
                                     {Action::Rename, ProfileText::Rename},
                                     {Action::Delete, ProfileText::Delete}}) {
        if (active || action == Action::Save || action == Action::SaveAs) {
            shownRows << text(id);
            rows_.push_back({action, {}, {}});
        }
    }
    return shownRows;
}

void WindowProfiles::choose(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= rows_.size() || window_.applyRunning() ||
        profiles_.running()) {
        return;
    }
    const Row row = rows_[static_cast<std::size_t>(index)];
    const std::string active = profiles_.library().activeName();
    switch (row.action) {
    case Action::Profile:
        activate(row);
        break;
    case Action::Save:
        if (active.empty()) {
            if (const auto name = askName(ProfileText::SaveAs, {})) {
                save(*name);
            }
        } else {
            save(active);
        }
        break;
    case Action::SaveAs:
        if (const auto name = askName(ProfileText::SaveAs, active)) {
            save(*name);
        }
        break;
    case Action::Match:
        editMatches(active);
        break;
    case Action::Rename:
        if (const auto name = askName(ProfileText::Rename, active)) {
            ProfileStoreError error;
            if (!profiles_.rename(active, *name, error)) {
                fail(text(ProfileText::NotChanged), profileErrorText(error));
            }
        }
        break;
    case Action::Delete:
        if (dialogs_.ask(text(ProfileText::DeleteAsk, active),
                         {uiText(TextId::Delete, window_.session().language()),
                          uiText(TextId::Cancel, window_.session().language())}) == 0) {
            ProfileStoreError error;
            if (!profiles_.remove(active, error)) {
                fail(text(ProfileText::NotChanged), profileErrorText(error));
            }
        }
        break;
    }
}

void WindowProfiles::activate(const Row& row) {
    if (!row.problem.empty()) {
        // A damaged file is never used: why, with its file and line.
        fail(text(ProfileText::NotActivated, row.name), row.problem);
        return;
    }
    const std::string active = profiles_.library().activeName();
    if (row.name == active && !profiles_.modified()) {
        return;
    }
    if (!offerToSave()) {
        return;
    }
    profiles_.activate(
        row.name,
        [this, name = row.name](const ProfileSwitch::Result& result) {
            if (result.failure != ProfileSwitch::Failure::None && !result.message.empty()) {
                fail(text(ProfileText::NotActivated, name), result.message);
            }
        },
        true);
}

bool WindowProfiles::offerToSave() {
    const std::string active = profiles_.library().activeName();
    if (!active.empty() && !profiles_.modified()) {
        return true;
    }
    const Language language = window_.session().language();
    const int answer = dialogs_.ask(
        active.empty() ? text(ProfileText::UnsavedNone) : text(ProfileText::Unsaved, active),
        {text(ProfileText::Save), text(ProfileText::Discard), uiText(TextId::Cancel, language)});
    if (answer == 1) {
        return true;
    }
    if (answer != 0) {
        return false;
    }
    if (active.empty()) {
        const auto name = askName(ProfileText::SaveAs, {});
        return name && save(*name);
    }
    return save(active);
}

bool WindowProfiles::save(std::string_view name) {
    ProfileStoreError error;
    profiles_.save(name, error);
    if (error) {
        fail(text(ProfileText::NotChanged), profileErrorText(error));
        return false;
    }
    return true;
}

std::optional<std::string> WindowProfiles::askName(ProfileText title, const std::string& initial) {
    const auto given = dialogs_.name(text(title), QString::fromStdString(initial));
    if (!given || given->trimmed().isEmpty()) {
        return std::nullopt;
    }
    const std::string name = given->toStdString();
    if (checkProfileName(name) != ProfileNameProblem::None) {
        fail(text(ProfileText::NotChanged), profileErrorText({ProfileFailure::BadName, name}));
        return std::nullopt;
    }
    // Save as onto another profile replaces it once confirmed; a rename onto
    // one is refused by the store.
    ProfileStoreError error;
    const auto existing = profiles_.library().store().find(name, error);
    if (title == ProfileText::SaveAs && existing &&
        dialogs_.ask(text(ProfileText::ReplaceAsk, *existing),
                     {text(ProfileText::Replace),
                      uiText(TextId::Cancel, window_.session().language())}) != 0) {
        return std::nullopt;
    }
    return name;
}

void WindowProfiles::fail(const QString& what, const std::string& why) {
    dialogs_.tell(what + QLatin1Char('\n') + QString::fromStdString(why));
}

QString WindowProfiles::focusNote() const {
    const FocusMechanism mechanism = focus_ ? focus_->mechanism() : FocusMechanism::None;
    if (mechanism == FocusMechanism::None && (!focus_ || focus_->reports() == 0)) {
        return text(ProfileText::FocusUnavailable);
    }
    if (mechanism == FocusMechanism::GnomeExtension && focus_->reports() == 0) {
        return text(ProfileText::ExtensionOff,
                    "gnome-extensions enable " + std::string(focus_->gnomeExtensionUuid()));
    }
    return {};
}

void WindowProfiles::editMatches(const std::string& profile) {
    // The profile's ids (ticked), then those of each application seen.
    ProfileStoreError error;
    std::vector<std::string> ids;
    for (const ProfileEntry& entry : profiles_.library().entries(error)) {
        if (sameProfileName(entry.name, profile)) {
            ids = entry.match;
        }
    }
    QString title = text(ProfileText::UseForApplication);
    if (title.endsWith(QChar(0x2026))) { // the row's "…" says a dialog follows
        title.chop(1);
    }
    MatchChoice choice{title, text(ProfileText::ChooseApplications, profile), focusNote(), {}, {}};
    for (const std::string& id : ids) {
        choice.rows << QString::fromStdString(id);
        choice.ticked.push_back(true);
    }
    const std::size_t matched = ids.size();
    for (const FocusedApplication& application :
         focus_ ? focus_->seen() : std::vector<FocusedApplication>()) {
        for (const std::string& id : application.ids) {
            if (std::ranges::none_of(
                    ids, [&](const std::string& each) { return sameApplicationId(each, id); })) {
                ids.push_back(id);
                choice.rows << QString::fromStdString(id) +
                                   (application.title.empty()
                                        ? QString()
                                        : QStringLiteral(" \u2014 ") +
                                              QString::fromStdString(application.title));
                choice.ticked.push_back(false);
            }
        }
    }
    if (ids.empty()) {
        dialogs_.tell(text(ProfileText::NoApplicationSeen) +
                      (choice.note.isEmpty() ? QString() : QLatin1Char('\n') + choice.note));
        return;
    }
    const std::optional<std::vector<bool>> ticked = dialogs_.pick(choice);
    if (!ticked || ticked->size() != ids.size()) {
        return;
    }
    std::vector<std::string> added;
    std::vector<std::string> removed;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if ((*ticked)[i] != (i < matched)) {
            ((*ticked)[i] ? added : removed).push_back(ids[i]);
        }
    }
    ProfileLibrary& library = profiles_.library();
    for (const auto& [given, add] : {std::pair{&added, true}, {&removed, false}}) {
        if (!given->empty() && !error) {
            library.editMatch(profile, *given, add, error);
        }
    }
    if (error) {
        fail(text(ProfileText::NotChanged), profileErrorText(error));
    }
    chooser_.refresh();
}

} // namespace pelmora
