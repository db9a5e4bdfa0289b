#pragma once
// The interface texts the shell itself shows (frame buttons, page titles,
// tray menu, balloons), taken from the text table of the active language.

#include <QString>

#include <array>
#include <string_view>

namespace pelmora {

struct ShellTexts {
    QString basicSettings;
    QString advancedSettings;
    QString ok;
    QString apply;
    QString cancel;
    QString webAddress;
    std::array<QString, 4> reportRate; // 1000, 500, 250, 125 Hz
    std::array<QString, 4> dpiStage;   // first .. fourth stage, each ending in a blank
    std::array<QString, 4> keyMatrix;  // key matrix 1 .. 4
    QString macroKey;
    QString exit;
    QString notDetected;
    QString detected;
};

ShellTexts loadShellTexts(std::string_view languageCode);

// Tool tip of the notification-area icon, the same in every language.
inline const QString kTrayToolTip = QStringLiteral("Gaming Mouse Setting");

} // namespace pelmora
