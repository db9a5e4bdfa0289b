#pragma once
// The process-wide look: the active skin folder, the user-interface text
// colour and the language code. Set at start-up and changed only by the skins
// dialog; windows created afterwards use the new values.

#include <QColor>
#include <QString>

#include <string>
#include <string_view>

namespace pelmora {

class SkinState {
public:
    // The folder "<data>/Skins/<name>"; changing it drops every cached image.
    void setSkin(const QString& skinsFolder, const QString& name);
    const QString& folder() const { return folder_; }
    const QString& name() const { return name_; }
    // Folder followed by an image name ("/button-normal.png").
    QString imagePath(std::string_view imageName) const;

    void setTextColour(const QColor& colour) { textColour_ = colour; }
    const QColor& textColour() const { return textColour_; }

    void setLanguage(std::string code) { language_ = std::move(code); }
    const std::string& language() const { return language_; }

private:
    QString folder_;
    QString name_;
    QColor textColour_{220, 224, 230};
    std::string language_;
};

SkinState& skinState();

} // namespace pelmora
