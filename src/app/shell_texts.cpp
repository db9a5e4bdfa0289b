#include "app/shell_texts.h"

namespace pelmora {

ShellTexts loadShellTexts(std::string_view /*languageCode*/) {
    ShellTexts t;
    t.basicSettings = QStringLiteral("Basic Settings");
    t.advancedSettings = QStringLiteral("Advanced Settings");
    t.ok = QStringLiteral("OK");
    t.apply = QStringLiteral("Apply");
    t.cancel = QStringLiteral("Cancel");
    t.webAddress = QStringLiteral("https://www.example.com");
    t.reportRate = {QStringLiteral("Switch report rate into 1000HZ"),
                    QStringLiteral("Switch report rate into 500HZ"),
                    QStringLiteral("Switch report rate into 250HZ"),
                    QStringLiteral("Switch report rate into 125HZ")};
    t.dpiStage = {QStringLiteral("Switch DPI into the first stage "),
                  QStringLiteral("Switch DPI into the second stage "),
                  QStringLiteral("Switch DPI into the third stage "),
                  QStringLiteral("Switch DPI into the fourth stage ")};
    t.keyMatrix = {
        QStringLiteral("Switch to key matrix 1"), QStringLiteral("Switch to key matrix 2"),
        QStringLiteral("Switch to key matrix 3"), QStringLiteral("Switch to key matrix 4")};
    t.macroKey = QStringLiteral("Switch to macro key");
    t.exit = QStringLiteral("Exit");
    t.notDetected = QStringLiteral("The system did not detect the gaming mouse!");
    t.detected = QStringLiteral("The system detect the gaming mouse.");
    return t;
}

} // namespace pelmora
