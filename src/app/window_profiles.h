#pragma once
// The window's profile chooser at work: its rows (the profiles with the
// application ids each is used for, a damaged one marked, then Save,
// Save as…, Use for the focused application…, Rename…, Delete…), the question before unsaved
// edits are left (Save / Discard / Cancel), the name and confirmation
// dialogs, and every failure in a message box in the window's language.

#include "app/focus_follower.h"
#include "app/match_dialog.h"
#include "app/profile_switch.h"
#include "profiles/profile_texts.h"
#include "ui/pages/profile_chooser_part.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

namespace pelmora {

class CTarvixDlg;

class WindowProfiles final : public QObject {
    Q_OBJECT
public:
    // The dialogs it opens; message boxes and a name field unless a test
    // puts others in.
    struct Dialogs {
        // The index of the button chosen (-1: closed).
        std::function<int(const QString& text, const QStringList& buttons)> ask;
        std::function<std::optional<QString>(const QString& title, const QString& initial)> name;
        std::function<void(const QString& text)> tell;
        std::function<std::optional<std::vector<bool>>(const MatchChoice& choice)> pick;
    };
    // Titled with `title` (the chooser's caption in the window's language).
    static Dialogs messageBoxes(QWidget& parent, std::function<QString()> title);

    WindowProfiles(CTarvixDlg& window, ProfileChooserPart& chooser, ProfileSwitch& profiles);

    void setDialogs(Dialogs dialogs) { dialogs_ = std::move(dialogs); }
    // The applications seen, for "Use for the focused application…".
    void setFocus(FocusFollower& focus) { focus_ = &focus; }
    QStringList rows();
    QString shown() const;
    void choose(int row);

signals:
    // A click or a key in the window may have changed the configuration.
    void maybeEdited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Action { Profile, Save, SaveAs, Match, Rename, Delete };
    struct Row {
        Action action;
        std::string name; // Profile: the profile
        std::string problem;
    };
    QString text(ProfileText id, std::string_view name = {}) const;
    void activate(const Row& row);
    // Keeps the unsaved edits when asked; false: the user cancelled.
    bool offerToSave();
    bool save(std::string_view name);
    // The name for Save as and Rename: asked, checked, a replacement confirmed.
    std::optional<std::string> askName(ProfileText title, const std::string& initial);
    void fail(const QString& what, const std::string& why);
    // Ticks the applications that use the active profile.
    void editMatches(const std::string& profile);
    // Why the focus will not switch profiles here; empty when it will.
    QString focusNote() const;

    CTarvixDlg& window_;
    ProfileChooserPart& chooser_;
    ProfileSwitch& profiles_;
    FocusFollower* focus_ = nullptr;
    Dialogs dialogs_;
    std::vector<Row> rows_; // as the list shows them
    QTimer edits_;          // one look after a burst of clicks and keys
};

} // namespace pelmora
