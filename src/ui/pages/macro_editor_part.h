#pragma once
// The macro editor of the advanced page: the macro-name list, the event list
// of the macro being edited, the name and loop fields, the mouse event box
// with its list, the New, Delete and Confirm buttons and the two recording
// buttons. What the controls do to the macros is macros/macro_editor.h;
// what a recording adds is macros/macro_recorder.h. This part draws, forwards
// clicks and the window's keys, runs the delay dialog and shows messages.

#include "macros/macro_editor.h"
#include "macros/macro_recorder.h"
#include "settings/message_sink.h"
#include "settings/settings_block.h"
#include "ui/keys/keyboard_hold.h"
#include "ui/pages/page_frame.h"
#include "ui/pages/page_part.h"
#include "ui/skin/drop_down_list.h"
#include "ui/skin/hot_area.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>

#include <array>
#include <filesystem>
#include <functional>
#include <optional>

class QKeyEvent;

namespace pelmora {

class MacroEditorPart : public QObject, public PagePart {
    Q_OBJECT
public:
    MacroEditorPart(PageFrame& frame, SettingsBlock& settings, MessageSink& messages,
                    std::filesystem::path macroFile);
    ~MacroEditorPart() override;

    // The macro store's file, read again each time the page is entered.
    void setMacroFile(std::filesystem::path file) { macroFile_ = std::move(file); }

    void enter() override;
    void draw(QPainter* painter) override;
    void collectHotAreas(std::vector<HotArea*>& areas) override;
    bool press(const QPoint& p) override;
    void describe(std::vector<SkinControl>& controls) override;
    void leave() override;

    // The buttons, as a click on them.
    void startRecording();
    void stopRecording();
    void newMacro();
    void deleteMacro();
    void confirmMacro();
    // The double-click on an event line, and the context menu's "Delete".
    void editDelayLine(int row);
    void deleteEventLine();

    // What the page shows, for tests.
    const MacroEditor* editor() const { return editor_ ? &*editor_ : nullptr; }
    bool recording() const { return recorder_.listening(); }
    QLineEdit* nameField() const { return nameField_; }
    QLineEdit* loopField() const { return loopField_; }
    QListWidget* nameList() const { return nameList_; }
    QListWidget* eventList() const { return eventList_; }
    QLabel* mouseEventHeader() const { return mouseEventHeader_; }
    DropDownList& mouseEvents() { return mouseEvents_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createFields();
    void createLists();
    void showNames();
    void showEvents();
    void showFields();
    void showEventSelection();
    void keyDuringRecording(const QKeyEvent& key);
    void endRecordingView();
    void showKeyboardReach(KeyboardHold::Reach reach);
    QString text(TextId id) const;

    void showRecordingStatus(const QString& text);

    PageFrame& frame_;
    QWidget& window_;
    SettingsBlock& settings_;
    MessageSink& messages_;
    std::filesystem::path macroFile_;
    std::optional<MacroEditor> editor_;
    MacroRecorder recorder_{Language::English};
    std::optional<QString> savedTitle_;
    bool filtering_ = false;
    KeyboardHold keyboard_{[this](KeyboardHold::Reach reach) { showKeyboardReach(reach); }};

    std::array<HotArea, 3> buttons_; // New, Delete, Confirm
    QPointer<QLineEdit> nameField_;
    QPointer<QLineEdit> loopField_;
    QPointer<QListWidget> nameList_;
    QPointer<QListWidget> eventList_;
    QPointer<QLabel> mouseEventHeader_;
    DropDownList mouseEvents_;
};

} // namespace pelmora
