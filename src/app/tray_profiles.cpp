#include "app/tray_profiles.h"

#include "profiles/profile_texts.h"

namespace pelmora {

namespace {
constexpr int kSettleMs = 150;
constexpr int kFailureMs = 8000;
} // namespace

TrayProfiles::TrayProfiles(TrayPort& tray, ProfileSwitch& profiles,
                           std::function<Language()> language, QObject* parent)
    : QObject(parent), tray_(tray), profiles_(profiles), language_(std::move(language)) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &TrayProfiles::refresh);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_,
            qOverload<>(&QTimer::start));
    connect(&profiles, &ProfileSwitch::changed, this, &TrayProfiles::refresh);
    refresh();
}

void TrayProfiles::watch() {
    // profiles/ appears with the first save: it is watched from then on.
    const ProfileLibrary& library = profiles_.library();
    for (const auto& folder : {library.folder().root(), library.store().folder()}) {
        const QString path = QString::fromStdString(folder.string());
        if (!watcher_.directories().contains(path)) {
            watcher_.addPath(path);
        }
    }
}

void TrayProfiles::refresh() {
    watch();
    const Language language = language_();
    const auto text = [language](ProfileText id) {
        return QString::fromUtf8(profileUiText(id, language));
    };
    TrayProfilesMenu menu;
    menu.title = text(ProfileText::Profiles);
    const ProfileLibrary& library = profiles_.library();
    ProfileStoreError error;
    const bool modified = profiles_.modified();
    const std::vector<ProfileEntry> entries = library.entries(error);
    for (const ProfileEntry& entry : entries) {
        // A damaged file is listed where the window and the command line
        // show it, not offered here: it can never be activated.
        if (!entry.problem.empty()) {
            continue;
        }
        QString name = QString::fromStdString(entry.name);
        menu.profiles.push_back(
            {name, entry.active && modified ? name + QStringLiteral(" *") : name, entry.active});
    }
    menu.choose = [this](const QString& name) { choose(name); };
    // A tick's failure to save is told; the menu then shows it as it is.
    const auto tick = [this](ProfileText label, bool on, auto set) {
        return TrayProfilesMenu::Tick{
            QString::fromUtf8(profileUiText(label, language_())), on, [this, set](bool wanted) {
                std::string failure;
                if (!set(profiles_.library(), wanted, failure)) {
                    tray_.showBalloon(
                        QString::fromUtf8(profileUiText(ProfileText::Profiles, language_())),
                        QString::fromStdString(failure), BalloonIcon::Warning, kFailureMs);
                }
                refresh();
            }};
    };
    menu.ticks.push_back(tick(ProfileText::ShowSwitches, library.feedbackOn(),
                              [](const ProfileLibrary& l, bool on, std::string& failure) {
                                  return l.setFeedback(on, failure);
                              }));
    menu.ticks.push_back(tick(ProfileText::AutomaticSwitching, library.automaticSwitching(entries),
                              [](const ProfileLibrary& l, bool on, std::string& failure) {
                                  return l.setAutomaticSwitching(on, failure);
                              }));
    tray_.setProfilesMenu(std::move(menu));
}

void TrayProfiles::choose(const QString& name) {
    profiles_.activate(name.toStdString(), [this](const ProfileSwitch::Result& result) {
        if (result.failure != ProfileSwitch::Failure::None) {
            tray_.showBalloon(QString::fromUtf8(profileUiText(ProfileText::Profiles, language_())),
                              QString::fromStdString(result.message), BalloonIcon::Warning,
                              kFailureMs);
        }
    });
}

} // namespace pelmora
