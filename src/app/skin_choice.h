#pragma once
// The window's look and the preferences behind it: the skin that "Path" in
// str.ini names, the colour of the texts and the button labels of the
// language. The skins dialog chooses a skin and colour, which become active
// and are saved; the labels are saved on their own.

#include "settings/data_folder.h"
#include "settings/message_sink.h"
#include "settings/window_session.h"

#include <QSize>

#include <filesystem>
#include <string>

class QWidget;

namespace pelmora {

class SkinChoice {
public:
    // Both are read whenever needed: the session's language is known only
    // once the window reads str.ini.
    SkinChoice(const DataFolder& dataFolder, WindowSession& session)
        : dataFolder_(dataFolder), session_(session) {}

    // Reads the session's preferences, of its language, from str.ini again.
    void reload();
    // The skin's folder: the one "Path" names, else the Default skin.
    std::filesystem::path skinFolder() const;
    // The size of the skin's background; invalid when it cannot be read.
    QSize backgroundSize() const;
    // Makes the skin, the text colour and the language the ones every window
    // is drawn with.
    void publish() const;
    // Runs the skins dialog over `parent`. True when OK chose a skin and a
    // colour: they are active and saved.
    bool choose(MessageSink& messages, QWidget* parent);
    // Saves the button labels of the language in str.ini.
    void saveLabels() const;

private:
    const DataFolder& dataFolder_;
    WindowSession& session_;
};

} // namespace pelmora
