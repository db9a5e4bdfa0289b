#pragma once
// Activating a named profile in the running program: the profile's files are
// written as import writes them, its configuration becomes the window's, and
// the ordinary Apply sends it (on the transfer thread, with its lock and its
// saves). One activation runs at a time; those asked for meanwhile wait, the
// last one wins, and every caller is answered with how it ended.

#include "app/apply_session.h"
#include "profiles/profile_library.h"
#include "settings/data_folder.h"
#include "settings/message_sink.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pelmora {

class CTarvixDlg;

class ProfileSwitch final : public QObject {
    Q_OBJECT
public:
    enum class Failure {
        None,
        NoMouse, // no mouse, or the settings were never loaded
        Busy,    // another program kept the mouse past the wait
        NoSuchProfile,
        BadProfile,     // damaged, or a name outside the rule
        TransferFailed, // writes did not reach the mouse
        SaveFailed,     // a file was not saved
    };
    struct Result {
        Failure failure = Failure::None;
        std::string message; // for the user, in the active language where the program has it
    };
    using Reply = std::function<void(const Result&)>;
    // The failure a caller is told for a failure of the profile files.
    static Failure failureOf(ProfileFailure failure);
    // The failure a caller is told for a transfer that ended so.
    static Failure failureOf(const ApplySession::Outcome& outcome);

    ProfileSwitch(CTarvixDlg& window, DataFolder folder);

    const ProfileLibrary& library() const { return library_; }
    ProfileLibrary& library() { return library_; }
    // `fromWindow`: chosen in the window, which shows it already (no
    // on-screen message follows).
    void activate(std::string name, Reply reply, bool fromWindow = false);
    bool running() const { return running_; }
    // Whether the window's configuration (its edits among it) is no longer
    // the active profile's.
    bool modified() const;
    // The window's configuration into profile `name`, which becomes the active one.
    std::string save(std::string_view name, ProfileStoreError& error);
    // As the library does them, then told through changed().
    bool rename(std::string_view from, std::string_view to, ProfileStoreError& error);
    bool remove(std::string_view name, ProfileStoreError& error);

signals:
    // After every activation that reached the mouse and saved.
    void activated(const QString& name, bool fromWindow);
    // After anything that may change the active mark or the files.
    void changed();

private:
    void startPending();
    void finish(const Result& result);

    CTarvixDlg& window_;
    ProfileLibrary library_;
    bool running_ = false;
    std::vector<Reply> replies_; // the callers of the running activation
    std::optional<std::string> pending_;
    bool pendingFromWindow_ = false;
    std::vector<Reply> pendingReplies_;
    RecordingMessageSink messages_; // the running activation's failures
    QTimer retry_;                  // the window was busy with a transfer of its own
};

} // namespace pelmora
