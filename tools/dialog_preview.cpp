// Runs one of the modal dialogs on its own, in any skin and language,
// for trying it out, for the screenshots and for the end-to-end tests. After
// the dialog ends it prints "result=N" (1 for OK) and, after OK, one line
// "field=value" per result field.
//
//   dialog-preview --data-dir DIR --dialog NAME [--skin NAME] [--lang CODE]
//   dialog-preview --list

#include "macros/macro_store.h"
#include "ui/keys/combo_dialog.h"
#include "ui/keys/delay_time_dialog.h"
#include "ui/keys/fire_key_dialog.h"
#include "ui/keys/media_dialog.h"
#include "ui/keys/single_dialog.h"
#include "ui/keys/windows_dialog.h"
#include "ui/macros/macro_dialog.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skins_dialog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace pelmora {
namespace {

void printField(QTextStream& out, const char* field, const std::string& value) {
    out << field << '=' << QString::fromStdString(value) << '\n';
}
void printField(QTextStream& out, const char* field, int value) {
    out << field << '=' << value << '\n';
}
void printField(QTextStream& out, const char* field, const QString& value) {
    out << field << '=' << value << '\n';
}

// The data folder given on the command line (the macro key dialog lists its
// record.ini).
QString& dataFolder() {
    static QString folder;
    return folder;
}

int runSingle(QTextStream& out) {
    CSingleDialog dialog;
    const int result = dialog.exec();
    if (result == QDialog::Accepted) {
        printField(out, "capturedKeyName", dialog.capturedKeyName);
    }
    return result;
}

int runCombo(QTextStream& out) {
    CComboDialog dialog;
    const int result = dialog.exec();
    if (result == QDialog::Accepted) {
        printField(out, "modifierName", dialog.modifierName);
        printField(out, "modifierPosition", dialog.modifierPosition);
        printField(out, "firstKeyName", dialog.firstKeyName);
        printField(out, "secondKeyName", dialog.secondKeyName);
    }
    return result;
}

int runFireKey(QTextStream& out) {
    CFireKeyDialog dialog;
    const int result = dialog.exec();
    if (result == QDialog::Accepted) {
        printField(out, "keyPosition", dialog.keyPosition);
        printField(out, "speed", dialog.speed);
        printField(out, "times", dialog.times);
        printField(out, "chosenKeyText", dialog.chosenKeyText);
    }
    return result;
}

int runDelay(QTextStream& out) {
    CDelayTimeDialog dialog;
    const int result = dialog.exec();
    if (result == QDialog::Accepted) {
        printField(out, "delayValue", dialog.delayValue);
        printField(out, "delayText", dialog.delayText);
    }
    return result;
}

template <typename Dialog> int runChoice(QTextStream& out) {
    Dialog dialog;
    const int result = dialog.exec();
    if (result == QDialog::Accepted) {
        printField(out, "choicePosition", dialog.choicePosition);
        printField(out, "chosenText", dialog.chosenText);
    }
    return result;
}

int runMacro(QTextStream& out) {
    const MacroStore store((dataFolder() + "/record.ini").toStdString());
    CMacroDialog dialog(store);
    const int result = dialog.exec();
    if (result == QDialog::Accepted) {
        printField(out, "selectedMacroIndex", dialog.selectedMacroIndex);
        printField(out, "selectedMacroName", dialog.selectedMacroName);
        printField(out, "loopMode", dialog.loopMode);
    }
    return result;
}

int runSkins(QTextStream& out) {
    CSkinsDialog dialog({(dataFolder() + "/Skins").toStdString()}, dialogMessageBoxes());
    const int result = dialog.exec();
    if (result == QDialog::Accepted) {
        printField(out, "skinName", dialog.skinName);
        printField(out, "chosenSkinFolder", dialog.chosenSkinFolder);
        printField(out, "colour",
                   QStringLiteral("%1,%2,%3").arg(dialog.red).arg(dialog.green).arg(dialog.blue));
    }
    return result;
}

// Every dialog the host can run: its name on the command line, and a
// function that runs it modally and prints its results after OK.
struct PreviewDialog {
    std::string_view name;
    int (*run)(QTextStream& out);
};

constexpr std::array<PreviewDialog, 8> kDialogs = {{
    {"single", runSingle},
    {"combo", runCombo},
    {"fire", runFireKey},
    {"delay", runDelay},
    {"media", runChoice<CMediaDialog>},
    {"windows", runChoice<CWindowsDialog>},
    {"macro", runMacro},
    {"skins", runSkins},
}};

} // namespace
} // namespace pelmora

int main(int argc, char** argv) {
    using namespace pelmora;
    QApplication::setApplicationName("KandroGMClass");
    QApplication app(argc, argv);
    QCommandLineParser args;
    args.addHelpOption();
    args.addOptions({{"data-dir", "Data folder (holds Skins/).", "dir"},
                     {"dialog", "The dialog to run (see --list).", "name"},
                     {"skin", "Skin name.", "name", "Default"},
                     {"lang", "Language code.", "code", "EN"},
                     {"list", "Print the names of the dialogs and quit."}});
    args.process(app);
    QTextStream out(stdout);
    if (args.isSet("list")) {
        for (const PreviewDialog& dialog : kDialogs) {
            out << QString::fromLatin1(dialog.name.data(),
                                       static_cast<qsizetype>(dialog.name.size()))
                << '\n';
        }
        return 0;
    }
    const std::string name = args.value("dialog").toStdString();
    const auto* entry = std::find_if(kDialogs.begin(), kDialogs.end(),
                                     [&](const PreviewDialog& d) { return d.name == name; });
    if (entry == kDialogs.end()) {
        QTextStream(stderr) << "dialog-preview: no dialog named \"" << args.value("dialog")
                            << "\" (--list names them)\n";
        return 2;
    }
    dataFolder() = args.value("data-dir");
    skinState().setSkin(args.value("data-dir") + "/Skins", args.value("skin"));
    skinState().setLanguage(args.value("lang").toStdString());
    skinState().setTextColour(QColor(222, 228, 236));
    const int result = entry->run(out);
    out << "result=" << result << '\n';
    return 0;
}
